#include "windows/statistics_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "census_fixture.h"
#include "program/program.h"
#include "skin/scroll_bar.h"
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

    TSPtab& grid() { return *window_.findChild<TSPtab*>("stattab"); }
    Tspecscr& bar() { return *window_.findChild<Tspecscr*>("statscr"); }
    QComboBox& combo(const char* name) { return *window_.findChild<QComboBox*>(name); }
    QString summary() { return window_.findChild<ElidedLabel*>("summalabel")->fullText(); }
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
        EXPECT_EQ(help_.findChild<ElidedLabel*>("rubriklabel")->fullText(), "Statistik");
        help_.reject();
    });
    QWidget* helpButton = window_.findChild<QWidget*>("hjelpknapp");
    QTest::mouseClick(helpButton, Qt::LeftButton, {}, helpButton->rect().center());
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(program_.helpTopic, "HJ023");

    QWidget* close = window_.findChild<QWidget*>("slutknapp");
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    EXPECT_FALSE(window_.isVisible());
    window_.show();
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(StatisticsWindowTest, Screenshot) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/statistics");
    QDir().mkpath(shots);
    window_.show();
    combo("sortcb").setCurrentIndex(1);
    for (const int ratio : {1, 2}) {
        QImage shot(window_.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(ratio);
        window_.render(&shot);
        shot.save(shots + QStringLiteral("/statistics_by_count@%1x.png").arg(ratio));
    }
}

}  // namespace
}  // namespace tessla
