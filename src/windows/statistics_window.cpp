#include "windows/statistics_window.h"

#include <QComboBox>
#include <QLabel>
#include <QWheelEvent>

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "storage/picture_names.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"
#include "windows/main_grids.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

namespace {

constexpr int kClientWidth = 480;
constexpr int kMargin = 12;
constexpr int kRowHeight = 16;
constexpr int kFontSize = 11;
constexpr int kComboHeight = 24;
constexpr int kFrameTop = 48;
constexpr int kScrollWidth = 19;
// The frame holds the grid two pixels in from its edges, with room below as the main lists have.
constexpr int kFrameHeight = kStatisticsVisibleRows * kRowHeight + 10;
constexpr int kSummaryHeight = 22;
constexpr int kClientHeight = kFrameTop + kFrameHeight + 6 + kSummaryHeight + kMargin - 4;
constexpr int kCountColumn = 35;
constexpr char kHelpTopic[] = "HJ023";

QLabel* makeLabel(QWidget* parent, const char* utf8) {
    auto* label = new QLabel(QString::fromUtf8(utf8), parent);
    label->setFont(serifFont(kFontSize));
    return label;
}

}  // namespace

Tstatform::Tstatform(Program& program, Ttextform& help, QWidget* parent)
    : QDialog(parent),
      program_(program),
      help_(help),
      table_(program.database()),
      panel_(new BackgroundPanel(this)),
      countLabel_(makeLabel(panel_, kCountLabel)),
      rcb_(new QComboBox(panel_)),
      sortLabel_(makeLabel(panel_, kSortLabel)),
      sortcb_(new QComboBox(panel_)),
      hjelpknapp_(
          makePictureButton(panel_, "hjelpknapp", {pic::hjelpl01, pic::hjelpl02}, program.mainfigur())),
      slutknapp_(
          makePictureButton(panel_, "slutknapp", {pic::stangknapp, pic::stangknappn}, program.mainfigur())),
      frame_(new SunkenFrame(panel_)),
      stattab_(makeListGrid(*frame_, "stattab", 2)),
      statscr_(new Tspecscr(panel_)),
      summary_(new ElidedLabel(panel_)) {
    setObjectName(QStringLiteral("statform"));
    // The window is Swedish in both languages.
    setWindowTitle(QStringLiteral("Tessla, statistik"));
    setFixedSize(kClientWidth, kClientHeight);
    buildControls();
    placeControls();
    connect(&program, &Program::databaseOpened, this, &Tstatform::reset);
}

Tstatform::~Tstatform() = default;

void Tstatform::buildControls() {
    panel_->setBackground(&program_.metiler(), pic::tslstat);
    frame_->setObjectName(QStringLiteral("statpanel"));
    rcb_->setObjectName(QStringLiteral("rcb"));
    sortcb_->setObjectName(QStringLiteral("sortcb"));
    for (const StatisticsPropertyItem& item : statisticsPropertyItems())
        rcb_->addItem(QString::fromUtf8(item.label));
    for (const StatisticsSortItem& item : statisticsSortItems())
        sortcb_->addItem(QString::fromUtf8(item.label));
    for (QComboBox* combo : {rcb_, sortcb_}) {
        combo->setFont(serifFont(kFontSize));
        combo->setFocusPolicy(Qt::StrongFocus);
    }
    countLabel_->setBuddy(rcb_);
    sortLabel_->setBuddy(sortcb_);
    rcb_->setAccessibleName(QString::fromUtf8("Räkna"));
    sortcb_->setAccessibleName(QString::fromUtf8("Sortera på"));
    hjelpknapp_->setHint(QString::fromUtf8("Hjälp"));
    slutknapp_->setHint(QString::fromUtf8("Stäng"));
    statscr_->setObjectName(QStringLiteral("statscr"));
    stattab_->setAccessibleName(QStringLiteral("Statistik"));
    statscr_->setAccessibleName(QStringLiteral("Statistik"));
    summary_->setObjectName(QStringLiteral("summalabel"));
    summary_->setFont(serifFont(kFontSize));
    stattab_->setCellTextProvider([this](std::int32_t row, int column) { return table_.cell(row, column); });
    stattab_->setCellStyleProvider([](std::int32_t, int) { return 0u; });
    linkScrollBar(*statscr_, *stattab_);
    for (QWidget* watched : {static_cast<QWidget*>(stattab_), static_cast<QWidget*>(frame_)}) {
        watched->installEventFilter(this);
    }

    connect(rcb_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (table_.choose(statisticsPropertyItems()[static_cast<std::size_t>(index)].property)) showRows();
    });
    connect(sortcb_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (table_.sortBy(statisticsSortItems()[static_cast<std::size_t>(index)].sort)) showRows();
    });
    connect(hjelpknapp_, &TSPknapp::OnTryckt, this, [this] { help_.showTopic(kHelpTopic, *this); });
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
}

void Tstatform::placeControls() {
    panel_->setGeometry(rect());
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    const int top = kMargin;
    slutknapp_->setGeometry(QRect(QPoint(kClientWidth - kMargin - small.width(), top), small));
    hjelpknapp_->setGeometry(QRect(QPoint(slutknapp_->x() - 6 - small.width(), top), small));

    int x = kMargin;
    const auto place = [&x, top](QWidget* widget, int width, int gapAfter) {
        widget->setGeometry(x, top, width, kComboHeight);
        x += width + gapAfter;
    };
    place(countLabel_, countLabel_->sizeHint().width(), 6);
    place(rcb_, 150, 18);
    place(sortLabel_, sortLabel_->sizeHint().width(), 6);
    place(sortcb_, 80, 0);

    const int frameWidth = kClientWidth - 2 * kMargin - 2 - kScrollWidth;
    frame_->setGeometry(kMargin, kFrameTop, frameWidth, kFrameHeight);
    statscr_->setGeometry(frame_->geometry().right() + 3, kFrameTop, kScrollWidth, kFrameHeight);
    const int gridWidth = frameWidth - 9;
    stattab_->setGeometry(2, 2, gridWidth, kStatisticsVisibleRows * kRowHeight);
    stattab_->setFontPointSize(kFontSize);
    stattab_->setDefaultRowHeight(kRowHeight);
    stattab_->setColumnWidth(0, gridWidth - 40);
    stattab_->setColumnWidth(1, kCountColumn);
    summary_->setGeometry(kMargin + 2, kFrameTop + kFrameHeight + 6, frameWidth, kSummaryHeight);
}

void Tstatform::markOutOfDate() {
    table_.markOutOfDate();
}

void Tstatform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (table_.show()) showRows();
}

bool Tstatform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QDialog::eventFilter(watched, event);
    wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

void Tstatform::wheelEvent(QWheelEvent* event) {
    event->accept();
    wheel(event->angleDelta().y());
}

void Tstatform::wheel(int delta) {
    // As in the picker: ten rows a notch, and only while the bar shows.
    if (!statscr_->isVisible()) return;
    const std::int32_t rows = wheel_.add(delta);
    if (rows != 0) stattab_->setTopRow(stattab_->topRow() - rows);
}

void Tstatform::showChoices() {
    const QSignalBlocker blockCount(rcb_);
    const QSignalBlocker blockSort(sortcb_);
    const auto properties = statisticsPropertyItems();
    for (std::size_t i = 0; i < properties.size(); ++i) {
        if (properties[i].property == table_.property()) rcb_->setCurrentIndex(static_cast<int>(i));
    }
    const auto sorts = statisticsSortItems();
    for (std::size_t i = 0; i < sorts.size(); ++i) {
        if (sorts[i].sort == table_.sort()) sortcb_->setCurrentIndex(static_cast<int>(i));
    }
}

void Tstatform::showRows() {
    stattab_->setRowCount(table_.rowCount());
    stattab_->setTopRow(0);
    stattab_->setCurrentRow(0);
    stattab_->update();
    summary_->setFullText(toQString(table_.summary()));
}

void Tstatform::reset() {
    table_.reset();
    showChoices();
    showRows();
    summary_->setFullText({});
}

}  // namespace tessla
