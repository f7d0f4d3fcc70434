#include "windows/list_picker_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/control_palette.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "storage/picture_names.h"
#include "widgets/scroll_link.h"
#include "widgets/table_grid.h"
#include "widgets/wheel_scroll.h"
#include "windows/help_window.h"
#include "windows/special_characters.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

namespace {

constexpr int kMargin = 12;
constexpr int kRowHeight = 16;
constexpr int kGridWidth = 300;
constexpr int kCountColumn = 35;
constexpr int kScrollWidth = 19;
constexpr int kTitleTop = 10;
constexpr int kFrameTop = 60;
constexpr int kFrameBorder = 2;

// The labels' ink: the title large and bold, the hint under it small and italic.
const SerifLook kTitleLook{13, true, false, controlPalette::ink()};
const SerifLook kHintLook{10, false, true, controlPalette::ink()};
const SerifLook kLabelLook{11, false, false, controlPalette::ink()};

// A key on the table, as the marking rules name it.
PickerKeyPress pickerKeyPress(const QKeyEvent& key) {
    using Key = PickerKeyPress::Key;
    const Key name = key.key() == Qt::Key_Space  ? Key::space
                     : key.key() == Qt::Key_Up   ? Key::up
                     : key.key() == Qt::Key_Down ? Key::down
                                                 : Key::other;
    return {name, key.modifiers().testFlag(Qt::ShiftModifier), (key.modifiers() & ~Qt::ShiftModifier) != 0};
}

}  // namespace

Tsoktabform::Tsoktabform(Program& program, Ttextform& help, QWidget* parent)
    : QDialog(parent),
      program_(program),
      help_(help),
      panel_(new BackgroundPanel(this)),
      rubrik_(makeSerif<QLabel>(panel_, "rubriklabel", kTitleLook)),
      extraHint_(makeSerif<QLabel>(panel_, "extralabel", kHintLook)),
      frame_(new SunkenFrame(panel_)),
      tab_(new TSPtab(frame_)),
      scr_(new Tspecscr(panel_)),
      count_(makeSerif<QLabel>(panel_, "antallabel", kLabelLook)),
      quickFindLabel_(makeSerif<QLabel>(panel_, "snabbsoklabel", kLabelLook)),
      snabbsokedit_(makeSerif<QLineEdit>(panel_, "snabbsokedit")),
      specialCharacters_(new SpecialCharacters(panel_)) {
    TSPfigurer& figures = program.mainfigur();
    setObjectName(QStringLiteral("soktabform"));
    frame_->setObjectName(QStringLiteral("tabellpanel"));
    tab_->setObjectName(QStringLiteral("soktab"));
    scr_->setObjectName(QStringLiteral("sokscr"));
    quickFindLabel_->setBuddy(snabbsokedit_);
    jaknapp_ = new TSPknapp(panel_);
    jaknapp_->setObjectName(QStringLiteral("jaknapp"));
    jaknapp_->setKnapptyp(TSPknapptyp::kntRuta);
    setSerifLook(*jaknapp_, {.bold = true});
    jaknapp_->setButtext("OK");
    rensaknapp_ = makePictureButton(panel_, "rensaknapp", {pic::rensaknapp, pic::rensaknappn}, figures);
    rensaknappEnglish_ =
        makePictureButton(panel_, "rensaknapp_e", {pic::rensaknappe, pic::rensaknappen}, figures);
    helpknapp_ = makePictureButton(panel_, "hjelpknapp", {pic::hjelpl01, pic::hjelpl02}, figures);
    slutknapp_ = makePictureButton(panel_, "stangknapp", {pic::stangknapp, pic::stangknappn}, figures);

    panel_->setBackground(&program.metiler(), pic::tslsoklista);
    frame_->setBackground(&program.metiler(), pic::tslsoklista);
    tab_->setBackground(&program.metiler(), std::string(pic::tslsoklista));
    tab_->setTabvaelj(TSPtabvaelj::tvHdrag);
    tab_->setFigurer(&figures);
    tab_->setValdfigur(std::string(pic::tabellboll));
    tab_->setEttindrag(15);
    tab_->setMushjul(false);
    tab_->setColumnCount(2);
    tab_->setFontPointSize(11);
    tab_->setDefaultRowHeight(kRowHeight);
    tab_->setCellTextProvider([this](std::int32_t row, int column) { return table_.cellText(row, column); });
    tab_->setCellStyleProvider([this](std::int32_t row, int) { return table_.cellStyle(row); });
    tab_->setRowCount(0);
    linkScrollBar(*scr_, *tab_);

    place();
    connectControls();
    applyTexts(program.language());
}

Tsoktabform::~Tsoktabform() = default;

void Tsoktabform::place() {
    const int gridHeight = kPickerVisibleRows * kRowHeight;
    const QRect frame(kMargin, kFrameTop, kGridWidth + 2 * kFrameBorder, gridHeight + 2 * kFrameBorder);
    const int width = frame.right() + 1 + 3 + kScrollWidth + kMargin;
    frame_->setGeometry(frame);
    tab_->setGeometry(kFrameBorder, kFrameBorder, kGridWidth, gridHeight);
    tab_->setColumnWidth(0, kGridWidth - 40);
    tab_->setColumnWidth(1, kCountColumn);
    scr_->setGeometry(frame.right() + 1 + 3, frame.y(), kScrollWidth, frame.height());

    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    slutknapp_->setGeometry(QRect(QPoint(width - kMargin - small.width(), kTitleTop), small));
    helpknapp_->setGeometry(QRect(QPoint(slutknapp_->x() - 4 - small.width(), kTitleTop), small));
    rubrik_->setGeometry(kMargin, kTitleTop, helpknapp_->x() - kMargin - 6, 22);
    extraHint_->setGeometry(kMargin, kTitleTop + 26, width - 2 * kMargin, 18);

    int y = frame.bottom() + 1 + 6;
    count_->setGeometry(kMargin, y, frame.width(), 18);
    y += 26;
    quickFindLabel_->setGeometry(kMargin, y, 150, 22);
    snabbsokedit_->setGeometry(kMargin + 150, y, frame.right() + 1 - kMargin - 150, 22);
    y += 22 + 6;
    specialCharacters_->setGeometry(kMargin, y, frame.right() + 1 - kMargin, 22);
    y += 22 + 10;
    const QSize clear(pic::clearButtonSize.width, pic::clearButtonSize.height);
    jaknapp_->setGeometry(width - kMargin - 72, y, 72, clear.height());
    for (TSPknapp* button : {rensaknapp_, rensaknappEnglish_})
        button->setGeometry(QRect(QPoint(kMargin, y), clear));
    const int height = y + clear.height() + kMargin;
    setFixedSize(width, height);
    panel_->setGeometry(0, 0, width, height);
}

void Tsoktabform::connectControls() {
    connect(tab_, &TSPtab::OnVald, this, [this](std::int32_t row, int, bool press) { mark(row, press); });
    connect(tab_, &TSPtab::OnDubbelklick, this, &Tsoktabform::toggleOpen);
    connect(snabbsokedit_, &QLineEdit::textChanged, this, &Tsoktabform::quickFind);
    connect(jaknapp_, &TSPknapp::OnTryckt, this, &QDialog::accept);
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
    for (TSPknapp* button : {rensaknapp_, rensaknappEnglish_})
        connect(button, &TSPknapp::OnTryckt, this, &Tsoktabform::rensa);
    connect(helpknapp_, &TSPknapp::OnTryckt, this, [this] {
        if (owner_ != nullptr) help_.showTopic(request_.helpId, *owner_);
    });
    connect(&program_, &Program::languageChanged, this, &Tsoktabform::applyTexts);
    // The wheel moves the table wherever the pointer is in the window; the grid's own keys get
    // Space and Shift+Up/Down first.
    auto* wheel = new WheelScroll(*scr_);
    wheel->watch(*this);
    for (QWidget* control : findChildren<QWidget*>()) wheel->watch(*control);
    tab_->installEventFilter(this);
}

// ---- showing -------------------------------------------------------------------------------------

int Tsoktabform::pick(const PickerRequest& request, QWidget& owner) {
    prepare(request, owner);
    const int result = showModal(*this, owner);
    finish();
    return result;
}

void Tsoktabform::prepare(const PickerRequest& request, QWidget& owner) {
    request_ = request;
    owner_ = &owner;
    table_ = PickerTable(pickerList(program_.database(), request.list), request.tree);
    tab_->setTabmode(table_.tree() ? TSPtabmode::tmStruktValdIkon : TSPtabmode::tmValdIkon);
    tab_->setRowCount(table_.rows());
    tab_->setEnabled(table_.available());
    const PickerPositions::Rows rows = program_.pickerPositions.of(request.list);
    tab_->setTopRow(rows.top);
    tab_->setCurrentRow(rows.current);
    tab_->update();
    snabbsokedit_->setEnabled(table_.available());
    emptyQuickFind();
    applyTexts(program_.language());
    (table_.available() ? static_cast<QWidget*>(snabbsokedit_) : static_cast<QWidget*>(jaknapp_))->setFocus();
}

void Tsoktabform::finish() {
    if (table_.available())
        program_.pickerPositions.save(request_.list, {tab_->topRow(), tab_->currentRow()});
    table_ = PickerTable(nullptr, false);
    tab_->setRowCount(0);
    owner_ = nullptr;
}

void Tsoktabform::applyTexts(Language language) {
    setWindowTitle(inLanguage(language, "Tessla, söklista", "Tessla, Search list"));
    rubrik_->setText(table_.available() ? QString::fromUtf8(inLanguage(language, request_.title))
                                        : QString());
    extraHint_->setText(table_.available() ? QString::fromUtf8(inLanguage(language, request_.extraHint))
                                           : QString());
    // An empty line says nothing, to the eye or to a screen reader.
    extraHint_->setVisible(!extraHint_->text().isEmpty());
    quickFindLabel_->setText(inLanguage(language, "Snabbsök i listan", "Quick find ..."));
    specialCharacters_->applyTexts(language);
    showInLanguage(language, *rensaknapp_, *rensaknappEnglish_);
    for (TSPknapp* button : {rensaknapp_, rensaknappEnglish_}) {
        setHint(*button, language, "Töm listan", "Töm listan");
        button->setAccessibleText(inLanguage(language, "Töm listan", "Clear list"));
    }
    setHint(*helpknapp_, language, "Hjälp", "Help");
    setHint(*slutknapp_, language, "Stäng", "Close");
    tab_->setAccessibleName(rubrik_->text());
    scr_->setAccessibleName(rubrik_->text());
    showCount();
}

void Tsoktabform::showCount() {
    count_->setText(table_.available() ? QString::fromStdString(pickerCountLabel(
                                             program_.language(), table_.pickedCount(), table_.listRows()))
                                       : QString());
}

void Tsoktabform::showRows() {
    tab_->setRowCount(table_.rows());
    tab_->update();
}

// ---- marking, opening, quick find, clearing ------------------------------------------------------

void Tsoktabform::mark(std::int32_t row, bool press) {
    if (press)
        marking_.press(table_, row);
    else
        marking_.reach(table_, row);
    tab_->update();
    showCount();
}

void Tsoktabform::toggleOpen(std::int32_t row) {
    if (!table_.toggleOpen(row)) return;
    showRows();
    tab_->setCurrentRow(row);
}

bool Tsoktabform::markByKey(const QKeyEvent& key) {
    const PickerKeyMarking marking = pickerKeyMarking(pickerKeyPress(key));
    const std::int32_t from = tab_->currentRow();
    if (marking == PickerKeyMarking::none) return false;
    if (marking == PickerKeyMarking::toggle) {
        if (from >= 0) mark(from, true);
        return true;
    }
    tab_->setCurrentRow(from + (marking == PickerKeyMarking::extendUp ? -1 : 1));
    if (from >= 0 && tab_->currentRow() != from) {
        PickerMarking::extend(table_, from, tab_->currentRow());
        tab_->update();
        showCount();
    }
    return true;
}

void Tsoktabform::quickFind(const QString& text) {
    if (fillingQuickFind_) return;
    const std::optional<std::string> key = toCp1252(text);
    const std::optional<std::int32_t> found = key ? table_.find(*key) : std::nullopt;
    if (!found) return;
    const PickerPositions::Rows rows =
        quickFindRows({tab_->topRow(), tab_->currentRow()}, *found, table_.rows());
    tab_->setTopRow(rows.top);
    tab_->setCurrentRow(rows.current);
}

void Tsoktabform::emptyQuickFind() {
    fillingQuickFind_ = true;
    snabbsokedit_->clear();
    fillingQuickFind_ = false;
}

void Tsoktabform::rensa() {
    clearPicks(program_.database(), program_.pickerPositions, request_.list);
    showRows();
    tab_->setTopRow(0);
    tab_->setCurrentRow(0);
    showCount();
    emptyQuickFind();
}

// ---- keys ----------------------------------------------------------------------------------------

void Tsoktabform::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Tsoktabform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tab_ && event->type() == QEvent::KeyPress)
        return markByKey(*static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

}  // namespace tessla
