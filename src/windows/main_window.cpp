#include "windows/main_window.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyleHints>
#include <QTimer>
#include <QWheelEvent>

#include "program/program.h"
#include "skin/picture_button.h"
#include "storage/picture_names.h"
#include "skin/scroll_bar.h"
#include "skin/tiler.h"
#include "skin/qt_text.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

namespace tessla {

namespace {

namespace pic = picture;

constexpr int kMinimumWidth = 790;
constexpr int kMinimumHeight = 590;
// The small buttons above a frame stand this far above its top.
constexpr int kAboveFrame = 26;
// Gaps between the small buttons, and the large buttons' distance from the window's edges.
constexpr int kButtonGap = 3;
constexpr int kEdge = 6;

// x positions of the large buttons; those that move with the language as {Swedish, English}.
constexpr int kSokX = 8;
constexpr int kSokbarnX = 104;
constexpr int kStatX = 200;
constexpr int kSkrivX[] = {297, 200};
constexpr int kOmX[] = {395, 297};
constexpr int kStmX[] = {502, 422};
constexpr int kArkivoX[] = {571, 491};

QFont serif(int points) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(points);
    return font;
}

QRect rectOf(const LayoutRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// The colour of plain paper behind lists and text.
const QColor kPaper(252, 249, 240);

}  // namespace

// The main panel: fills the window and paints the background picture from its top-left corner,
// repeated, mirrored, beside and below itself when the window is larger than the picture.
class Tmain_form::Panel : public QWidget {
  public:
    explicit Panel(QWidget* parent) : QWidget(parent) {}

    void setBackground(TSPtiler* tiler, std::string_view name) {
        tiler_ = tiler;
        name_ = name;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), kPaper);
        if (tiler_ == nullptr) return;
        const int index = tiler_->hamtatile(name_);
        const TSPentile* tile = tiler_->tile(index);
        if (tile == nullptr || tile->bitmap.isNull()) return;
        const QSize size = (QSizeF(tile->bitmap.size()) / tile->bitmap.devicePixelRatio()).toSize();
        if (size.isEmpty()) return;
        // Every other copy is mirrored, so that the picture continues across each seam.
        for (int row = 0; row * size.height() < height(); ++row) {
            for (int column = 0; column * size.width() < width(); ++column) {
                const QRect piece(QPoint(column * size.width(), row * size.height()), size);
                if (!piece.intersects(event->rect())) continue;
                painter.save();
                painter.translate(column % 2 == 0 ? piece.left() : piece.right() + 1,
                                  row % 2 == 0 ? piece.top() : piece.bottom() + 1);
                painter.scale(column % 2 == 0 ? 1 : -1, row % 2 == 0 ? 1 : -1);
                tiler_->ritatile(index, painter, 0, 0, size.width(), size.height(), 0, 0);
                painter.restore();
            }
        }
    }

  private:
    TSPtiler* tiler_ = nullptr;
    std::string_view name_;
};

// A sunken frame around a list or the record, on plain paper or on the background picture.
class Tmain_form::Frame : public Panel {
  public:
    explicit Frame(QWidget* parent) : Panel(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        Panel::paintEvent(event);
        QPainter painter(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QColor(120, 104, 80));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(255, 255, 250));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
};

Tmain_form::Tmain_form(Program& program, QWidget* parent)
    : QWidget(parent),
      program_(program),
      resultList_(std::make_unique<ResultList>(program.database().tessllista())) {
    setObjectName(QStringLiteral("main_form"));
    setWindowTitle(QStringLiteral("Tessla"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(kMinimumWidth, kMinimumHeight);
    createControls();
    connectControls();
    program_.setMessageWindow(this);
}

Tmain_form::~Tmain_form() {
    qApp->removeEventFilter(this);
}

TSPknapp* Tmain_form::makeButton(const char* name, QWidget* parent) {
    auto* button = new TSPknapp(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void Tmain_form::createControls() {
    huvudpanel_ = new Panel(this);
    huvudpanel_->setObjectName(QStringLiteral("huvudpanel"));
    QWidget* panel = huvudpanel_;

    const auto frame = [&](const char* name, QWidget* parent) {
        auto* f = new Frame(parent);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    const auto grid = [&](const char* name, QWidget* parent) {
        auto* g = new TSPtab(parent);
        g->setObjectName(QString::fromLatin1(name));
        g->setTabmode(TSPtabmode::tmStandard);
        g->setTabvaelj(TSPtabvaelj::tvHdrag);
        g->setEttindrag(14);
        g->setMushjul(false);
        return g;
    };
    const auto scrollBar = [&](const char* name, QWidget* parent) {
        auto* bar = new Tspecscr(parent);
        bar->setObjectName(QString::fromLatin1(name));
        bar->hide();
        return bar;
    };
    const auto label = [&](const char* name, QWidget* parent) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(serif(11));
        return l;
    };

    tabellpanel_ = frame("tabellpanel", panel);
    persontab_ = grid("persontab", tabellpanel_);
    persontab_->setColumnCount(2);
    personscr_ = scrollBar("personscr", panel);
    htabellpanel_ = frame("htabellpanel", panel);
    htab_ = grid("htab", htabellpanel_);
    htab_->setColumnCount(3);
    hscr_ = scrollBar("hscr", panel);
    antallabel_ = label("antallabel", panel);
    plabel_ = label("plabel", panel);

    huvpost_ = frame("huvpost", panel);
    texten_ = new TSPdyntex(huvpost_);
    texten_->setObjectName(QStringLiteral("texten"));
    texten_->setFont(serif(11));
    textscr_ = scrollBar("textscr", huvpost_);
    postnrlabel_ = label("postnrlabel", huvpost_);
    postejknapp_ = makeButton("postejknapp", huvpost_);
    kopipostknapp_ = makeButton("kopipostknapp", huvpost_);
    postskrivknapp_ = makeButton("postskrivknapp", huvpost_);

    kopilistaknapp_ = makeButton("kopilistaknapp", panel);
    rensaknapp_ = makeButton("rensaknapp", panel);
    rensaknapp_e_ = makeButton("rensaknapp_e", panel);
    kopihushknapp_ = makeButton("kopihushknapp", panel);
    sokknapp_ = makeButton("sokknapp", panel);
    sokknapp_e_ = makeButton("sokknapp_e", panel);
    sokbarnknapp_ = makeButton("sokbarnknapp", panel);
    sokbarnknapp_e_ = makeButton("sokbarnknapp_e", panel);
    statknapp_ = makeButton("statknapp", panel);
    skrivknapp_ = makeButton("skrivknapp", panel);
    skrivknapp_e_ = makeButton("skrivknapp_e", panel);
    omknapp_ = makeButton("omknapp", panel);
    omknapp_e_ = makeButton("omknapp_e", panel);
    avslutaknapp_ = makeButton("avslutaknapp", panel);
    avslutaknapp_e_ = makeButton("avslutaknapp_e", panel);
    fragaknapp_ = makeButton("fragaknapp", panel);
    sveknapp_ = makeButton("sveknapp", panel);
    usknapp_ = makeButton("usknapp", panel);
    stmknapp_ = makeButton("stmknapp", panel);
    arkivoknapp_ = makeButton("arkivoknapp", panel);
    setButtonPictures();
    // The windows these open, and the copies, come later; until they are connected the buttons
    // stay disabled.
    for (TSPknapp* button : {kopipostknapp_, postskrivknapp_, kopilistaknapp_, kopihushknapp_, sokknapp_,
                             sokknapp_e_, sokbarnknapp_, sokbarnknapp_e_, statknapp_, skrivknapp_,
                             skrivknapp_e_, omknapp_, omknapp_e_, fragaknapp_, stmknapp_, arkivoknapp_}) {
        button->setEnabled(false);
    }

    idleTimer_ = new QTimer(this);
    idleTimer_->setObjectName(QStringLiteral("idleTimer"));
    idleTimer_->setSingleShot(true);
    idleTimer_->setInterval(idleDelay());
}

// Every button's pictures (normal, pressed), and the toggles among them.
void Tmain_form::setButtonPictures() {
    const struct {
        TSPknapp* button;
        std::string_view normal, pressed;
    } faces[] = {
        {postejknapp_, pic::postejknapp, pic::postejknappn},
        {kopipostknapp_, pic::kopipostknapp, pic::kopipostknappn},
        {postskrivknapp_, pic::postskrivknapp, pic::postskrivknappn},
        {kopilistaknapp_, pic::kopilistaknapp, pic::kopilistaknappn},
        {rensaknapp_, pic::rensaknapp, pic::rensaknappn},
        {rensaknapp_e_, pic::rensaknappe, pic::rensaknappen},
        {kopihushknapp_, pic::kopihushknapp, pic::kopihushknappn},
        {sokknapp_, pic::sokknapp, pic::sokknappn},
        {sokknapp_e_, pic::sokknappe, pic::sokknappen},
        {sokbarnknapp_, pic::sokbarnknapp, pic::sokbarnknappn},
        {sokbarnknapp_e_, pic::sokbarnknappe, pic::sokbarnknappen},
        {statknapp_, pic::statknapp, pic::statknappn},
        {skrivknapp_, pic::skrivknapp, pic::skrivknappn},
        {skrivknapp_e_, pic::skrivknappe, pic::skrivknappen},
        {omknapp_, pic::omknapp, pic::omknappn},
        {omknapp_e_, pic::omknappe, pic::omknappen},
        {avslutaknapp_, pic::avslutaknapp, pic::avslutaknappn},
        {avslutaknapp_e_, pic::avslutaknappe, pic::avslutaknappen},
        {fragaknapp_, pic::hjelpl01, pic::hjelpl02},
        {sveknapp_, pic::flaggasv, pic::flaggasvn},
        {usknapp_, pic::flaggaen, pic::flaggaenn},
        {stmknapp_, pic::stammalogo, pic::stammalogon},
        {arkivoknapp_, pic::arkivologo, pic::arkivologon},
    };
    for (const auto& face : faces) {
        face.button->setKnapptyp(TSPknapptyp::kntBilder);
        face.button->setFigur1(face.normal);
        face.button->setFigur2(face.pressed);
    }
    for (TSPknapp* toggle : {fragaknapp_, stmknapp_, arkivoknapp_}) toggle->setStaydown(true);
    // The flags are a pair: pressing one releases the other.
    for (TSPknapp* flag : {sveknapp_, usknapp_}) {
        flag->setRadio(true);
        flag->setKopplatag(true);
        flag->setTag(1);
    }
    sveknapp_->setHint(QStringLiteral("Svenska"));
    usknapp_->setHint(QStringLiteral("English"));
}

void Tmain_form::connectControls() {
    connect(personscr_, &Tspecscr::OnNyPosition, this,
            [this] { persontab_->setTopRow(personscr_->position() - 1); });
    connect(persontab_, &TSPtab::topRowChanged, this,
            [this](std::int32_t top) { personscr_->setPosition(top + 1); });
    connect(hscr_, &Tspecscr::OnNyPosition, this, [this] { htab_->setTopRow(hscr_->position() - 1); });
    connect(htab_, &TSPtab::topRowChanged, this, [this](std::int32_t top) { hscr_->setPosition(top + 1); });
    connect(textscr_, &Tspecscr::OnNyPosition, this,
            [this] { texten_->setVerticalOffset(textscr_->position() - 1); });
    connect(persontab_, &TSPtab::currentRowChanged, this, &Tmain_form::selectResultRow);
    connect(htab_, &TSPtab::currentRowChanged, this, &Tmain_form::selectHouseholdRow);
    connect(idleTimer_, &QTimer::timeout, this, &Tmain_form::tesslaidle);

    persontab_->setCellTextProvider(
        [this](std::int32_t row, int column) { return resultList_->window().personListCell(row, column); });
    htab_->setCellTextProvider([this](std::int32_t row, int column) {
        return program_.household.householdCell(row, column, program_.language);
    });
    htab_->setCellStyleProvider([this](std::int32_t row, int) {
        return static_cast<std::uint32_t>(program_.household.householdCellStyle(row));
    });
    // Separator rows between families are not persons.
    htab_->setRowSelectableProvider(
        [this](std::int32_t row) { return !program_.household.isSeparator(row); });

    connect(postejknapp_, &TSPknapp::OnTryckt, this, &Tmain_form::deselectPerson);
    for (TSPknapp* button : {rensaknapp_, rensaknapp_e_})
        connect(button, &TSPknapp::OnTryckt, this, &Tmain_form::clearList);
    for (TSPknapp* button : {sokknapp_, sokknapp_e_})
        connect(button, &TSPknapp::OnTryckt, this, &Tmain_form::dosoek);
    for (TSPknapp* button : {sokbarnknapp_, sokbarnknapp_e_}) {
        connect(button, &TSPknapp::OnTryckt, this, &Tmain_form::sokbarnknappTryckt);
    }
    for (TSPknapp* button : {skrivknapp_, skrivknapp_e_})
        connect(button, &TSPknapp::OnTryckt, this, &Tmain_form::doskriv);
    for (TSPknapp* button : {avslutaknapp_, avslutaknapp_e_})
        connect(button, &TSPknapp::OnTryckt, this, &QWidget::close);
    connect(sveknapp_, &TSPknapp::OnTryckt, this, [this] { switchLanguage(false); });
    connect(usknapp_, &TSPknapp::OnTryckt, this, [this] { switchLanguage(true); });

    new QShortcut(QKeySequence(QStringLiteral("Ctrl+B")), this, this, &Tmain_form::dosoek);
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+P")), this, this, &Tmain_form::doskriv);
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+Q")), this, this, &QWidget::close);
    // The wheel scrolls the result list wherever the pointer is in this window.
    qApp->installEventFilter(this);
}

int Tmain_form::idleDelay() const {
    const int rate = std::max(1, QGuiApplication::styleHints()->keyboardAutoRepeatRate());
    return std::max(50, 2 * 1000 / rate);
}

// ---- start-up and closing ------------------------------------------------------------------------

void Tmain_form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!layoutReady_) startUp();
}

void Tmain_form::startUp() {
    if (const QScreen* screen = this->screen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - rect().center());
    }
    const bool open = program_.openDatabase(configurationFilePath(std::getenv("TESSLA_INI")));
    if (open) attachPictures();
    rememberedEntry_ = -1;
    layoutReady_ = true;
    LayoutMainWindow();
    ApplySwedishTexts();
    currentRowText_.clear();
    householdRecord_ = -1;
    RefreshResultList();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Tmain_form::attachPictures() {
    TSPfigurer* figures = program_.mainfigur();
    for (TSPknapp* button : findChildren<TSPknapp*>()) button->setFigurer(figures);
}

void Tmain_form::closeEvent(QCloseEvent* event) {
    // The household being built reads the database; the window closes when it is done.
    if (building_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    idleTimer_->stop();
    program_.closeDatabase();
    event->accept();
}

// ---- layout --------------------------------------------------------------------------------------

void Tmain_form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutMainWindow();
}

void Tmain_form::LayoutMainWindow() {
    if (!layoutReady_) return;
    huvudpanel_->setGeometry(rect());
    layout_ = mainLayout(width(), height());
    resultList_->window().setCapacity(static_cast<std::size_t>(layout_.rows.result));
    const int points = layout_.metrics.fontSize;

    tabellpanel_->setGeometry(rectOf(layout_.resultFrame));
    personscr_->setGeometry(rectOf(layout_.resultScroll));
    htabellpanel_->setGeometry(rectOf(layout_.householdFrame));
    hscr_->setGeometry(rectOf(layout_.householdScroll));
    placeGrid(*persontab_, layout_.resultGrid, {layout_.resultColumns[0], layout_.resultColumns[1], 0}, 2);
    placeGrid(*htab_, layout_.householdGrid, layout_.householdColumns, 3);
    for (QLabel* label : {antallabel_, plabel_}) label->setFont(serif(points));

    placeRecordFrame();
    placeListButtons();
    placeLargeButtons(program_.language == Language::English);

    texten_->relayout();
    FitTextScrollBar();
    fitGridScrollBar(*personscr_, persontab_->rowCount(), layout_.rows.result);
    fitGridScrollBar(*hscr_, htab_->rowCount(), layout_.rows.household);
}

void Tmain_form::placeGrid(TSPtab& grid, const LayoutRect& area, const std::array<int, 3>& columns,
                           int count) {
    grid.setGeometry(2, 2, area.width, area.height);
    grid.setFontPointSize(layout_.metrics.fontSize);
    grid.setDefaultRowHeight(layout_.metrics.rowHeight);
    for (int column = 0; column < count; ++column) grid.setColumnWidth(column, columns[column]);
}

void Tmain_form::placeRecordFrame() {
    const LayoutRect& frame = layout_.recordFrame;
    huvpost_->setGeometry(rectOf(frame));
    // Children of the frame are placed in its own coordinates.
    const QPoint origin(frame.x, frame.y);
    texten_->setGeometry(rectOf(layout_.recordText).translated(-origin));
    textscr_->setGeometry(rectOf(layout_.recordScroll).translated(-origin));
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    int x = frame.width - 4 - small.width();
    for (TSPknapp* button : {postskrivknapp_, kopipostknapp_, postejknapp_}) {
        button->setGeometry(QRect(QPoint(x, 1), small));
        x -= kButtonGap + small.width();
    }
    const int labelRight = postejknapp_->x() - 4;
    postnrlabel_->setGeometry(14, 4, std::max(0, labelRight - 14), 20);
}

void Tmain_form::placeListButtons() {
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    const QSize clear(pic::clearButtonSize.width, pic::clearButtonSize.height);
    const LayoutRect& result = layout_.resultFrame;
    const int top = result.y - kAboveFrame;
    for (TSPknapp* button : {rensaknapp_, rensaknapp_e_}) {
        button->setGeometry(QRect(QPoint(result.right() - clear.width(), top), clear));
    }
    kopilistaknapp_->setGeometry(QRect(QPoint(rensaknapp_->x() - kButtonGap - small.width(), top), small));
    antallabel_->setGeometry(result.x + 2, top + 2, std::max(0, kopilistaknapp_->x() - result.x - 6), 20);

    const LayoutRect& household = layout_.householdFrame;
    kopihushknapp_->setGeometry(
        QRect(QPoint(household.right() - small.width(), household.y - kAboveFrame), small));
    // The header stands 16 pixels above the frame and stops short of the copy button beside it.
    plabel_->setGeometry(household.x, household.y - 17, std::max(0, kopihushknapp_->x() - household.x - 4),
                         16);
}

void Tmain_form::placeLargeButtons(bool english) {
    const QSize large(pic::largeButtonSize.width, pic::largeButtonSize.height);
    const QSize logo(pic::logoSize.width, pic::logoSize.height);
    const int y = height() - kEdge - large.height();
    const auto place = [&](TSPknapp* button, int x, QSize size) {
        button->setGeometry(QRect(QPoint(x, y), size));
    };
    for (TSPknapp* button : {sokknapp_, sokknapp_e_}) place(button, kSokX, large);
    for (TSPknapp* button : {sokbarnknapp_, sokbarnknapp_e_}) place(button, kSokbarnX, large);
    place(statknapp_, kStatX, large);
    for (TSPknapp* button : {skrivknapp_, skrivknapp_e_}) place(button, kSkrivX[english], large);
    for (TSPknapp* button : {omknapp_, omknapp_e_}) place(button, kOmX[english], large);
    place(stmknapp_, kStmX[english], logo);
    place(arkivoknapp_, kArkivoX[english], logo);
    for (TSPknapp* button : {avslutaknapp_, avslutaknapp_e_})
        place(button, width() - kEdge - large.width(), large);

    const QSize help(pic::helpButtonSize.width, pic::helpButtonSize.height);
    const QSize flag(pic::flagSize.width, pic::flagSize.height);
    fragaknapp_->setGeometry(QRect(QPoint(width() - 2 - help.width(), kEdge), help));
    const int flagY = kEdge + (help.height() - flag.height()) / 2;
    usknapp_->setGeometry(QRect(QPoint(fragaknapp_->x() - 5 - flag.width(), flagY), flag));
    sveknapp_->setGeometry(QRect(QPoint(usknapp_->x() - 5 - flag.width(), flagY), flag));
}

void Tmain_form::fitGridScrollBar(Tspecscr& bar, std::int32_t rows, std::int32_t visible) {
    const std::int32_t maximum = scrollMaximum(rows, visible);
    if (maximum == 0) {
        bar.hide();
        return;
    }
    bar.setMin(1);
    bar.setMax(maximum);
    bar.show();
}

void Tmain_form::FitTextScrollBar() {
    const int content = texten_->contentHeight();
    const int view = texten_->height();
    if (view >= content) {
        textscr_->hide();
        return;
    }
    textscr_->setMin(1);
    textscr_->setMax(content - view + 1);
    textscr_->setPosition(1);
    textscr_->show();
}

// ---- the result list -----------------------------------------------------------------------------

void Tmain_form::RefreshResultList() {
    persontab_->setEnabled(false);
    resultList_->refresh();
    UpdateCountLabel();
    const std::int32_t rows = resultList_->size();
    persontab_->setRowCount(rows);
    fitGridScrollBar(*personscr_, rows, layout_.rows.result);
    if (rows > 0) {
        persontab_->setEnabled(true);
        const std::int32_t row =
            rememberedEntry_ >= 0 ? std::max(0, resultList_->rowOf(rememberedEntry_)) : 0;
        showResultRow(row);
        ShowRecord(currentRecord_);
        persontab_->setFocus();
    } else {
        currentRecord_ = 0;
        currentRowText_.clear();
        idleTimer_->start();
        ShowRecord(0);
    }
    persontab_->update();
}

// Shows `row` centred unless it is in view already, and makes it the selected row.
void Tmain_form::showResultRow(std::int32_t row) {
    persontab_->setTopRow(
        centredTopRow(persontab_->topRow(), layout_.rows.result, persontab_->rowCount(), row));
    persontab_->setCurrentRow(row);
    selectResultRow(row);
}

void Tmain_form::selectResultRow(std::int32_t row) {
    if (row < 0 || row >= resultList_->size()) return;
    PersonListWindow& window = resultList_->window();
    currentRecord_ = std::max(0, window.recordNumber(row + 1));
    currentRowText_ = window.rowText(row + 1);
    idleTimer_->start();
}

void Tmain_form::UpdateCountLabel() {
    const std::int32_t count = resultList_->size();
    const bool english = program_.language == Language::English;
    antallabel_->setText(QString::number(count) +
                         (english ? QStringLiteral(" selected records") : QStringLiteral(" valda")));
    const bool some = count > 0;
    for (TSPknapp* button : {skrivknapp_, skrivknapp_e_}) button->setEnabled(some && printWindow_ != nullptr);
    postejknapp_->setEnabled(some);
}

void Tmain_form::deselectPerson() {
    const std::int32_t row = persontab_->currentRow();
    const std::int32_t rows = persontab_->rowCount();
    if (row < 0 || row >= rows) return;
    const std::int32_t kept = rowKeptAfterDeselect(row, rows);
    rememberedEntry_ = kept >= 0 ? resultList_->entryAt(kept) : -1;
    resultList_->remove(resultList_->entryAt(row));
    RefreshResultList();
}

void Tmain_form::clearList() {
    resultList_->clear();
    rememberedEntry_ = -1;
    RefreshResultList();
}

void Tmain_form::wheel(int delta) {
    const std::int32_t rows = wheelRows_.add(delta);
    if (rows == 0) return;
    personscr_->setPosition(std::clamp(personscr_->position() - rows, personscr_->min(), personscr_->max()));
}

bool Tmain_form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    if (personscr_->isVisible()) wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

// ---- the record ----------------------------------------------------------------------------------

void Tmain_form::ShowRecord(std::int32_t record) {
    if (busy_ || (record != 0 && record == shownRecord_)) return;
    shownRecord_ = record;
    Database& db = program_.database();
    // A record beyond the person records belongs to nobody in the list: the view stays empty.
    if (record < 1 || record > db.tessl().count()) {
        texten_->setText({});
        textscr_->hide();
        postnrlabel_->clear();
        return;
    }
    program_.currentPerson = loadPerson(db.tessl(), record);
    setLabelText(*postnrlabel_, program_.currentPerson.POSTID);
    texten_->setText(buildPersonText(program_.currentPerson, program_.language));
    FitTextScrollBar();
}

// ---- the household -------------------------------------------------------------------------------

void Tmain_form::tesslaidle() {
    // A build lets events through; a selection that changed meanwhile is taken up after it.
    if (building_) {
        idleTimer_->start();
        return;
    }
    if (currentRecord_ == householdRecord_) return;
    const std::int32_t record = currentRecord_;
    householdRowText_ = currentRowText_;
    if (record < 1) {
        program_.household.clearHousehold();
    } else {
        buildHousehold(record);
    }
    householdRecord_ = record;
    setHouseholdCaption();
    RefreshHouseholdList();
    if (closeRequested_) {
        close();
    } else if (QDialog* search = pendingSearch_) {
        pendingSearch_ = nullptr;
        runSearch(search);
    }
}

void Tmain_form::buildHousehold(std::int32_t record) {
    Database& db = program_.database();
    building_ = true;
    busy_ = true;
    htab_->setEnabled(false);
    const Tenperson person = loadPerson(db.tessl(), record);
    program_.household.buildHousehold(db, householdKey(person), [] { QCoreApplication::processEvents(); });
    ++householdBuilds_;
    busy_ = false;
    building_ = false;
}

void Tmain_form::RefreshHouseholdList() {
    HouseholdList& household = program_.household;
    busy_ = true;
    htab_->setEnabled(false);
    const std::int32_t rows = household.size();
    htab_->setRowCount(rows);
    fitGridScrollBar(*hscr_, rows, layout_.rows.household);
    const std::int32_t row = rows > 0 ? household.findHouseholdRow(currentRecord_) : -1;
    household.setCurrentRow(row);
    if (rows > 0) htab_->setEnabled(true);
    if (row > 0) {
        htab_->setTopRow(centredTopRow(htab_->topRow(), layout_.rows.household, rows, row - 1));
        htab_->setCurrentRow(row - 1);
    }
    busy_ = false;
    // Without the person's row in the household the selected person's own record is shown.
    ShowRecord(row > 0 ? household.householdRecordNumber(row) : currentRecord_);
    htab_->update();
}

void Tmain_form::selectHouseholdRow(std::int32_t row) {
    if (busy_ || row < 0 || row >= program_.household.size()) return;
    ShowRecord(program_.household.householdRecordNumber(row + 1));
}

void Tmain_form::setHouseholdCaption() {
    setLabelText(*plabel_, householdRecord_ < 1 ? std::string()
                                                : householdCaption(householdRowText_, program_.language));
}

void Tmain_form::setLabelText(QLabel& label, const std::string& cp1252) {
    const QString text = toQString(cp1252);
    label.setText(label.fontMetrics().elidedText(text, Qt::ElideRight, label.width()));
    label.setToolTip(label.text() == text ? QString() : text);
}

// ---- language ------------------------------------------------------------------------------------

void Tmain_form::ApplySwedishTexts() {
    applyLanguage(false);
}

void Tmain_form::ApplyEnglishTexts() {
    applyLanguage(true);
}

void Tmain_form::applyLanguage(bool english) {
    setWindowTitle(QStringLiteral("Tessla"));
    const bool print = program_.configuration().printLimit > 0;
    const struct {
        TSPknapp *swedish, *english;
        bool shown;
    } variants[] = {
        {sokknapp_, sokknapp_e_, true},         {sokbarnknapp_, sokbarnknapp_e_, true},
        {skrivknapp_, skrivknapp_e_, print},    {omknapp_, omknapp_e_, true},
        {avslutaknapp_, avslutaknapp_e_, true}, {rensaknapp_, rensaknapp_e_, true},
    };
    for (const auto& variant : variants) {
        variant.swedish->setVisible(variant.shown && !english);
        variant.english->setVisible(variant.shown && english);
    }
    statknapp_->setVisible(!english);
    placeLargeButtons(english);

    const std::string_view background = english ? pic::tslmaine : pic::tslmain;
    // The record's frame shows the same paper as the record text inside it.
    for (Panel* surface : {static_cast<Panel*>(huvudpanel_), static_cast<Panel*>(huvpost_)}) {
        surface->setBackground(program_.metiler(), background);
    }
    texten_->setBackground(program_.metiler(), std::string(background));

    const auto hint = [&](TSPknapp* button, const char* swedish, const char* inEnglish) {
        button->setHint(QString::fromUtf8(english ? inEnglish : swedish));
    };
    hint(kopilistaknapp_, "Kopiera listan till urklipp", "Copy list to clipboard");
    hint(postejknapp_, "Välj bort personen", "Deselect record");
    hint(kopipostknapp_, "Kopiera till urklipp", "Copy to clipboard");
    hint(postskrivknapp_, "Skriv ut personen", "Print record");
    hint(stmknapp_, "Om Stamma", "About Stamma");
    hint(arkivoknapp_, "Om Arkivo", "About Arkivo");
    hint(kopihushknapp_, "Kopiera hushållslistan till urklipp", "Kopiera hushållslistan till urklipp");
    hint(rensaknapp_, "Töm listan", "Töm listan");
    hint(rensaknapp_e_, "Töm listan", "Töm listan");
    sveknapp_->setDown(!english);
    usknapp_->setDown(english);

    program_.language = english ? Language::English : Language::Swedish;
    UpdateCountLabel();
}

// After the flag buttons: the grids, the record and the household header again in the new language.
void Tmain_form::switchLanguage(bool english) {
    if (english) {
        ApplyEnglishTexts();
    } else {
        ApplySwedishTexts();
    }
    if (resultList_->size() == 0) return;
    persontab_->update();
    htab_->update();
    const std::int32_t shown = shownRecord_;
    shownRecord_ = -1;
    ShowRecord(shown);
    setHouseholdCaption();
}

// ---- other windows -------------------------------------------------------------------------------

void Tmain_form::setPersonSearch(QDialog* window) {
    personSearch_ = window;
    for (TSPknapp* button : {sokknapp_, sokknapp_e_}) button->setEnabled(window != nullptr);
}

void Tmain_form::setChildSearch(QDialog* window) {
    childSearch_ = window;
    for (TSPknapp* button : {sokbarnknapp_, sokbarnknapp_e_}) button->setEnabled(window != nullptr);
}

void Tmain_form::setPrintWindow(QDialog* window) {
    printWindow_ = window;
    UpdateCountLabel();
}

void Tmain_form::dosoek() {
    runSearch(personSearch_);
}

void Tmain_form::sokbarnknappTryckt() {
    runSearch(childSearch_);
}

void Tmain_form::runSearch(QDialog* window) {
    if (window == nullptr) return;
    // A search fills the database's hit selection, which the household being built is reading its
    // members from; the search window opens when the build is done.
    if (building_) {
        pendingSearch_ = window;
        return;
    }
    const std::int32_t row = persontab_->currentRow();
    rememberedEntry_ = resultList_->size() > 0 ? resultList_->entryAt(row) : -1;
    if (showModal(*window) == 1) RefreshResultList();
}

void Tmain_form::doskriv() {
    if (printWindow_ == nullptr || resultList_->size() == 0) return;
    showModal(*printWindow_);
}

int Tmain_form::showModal(QDialog& window) {
    const QRect main = frameGeometry();
    const QSize size = window.frameGeometry().size();
    if (size.width() <= main.width() && size.height() <= main.height()) {
        window.move(main.x() + (main.width() - size.width()) / 2,
                    main.y() + (main.height() - size.height()) / 2);
    } else if (const QScreen* screen = this->screen()) {
        window.move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
    return window.exec() == QDialog::Accepted ? 1 : 2;
}

}  // namespace tessla
