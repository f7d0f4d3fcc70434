#include "windows/print_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProgressBar>

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "storage/picture_names.h"
#include "view/printed_persons.h"
#include "widgets/busy_cursor.h"
#include "widgets/elided_label.h"
#include "widgets/print_paper.h"
#include "windows/help_window.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 318;
constexpr int kMargin = 14;
constexpr int kFontSize = 11;
constexpr int kRowHeight = 24;
constexpr char kHelpTopic[] = "HJ021";

const SerifLook kLook{kFontSize};

}  // namespace

Tskriv_form::Tskriv_form(Program& program, Ttextform& help, QWidget* parent)
    : QDialog(parent),
      program_(program),
      help_(help),
      printer_(QPrinter::HighResolution),
      panel_(new BackgroundPanel(this)),
      skrivutlabel_(makeSerif<QLabel>(panel_, "skrivutlabel", kLook)),
      skrivtypcb_(makeSerif<QComboBox>(panel_, "skrivtypcb", kLook)),
      ordnalabel_(makeSerif<QLabel>(panel_, "ordnalabel", kLook)),
      firstsortlabel_(makeSerif<QLabel>(panel_, "firstsortlabel", kLook)),
      sort1cb_(makeSerif<QComboBox>(panel_, "sort1cb", kLook)),
      secondsortlabel_(makeSerif<QLabel>(panel_, "secondsortlabel", kLook)),
      sort2cb_(makeSerif<QComboBox>(panel_, "sort2cb", kLook)),
      antskrivlabel_(makeSerif<QLabel>(panel_, "antskrivlabel", kLook)),
      startpostedit_(makeSerif<QLineEdit>(panel_, "startpostedit", kLook)),
      postinterstreck_(makeSerif<QLabel>(panel_, "postinterstreck", kLook)),
      slutpostedit_(makeSerif<QLineEdit>(panel_, "slutpostedit", kLook)),
      notelabel_(makeSerif<QLabel>(panel_, "notelabel", kLook)),
      pg_(new QProgressBar(panel_)),
      statuslabel_(makeSerif<QLabel>(panel_, "statuslabel", kLook)),
      avbrytlabel_(makeSerif<QLabel>(panel_, "avbrytlabel", kLook)),
      resultlabel_(new ElidedLabel(panel_)),
      startknapp_(
          makePictureButton(panel_, "startknapp", {pic::startknapp, pic::startknappn}, program.mainfigur())),
      startknappE_(makePictureButton(panel_, "startknapp_e", {pic::startknappe, pic::startknappen},
                                     program.mainfigur())),
      staellinknapp_(makePictureButton(panel_, "staellinknapp", {pic::staellinknapp, pic::staellinknappn},
                                       program.mainfigur())),
      staellinknappE_(makePictureButton(panel_, "staellinknapp_e",
                                        {pic::staellinknappe, pic::staellinknappen}, program.mainfigur())),
      helpknapp_(makePictureButton(panel_, "helpknapp", {pic::hjelpl01, pic::hjelpl02}, program.mainfigur())),
      slutknapp_(
          makePictureButton(panel_, "slutknapp", {pic::stangknapp, pic::stangknappn}, program.mainfigur())) {
    setObjectName(QStringLiteral("skriv_form"));
    setFixedSize(kClientWidth, kClientHeight);
    printer_.setDocName(QStringLiteral("Tessla"));
    buildControls();
    placeControls();
    applyTexts(program.language());
    resetChoices();
    connect(&program, &Program::languageChanged, this, &Tskriv_form::applyTexts);
}

Tskriv_form::~Tskriv_form() = default;

void Tskriv_form::buildControls() {
    postinterstreck_->setText(QString::fromUtf8("–"));
    postinterstreck_->setAlignment(Qt::AlignCenter);
    skrivutlabel_->setBuddy(skrivtypcb_);
    firstsortlabel_->setBuddy(sort1cb_);
    secondsortlabel_->setBuddy(sort2cb_);
    antskrivlabel_->setBuddy(startpostedit_);
    notelabel_->setWordWrap(true);
    pg_->setObjectName(QStringLiteral("pg"));
    pg_->setTextVisible(false);
    showProgress(false);
    resultlabel_->setObjectName(QStringLiteral("resultlabel"));
    setSerifLook(*resultlabel_, kLook);
    showOutcome(std::nullopt);
    connect(skrivtypcb_, &QComboBox::currentIndexChanged, this, &Tskriv_form::kindChosen);
    for (QComboBox* combo : {sort1cb_, sort2cb_})
        connect(combo, &QComboBox::activated, this, [this] { sortChosen_ = true; });
    for (TSPknapp* button : {startknapp_, startknappE_})
        connect(button, &TSPknapp::OnTryckt, this, &Tskriv_form::start);
    for (TSPknapp* button : {staellinknapp_, staellinknappE_})
        connect(button, &TSPknapp::OnTryckt, this, &Tskriv_form::setupPrinter);
    connect(helpknapp_, &TSPknapp::OnTryckt, this, [this] { help_.showTopic(kHelpTopic, *this); });
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
}

void Tskriv_form::placeControls() {
    panel_->setGeometry(rect());
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    slutknapp_->setGeometry(QRect(QPoint(kClientWidth - kMargin - small.width(), kMargin), small));
    helpknapp_->setGeometry(QRect(QPoint(slutknapp_->x() - 6 - small.width(), kMargin), small));

    const int fieldX = 196;
    skrivutlabel_->setGeometry(kMargin, kMargin, fieldX - kMargin - 8, kRowHeight);
    skrivtypcb_->setGeometry(kMargin, kMargin + kRowHeight + 2, helpknapp_->x() - 12 - kMargin, kRowHeight);
    ordnalabel_->setGeometry(kMargin, 88, 300, kRowHeight);
    firstsortlabel_->setGeometry(kMargin + 20, 116, fieldX - kMargin - 28, kRowHeight);
    sort1cb_->setGeometry(fieldX, 116, 200, kRowHeight);
    secondsortlabel_->setGeometry(kMargin + 20, 146, fieldX - kMargin - 28, kRowHeight);
    sort2cb_->setGeometry(fieldX, 146, 200, kRowHeight);
    antskrivlabel_->setGeometry(kMargin, 184, fieldX - kMargin - 8, kRowHeight);
    startpostedit_->setGeometry(fieldX, 184, 84, kRowHeight);
    postinterstreck_->setGeometry(fieldX + 84, 184, 32, kRowHeight);
    slutpostedit_->setGeometry(fieldX + 116, 184, 84, kRowHeight);
    notelabel_->setGeometry(kMargin, 212, kClientWidth - 2 * kMargin, 2 * kRowHeight - 8);

    const QSize large(pic::largeButtonSize.width, pic::largeButtonSize.height);
    const int buttonY = kClientHeight - kMargin - large.height();
    startknapp_->setGeometry(QRect(QPoint(kMargin, buttonY), large));
    startknappE_->setGeometry(startknapp_->geometry());
    staellinknapp_->setGeometry(QRect(QPoint(kMargin + large.width() + 10, buttonY), large));
    staellinknappE_->setGeometry(staellinknapp_->geometry());
    const int progressX = staellinknapp_->geometry().right() + 18;
    const int progressWidth = kClientWidth - kMargin - progressX;
    pg_->setGeometry(progressX, buttonY, progressWidth, 16);
    statuslabel_->setGeometry(progressX, buttonY + 18, progressWidth - 110, 22);
    avbrytlabel_->setGeometry(kClientWidth - kMargin - 108, buttonY + 18, 108, 22);
    avbrytlabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resultlabel_->setGeometry(progressX, buttonY + 8, progressWidth, 22);
}

void Tskriv_form::applyTexts(Language language) {
    setWindowTitle(inLanguage(language, "Tessla, utskrift", "Tessla, Print"));
    panel_->setBackground(&program_.metiler(), inLanguage(language, pic::tslprint, pic::tslprinte));
    skrivutlabel_->setText(inLanguage(language, "Skriv ut:", "Print:"));
    antskrivlabel_->setText(inLanguage(language, "Utskriftsintervall (poster):", "Printing range:"));
    ordnalabel_->setText(inLanguage(language, "Om tabell, ordna efter ...", "Sort table ..."));
    firstsortlabel_->setText(inLanguage(language, "I första hand:", "by ..."));
    secondsortlabel_->setText(inLanguage(language, "I andra hand:", "and"));
    avbrytlabel_->setText(inLanguage(language, "(Esc avbryter)", "(Esc cancels)"));
    for (QComboBox* combo : {sort1cb_, sort2cb_}) {
        const int chosen = combo->currentIndex();
        const QSignalBlocker block(combo);
        combo->clear();
        for (const std::string& name : sortOrderNames(language)) combo->addItem(QString::fromStdString(name));
        combo->setCurrentIndex(chosen);
    }
    showInLanguage(language, *startknapp_, *startknappE_);
    showInLanguage(language, *staellinknapp_, *staellinknappE_);
    setHint(*startknapp_, language, "Skriv ut", "Print");
    setHint(*startknappE_, language, "Skriv ut", "Print");
    setHint(*staellinknapp_, language, "Skrivarinställningar", "Printer setup");
    setHint(*staellinknappE_, language, "Skrivarinställningar", "Printer setup");
    setHint(*helpknapp_, language, "Hjälp", "Help");
    setHint(*slutknapp_, language, "Stäng", "Close");
    // What a screen reader names the fields by.
    skrivtypcb_->setAccessibleName(inLanguage(language, "Skriv ut", "Print"));
    sort1cb_->setAccessibleName(inLanguage(language, "Ordna i första hand efter", "Sort table by"));
    sort2cb_->setAccessibleName(inLanguage(language, "Ordna i andra hand efter", "and by"));
    startpostedit_->setAccessibleName(inLanguage(language, "Från post", "From record"));
    slutpostedit_->setAccessibleName(inLanguage(language, "Till post", "To record"));
    pg_->setAccessibleName(inLanguage(language, "Utskriftens förlopp", "Printing progress"));
    showOutcome(outcome_);
    fillKinds();
}

// The kinds with the print maximum and the household's size of the moment; the chosen kind stays.
void Tskriv_form::fillKinds() {
    const Language language = program_.language();
    const int chosen = std::max(skrivtypcb_->currentIndex(), 0);
    {
        const QSignalBlocker block(skrivtypcb_);
        skrivtypcb_->clear();
        for (const std::string& text : printKindTexts(situation(), program_.household.size(), language))
            skrivtypcb_->addItem(QString::fromStdString(text));
        skrivtypcb_->setCurrentIndex(chosen);
    }
    kindChosen(chosen);
    notelabel_->setText(QString::fromStdString(printWindowNote(situation().results, language)));
}

void Tskriv_form::kindChosen(int kind) {
    const PrintControls controls = printControls(kind);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ordnalabel_, firstsortlabel_, sort1cb_, secondsortlabel_, sort2cb_})
        widget->setEnabled(controls.sortLists);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{antskrivlabel_, startpostedit_, postinterstreck_, slutpostedit_})
        widget->setEnabled(controls.range);
}

std::optional<PrintKeys> Tskriv_form::chosenSortOrder() const {
    if (!sortChosen_) return std::nullopt;
    return printKeys(PrintKind::table, sort1cb_->currentIndex(), sort2cb_->currentIndex());
}

void Tskriv_form::resetChoices() {
    sortChosen_ = false;
    skrivtypcb_->setCurrentIndex(0);
    sort1cb_->setCurrentIndex(0);
    sort2cb_->setCurrentIndex(1);
    startpostedit_->clear();
    slutpostedit_->clear();
    if (isVisible() && skrivtypcb_->isEnabled()) skrivtypcb_->setFocus();
}

void Tskriv_form::setRange(const QString& from, const QString& to) {
    startpostedit_->setText(from);
    slutpostedit_->setText(to);
}

void Tskriv_form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A line left by the record printed from the main window belongs to no job of this showing.
    showOutcome(std::nullopt);
    fillKinds();
    skrivtypcb_->setFocus();
}

void Tskriv_form::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QDialog::keyPressEvent(event);
    if (printing_) {
        cancel_ = true;
    } else {
        reject();
    }
}

void Tskriv_form::closeEvent(QCloseEvent* event) {
    // A job ends before the window does; closing it asks the job to stop.
    if (printing_) {
        cancel_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Tskriv_form::setupPrinter() {
    QPrintDialog dialog(&printer_, this);
    dialog.exec();
}

bool Tskriv_form::havePrinter() {
    const Language language = program_.language();
    const std::string chosen = printer_.outputFileName().toStdString();
    if (!asksForFile(printer_.outputFormat() == QPrinter::NativeFormat, chosen, askedFile_.toStdString()))
        return true;
    const QString file = askSaveFile(
        *this, language, inLanguage(language, "Spara utskriften som PDF", "Save the print as PDF"),
        QString::fromStdString(suggestedPrintFile(chosen)), {QStringLiteral("PDF (*.pdf)")});
    if (file.isEmpty()) return false;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(file);
    askedFile_ = file;
    return true;
}

PrintSituation Tskriv_form::situation() const {
    return {program_.database().tessllista().vald().antal(), program_.configuration().printLimit};
}

void Tskriv_form::start() {
    if (printing_ || !havePrinter()) return;
    const PrintChoices choices{skrivtypcb_->currentIndex(), sort1cb_->currentIndex(),
                               sort2cb_->currentIndex(), startpostedit_->text().toStdString(),
                               slutpostedit_->text().toStdString()};
    const PrintPlan plan = planPrint(choices, situation(), program_.household, program_.language());
    program_.runBusy([&] { run(plan); });
}

void Tskriv_form::printSingleRecord(const Tenperson& person) {
    if (printing_ || !havePrinter()) return;
    const PrintPlan plan = planSingleRecord(person, situation(), program_.language());
    program_.runBusy([&] { run(plan); });
}

bool Tskriv_form::step(int value) {
    pg_->setValue(std::min(value, pg_->maximum()));
    QCoreApplication::processEvents();
    return !cancel_;
}

QString Tskriv_form::status(const char* swedish, const char* english) const {
    return inLanguage(program_.language(), swedish, english);
}

void Tskriv_form::setControlsEnabled(bool enabled) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{skrivtypcb_, startknapp_, startknappE_, staellinknapp_,
                                         staellinknappE_, helpknapp_, slutknapp_}) {
        widget->setEnabled(enabled);
    }
    if (enabled) {
        kindChosen(skrivtypcb_->currentIndex());
        return;
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ordnalabel_, firstsortlabel_, sort1cb_, secondsortlabel_, sort2cb_,
                                         antskrivlabel_, startpostedit_, postinterstreck_, slutpostedit_})
        widget->setEnabled(false);
    // Esc reaches the window while its controls are disabled.
    setFocus();
}

void Tskriv_form::showProgress(bool shown) {
    pg_->setVisible(shown);
    statuslabel_->setVisible(shown);
    avbrytlabel_->setVisible(shown);
}

void Tskriv_form::run(const PrintPlan& plan) {
    printing_ = true;
    cancel_ = false;
    showOutcome(std::nullopt);
    setControlsEnabled(false);
    // Restores the window however the job ends.
    struct Cleanup {
        Tskriv_form& window;
        ~Cleanup() {
            window.showProgress(false);
            window.setControlsEnabled(true);
            window.printing_ = false;
        }
    } cleanup{*this};
    const BusyCursor cursor;
    const CollectedPersons persons = collect(plan);
    const std::optional<PrintOutcome> outcome =
        persons.cancelled ? PrintOutcome::cancelledJob() : print(plan, persons);
    showOutcome(outcome);
}

void Tskriv_form::showOutcome(std::optional<PrintOutcome> outcome) {
    outcome_ = std::move(outcome);
    const std::string text = outcome_ ? printOutcomeText(*outcome_, program_.language()) : std::string();
    resultlabel_->setFullText(QString::fromStdString(text));
    resultlabel_->setVisible(!text.empty());
}

CollectedPersons Tskriv_form::collect(const PrintPlan& plan) {
    pg_->setRange(0, plan.progressMaximum);
    pg_->setValue(0);
    statuslabel_->setText(status("Läser poster ...", "Reading ..."));
    showProgress(plan.showsProgress);
    int read = 0;
    return collectPlanned(
        program_.database(), plan, program_.household, program_.language(), [&] { return step(++read); },
        [&] {
            statuslabel_->setText(status("Sorterar ...", "Sorting ..."));
            QCoreApplication::processEvents();
        });
}

std::optional<PrintOutcome> Tskriv_form::print(const PrintPlan& plan, const CollectedPersons& persons) {
    const Language language = program_.language();
    printer_.setDocName(QStringLiteral("Tessla"));
    printer_.setFullPage(true);
    printer_.setPageOrientation(plan.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer_)) {
        program_.message(printerStartFailure(language));
        return std::nullopt;
    }
    QtPrintSurface surface(printer_, painter);
    PrintPages pages(surface, QtPrintSurface::geometry(printer_),
                     printHeading(plan, persons, today(), language));
    if (plan.printsTable()) pages.setTableHeadings(tableHeadings(language));
    statuslabel_->setText(status("Skriver ut post:", "Printing record:"));
    pg_->setValue(0);
    emit jobPrinting();
    pages.header();
    int shownPage = -1;
    const auto printing = [&](std::int32_t position) {
        if (pages.pageNumber() != shownPage) {
            shownPage = pages.pageNumber();
            statuslabel_->setText(status("Skriver sida: ", "Printing page: ") + QString::number(shownPage));
        }
        return step(position);
    };
    const bool done = printPlanned(pages, plan, persons, language, printing);
    if (!done) printer_.abort();
    painter.end();
    const QString file = printer_.outputFileName();
    if (!done) {
        if (cancelRemovesFile(file.toStdString())) QFile::remove(file);
        return PrintOutcome::cancelledJob();
    }
    if (printer_.printerState() == QPrinter::Error) {
        program_.message(printerFailure(language));
        return std::nullopt;
    }
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    return PrintOutcome{false, pages.pageNumber(),
                        toFile ? QDir::toNativeSeparators(file).toStdString() : std::string(),
                        toFile ? std::string() : printer_.printerName().toStdString()};
}

}  // namespace tessla
