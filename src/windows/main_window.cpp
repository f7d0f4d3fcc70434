#include "windows/main_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStyleHints>
#include <QTimer>

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/picture_button.h"
#include "widgets/table_grid.h"
#include "widgets/wheel_scroll.h"
#include "windows/button_bar.h"
#include "windows/export_actions.h"
#include "windows/help_window.h"
#include "windows/household_panel.h"
#include "windows/print_window.h"
#include "windows/record_panel.h"
#include "windows/result_panel.h"
#include "windows/search_window.h"
#include "windows/statistics_window.h"
#include "windows/window_controls.h"

namespace tessla {

namespace {

constexpr int kMinimumWidth = 790;
constexpr int kMinimumHeight = 590;

}  // namespace

Tmain_form::Tmain_form(Program& program, QWidget* parent)
    : QWidget(parent),
      program_(program),
      browser_(program.database(), program.household, program.currentPerson),
      huvudpanel_(new BackgroundPanel(this)),
      results_(std::make_unique<ResultPanel>(*huvudpanel_, program, browser_)),
      household_(std::make_unique<HouseholdPanel>(*huvudpanel_, program, browser_)),
      record_(std::make_unique<RecordPanel>(*huvudpanel_, program, browser_)),
      buttons_(
          std::make_unique<ButtonBar>(*huvudpanel_, program, [this](MainAction action) { act(action); })),
      exports_(std::make_unique<ExportActions>(*this, program, browser_)),
      idleTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("main_form"));
    setWindowTitle(QStringLiteral("Tessla"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    huvudpanel_->setObjectName(QStringLiteral("huvudpanel"));
    idleTimer_->setObjectName(QStringLiteral("idleTimer"));
    idleTimer_->setSingleShot(true);
    idleTimer_->setInterval(idleDelay());
    connectControls();
    // The wheel scrolls the result list wherever the pointer is in this window.
    auto* wheel = new WheelScroll(results_->scrollBar());
    wheel->watch(*this);
    for (QWidget* control : findChildren<QWidget*>()) wheel->watch(*control);
    program_.setMessageWindow(this);
    program_.setSettler([this] { settle(); });
    resize(kMinimumWidth, kMinimumHeight);
    applyTexts(program_.language());
    draw(browser_.refresh());
}

Tmain_form::~Tmain_form() {
    program_.setSettler({});
}

void Tmain_form::connectControls() {
    results_->onRowChosen([this](std::int32_t row) {
        browser_.selectRow(row);
        idleTimer_->start();
    });
    household_->onMemberChosen([this](std::int32_t row) { draw(browser_.selectHouseholdRow(row)); });
    connect(&record_->deselectButton(), &TSPknapp::OnTryckt, this, [this] { draw(browser_.deselect()); });
    connect(&record_->printButton(), &TSPknapp::OnTryckt, this, &Tmain_form::printShownRecord);
    connect(&household_->gedcomButton(), &TSPknapp::OnTryckt, this,
            [this] { exports_->saveHouseholdGedcom(); });
    connect(&results_->csvButton(), &TSPknapp::OnTryckt, this, [this] { exports_->saveResultCsv(); });
    connect(&record_->citationButton(), &TSPknapp::OnTryckt, this, [this] { exports_->copyCitation(); });
    for (const Language language : {Language::Swedish, Language::English}) {
        connect(&results_->clearButton(language), &TSPknapp::OnTryckt, this, &Tmain_form::clearResults);
    }
    connect(idleTimer_, &QTimer::timeout, this, &Tmain_form::tesslaidle);
    connect(&program_, &Program::languageChanged, this, &Tmain_form::applyTexts);
    connect(&program_, &Program::databaseOpened, this, [this] {
        draw(browser_.refresh());
        update();
    });

    new QShortcut(QKeySequence(QStringLiteral("Ctrl+B")), this, this, [this] { act(MainAction::search); });
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+P")), this, this, [this] { act(MainAction::print); });
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+Q")), this, this, &QWidget::close);
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+C")), this, this, [this] { record_->copy(); });
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")), this, this, [this] { results_->copy(); });
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+K")), this, this, [this] { exports_->copyCitation(); });
}

int Tmain_form::idleDelay() const {
    const int rate = std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
    return std::max(50, 2 * 1000 / rate);
}

void Tmain_form::setPersonSearch(SearchWindow& window) {
    personSearch_ = &window;
    buttons_->setWindow(MainAction::search, &window);
}

void Tmain_form::setChildSearch(SearchWindow& window) {
    childSearch_ = &window;
    buttons_->setWindow(MainAction::childSearch, &window);
}

void Tmain_form::setStatistics(Tstatform& window) {
    statistics_ = &window;
    buttons_->setWindow(MainAction::statistics, &window);
}

void Tmain_form::setPrint(Tskriv_form& window) {
    print_ = &window;
    exports_->setSortOrder([this]() -> std::optional<PrintKeys> {
        return print_ != nullptr ? print_->chosenSortOrder() : std::nullopt;
    });
    buttons_->setWindow(MainAction::print, &window);
    record_->printButton().setEnabled(browser_.resultCount() > 0);
}

void Tmain_form::setHelp(Ttextform& window) {
    help_ = &window;
    for (const MainAction action :
         {MainAction::help, MainAction::about, MainAction::aboutStamma, MainAction::aboutArkivo})
        buttons_->setWindow(action, &window);
}

// ---- showing and closing -------------------------------------------------------------------------

void Tmain_form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Tmain_form::closeEvent(QCloseEvent* event) {
    // The household being built reads the database; the window closes when it is done.
    if (program_.busyGate().busy()) {
        program_.busyGate().whenFree("close", [this] { close(); });
        event->ignore();
        return;
    }
    idleTimer_->stop();
    event->accept();
}

// ---- layout and language -------------------------------------------------------------------------

void Tmain_form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutMainWindow();
}

void Tmain_form::LayoutMainWindow() {
    huvudpanel_->setGeometry(rect());
    layout_ = mainLayout(width(), height());
    results_->place(layout_);
    household_->place(layout_);
    record_->place(layout_);
    buttons_->place(width(), height(), program_.language());
    setReadingTabOrder(*this);
}

void Tmain_form::applyTexts(Language language) {
    setWindowTitle(QStringLiteral("Tessla"));
    const std::string_view background = inLanguage(language, picture::tslmain, picture::tslmaine);
    huvudpanel_->setBackground(&program_.metiler(), background);
    buttons_->applyTexts(language);
    buttons_->place(width(), height(), language);
    results_->applyTexts(language);
    household_->applyTexts(language);
    record_->applyTexts(language, background);
    setReadingTabOrder(*this);
}

// ---- the browser's changes -----------------------------------------------------------------------

void Tmain_form::draw(const BrowserChanges& changes) {
    if (changes.results) {
        results_->showResults();
        buttons_->enable(browser_.resultCount());
        record_->printButton().setEnabled(print_ != nullptr && browser_.resultCount() > 0);
        // Whatever changed the result (a search, a deselection, a clearing, another database),
        // the statistics count it again when next shown.
        if (statistics_ != nullptr) statistics_->markOutOfDate();
    }
    if (changes.household) household_->showHousehold();
    if (changes.record) record_->showRecord();
    if (browser_.restPending()) idleTimer_->start();
}

void Tmain_form::tesslaidle() {
    // A build lets events through; a selection that changed meanwhile is taken up after it.
    if (program_.busyGate().busy()) {
        idleTimer_->start();
        return;
    }
    if (!browser_.restPending()) return;
    buildHousehold(QEventLoop::AllEvents);
}

void Tmain_form::settle() {
    if (!browser_.restPending()) return;
    // The user asked for something that reads the selection: it is built now, painting meanwhile
    // but taking no keys or clicks, which would ask for more before this is done.
    buildHousehold(QEventLoop::ExcludeUserInputEvents);
}

void Tmain_form::buildHousehold(QEventLoop::ProcessEventsFlags between) {
    idleTimer_->stop();
    household_->showBuilding();
    BrowserChanges changes;
    program_.runBusy(
        [&] { changes = browser_.rest([between] { QCoreApplication::processEvents(between); }); });
    draw(changes);
}

// ---- other windows -------------------------------------------------------------------------------

void Tmain_form::act(MainAction action) {
    QPointer<QDialog> window = buttons_->window(action);
    if (!mainActionAllowed(action, window != nullptr, browser_.resultCount(),
                           program_.configuration().printLimit))
        return;
    switch (action) {
        case MainAction::quit:
            close();
            return;
        case MainAction::search:
        case MainAction::childSearch: {
            // A search fills the database's hit selection, which a household being built reads its
            // members from: the search window opens when the build is done.
            QPointer<SearchWindow> search = action == MainAction::search ? personSearch_ : childSearch_;
            program_.whenSettled("search", [this, search] { runSearch(search); });
            return;
        }
        case MainAction::statistics:
        case MainAction::print:
            // The statistics count the result and the print window prints it, which a search or a
            // build must not change meanwhile.
            program_.whenSettled("window", [this, window] {
                if (window != nullptr) showModal(*window, *this);
            });
            return;
        case MainAction::help:
        case MainAction::about:
        case MainAction::aboutStamma:
        case MainAction::aboutArkivo:
            program_.whenSettled("window", [this, action] { showHelp(action); });
            return;
    }
}

void Tmain_form::showHelp(MainAction action) {
    if (help_ == nullptr) return;
    help_->showTopic(mainHelpTopic(action, program_.language()), *this);
    // The help and logo toggles stay down while their text shows.
    buttons_->release(action);
}

void Tmain_form::dosoek() {
    act(MainAction::search);
}

void Tmain_form::sokbarnknappTryckt() {
    act(MainAction::childSearch);
}

void Tmain_form::doskriv() {
    act(MainAction::print);
}

void Tmain_form::runSearch(SearchWindow* window) {
    if (window == nullptr) return;
    browser_.searchStarting();
    const int result = showModal(*window, *this);
    // A search with every field empty empties the result and cancels: the list is rebuilt then too.
    if (!window->changedResult()) return;
    draw(browser_.searchAccepted());
    // A search that found persons offers them all for printing.
    if (result == 1 && print_ != nullptr)
        print_->setRange(QStringLiteral("1"),
                         QString::number(program_.database().tessllista().vald().antal()));
}

void Tmain_form::printShownRecord() {
    // The record shown is the program's current person; print jobs never change it.
    if (print_ == nullptr || browser_.shownRecord() <= 0) return;
    program_.whenSettled("print", [this, window = print_] {
        if (window != nullptr) window->printSingleRecord(program_.currentPerson);
    });
}

void Tmain_form::clearResults() {
    draw(browser_.clear());
    if (print_ != nullptr) print_->resetChoices();
    if (personSearch_ == nullptr) return;
    personSearch_->rensa();
    personSearch_->askFocus();
}

}  // namespace tessla
