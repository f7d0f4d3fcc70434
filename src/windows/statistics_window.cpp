#include "windows/statistics_window.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/control_palette.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "storage/picture_names.h"
#include "widgets/chart_view.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/table_grid.h"
#include "widgets/wheel_scroll.h"
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
constexpr int kViewRowTop = kFrameTop + kFrameHeight + 6 + kSummaryHeight + 2;
constexpr int kClientHeight = kViewRowTop + kComboHeight + kMargin;
constexpr int kCountColumn = 35;
constexpr char kHelpTopic[] = "HJ023";

}  // namespace

Tstatform::Tstatform(Program& program, Ttextform& help, QWidget* parent)
    : QDialog(parent),
      program_(program),
      help_(help),
      table_(program.database()),
      panel_(new BackgroundPanel(this)),
      countLabel_(makeSerif<QLabel>(panel_, "")),
      rcb_(makeSerif<QComboBox>(panel_, "rcb")),
      sortLabel_(makeSerif<QLabel>(panel_, "")),
      sortcb_(makeSerif<QComboBox>(panel_, "sortcb")),
      helpknapp_(
          makePictureButton(panel_, "hjelpknapp", {pic::hjelpl01, pic::hjelpl02}, program.mainfigur())),
      slutknapp_(
          makePictureButton(panel_, "slutknapp", {pic::stangknapp, pic::stangknappn}, program.mainfigur())),
      tablePage_(new QWidget(panel_)),
      frame_(new SunkenFrame(tablePage_)),
      stattab_(makeListGrid(*frame_, "stattab", 2)),
      statscr_(new Tspecscr(tablePage_)),
      chartFrame_(new SunkenFrame(panel_)),
      chart_(new ChartView(chartFrame_)),
      summary_(new ElidedLabel(panel_)),
      viewLabel_(makeSerif<QLabel>(panel_, "")),
      viewcb_(makeSerif<QComboBox>(panel_, "visacb")),
      saveButton_(new QPushButton(QString::fromUtf8("Spara bild…"), panel_)),
      saveDirectory_(QDir::homePath()) {
    setObjectName(QStringLiteral("statform"));
    // The window is Swedish in both languages.
    setWindowTitle(QStringLiteral("Tessla, statistik"));
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);
    buildControls();
    placeControls();
    showView();
    connect(&program, &Program::databaseOpened, this, &Tstatform::reset);
}

Tstatform::~Tstatform() = default;

void Tstatform::buildControls() {
    panel_->setBackground(&program_.metiler(), pic::tslstat);
    frame_->setObjectName(QStringLiteral("statpanel"));
    countLabel_->setText(QString::fromUtf8(kCountLabel));
    sortLabel_->setText(QString::fromUtf8(kSortLabel));
    viewLabel_->setText(QString::fromUtf8(kViewLabel));
    for (const StatisticsPropertyItem& item : statisticsPropertyItems())
        rcb_->addItem(QString::fromUtf8(item.label));
    for (const StatisticsSortItem& item : statisticsSortItems())
        sortcb_->addItem(QString::fromUtf8(item.label));
    for (const char* item : kViewItems) viewcb_->addItem(QString::fromUtf8(item));
    countLabel_->setBuddy(rcb_);
    sortLabel_->setBuddy(sortcb_);
    viewLabel_->setBuddy(viewcb_);
    viewcb_->setAccessibleName(QStringLiteral("Visa"));
    saveButton_->setObjectName(QStringLiteral("sparaknapp"));
    setSerifLook(*saveButton_, {kFontSize});
    saveButton_->setFocusPolicy(Qt::StrongFocus);
    saveButton_->setAutoDefault(false);
    tablePage_->setObjectName(QStringLiteral("tabellsida"));
    tablePage_->setAccessibleName(QStringLiteral("Tabell"));
    chartFrame_->setObjectName(QStringLiteral("diagrampanel"));
    chart_->setObjectName(QStringLiteral("diagram"));
    chart_->setAccessibleName(QStringLiteral("Diagram"));
    rcb_->setAccessibleName(QString::fromUtf8("Räkna"));
    sortcb_->setAccessibleName(QString::fromUtf8("Sortera på"));
    helpknapp_->setHint(QString::fromUtf8("Hjälp"));
    slutknapp_->setHint(QString::fromUtf8("Stäng"));
    statscr_->setObjectName(QStringLiteral("statscr"));
    stattab_->setAccessibleName(QStringLiteral("Statistik"));
    statscr_->setAccessibleName(QStringLiteral("Statistik"));
    summary_->setObjectName(QStringLiteral("summalabel"));
    setSerifLook(*summary_, {kFontSize});
    stattab_->setCellTextProvider([this](std::int32_t row, int column) { return table_.cell(row, column); });
    stattab_->setCellStyleProvider([](std::int32_t, int) { return 0u; });
    stattab_->setRowUnderlay([this](QPainter& painter, std::int32_t row, const QRect& rect, bool selected) {
        paintRowBar(painter, row, rect, selected);
    });
    linkScrollBar(*statscr_, *stattab_);
    // The wheel over the table, its frame or the window's background scrolls the table, ten rows a
    // notch as in the picker; over the chart it scrolls nothing.
    auto* wheel = new WheelScroll(*statscr_);
    for (QWidget* watched :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(stattab_), static_cast<QWidget*>(frame_)})
        wheel->watch(*watched);

    connect(rcb_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (table_.choose(statisticsPropertyItems()[static_cast<std::size_t>(index)].property)) showRows();
    });
    connect(sortcb_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        if (table_.sortBy(statisticsSortItems()[static_cast<std::size_t>(index)].sort)) showRows();
    });
    connect(viewcb_, &QComboBox::currentIndexChanged, this, &Tstatform::showView);
    connect(saveButton_, &QPushButton::clicked, this, &Tstatform::saveChart);
    connect(helpknapp_, &TSPknapp::OnTryckt, this, [this] { help_.showTopic(kHelpTopic, *this); });
    connect(slutknapp_, &TSPknapp::OnTryckt, this, &QDialog::reject);
}

void Tstatform::placeControls() {
    // At its first size the table shows its 22 rows; a larger window gives the table more rows
    // and the chart more room.
    const int width = std::max(this->width(), kClientWidth);
    const int frameHeight = std::max(height(), kClientHeight) - kClientHeight + kFrameHeight;
    panel_->setGeometry(rect());
    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    const int top = kMargin;
    slutknapp_->setGeometry(QRect(QPoint(width - kMargin - small.width(), top), small));
    helpknapp_->setGeometry(QRect(QPoint(slutknapp_->x() - 6 - small.width(), top), small));

    int x = kMargin;
    const auto place = [&x, top](QWidget* widget, int width, int gapAfter) {
        widget->setGeometry(x, top, width, kComboHeight);
        x += width + gapAfter;
    };
    place(countLabel_, countLabel_->sizeHint().width(), 6);
    place(rcb_, 150, 18);
    place(sortLabel_, sortLabel_->sizeHint().width(), 6);
    place(sortcb_, 80, 0);

    const int frameWidth = width - 2 * kMargin - 2 - kScrollWidth;
    tablePage_->setGeometry(kMargin, kFrameTop, width - 2 * kMargin, frameHeight);
    frame_->setGeometry(0, 0, frameWidth, frameHeight);
    statscr_->setGeometry(frame_->geometry().right() + 3, 0, kScrollWidth, frameHeight);
    chartFrame_->setGeometry(tablePage_->geometry());
    chart_->setGeometry(chartFrame_->rect().adjusted(2, 2, -2, -2));
    stattab_->setGeometry(2, 2, frameWidth - 9, (frameHeight - 10) / kRowHeight * kRowHeight);
    stattab_->setFontPointSize(kFontSize);
    stattab_->setDefaultRowHeight(kRowHeight);
    fitColumns();
    summary_->setGeometry(kMargin + 2, kFrameTop + frameHeight + 6, frameWidth, kSummaryHeight);

    const int viewTop = kViewRowTop + frameHeight - kFrameHeight;
    viewLabel_->setGeometry(kMargin, viewTop, viewLabel_->sizeHint().width(), kComboHeight);
    viewcb_->setGeometry(viewLabel_->geometry().right() + 7, viewTop, 100, kComboHeight);
    const int saveWidth = saveButton_->sizeHint().width() + 8;
    saveButton_->setGeometry(width - kMargin - saveWidth, viewTop, saveWidth, kComboHeight);
}

void Tstatform::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeControls();
}

void Tstatform::fitColumns() {
    // A count of four digits or more would not fit the first 35 pixels and end in an ellipsis.
    const QString largest = QString::number(table_.largestCount()) + QChar(' ');
    const int needed = QFontMetrics(stattab_->font()).horizontalAdvance(largest) + 4;
    const int count = std::max(kCountColumn, needed);
    stattab_->setColumnWidth(0, stattab_->width() - count - 5);
    stattab_->setColumnWidth(1, count);
}

bool Tstatform::chartShown() const {
    return viewcb_->currentIndex() == 1;
}

void Tstatform::showView() {
    const bool chart = chartShown();
    tablePage_->setVisible(!chart);
    chartFrame_->setVisible(chart);
    saveButton_->setVisible(chart);
}

void Tstatform::paintRowBar(QPainter& painter, std::int32_t row, const QRect& rect, bool selected) const {
    // A quiet tint behind the value; the text is drawn over it.
    const int length = table_.barLength(row, stattab_->columnWidth(0) - 4);
    if (length == 0) return;
    QColor tint = selected ? QColor(Qt::white) : controlPalette::gilt();
    tint.setAlpha(selected ? 70 : 120);
    painter.fillRect(QRect(rect.x() + 2, rect.y() + 2, length, rect.height() - 3), tint);
}

void Tstatform::saveChart() {
    const QString suggested =
        QDir(saveDirectory_)
            .filePath(QString::fromStdString(chart_->data().fileName) + QStringLiteral(".png"));
    const QString path =
        askSaveFile(*this, Language::Swedish, QString::fromUtf8("Spara diagrammet"), suggested,
                    {QStringLiteral("PNG-bild (*.png)"), QStringLiteral("SVG-bild (*.svg)")});
    if (path.isEmpty()) return;
    saveDirectory_ = QFileInfo(path).absolutePath();
    if (!chart_->save(path)) {
        const QString text = QString::fromUtf8("Bilden kunde inte sparas i %1.");
        QMessageBox::warning(this, QStringLiteral("Tessla"), text.arg(QDir::toNativeSeparators(path)));
    }
}

void Tstatform::markOutOfDate() {
    table_.markOutOfDate();
}

void Tstatform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (table_.show()) showRows();
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
    fitColumns();
    stattab_->setRowCount(table_.rowCount());
    stattab_->setTopRow(0);
    stattab_->setCurrentRow(0);
    stattab_->update();
    summary_->setFullText(toQString(table_.summary()));
    const StatisticsProperty property = table_.property();
    chart_->setData(chartData(table_.statistics(), property, statisticsPropertyLabel(property)));
}

void Tstatform::reset() {
    table_.reset();
    showChoices();
    showRows();
    summary_->setFullText({});
}

}  // namespace tessla
