#include "windows/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <filesystem>
#include <fstream>

#include "household_census.h"
#include "../test_text.h"
#include "program/program.h"
#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using test::w;

// Stands in for a search window: runs `action` on the person list and answers OK.
class ScriptedSearch : public QDialog {
  public:
    std::function<void()> action;
    int exec() override {
        if (action) action();
        return QDialog::Accepted;
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::householdCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }

    // A program and its main window on `ini` (the census by default), shown at 790 × 590.
    void start(const std::string& ini = census_->iniPath()) {
        qputenv("TESSLA_INI", QByteArray::fromStdString(ini));
        program_ = std::make_unique<Program>();
        program_->setMessagePresenter([this](const QString& text) { messages_.push_back(text); });
        window_ = std::make_unique<Tmain_form>(*program_);
        window_->setPersonSearch(&search_);
        window_->show();
        window_->setWindowState(Qt::WindowNoState);
        resizeTo({790, 590});
    }
    void TearDown() override {
        window_.reset();
        program_.reset();
        qunsetenv("TESSLA_INI");
    }

    template <class T>
    T& child(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *found;
    }
    TSPtab& persontab() { return child<TSPtab>("persontab"); }
    TSPtab& htab() { return child<TSPtab>("htab"); }
    TSPstruktlista& master() { return program_->database().tessllista(); }

    // The person-list entry of the first person whose display name begins with `name` (UTF-8).
    std::int32_t entryOf(std::string_view name) { return master().sokprefix(w(name)); }
    // A search that chooses every person whose display name begins with one of `names` (every
    // person when none are given).
    void searchFor(std::vector<std::string_view> names) {
        search_.action = [this, names] {
            Tspsmalurval& chosen = master().vald();
            chosen.tomma();
            if (names.empty()) chosen.fyllalla();
            for (const std::string_view name : names) {
                const std::string key = w(name);
                for (std::int32_t row = master().sokprefix(key); row > 0 && row <= master().rowCount();
                     ++row) {
                    master().lasrad(row);
                    if (master().text().rfind(key, 0) != 0) break;
                    chosen.satt(row, true);
                }
            }
            master().byggvy();
        };
        window_->dosoek();
    }
    void resizeTo(QSize size) {
        window_->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(window_->size(), size);
    }
    // One auto-repeated press of `key`, as a held key sends them.
    void repeatKey(QWidget& target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(&target, &press);
    }
    // Lets the selection rest until its record and household are shown.
    void settle() { QTRY_COMPARE(child<QTimer>("idleTimer").isActive(), false); }
    // The record number of the person list's entry.
    std::int32_t recordOf(std::string_view name) {
        master().lasrad(entryOf(name));
        return static_cast<std::int32_t>(master().ord1());
    }
    // The text of the record view and the person text of `record`, each without the line ends at
    // its end (the view ends every text with one).
    static std::string withoutLineEnds(std::string text) {
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
        return text;
    }
    std::string shownText() { return withoutLineEnds(child<TSPdyntex>("texten").kodtxt().text()); }
    std::string personText(std::int32_t record, Language language) {
        return withoutLineEnds(buildPersonText(loadPerson(program_->database().tessl(), record), language));
    }

    static test::CensusFixture* census_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Tmain_form> window_;
    ScriptedSearch search_;
    std::vector<QString> messages_;
};

test::CensusFixture* MainWindowTest::census_ = nullptr;

TEST_F(MainWindowTest, FirstShowOpensTheDatabaseAndASearchShowsTheFirstPersonWithHousehold) {
    start();
    EXPECT_TRUE(program_->database().isOpen());
    EXPECT_EQ(persontab().rowCount(), 0);
    EXPECT_EQ(child<QLabel>("antallabel").text(), "0 valda");

    searchFor({"Persdotter", "Nilsson"});
    settle();
    EXPECT_EQ(persontab().rowCount(), 2);
    EXPECT_EQ(persontab().currentRow(), 0);
    EXPECT_EQ(child<QLabel>("antallabel").text(), "2 valda");
    EXPECT_EQ(window_->currentRecord(), 8);
    EXPECT_EQ(window_->shownRecord(), 8);
    EXPECT_EQ(child<QLabel>("postnrlabel").text(), "A-8");
    EXPECT_EQ(shownText(), personText(8, Language::Swedish));
    // Four families and three separators; Olof is the last, and his row is the current one.
    EXPECT_EQ(htab().rowCount(), 11);
    EXPECT_EQ(htab().currentRow(), 10);
    EXPECT_EQ(program_->household.householdCellStyle(11), 3);
    EXPECT_EQ(child<QLabel>("plabel").text(), QString::fromUtf8("Hushåll för Nilsson, Olof, f. 1860"));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(MainWindowTest, AMissingDatabaseFileIsNamedAndNoFileIsCreated) {
    test::CensusFixture census(std::vector<test::CensusRow>{{{"POSTID", "1"}, {"ENAMN", "Ek"}}});
    const Configuration config = readConfigurationFile(census.iniPath());
    std::string gone;
    for (const DatabaseFile& file : databaseFiles(config.cdbasen, config.hdbasen)) {
        if (file.component == "tessls1" && file.main) gone = file.path;
    }
    ASSERT_TRUE(fs::remove(gone));
    const auto files = [&] {
        return std::distance(fs::recursive_directory_iterator(config.programDirectory), {});
    };
    const auto before = files();

    start(census.iniPath());
    QTRY_COMPARE(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].contains(QString::fromStdString(census.iniPath())))
        << messages_[0].toStdString();
    EXPECT_TRUE(messages_[0].contains(QString::fromStdString(gone))) << messages_[0].toStdString();
    EXPECT_FALSE(program_->database().isOpen());
    EXPECT_EQ(persontab().rowCount(), 0);
    EXPECT_EQ(files(), before);
}

TEST_F(MainWindowTest, DeselectKeepsTheNextPersonElseThePrevious) {
    const struct {
        std::vector<std::string_view> chosen;
        std::string_view deselected;
        std::string_view kept;  // empty: the list becomes empty
    } cases[] = {
        {{"Nr 001"}, "Nr 001", ""},
        {{"Nr 001", "Nr 002"}, "Nr 002", "Nr 001"},
        {{"Nr 001", "Nr 002", "Nr 003", "Nr 004"}, "Nr 004", "Nr 003"},
        {{"Nr 001", "Nr 002", "Nr 003", "Nr 004"}, "Nr 002", "Nr 003"},
    };
    start();
    for (const auto& c : cases) {
        searchFor(c.chosen);
        persontab().setCurrentRow(master().synligplats(entryOf(c.deselected)) - 1);
        QTest::mouseClick(&child<TSPknapp>("postejknapp"), Qt::LeftButton);
        EXPECT_EQ(persontab().rowCount(), static_cast<std::int32_t>(c.chosen.size()) - 1) << c.deselected;
        EXPECT_FALSE(master().vald().testa(entryOf(c.deselected)));
        if (c.kept.empty()) {
            EXPECT_EQ(window_->currentRecord(), 0);
            EXPECT_EQ(window_->shownRecord(), 0);
        } else {
            EXPECT_EQ(window_->currentRecord(), recordOf(c.kept)) << c.deselected;
            EXPECT_EQ(window_->shownRecord(), recordOf(c.kept)) << c.deselected;
        }
    }
}

TEST_F(MainWindowTest, ANewResultKeepsThePersonStillChosenElseTheFirstRow) {
    start();
    searchFor({"Nr 001", "Nr 002", "Nr 003"});
    persontab().setCurrentRow(2);
    searchFor({"Nr 002", "Nr 003", "Nr 004"});
    EXPECT_EQ(persontab().currentRow(), 1);
    EXPECT_EQ(window_->currentRecord(), recordOf("Nr 003"));
    searchFor({"Nr 005", "Nr 006"});
    EXPECT_EQ(persontab().currentRow(), 0);
    EXPECT_EQ(window_->currentRecord(), recordOf("Nr 005"));
}

TEST_F(MainWindowTest, ASearchThatFindsNothingEmptiesEverything) {
    start();
    searchFor({"Lind, Karl"});
    settle();
    search_.action = [this] {
        master().vald().tomma();
        master().byggvy();
    };
    window_->dosoek();
    settle();
    EXPECT_EQ(persontab().rowCount(), 0);
    EXPECT_FALSE(persontab().isEnabled());
    EXPECT_EQ(child<QLabel>("antallabel").text(), "0 valda");
    EXPECT_EQ(window_->shownRecord(), 0);
    EXPECT_TRUE(shownText().empty());
    EXPECT_TRUE(child<QLabel>("postnrlabel").text().isEmpty());
    EXPECT_TRUE(child<QLabel>("plabel").text().isEmpty());
    EXPECT_EQ(htab().rowCount(), 0);
    EXPECT_FALSE(child<TSPknapp>("postejknapp").isEnabled());
}

TEST_F(MainWindowTest, TheShownRecordBelongsToTheSelectedRowOrHouseholdMember) {
    start();
    searchFor({"Lind", "Persdotter", "Nilsson"});
    for (std::int32_t row = 0; row < persontab().rowCount(); ++row) {
        persontab().setCurrentRow(row);
        settle();
        ASSERT_EQ(window_->shownRecord(), window_->currentRecord()) << row;
        ASSERT_EQ(htab().rowCount(), 11);
        for (std::int32_t member = 0; member < htab().rowCount(); ++member) {
            htab().setCurrentRow(member);
            if (htab().currentRow() != member) continue;  // a separator between families
            EXPECT_EQ(window_->shownRecord(), program_->household.householdRecordNumber(member + 1));
        }
    }
}

TEST_F(MainWindowTest, ARecordOutsideThePersonRecordsShowsNothing) {
    start();
    searchFor({"Nilsson"});
    const std::int32_t count = program_->database().tessl().count();
    for (const std::int32_t record : {count + 1, 0, -1}) {
        window_->ShowRecord(8);
        ASSERT_FALSE(shownText().empty());
        window_->ShowRecord(record);
        EXPECT_TRUE(shownText().empty()) << record;
        EXPECT_TRUE(child<QLabel>("postnrlabel").text().isEmpty()) << record;
        EXPECT_FALSE(child<Tspecscr>("textscr").isVisible()) << record;
    }
}

TEST_F(MainWindowTest, WithoutAHouseholdIndexTheSelectedPersonsRecordIsShown) {
    test::CensusFixture census(
        std::vector<test::CensusRow>{{{"POSTID", "P1"}, {"ENAMN", "Ek"}, {"HUSHNR", "1"}},
                                     {{"POSTID", "P2"}, {"ENAMN", "Al"}, {"HUSHNR", "2"}}});
    const Configuration config = readConfigurationFile(census.iniPath());
    std::ofstream(config.hdbasen + "tessls5.i", std::ios::trunc);  // there, but cannot be read
    start(census.iniPath());
    searchFor({});
    settle();
    ASSERT_EQ(window_->shownRecord(), 2);  // Al, the first row
    persontab().setCurrentRow(1);
    settle();
    EXPECT_EQ(htab().rowCount(), 0);
    EXPECT_EQ(window_->shownRecord(), 1);
    EXPECT_EQ(child<QLabel>("postnrlabel").text(), "P1");
    // The damaged list's one message, shown after the event that opened it.
    EXPECT_EQ(messages_, std::vector<QString>{QStringLiteral("4")});
}

TEST_F(MainWindowTest, AHeldArrowKeyBuildsOnlyTheHouseholdItStopsAt) {
    start();
    searchFor({});
    settle();
    const int before = window_->householdBuilds();
    persontab().setFocus();
    // The event loop runs between two repeats, as it would go idle.
    for (int step = 0; step < 100; ++step) {
        repeatKey(persontab(), Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    QTest::keyRelease(&persontab(), Qt::Key_Down);
    settle();
    EXPECT_EQ(persontab().currentRow(), 100);
    // The one it stops at, and perhaps one where the machine held the test up between two repeats;
    // building at every step would make a hundred.
    EXPECT_LT(window_->householdBuilds() - before, 10);
    EXPECT_EQ(window_->shownRecord(), window_->currentRecord());
}

TEST_F(MainWindowTest, CtrlQDuringAHouseholdBuildClosesWhenTheBuildIsDone) {
    start();
    searchFor({"Nilsson", "Persdotter"});
    settle();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    // Presses Ctrl+Q as soon as a build is running (the build lets events through).
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!window_->buildingHousehold()) return;
        probe.stop();
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(window_->isVisible());
        EXPECT_TRUE(program_->database().isOpen());
    });
    probe.start(0);
    persontab().setCurrentRow(1);
    QTRY_VERIFY(!window_->isVisible());
    EXPECT_FALSE(probe.isActive());
    EXPECT_EQ(program_->household.size(), 11);  // built whole before the database closed
    EXPECT_FALSE(program_->database().isOpen());
}

TEST_F(MainWindowTest, ASearchAskedForDuringAHouseholdBuildRunsWhenTheBuildIsDone) {
    start();
    searchFor({"Nilsson", "Persdotter"});
    settle();
    // Like a real search, this one fills the hit selection before choosing its persons.
    std::vector<bool> buildingDuringSearch;
    search_.action = [&] {
        buildingDuringSearch.push_back(window_->buildingHousehold());
        program_->database().sokur2().fyllalla();
        master().vald().fyllalla();
        master().byggvy();
    };
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!window_->buildingHousehold()) return;
        probe.stop();
        window_->dosoek();
    });
    probe.start(0);
    persontab().setCurrentRow(1);
    QTRY_VERIFY(!probe.isActive());
    QTRY_COMPARE(buildingDuringSearch.size(), 1U);
    EXPECT_FALSE(buildingDuringSearch[0]);
    EXPECT_EQ(program_->household.size(), 11) << "the household holds its own members only";
    EXPECT_EQ(persontab().rowCount(), master().rowCount());
}

TEST_F(MainWindowTest, ALongRecordGetsAScrollBarThatScrollsTheText) {
    start();
    searchFor({"Öberg"});
    auto& bar = child<Tspecscr>("textscr");
    auto& text = child<TSPdyntex>("texten");
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.max(), text.contentHeight() - text.height() + 1);
    EXPECT_EQ(bar.position(), 1);
    bar.setPosition(21);
    EXPECT_EQ(text.verticalOffset(), 20);
    searchFor({"Nilsson"});
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(text.verticalOffset(), 0);
}

TEST_F(MainWindowTest, TheWheelMovesTenRowsPerNotchAndKeepsSmallDeltas) {
    start();
    searchFor({});
    auto& bar = child<Tspecscr>("personscr");
    ASSERT_TRUE(bar.isVisible());
    const auto turn = [&](QWidget& over, int delta) {
        QWheelEvent event(QPointF(5, 5), over.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&over, &event);
    };
    turn(persontab(), -120);
    EXPECT_EQ(bar.position(), 11);
    EXPECT_EQ(persontab().topRow(), 10);
    turn(child<TSPdyntex>("texten"), 120);  // wherever the pointer is
    EXPECT_EQ(bar.position(), 1);
    turn(persontab(), 120);
    EXPECT_EQ(bar.position(), 1);
    for (int i = 0; i < 4; ++i) turn(htab(), -30);
    EXPECT_EQ(bar.position(), 11);
}

TEST_F(MainWindowTest, TheLanguageSwitchMovesButtonsAndRebuildsTexts) {
    start();
    searchFor({"Lind f. Berg"});
    settle();
    const std::int32_t member = program_->household.findHouseholdRow(recordOf("Lind, Erik")) - 1;
    htab().setCurrentRow(member);
    const std::int32_t shown = window_->shownRecord();
    ASSERT_EQ(shown, recordOf("Lind, Erik"));
    ASSERT_EQ(child<QLabel>("plabel").text(),
              QString::fromUtf8("Hushåll för Lind f. Berg, Anna Maria, f. 1845"));

    QTest::mouseClick(&child<TSPknapp>("usknapp"), Qt::LeftButton);
    EXPECT_EQ(program_->language, Language::English);
    EXPECT_FALSE(child<TSPknapp>("statknapp").isVisible());
    EXPECT_FALSE(child<TSPknapp>("skrivknapp").isVisible());
    EXPECT_TRUE(child<TSPknapp>("skrivknapp_e").isVisible());
    EXPECT_EQ(child<TSPknapp>("skrivknapp_e").x(), 200);
    EXPECT_EQ(child<TSPknapp>("omknapp_e").x(), 297);
    EXPECT_EQ(window_->shownRecord(), shown);
    EXPECT_EQ(shownText(), personText(shown, Language::English));
    EXPECT_EQ(child<QLabel>("plabel").text(),
              QString::fromUtf8("Household: Lind f. Berg, Anna Maria, b. 1845"));
    EXPECT_EQ(child<QLabel>("antallabel").text(), "1 selected records");

    QTest::mouseClick(&child<TSPknapp>("sveknapp"), Qt::LeftButton);
    EXPECT_EQ(program_->language, Language::Swedish);
    EXPECT_TRUE(child<TSPknapp>("statknapp").isVisible());
    EXPECT_EQ(child<TSPknapp>("skrivknapp").x(), 297);
    EXPECT_EQ(child<TSPknapp>("omknapp").x(), 395);
    EXPECT_EQ(shownText(), personText(shown, Language::Swedish));
    EXPECT_EQ(child<QLabel>("plabel").text(),
              QString::fromUtf8("Hushåll för Lind f. Berg, Anna Maria, f. 1845"));
}

TEST_F(MainWindowTest, ANarrowWindowUsesTheSmallTableFont) {
    start();
    window_->setMinimumSize(0, 0);  // as a window manager may make it
    resizeTo({598, 420});
    EXPECT_EQ(persontab().defaultRowHeight(), 15);
    EXPECT_EQ(htab().defaultRowHeight(), 15);
    EXPECT_EQ(persontab().font().pointSize(), 9);
    resizeTo({600, 420});
    EXPECT_EQ(persontab().defaultRowHeight(), 16);
    EXPECT_EQ(persontab().font().pointSize(), 11);
    resizeTo({300, 100});  // no room for any row: each list keeps one
    EXPECT_EQ(persontab().height(), persontab().defaultRowHeight());
    EXPECT_EQ(htab().height(), htab().defaultRowHeight());
}

TEST_F(MainWindowTest, APrintLimitOfZeroHidesThePrintButton) {
    test::TempDir dir;
    const Configuration config = readConfigurationFile(census_->iniPath());
    const std::string ini = dir.path() + "tessla.ini";
    std::ofstream(ini) << "[kataloger]\ncdbasen=" << config.cdbasen << "\nhdbasen=" << config.hdbasen
                       << "\n[limits]\nutskrift=0\n";
    start(ini);
    EXPECT_FALSE(child<TSPknapp>("skrivknapp").isVisible());
    QTest::mouseClick(&child<TSPknapp>("usknapp"), Qt::LeftButton);
    EXPECT_FALSE(child<TSPknapp>("skrivknapp_e").isVisible());
}

// Every visible control lies inside its window, no two controls of one parent overlap, and every
// label's text fits; at the smallest and a large size, in both languages. Screenshots of each go
// under the build directory.
TEST_F(MainWindowTest, ControlsFitWithoutOverlapAtEverySizeAndLanguage) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/main");
    QDir().mkpath(shots);
    start();
    searchFor({"Lind", "Nilsson", "Persdotter", "Nr 0"});
    ASSERT_EQ(persontab().rowCount(), 107);
    persontab().setCurrentRow(1);
    settle();
    for (const QSize size : {QSize(790, 590), QSize(1600, 1000)}) {
        for (const bool english : {false, true}) {
            resizeTo(size);
            QTest::mouseClick(&child<TSPknapp>(english ? "usknapp" : "sveknapp"), Qt::LeftButton);
            QCoreApplication::processEvents();
            const QString where =
                QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(english ? "en" : "sv");
            for (QWidget* widget : window_->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window_.get())) continue;
                const QRect inWindow(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size());
                EXPECT_TRUE(window_->rect().contains(inWindow))
                    << where.toStdString() << " " << widget->objectName().toStdString();
                if (const auto* label = qobject_cast<QLabel*>(widget)) {
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                        << where.toStdString() << " " << label->objectName().toStdString();
                }
                for (QWidget* sibling :
                     widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (sibling == widget || !sibling->isVisibleTo(window_.get()) || sibling->isWindow())
                        continue;
                    if (sibling->objectName().isEmpty() || widget->objectName().isEmpty()) continue;
                    EXPECT_FALSE(sibling->geometry().intersects(widget->geometry()))
                        << where.toStdString() << " " << widget->objectName().toStdString() << " overlaps "
                        << sibling->objectName().toStdString();
                }
            }
            window_->grab().save(shots + QStringLiteral("/main_%1x%2_%3.png")
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(english ? "en" : "sv"));
        }
    }
}

}  // namespace
}  // namespace tessla
