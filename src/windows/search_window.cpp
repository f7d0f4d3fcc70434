#include "windows/search_window.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <QValidator>

#include "base/cp1252.h"
#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/control_palette.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "widgets/busy_cursor.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"
#include "windows/special_characters.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

namespace {

constexpr int kTextPoints = 11;
constexpr int kCaptionPoints = 10;
constexpr int kFieldWidth = 250;
constexpr int kYearWidth = 110;
constexpr int kControlHeight = 22;
// Columns of the grid: label, edit field, type and list buttons, a gap, the place kinds.
constexpr int kLabelColumn = 0;
constexpr int kEditColumn = 1;
constexpr int kModeColumn = 2;
constexpr int kKindColumn = 4;
constexpr int kColumns = kKindColumn + static_cast<int>(kPlaceKinds.size());
// How far the labels of a part stand in from its heading.
constexpr int kPartIndent = 10;
// Tags coupling the place-kind buttons of one field; one per field line.
constexpr int kKindTag = 100;

// Only what Windows-1252 holds can be typed: the word lists hold nothing else.
class Cp1252Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return toCp1252(input) ? Acceptable : Invalid;
    }
};

std::string cp1252Of(const char* utf8) {
    return utf8ToCp1252(Utf8View(utf8)).value_or(std::string());
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The widest of `texts` in both languages, in `font`.
int widest(const QFont& font, const std::vector<Bilingual<const char*>>& texts) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const Bilingual<const char*>& text : texts)
        for (const char* each : {text.swedish, text.english})
            width = std::max(width, metrics.horizontalAdvance(utf8(each)));
    return width;
}

// Ink on paper; a field showing picks is greyed.
QPalette fieldPalette(QPalette palette) {
    palette.setColor(QPalette::Base, controlPalette::plainPaper());
    palette.setColor(QPalette::Text, controlPalette::ink());
    palette.setColor(QPalette::Disabled, QPalette::Base, controlPalette::paper());
    palette.setColor(QPalette::Disabled, QPalette::Text, controlPalette::sepia().lighter(140));
    palette.setColor(QPalette::WindowText, controlPalette::ink());
    return palette;
}

// The heading of a part of a window (the child, a parent, a sibling) over a rule as wide as the
// fields, with room above it but for the first.
class PartHeading : public QLabel {
  public:
    PartHeading(QWidget* parent, bool first) : QLabel(parent) {
        setSerifLook(*this, {kTextPoints, true, true, controlPalette::sepia()});
        setContentsMargins(0, first ? 0 : 8, 0, 3);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        painter.setPen(controlPalette::rule());
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

// A place-kind button: a framed caption, gilt while down, one of the field's radio group `tag`.
TSPknapp* makeKindButton(QWidget* parent, const std::string& name, int tag, int width) {
    auto* button = new TSPknapp(parent);
    button->setObjectName(QString::fromStdString(name));
    button->setKnapptyp(TSPknapptyp::kntRuta);
    button->setRadio(true);
    button->setKopplatag(true);
    button->setTag(tag);
    button->setColor(controlPalette::buttonFace());
    button->setColorflipflop(true);
    button->setBlendcolor(controlPalette::gilt());
    button->setFont(serifFont(kCaptionPoints));
    button->setFixedSize(width, kControlHeight);
    return button;
}

bool hasHeading(FieldGroup group) {
    return groupHeading(group).swedish[0] != '\0';
}

// Restores the window and the cursor however the search ends.
class BusyLook {
  public:
    explicit BusyLook(QWidget& window) : window_(window) { window_.setEnabled(false); }
    ~BusyLook() { window_.setEnabled(true); }
    BusyLook(const BusyLook&) = delete;
    BusyLook& operator=(const BusyLook&) = delete;

  private:
    QWidget& window_;
    BusyCursor cursor_;
};

}  // namespace

FieldSearchWindow::FieldSearchWindow(SearchForm form, Program& program, Tsoktabform& picker, Ttextform& help,
                                     QWidget* parent)
    : SearchWindow(parent),
      program_(program),
      picker_(picker),
      help_(help),
      fields_(form),
      panel_(new BackgroundPanel(this)) {
    setObjectName(form == SearchForm::Person ? QStringLiteral("sok_form") : QStringLiteral("sokbarn_form"));
    panel_->setObjectName(QStringLiteral("sokpanel"));
    panel_->setBackground(&program_.kttiler(), fields_.definition().background);
    panel_->setFont(serifFont(kTextPoints));
    panel_->setPalette(fieldPalette(panel_->palette()));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(panel_);

    auto* grid = new QGridLayout(panel_);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    makeRows(*grid);
    for (Row& row : rows_) {
        connectRow(row);
        showRow(row);
    }
    connect(&program_, &Program::languageChanged, this, &FieldSearchWindow::applyTexts);
    // Another database holds other picks: fields showing picks show what their lists hold now.
    connect(&program_, &Program::databaseOpened, this, [this] {
        for (Row& row : rows_) {
            row.field->showPicks(program_.database());
            showRow(row);
        }
    });
    applyTexts(program_.language());
    // The first showing starts in the first field.
    focusAsked_ = true;
}

FieldSearchWindow::~FieldSearchWindow() = default;

// ---- building ------------------------------------------------------------------------------------

void FieldSearchWindow::makeRows(QGridLayout& grid) {
    std::vector<Bilingual<const char*>> labels, captions;
    for (const FieldDefinition& field : fields_.definition().fields) {
        labels.push_back(field.label);
        for (const FieldList& list : field.lists) captions.push_back(list.kindCaption);
    }
    // Columns as wide as their widest text in either language, so that a language switch moves
    // nothing.
    grid.setColumnMinimumWidth(kLabelColumn, widest(serifFont(kTextPoints), labels) + kPartIndent + 12);
    grid.setColumnMinimumWidth(kKindColumn - 1, 8);
    const int kindWidth = widest(serifFont(kCaptionPoints), captions) + 14;

    std::optional<FieldGroup> group;
    int line = 0;
    for (SearchField& field : fields_.fields()) {
        if (field.definition().group != group) {
            group = field.definition().group;
            if (hasHeading(*group)) {
                auto* heading = new PartHeading(panel_, line == 0);
                heading->setObjectName(QString::fromLatin1(field.definition().stem) +
                                       QStringLiteral("rubrik"));
                grid.addWidget(heading, line++, kLabelColumn, 1, kKindColumn);
                headings_.emplace_back(heading, *group);
            }
        }
        makeRow(grid, line++, field, kindWidth);
    }
    makeButtons(grid, line);
}

void FieldSearchWindow::makeRow(QGridLayout& grid, int line, SearchField& field, int kindWidth) {
    const FieldDefinition& definition = field.definition();
    Row row{&field, new QLabel(panel_), new QLineEdit(panel_)};
    row.label->setObjectName(QString::fromLatin1(definition.stem) + QStringLiteral("label"));
    row.label->setBuddy(row.edit);
    // Under the headings of the parts, the labels stand a little in.
    if (hasHeading(definition.group)) row.label->setIndent(kPartIndent);
    grid.addWidget(row.label, line, kLabelColumn);

    row.edit->setObjectName(QString::fromStdString(editName(definition)));
    row.edit->setValidator(new Cp1252Validator(row.edit));
    row.edit->setFixedSize(definition.picks() ? kFieldWidth : kYearWidth, kControlHeight);
    grid.addWidget(row.edit, line, kEditColumn, Qt::AlignLeft);

    if (definition.picks()) {
        auto* modes = new QHBoxLayout;
        modes->setSpacing(2);
        TSPfigurer& figures = program_.mainfigur();
        row.type =
            makePictureButton(panel_, typeButtonName(definition), {pic::abcknapp, pic::abcknappn}, figures);
        row.list =
            makePictureButton(panel_, listButtonName(definition), {pic::listknapp, pic::listknappn}, figures);
        for (TSPknapp* button : {row.type, row.list}) {
            button->setStaydown(true);
            button->setFixedSize(pic::fieldButtonSize.width, pic::fieldButtonSize.height);
            modes->addWidget(button);
        }
        grid.addLayout(modes, line, kModeColumn);
    }
    for (std::size_t k = 0; k < kPlaceKinds.size(); ++k) {
        if (!definition.offers(kPlaceKinds[k])) continue;
        row.kinds[k] =
            makeKindButton(panel_, kindButtonName(definition, kPlaceKinds[k]), kKindTag + line, kindWidth);
        grid.addWidget(row.kinds[k], line, kKindColumn + static_cast<int>(k));
    }
    rows_.push_back(row);
}

void FieldSearchWindow::makeButtons(QGridLayout& grid, int lines) {
    TSPfigurer& figures = program_.mainfigur();
    helpknapp_ = makePictureButton(panel_, "hjelpknapp", {pic::hjelpl01, pic::hjelpl02}, figures);
    slutknapp_ = makePictureButton(panel_, "stangknapp", {pic::stangknapp, pic::stangknappn}, figures);
    auto* corner = new QHBoxLayout;
    corner->setSpacing(6);
    for (TSPknapp* button : {helpknapp_, slutknapp_}) {
        button->setFixedSize(pic::smallButtonSize.width, pic::smallButtonSize.height);
        corner->addWidget(button);
    }
    grid.addLayout(corner, 0, kKindColumn, 1, kColumns - kKindColumn, Qt::AlignRight | Qt::AlignTop);

    search_ = makePictureButton(panel_, "soekknapp", {pic::sokknapp, pic::sokknappn}, figures);
    searchEnglish_ = makePictureButton(panel_, "soekknapp_e", {pic::sokknappe, pic::sokknappen}, figures);
    clear_ = makePictureButton(panel_, "rensaknapp", {pic::rensaknapp, pic::rensaknappn}, figures);
    clearEnglish_ = makePictureButton(panel_, "rensaknapp_e", {pic::rensaknappe, pic::rensaknappen}, figures);
    specials_ = new SpecialCharacters(panel_);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(specials_, 0, Qt::AlignVCenter);
    bottom->addStretch(1);
    for (TSPknapp* button : {clear_, clearEnglish_}) {
        button->setFixedSize(pic::clearButtonSize.width, pic::clearButtonSize.height);
        bottom->addWidget(button, 0, Qt::AlignVCenter);
    }
    for (TSPknapp* button : {search_, searchEnglish_}) {
        button->setFixedSize(pic::largeButtonSize.width, pic::largeButtonSize.height);
        bottom->addWidget(button, 0, Qt::AlignVCenter);
    }
    grid.setRowMinimumHeight(lines, 4);
    grid.addLayout(bottom, lines + 1, 0, 1, kColumns);

    connect(helpknapp_, &TSPknapp::OnTryckt, this,
            [this] { help_.showTopic(fields_.definition().helpId, *this); });
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
    for (TSPknapp* button : {search_, searchEnglish_})
        connect(button, &TSPknapp::OnTryckt, this, &FieldSearchWindow::search);
    for (TSPknapp* button : {clear_, clearEnglish_})
        connect(button, &TSPknapp::OnTryckt, this, &FieldSearchWindow::rensa);
}

void FieldSearchWindow::connectRow(Row& row) {
    Row* r = &row;
    // Every change of the text: typed, pasted or inserted by a special-character button.
    connect(row.edit, &QLineEdit::textChanged, this,
            [r](const QString& text) { r->field->type(toCp1252(text).value_or(std::string())); });
    if (row.type != nullptr) {
        connect(row.type, &TSPknapp::OnTryckt, this, [this, r] { toTypeMode(*r); });
        connect(row.list, &TSPknapp::OnTryckt, this, [this, r] { toListMode(*r); });
    }
    for (std::size_t k = 0; k < kPlaceKinds.size(); ++k) {
        if (row.kinds[k] != nullptr)
            connect(row.kinds[k], &TSPknapp::OnTryckt, this, [this, r, k] { setKind(*r, kPlaceKinds[k]); });
    }
}

// ---- the fields ----------------------------------------------------------------------------------

void FieldSearchWindow::showRow(Row& row) {
    const SearchField& field = *row.field;
    const bool picks = field.listMode();
    row.edit->setText(toQString(field.text()));
    // A long summary shows from its beginning.
    if (picks) row.edit->setCursorPosition(0);
    row.edit->setToolTip(picks ? toQString(field.text()) : QString());
    row.edit->setEnabled(!picks);
    QFont font = row.edit->font();
    font.setItalic(picks);
    row.edit->setFont(font);
    if (row.type != nullptr) {
        row.type->setDown(!picks);
        row.list->setDown(picks);
    }
    for (std::size_t k = 0; k < kPlaceKinds.size(); ++k) {
        if (row.kinds[k] != nullptr) row.kinds[k]->setDown(field.kind() == kPlaceKinds[k]);
    }
}

void FieldSearchWindow::toListMode(Row& row) {
    const std::optional<PickerRequest> request = row.field->toListMode();
    if (!request) return;
    // The field is disabled in list mode; the focus goes on before that, so that Qt does not hand
    // it to the field's own type button, which would take Enter as a press.
    focusAfter(row);
    showRow(row);
    // Marks made before Escape count too, so the field shows them whichever way the picker closes.
    picker_.pick(*request, *this);
    row.field->showPicks(program_.database());
    showRow(row);
    // The closing picker gives the focus back to whatever had it before (the list button, when it
    // was pressed from the keyboard, which Enter would press again).
    focusAfter(row);
}

void FieldSearchWindow::focusAfter(const Row& row) {
    const auto next = std::find_if(rows_.begin() + (&row - rows_.data()) + 1, rows_.end(),
                                   [](const Row& each) { return each.edit->isEnabled(); });
    if (next != rows_.end()) {
        next->edit->setFocus();
    } else {
        (search_->isVisible() ? search_ : searchEnglish_)->setFocus();
    }
}

void FieldSearchWindow::toTypeMode(Row& row) {
    row.field->toTypeMode();
    showRow(row);
    row.edit->setFocus();
}

void FieldSearchWindow::setKind(Row& row, PlaceKind kind) {
    row.field->setKind(kind, program_.database());
    showRow(row);
}

void FieldSearchWindow::rensa() {
    fields_.rensa(program_.database(), program_.pickerPositions);
    for (Row& row : rows_) showRow(row);
    if (isVisible()) {
        focusFirstField();
    } else {
        focusAsked_ = true;
    }
}

void FieldSearchWindow::focusFirstField() {
    if (!rows_.empty() && rows_.front().edit->isEnabled()) rows_.front().edit->setFocus();
}

void FieldSearchWindow::search() {
    std::optional<std::int32_t> found;
    {
        const BusyLook busy(*this);
        found = fields_.search(program_.database());
    }
    changedResult_ = true;
    done(found ? QDialog::Accepted : QDialog::Rejected);
}

// ---- events and texts ------------------------------------------------------------------------------

void FieldSearchWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    changedResult_ = false;
    if (focusAsked_) {
        focusAsked_ = false;
        focusFirstField();
    }
}

void FieldSearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        search();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FieldSearchWindow::applyTexts(Language language) {
    setWindowTitle(utf8(inLanguage(language, fields_.definition().title)));
    for (Row& row : rows_) {
        const FieldDefinition& definition = row.field->definition();
        const QString label = utf8(inLanguage(language, definition.label));
        row.label->setText(label);
        row.edit->setAccessibleName(label);
        if (row.type != nullptr) {
            const Bilingual<const char*> hint = typeHint(definition);
            setHint(*row.type, language, hint.swedish, hint.english);
            setHint(*row.list, language, "Välj sökord från lista", "Select word from list");
            // A screen reader tells the rows' buttons apart by their field.
            for (TSPknapp* button : {row.type, row.list})
                button->setAccessibleText(label + ": " + button->toolTip());
        }
        for (std::size_t k = 0; k < kPlaceKinds.size(); ++k) {
            if (row.kinds[k] == nullptr) continue;
            const FieldList& list = definition.listOf(kPlaceKinds[k]);
            row.kinds[k]->setButtext(cp1252Of(inLanguage(language, list.kindCaption)));
            setHint(*row.kinds[k], language, list.title.swedish, list.title.english);
        }
    }
    for (const auto& [heading, group] : headings_)
        heading->setText(utf8(inLanguage(language, groupHeading(group))));
    showInLanguage(language, *search_, *searchEnglish_);
    showInLanguage(language, *clear_, *clearEnglish_);
    for (TSPknapp* button : {search_, searchEnglish_})
        button->setAccessibleText(inLanguage(language, "Sök", "Search"));
    for (TSPknapp* button : {clear_, clearEnglish_})
        setHint(*button, language, "Töm alla fält", "Clear all fields");
    specials_->applyTexts(language);
    setHint(*helpknapp_, language, "Hjälp", "Help");
    setHint(*slutknapp_, language, "Stäng", "Close");
    // The window takes its size now, hidden or not, so that its opener can place it.
    layout()->activate();
    adjustSize();
}

// ---- the two windows -------------------------------------------------------------------------------

Tsok_form::Tsok_form(Program& program, Tsoktabform& picker, Ttextform& help, QWidget* parent)
    : FieldSearchWindow(SearchForm::Person, program, picker, help, parent) {}

Tsokbarn_form::Tsokbarn_form(Program& program, Tsoktabform& picker, Ttextform& help, QWidget* parent)
    : FieldSearchWindow(SearchForm::Child, program, picker, help, parent) {}

}  // namespace tessla
