// The main window's side of printing: the print button and Ctrl+P open the print window, a search
// fills its range fields, the clear button resets it, and the record panel's print button prints
// the record the window shows.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "census_fixture.h"
#include "household_census.h"
#include "program/program.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "storage/temp_dir.h"
#include "support/child.h"
#include "support/fake_search.h"
#include "support/next_modal.h"
#include "support/pdf_text.h"
#include "view/clipboard_texts.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"
#include "windows/main_window.h"
#include "windows/print_window.h"
#include "windows/search_window.h"

namespace tessla {
namespace {

class MainWindowPrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::householdCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }
    void start(const std::string& ini = census_->iniPath()) {
        ASSERT_TRUE(program_.openDatabase(ini));
        window_ = std::make_unique<Tmain_form>(program_);
        help_ = new Ttextform(program_, window_.get());
        print_ = new Tskriv_form(program_, *help_, window_.get());
        search_.action = [this] { test::choosePersons(program_.database().tessllista(), {}); };
        window_->setPersonSearch(search_);
        window_->setPrint(*print_);
        window_->show();
        window_->setWindowState(Qt::WindowNoState);
        window_->resize(790, 590);
    }
    void TearDown() override { window_.reset(); }
    QString field(const char* name) { return test::child<QLineEdit>(*print_, name).text(); }
    // Whether the print window shows modally after `press`; it closes with Escape.
    bool opensPrintWindow(const std::function<void()>& press) {
        bool printWindow = false;
        const test::NextModal shown([&](QWidget& modal) { printWindow = &modal == print_; });
        press();
        QCoreApplication::processEvents();
        return shown.seen() && printWindow;
    }
    // Shortcuts reach an active window only.
    void activate() {
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void settle() { QTRY_COMPARE(test::child<QTimer>(*window_, "idleTimer").isActive(), false); }
    QString printRecordToPdf(const char* name) {
        const QString path = QString::fromStdString(dir_.path()) + QString::fromLatin1(name);
        print_->printer().setOutputFormat(QPrinter::PdfFormat);
        print_->printer().setOutputFileName(path);
        print_->printer().setPageSize(QPageSize(QPageSize::A4));
        test::child<TSPknapp>(*window_, "postskrivknapp").click();
        QCoreApplication::processEvents();
        return test::pdfText(path);
    }

    static test::CensusFixture* census_;
    test::TempDir dir_;
    Program program_;
    std::unique_ptr<Tmain_form> window_;
    Ttextform* help_ = nullptr;
    Tskriv_form* print_ = nullptr;
    test::FakeSearch search_;
};

test::CensusFixture* MainWindowPrintTest::census_ = nullptr;

TEST_F(MainWindowPrintTest, TheButtonAndCtrlPOpenTheWindowWithTheRangeOfTheSearch) {
    start();
    EXPECT_FALSE(test::child<TSPknapp>(*window_, "skrivknapp").isEnabled());
    EXPECT_FALSE(test::child<TSPknapp>(*window_, "postskrivknapp").isEnabled());
    window_->dosoek();
    const std::int32_t found = program_.database().tessllista().vald().antal();
    ASSERT_GT(found, 0);
    EXPECT_EQ(field("startpostedit"), "1");
    EXPECT_EQ(field("slutpostedit"), QString::number(found));
    EXPECT_TRUE(test::child<TSPknapp>(*window_, "postskrivknapp").isEnabled());
    EXPECT_TRUE(opensPrintWindow([&] { test::child<TSPknapp>(*window_, "skrivknapp").click(); }));
    activate();
    EXPECT_TRUE(opensPrintWindow([&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); }));

    test::child<QComboBox>(*print_, "skrivtypcb").setCurrentIndex(2);
    test::child<TSPknapp>(*window_, "rensaknapp").click();
    EXPECT_EQ(test::child<QComboBox>(*print_, "skrivtypcb").currentIndex(), 0);
    EXPECT_TRUE(field("startpostedit").isEmpty());
    EXPECT_TRUE(field("slutpostedit").isEmpty());
    EXPECT_FALSE(test::child<TSPknapp>(*window_, "postskrivknapp").isEnabled());
}

TEST_F(MainWindowPrintTest, WithAPrintLimitOfZeroCtrlPDoesNothingAndTheRecordButtonStays) {
    const Configuration config = readConfigurationFile(census_->iniPath());
    const std::string ini = dir_.path() + "tessla.ini";
    std::ofstream(ini) << "[kataloger]\ncdbasen=" << config.cdbasen << "\nhdbasen=" << config.hdbasen
                       << "\n[limits]\nutskrift=0\n";
    start(ini);
    window_->dosoek();
    EXPECT_FALSE(test::child<TSPknapp>(*window_, "skrivknapp").isVisible());
    activate();
    EXPECT_FALSE(opensPrintWindow([&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); }));
    EXPECT_TRUE(test::child<TSPknapp>(*window_, "postskrivknapp").isEnabled());
}

TEST_F(MainWindowPrintTest, TheRecordButtonPrintsTheRecordShownAlsoAfterAHouseholdClickAndAJob) {
    start();
    window_->dosoek();
    TSPtab& persons = test::child<TSPtab>(*window_, "persontab");
    persons.setCurrentRow(0);
    settle();
    TSPtab& household = test::child<TSPtab>(*window_, "htab");
    ASSERT_GT(household.rowCount(), 2);
    // Another member of the household than the selected row.
    const std::int32_t selected = window_->browser().selectedRecord();
    for (std::int32_t row = 0; row < household.rowCount(); ++row) {
        const std::int32_t record = program_.household.householdRecordNumber(row + 1);
        if (record > 0 && record != selected) {
            household.setCurrentRow(row);
            break;
        }
    }
    const std::int32_t shown = window_->browser().shownRecord();
    ASSERT_NE(shown, selected);
    const std::string postid = loadPerson(program_.database().tessl(), shown).POSTID;
    // A table job first: it reads every person, and the shown record stays the one printed next.
    print_->printer().setOutputFormat(QPrinter::PdfFormat);
    print_->printer().setOutputFileName(QString::fromStdString(dir_.path()) + "table.pdf");
    test::child<QComboBox>(*print_, "skrivtypcb").setCurrentIndex(1);
    QTest::mouseClick(&test::child<TSPknapp>(*print_, "startknapp"), Qt::LeftButton);
    const QString printed = printRecordToPdf("record.pdf");
    EXPECT_TRUE(printed.contains(QString::fromStdString("Post " + postid + "\n"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Enstaka post, ")));
    // The record copy after both jobs is the shown record too.
    test::child<TSPknapp>(*window_, "kopipostknapp").click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              toQString(withCrLf(recordCopyText(program_.database().tessl(), shown, Language::Swedish))));
}

}  // namespace
}  // namespace tessla
