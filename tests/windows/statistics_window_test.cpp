#include "windows/statistics_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include "census_fixture.h"
#include "program/program.h"
#include "skin/control_palette.h"
#include "skin/scroll_bar.h"
#include "support/child.h"
#include "support/screenshots.h"
#include "widgets/chart_view.h"
#include "widgets/elided_label.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"

namespace tessla {
namespace {

using test::CensusFixture;
using test::CensusRow;

// Thirty persons born in thirty years, four more in three of them, and one without a year. The
// person born in 1800 comes first in the person list.
std::vector<CensusRow> yearCensus() {
    std::vector<CensusRow> rows;
    const auto person = [&rows](const std::string& year, const char* parish) {
        rows.push_back({{"POSTID", "P-" + std::to_string(rows.size() + 1)},
                        {"FNAMN", "Anna"},
                        {"ENAMN", year == "1800" ? "Ahl" : "Lind"},
                        {"FODAR", year},
                        {"HEMFO", parish}});
    };
    for (int year = 1800; year < 1830; ++year) person(std::to_string(year), "Alunda (Uppsala län);Uppland");
    for (const char* year : {"1812", "1805", "1810", "1805"}) person(year, "Tuna (Uppsala län);Uppland");
    person("", "Tuna (Uppsala län);Uppland");
    return rows;
}

class StatisticsWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new CensusFixture(yearCensus()); }
    static void TearDownTestSuite() { delete census_; }
    void SetUp() override {
        ASSERT_TRUE(program_.openDatabase(census_->iniPath()));
        everyone();
    }
    // The result holds every person, as after a search that finds everyone.
    void everyone() {
        TSPstruktlista& master = program_.database().tessllista();
        master.vald().fyllalla();
        master.byggvy();
    }

    TSPtab& grid() { return test::child<TSPtab>(window_, "stattab"); }
    Tspecscr& bar() { return test::child<Tspecscr>(window_, "statscr"); }
    QComboBox& combo(const char* name) { return test::child<QComboBox>(window_, name); }
    QString summary() { return test::child<ElidedLabel>(window_, "summalabel").fullText(); }
    std::vector<QString> firstRows(int n) {
        std::vector<QString> rows;
        for (int row = 0; row < n && row < grid().rowCount(); ++row) {
            rows.push_back(grid().shownText(row, 0) + "|" + grid().shownText(row, 1));
        }
        return rows;
    }

    static CensusFixture* census_;
    Program program_;
    Ttextform help_{program_};
    Tstatform window_{program_, help_};
};

CensusFixture* StatisticsWindowTest::census_ = nullptr;

TEST_F(StatisticsWindowTest, CountsByValueAndByCountWithTheSummaryLine) {
    program_.setLanguage(Language::English);  // the window is Swedish in both languages
    window_.show();
    EXPECT_EQ(window_.windowTitle(), "Tessla, statistik");
    EXPECT_EQ(combo("rcb").currentText(), QString::fromUtf8("Födelseår"));
    EXPECT_EQ(combo("sortcb").currentText(), "Ord");
    ASSERT_EQ(grid().rowCount(), 30);
    EXPECT_EQ(firstRows(2), (std::vector<QString>{" 1800|1 ", " 1801|1 "}));
    EXPECT_EQ(summary(), QString::fromUtf8("30 rader, baserat på 35 poster (1 saknar uppgift)"));
    EXPECT_TRUE(bar().isVisible());
    EXPECT_EQ(bar().max(), 30 - 21);

    combo("sortcb").setCurrentIndex(1);
    EXPECT_EQ(firstRows(5),
              (std::vector<QString>{" 1805|3 ", " 1810|2 ", " 1812|2 ", " 1800|1 ", " 1801|1 "}))
        << "equal counts in the order of their text";
    EXPECT_EQ(grid().topRow(), 0);

    combo("rcb").setCurrentIndex(4);  // "Boendeförsamling"
    EXPECT_EQ(firstRows(3), (std::vector<QString>{QString::fromUtf8(" Alunda (Uppsala län)|30 "),
                                                  QString::fromUtf8(" Tuna (Uppsala län)|5 ")}));
    EXPECT_EQ(summary(), QString::fromUtf8("2 rader, baserat på 35 poster (0 saknar uppgift)"));
    EXPECT_FALSE(bar().isVisible()) << "the bar shows from 23 rows on";
}

TEST_F(StatisticsWindowTest, CountsAgainWhenShownAfterTheResultChanged) {
    window_.show();
    ASSERT_EQ(grid().rowCount(), 30);
    window_.hide();

    // A deselection: the person born in 1800 leaves the result.
    TSPstruktlista& master = program_.database().tessllista();
    master.vald().satt(1, false);
    master.byggvy();
    window_.markOutOfDate();
    window_.show();
    EXPECT_EQ(summary(), QString::fromUtf8("29 rader, baserat på 34 poster (1 saknar uppgift)"));

    // Without a change the window shows the rows it has.
    window_.hide();
    everyone();
    window_.show();
    EXPECT_EQ(grid().rowCount(), 29);
}

TEST_F(StatisticsWindowTest, OpeningADatabaseResetsTheChoicesAndTheRows) {
    window_.show();
    combo("rcb").setCurrentIndex(5);
    combo("sortcb").setCurrentIndex(1);
    window_.hide();

    ASSERT_TRUE(program_.openDatabase(census_->iniPath()));
    EXPECT_EQ(combo("rcb").currentIndex(), 0);
    EXPECT_EQ(combo("sortcb").currentIndex(), 0);
    EXPECT_EQ(grid().rowCount(), 0);
    EXPECT_TRUE(window_.table().outOfDate());
    everyone();
    window_.show();
    EXPECT_EQ(grid().rowCount(), 30);
}

TEST_F(StatisticsWindowTest, TheWheelScrollsTenRowsANotchAndTheButtonsHelpAndClose) {
    window_.show();
    // A notch over the table goes on to the window, which scrolls the table.
    QWheelEvent down(QPointF(100, 100), grid().mapToGlobal(QPointF(100, 100)), {}, QPoint(0, -120),
                     Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&grid(), &down);
    EXPECT_EQ(grid().topRow(), 8) << "ten rows, kept within the rows that do not fit";
    EXPECT_EQ(bar().position(), 9);

    bool helpShown = false;
    QTimer::singleShot(0, &help_, [&] {
        helpShown = help_.isVisible();
        EXPECT_EQ(test::child<ElidedLabel>(help_, "rubriklabel").fullText(), "Statistik");
        help_.reject();
    });
    QWidget* helpButton = &test::child<QWidget>(window_, "hjelpknapp");
    QTest::mouseClick(helpButton, Qt::LeftButton, {}, helpButton->rect().center());
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(program_.helpTopic, "HJ023");

    QWidget* close = &test::child<QWidget>(window_, "slutknapp");
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    EXPECT_FALSE(window_.isVisible());
    window_.show();
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(StatisticsWindowTest, EachRowsBarIsPaintedBehindItsTextAsLongAsTheTableSays) {
    window_.show();
    combo("sortcb").setCurrentIndex(1);  // 1805 (3), 1810 (2), 1812 (2), 1800 (1) …
    QImage image(grid().size(), QImage::Format_ARGB32_Premultiplied);
    grid().render(&image);
    const int room = grid().columnWidth(0) - 4;
    const QColor paper = controlPalette::plainPaper();
    // Below the text's baseline, near each bar's end: tinted inside, paper beyond.
    for (const std::int32_t row : {1, 3}) {
        const QRect cell = grid().cellRect(row, 0);
        const int end = 2 + window_.table().barLength(row + 1, room);
        const int y = cell.bottom() - 1;
        EXPECT_NE(image.pixelColor(end - 3, y), paper) << "inside the bar of row " << row;
        EXPECT_EQ(image.pixelColor(end + 3, y), paper) << "past the bar of row " << row;
    }
}

// 1 500 persons born in one year: the count column widens to show the count whole, and the value
// column gives up what it takes.
TEST(StatisticsCountColumnTest, ALargeCountIsShownWhole) {
    std::vector<CensusRow> rows;
    for (int n = 1; n <= 1501; ++n) {
        rows.push_back({{"POSTID", "P-" + std::to_string(n)},
                        {"FNAMN", "Anna"},
                        {"ENAMN", "Lind"},
                        {"FODAR", n == 1 ? "1851" : "1850"}});
    }
    CensusFixture census(rows);
    Program program;
    ASSERT_TRUE(program.openDatabase(census.iniPath()));
    program.database().tessllista().vald().fyllalla();
    program.database().tessllista().byggvy();
    Ttextform help(program);
    Tstatform window(program, help);
    window.show();
    auto& grid = test::child<TSPtab>(window, "stattab");
    ASSERT_EQ(grid.shownText(0, 1), "1500 ");
    const int needed = QFontMetrics(grid.font()).horizontalAdvance(QStringLiteral("1500 ")) + 3;
    EXPECT_GE(grid.columnWidth(1), needed);
    EXPECT_EQ(grid.columnWidth(0) + grid.columnWidth(1), grid.width() - 5);

    // Small counts keep the first widths.
    program.database().tessllista().vald().tomma();
    program.database().tessllista().vald().satt(1, true);
    program.database().tessllista().byggvy();
    window.hide();
    window.markOutOfDate();
    window.show();
    EXPECT_EQ(grid.columnWidth(1), 35);
    EXPECT_EQ(grid.columnWidth(0), grid.width() - 40);
}

TEST_F(StatisticsWindowTest, TheChoiceOfTableOrChartIsKeptAndTheWheelLeavesTheChartAlone) {
    window_.show();
    auto* chart = &test::child<ChartView>(window_, "diagram");
    auto* save = &test::child<QPushButton>(window_, "sparaknapp");
    EXPECT_FALSE(chart->isVisible());
    EXPECT_FALSE(save->isVisible());
    combo("visacb").setCurrentIndex(1);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(grid().isVisible());
    EXPECT_FALSE(bar().isVisible()) << "30 rows, but the table is away";

    window_.hide();
    window_.show();
    EXPECT_TRUE(chart->isVisible()) << "kept between showings";
    EXPECT_EQ(chart->chartLayout().bars.size(), 30u);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(chart);
    EXPECT_EQ(heard->role(), QAccessible::Chart);
    EXPECT_EQ(heard->text(QAccessible::Name), "Diagram");
    EXPECT_EQ(heard->text(QAccessible::Description).toStdString(),
              "F\xC3\xB6"
              "delse\xC3\xA5r f\xC3\xB6r 35 personer")
        << "the person without a year is not a value: nothing is left out";

    // A larger window: the chart follows its size, the table gets more rows.
    const QSize size = chart->size();
    const QSize first = window_.size();
    window_.resize(first + QSize(200, 160));
    EXPECT_EQ(chart->size(), size + QSize(200, 160));
    EXPECT_EQ(chart->chartLayout().width, size.width() + 200);
    EXPECT_EQ(chart->chartLayout().height, size.height() + 160);
    EXPECT_EQ(grid().visibleRowCount(), 22 + 10);
    window_.resize(first);
    EXPECT_EQ(grid().visibleRowCount(), 22);
    EXPECT_EQ(window_.minimumSize(), first) << "never smaller than at first";

    QWheelEvent down(QPointF(50, 50), chart->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120), Qt::NoButton,
                     {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart, &down);
    EXPECT_EQ(grid().topRow(), 0) << "the hidden table does not scroll";
    combo("visacb").setCurrentIndex(0);
    EXPECT_TRUE(grid().isVisible());
    EXPECT_EQ(grid().topRow(), 0);
}

// Three persons born in 1800, one in 1802, one in 1811 and one without a year: bars for three
// years, gaps for the nine between, the decades 1800 and 1810 ticked.
TEST_F(StatisticsWindowTest, TheChartOfAResultHasTheBarsGapsAndTicksOfItsYears) {
    TSPstruktlista& master = program_.database().tessllista();
    master.vald().tomma();
    TSPstruktlista& years = *program_.database().listtabell(4);
    for (std::int32_t n = 1; n <= years.rowCount(); ++n) {
        years.lasrad(n);
        const std::string& year = years.text();
        if (year == "1800" || year == "1802" || year == "1811") years.markera(master.vald());
    }
    master.byggvy();
    window_.markOutOfDate();
    window_.show();
    combo("visacb").setCurrentIndex(1);
    auto* chart = &test::child<ChartView>(window_, "diagram");
    const ChartLayout& layout = chart->chartLayout();
    EXPECT_EQ(layout.title,
              "F\xC3\xB6"
              "delse\xC3\xA5r f\xC3\xB6r 3 personer");
    ASSERT_EQ(layout.bars.size(), 3u);
    EXPECT_EQ(layout.bars[0].label, "1800");
    EXPECT_EQ(layout.bars[2].label, "1811");
    ASSERT_EQ(layout.yearTicks.size(), 2u);
    EXPECT_EQ(layout.yearTicks[0].label, "1800");
    EXPECT_EQ(layout.yearTicks[1].label, "1810");

    // The painted picture: the bars in their colour, paper in the gaps, a tick under each decade.
    const QImage image = chart->picture(1);
    const double bin = layout.plot.width / 12;
    const auto at = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(x), static_cast<int>(y));
    };
    const double low = layout.plot.bottom() - 1;
    for (const ChartBar& bar : layout.bars) {
        EXPECT_EQ(at(bar.box.x + bar.box.width / 2, low), controlPalette::sepia()) << bar.label.c_str();
    }
    for (const int gap : {1, 3, 7, 10}) {
        EXPECT_EQ(at(layout.plot.x + (gap + 0.5) * bin, low), controlPalette::plainPaper()) << "gap " << gap;
    }
    for (const ChartTick& tick : layout.yearTicks) {
        EXPECT_EQ(at(tick.position, layout.plot.bottom() + 2), controlPalette::sepia()) << tick.label.c_str();
    }

    // The pointer over a bar names its year and count and marks it.
    const ChartBox& first = layout.bars[0].box;
    const QPoint over(static_cast<int>(first.x + first.width / 2), static_cast<int>(first.bottom() - 2));
    QTest::mouseMove(chart, over);
    EXPECT_EQ(chart->hoveredBar(), 0);
    EXPECT_EQ(chart->hintAt(over), "1800: 1 person");
    EXPECT_EQ(chart->hintAt(QPoint(2, 2)), "");
}

TEST_F(StatisticsWindowTest, TheChartIsSavedAsSvgWithABarElementPerValueAndAsPngAtThePixelRatio) {
    window_.show();
    combo("visacb").setCurrentIndex(1);
    auto* chart = &test::child<ChartView>(window_, "diagram");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // The save dialog offers a name after the property; the picture goes where it is told.
    QString offered;
    QTimer::singleShot(0, &window_, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->selectFile(dir.filePath("diagram.svg"));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog keeps its own accept protected
    });
    QTest::mouseClick(&test::child<QPushButton>(window_, "sparaknapp"), Qt::LeftButton);
    EXPECT_EQ(offered, "statistik-fodelsear.png");

    QFile svg(dir.filePath("diagram.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    // A rectangle filled in the bars' colour, its own or its group's, is a bar.
    const QString barFill = controlPalette::sepia().name();
    std::vector<QString> fills{QStringLiteral("none")};
    int bars = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) fills.pop_back();
        if (token != QXmlStreamReader::StartElement) continue;
        const QString own = xml.attributes().value("fill").toString();
        fills.push_back(own.isEmpty() ? fills.back() : own);
        const bool barColoured = fills.back().compare(barFill, Qt::CaseInsensitive) == 0;
        if (xml.name() == QStringLiteral("rect") && barColoured) ++bars;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(bars, 30) << "one bar element per year drawn";

    const QString png = dir.filePath("diagram.png");
    ASSERT_TRUE(chart->save(png));
    EXPECT_EQ(QImage(png).size(), chart->size() * chart->devicePixelRatioF());
    EXPECT_EQ(chart->picture(2).size(), chart->size() * 2);
    EXPECT_FALSE(chart->save(dir.filePath("no/such/folder/diagram.png")));
}

TEST_F(StatisticsWindowTest, Screenshot) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/statistics");
    QDir().mkpath(shots);
    window_.show();
    combo("sortcb").setCurrentIndex(1);
    test::saveShots(window_, shots, QStringLiteral("statistics_by_count"));
}

// The table with its bars and both kinds of chart on the sample database that TESSLA_SAMPLE_INI
// names (scripts/demo makes one): the birth years of every person, the occupations of the parish
// with the most residents.
TEST(StatisticsSampleTest, Screenshot) {
    const char* ini = std::getenv("TESSLA_SAMPLE_INI");
    if (ini == nullptr || !QFileInfo::exists(QString::fromLocal8Bit(ini)))
        GTEST_SKIP() << "TESSLA_SAMPLE_INI names no sample database";
    Program program;
    ASSERT_TRUE(program.openDatabase(ini));
    Ttextform help(program);
    Tstatform window(program, help);
    TSPstruktlista& master = program.database().tessllista();
    master.vald().fyllalla();
    master.byggvy();
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/statistics_chart");
    QDir().mkpath(shots);
    const auto shoot = [&](const QString& name) { test::saveShots(window, shots, name); };
    window.show();
    auto* sort = &test::child<QComboBox>(window, "sortcb");
    auto* view = &test::child<QComboBox>(window, "visacb");
    auto* property = &test::child<QComboBox>(window, "rcb");
    shoot(QStringLiteral("table_years_by_value"));
    sort->setCurrentIndex(1);
    shoot(QStringLiteral("table_years_by_count"));
    view->setCurrentIndex(1);
    shoot(QStringLiteral("chart_years"));
    const QSize first = window.size();
    window.resize(first + QSize(320, 160));
    shoot(QStringLiteral("chart_years_larger_window"));
    window.resize(first);

    // The parish with the most residents.
    TSPstruktlista& parishes = *program.database().listtabell(15);
    std::int32_t largest = 0, best = 0;
    for (std::int32_t n = 1; n <= parishes.rowCount(); ++n) {
        parishes.lasrad(n);
        if (parishes.text().find("&B") == std::string::npos && parishes.personCount() > largest) {
            largest = parishes.personCount();
            best = n;
        }
    }
    ASSERT_GT(best, 0);
    parishes.lasrad(best);
    master.vald().tomma();
    parishes.markera(master.vald());
    master.byggvy();
    window.hide();
    window.markOutOfDate();
    property->setCurrentIndex(1);  // "Vanliga yrken"
    window.show();
    shoot(QStringLiteral("chart_occupations"));
    view->setCurrentIndex(0);
    shoot(QStringLiteral("table_occupations_by_count"));
}

}  // namespace
}  // namespace tessla
