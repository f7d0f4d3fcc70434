#include "windows/print_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include "census_fixture.h"
#include "program/program.h"
#include "skin/picture_button.h"
#include "storage/temp_dir.h"
#include "support/child.h"
#include "support/pdf_text.h"
#include "widgets/elided_label.h"
#include "windows/help_window.h"

namespace tessla {
namespace {

using test::CensusFixture;
using test::CensusRow;

CensusRow person(const char* id, const char* last, const char* first, const char* year, const char* parish,
                 const char* household, const char* role) {
    return {{"POSTID", id},
            {"ENAMN", last},
            {"FNAMN", first},
            {"FODAR", year},
            {"HEMLEN", "Gävleborgs län"},
            {"HEMFO", parish},
            {"HUSHNR", household},
            {"FAMNR", "1"},
            {"FAMSTKOD", role},
            {"YRKE", "Bonde"}};
}

// Nine persons in five households; household 1 of Alfta and of Bollnäs share a number. Moberg's
// remarks run over more than two pages.
std::vector<CensusRow> printCensus() {
    std::string remarks;
    for (int line = 1; line <= 120; ++line) remarks += "Anteckning " + std::to_string(line) + "\n";
    std::vector<CensusRow> rows = {
        person("P-1", "Berg", "Anna", "1850", "Alfta", "1", "M"),
        person("P-2", "Berg", "Per", "1848", "Alfta", "1", "F"),
        person("P-3", "Dahl", "Olof", "1822", "Alfta", "2", "E"),
        person("P-4", "Ek", "Karin", "1830", "Bollnäs", "1", "M"),
        person("P-5", "Ek", "Lars", "1828", "Bollnäs", "1", "F"),
        person("P-6", "Falk", "Maja", "1861", "Bollnäs", "2", "E"),
        person("P-7", "Holm", "Nils", "1870", "Ovanåker", "3", "E"),
        person("P-8", "Lind", "Sven", "1811", "Ovanåker", "4", "F"),
        person("P-9", "Moberg", "Erik", "1840", "Ovanåker", "4", "B"),
    };
    rows.back().push_back({"ÖVRIGT", remarks});
    return rows;
}

class PrintWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new CensusFixture(printCensus()); }
    static void TearDownTestSuite() { delete census_; }
    void SetUp() override { open(census_->iniPath()); }
    void open(const std::string& ini) {
        ASSERT_TRUE(program_.openDatabase(ini));
        TSPstruktlista& master = program_.database().tessllista();
        master.vald().fyllalla();
        master.byggvy();
    }
    // Every job prints into a PDF file of A4 sheets at 300 dots per inch.
    QString pdf(const char* name) {
        const QString path = QString::fromStdString(dir_.path()) + QString::fromLatin1(name);
        QPrinter& printer = window_.printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setResolution(300);
        return path;
    }
    static QString text(const QString& path) { return test::pdfText(path); }
    template <class T>
    T& child(const char* name) {
        return test::child<T>(window_, name);
    }
    void choose(int kind, int first = 0, int second = 1, const char* from = "", const char* to = "") {
        window_.show();
        child<QComboBox>("skrivtypcb").setCurrentIndex(kind);
        child<QComboBox>("sort1cb").setCurrentIndex(first);
        child<QComboBox>("sort2cb").setCurrentIndex(second);
        window_.setRange(QString::fromLatin1(from), QString::fromLatin1(to));
    }
    void start() {
        const char* name = inLanguage(program_.language(), "startknapp", "startknapp_e");
        QTest::mouseClick(&child<TSPknapp>(name), Qt::LeftButton);
    }

    static CensusFixture* census_;
    test::TempDir dir_;
    Program program_;
    Ttextform help_{program_};
    Tskriv_form window_{program_, help_};
};

CensusFixture* PrintWindowTest::census_ = nullptr;

QString today(const char* format) {
    return QDate::currentDate().toString(QString::fromLatin1(format));
}

TEST_F(PrintWindowTest, KindsChooseTheControlsTheyUse) {
    window_.show();
    QComboBox& kinds = child<QComboBox>("skrivtypcb");
    ASSERT_EQ(kinds.count(), 4);
    EXPECT_EQ(kinds.itemText(0), "Hela poster (max 9)");
    EXPECT_EQ(kinds.itemText(3), QString::fromUtf8("Tabell över visat hushåll, 0 rader"));
    EXPECT_EQ(window_.windowTitle(), "Tessla, utskrift");
    EXPECT_EQ(window_.focusWidget(), &kinds);
    // Which controls each kind enables is the print plan's table; here, that a choice applies it.
    EXPECT_FALSE(child<QComboBox>("sort1cb").isEnabled());
    kinds.setCurrentIndex(1);
    EXPECT_TRUE(child<QComboBox>("sort1cb").isEnabled());
    kinds.setCurrentIndex(3);
    EXPECT_FALSE(child<QLineEdit>("startpostedit").isEnabled());
    program_.setLanguage(Language::English);
    EXPECT_EQ(window_.windowTitle(), "Tessla, Print");
    EXPECT_EQ(kinds.currentIndex(), 3) << "the chosen kind stays";
    EXPECT_EQ(kinds.itemText(1), "Table (max.9 rows)");
    EXPECT_EQ(child<QComboBox>("sort2cb").currentText(), "Year of birth");
    EXPECT_FALSE(child<TSPknapp>("startknapp").isVisible());
    EXPECT_TRUE(child<TSPknapp>("startknapp_e").isVisible());

    window_.setRange("1", "9");
    child<QComboBox>("sort1cb").setCurrentIndex(2);
    window_.resetChoices();
    EXPECT_EQ(kinds.currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>("sort1cb").currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>("sort2cb").currentIndex(), 1);
    EXPECT_TRUE(child<QLineEdit>("startpostedit").text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("slutpostedit").text().isEmpty());
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(PrintWindowTest, ThePrintLimitLimitsTheShownMaximum) {
    const Configuration config = readConfigurationFile(census_->iniPath());
    const std::string ini = dir_.path() + "tessla.ini";
    std::ofstream(ini) << "[kataloger]\ncdbasen=" << config.cdbasen << "\nhdbasen=" << config.hdbasen
                       << "\n[limits]\nutskrift=5\n";
    open(ini);
    window_.show();
    QComboBox& kinds = child<QComboBox>("skrivtypcb");
    EXPECT_EQ(kinds.itemText(0), "Hela poster (max 5)");
    // The limit does not limit what is printed.
    const QString path = pdf("limit.pdf");
    choose(1);
    start();
    const QString printed = text(path);
    EXPECT_TRUE(printed.contains("Berg, Anna")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Moberg, Erik"));
}

TEST_F(PrintWindowTest, ARangePrintsThoseOfTheSortedOrderUnderOneSortText) {
    const QString path = pdf("range.pdf");
    choose(1, 0, 0, "5", "7");
    start();
    EXPECT_FALSE(window_.printing());
    const QString printed = text(path);
    for (const char* name : {"Ek, Lars", "Falk, Maja", "Holm, Nils"})
        EXPECT_TRUE(printed.contains(QString::fromLatin1(name))) << name << "\n" << printed.toStdString();
    for (const char* name : {"Ek, Karin", "Lind, Sven"})
        EXPECT_FALSE(printed.contains(QString::fromLatin1(name)));
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Tabell, ordnad efter namn, ") + today("yyyy-MM-dd")));
    EXPECT_FALSE(printed.contains(QString::fromUtf8("ordnad efter namn +")));
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Tessla · Stamma och Arkivo")));
    EXPECT_TRUE(printed.contains("Sida 1"));
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Födelseförsamling"))) << "the heading row";
}

TEST_F(PrintWindowTest, TheEnglishRollSeparatesHouseholdsAlsoOfOneNumberInTwoParishes) {
    program_.setLanguage(Language::English);
    const QString path = pdf("roll.pdf");
    choose(2);
    start();
    const QString printed = text(path);
    EXPECT_TRUE(printed.contains("Table, household examination roll, " + today("MM/dd/yyyy")))
        << printed.toStdString();
    EXPECT_FALSE(printed.contains("roll +"));
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Tessla · Stamma and Arkivo")));
    // Alfta 1, Alfta 2, Bollnäs 1, Bollnäs 2, Ovanåker 3, Ovanåker 4: five dashed lines.
    EXPECT_EQ(printed.count("--------------------"), 5);
    const qsizetype alfta = printed.indexOf("Berg, Per");
    const qsizetype bollnas = printed.indexOf("Ek, Lars");
    const qsizetype between = printed.indexOf("--------------------", printed.indexOf("Dahl, Olof"));
    EXPECT_LT(alfta, bollnas);
    EXPECT_LT(between, bollnas);
    EXPECT_GT(between, printed.indexOf("Dahl, Olof"));
}

TEST_F(PrintWindowTest, ARecordLongerThanAPageContinuesOnPageTwo) {
    const QString path = pdf("records.pdf");
    choose(0, 0, 1, "8", "9");
    start();
    const QStringList pages = text(path).split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains("Post P-8"));
    EXPECT_TRUE(pages[0].contains(QString::fromUtf8("Poster, ") + today("yyyy-MM-dd")));
    // Moberg does not fit under Lind: a new page without the separator, continued on the next.
    EXPECT_FALSE(pages[0].contains("Post P-9"));
    EXPECT_TRUE(pages[1].contains("Post P-9"));
    EXPECT_TRUE(pages[1].contains("Sida 2"));
    EXPECT_TRUE(pages[2].contains("Sida 3"));
    EXPECT_TRUE(pages.last().contains("Anteckning 120"));
    for (int line = 1; line <= 120; ++line)
        EXPECT_EQ(pages.join("").count(QStringLiteral("Anteckning %1\n").arg(line)), 1) << line;
}

TEST_F(PrintWindowTest, TheHouseholdTablePrintsTheShownHousehold) {
    const Tenperson lind = loadPerson(program_.database().tessl(), 8);
    program_.household.buildHousehold(program_.database(), householdKey(lind));
    program_.household.setCurrentRow(program_.household.findHouseholdRow(8));
    const QString path = pdf("household.pdf");
    choose(3);
    EXPECT_EQ(child<QComboBox>("skrivtypcb").currentText(),
              QString::fromUtf8("Tabell över visat hushåll, 2 rader"));
    start();
    const QString printed = text(path);
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Hushåll för Lind, Sven, f. 1811. ")))
        << printed.toStdString();
    EXPECT_TRUE(printed.contains("Moberg, Erik"));
    EXPECT_FALSE(printed.contains("Berg, Anna"));
    EXPECT_EQ(child<ElidedLabel>("resultlabel").fullText(),
              QString::fromUtf8("1 sida utskriven till ") + path);
    // The line follows a switch of language.
    program_.setLanguage(Language::English);
    EXPECT_EQ(child<ElidedLabel>("resultlabel").fullText(), QString::fromUtf8("1 page printed to ") + path);
}

TEST_F(PrintWindowTest, TheSingleRecordIsTheOneGivenAndAJobLeavesTheCurrentPersonAlone) {
    program_.currentPerson = loadPerson(program_.database().tessl(), 3);
    choose(1);
    pdf("table.pdf");
    start();
    EXPECT_EQ(program_.currentPerson.POSTID, "P-3");
    const QString path = pdf("single.pdf");
    window_.hide();
    window_.printSingleRecord(program_.currentPerson);
    const QString printed = text(path);
    EXPECT_TRUE(printed.contains(QString::fromUtf8("Enstaka post, ") + today("yyyy-MM-dd")));
    EXPECT_TRUE(printed.contains("Post P-3"));
    EXPECT_FALSE(printed.contains("P-9"));
}

TEST_F(PrintWindowTest, EscCancelsAJobWhichLeavesNoFileAndNoMessage) {
    std::vector<QString> messages;
    program_.setMessagePresenter([&](const QString& text) { messages.push_back(text); });
    const QString path = pdf("cancelled.pdf");
    bool disabled = false;
    QObject::connect(&window_, &Tskriv_form::jobPrinting, &window_, [&] {
        disabled = !child<QComboBox>("skrivtypcb").isEnabled() && !child<TSPknapp>("startknapp").isEnabled();
        EXPECT_TRUE(child<QProgressBar>("pg").isVisible());
        EXPECT_TRUE(child<QLabel>("avbrytlabel").isVisible());
        EXPECT_TRUE(program_.busyGate().busy());
        QCoreApplication::postEvent(&window_,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    choose(0);
    start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(disabled);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(window_.isVisible()) << "Esc during a job cancels it and leaves the window open";
    EXPECT_TRUE(child<QComboBox>("skrivtypcb").isEnabled());
    EXPECT_FALSE(child<QProgressBar>("pg").isVisible());
    EXPECT_TRUE(messages.empty());
    // The job's end stays said until the window shows again.
    EXPECT_TRUE(child<ElidedLabel>("resultlabel").isVisible());
    EXPECT_EQ(child<ElidedLabel>("resultlabel").fullText(), QString::fromUtf8("Utskriften avbröts"));
    window_.hide();
    window_.show();
    EXPECT_FALSE(child<ElidedLabel>("resultlabel").isVisible());
}

// With no printer and no file chosen, each job asks for its PDF file; declining prints nothing.
TEST_F(PrintWindowTest, WithoutAPrinterEachJobAsksForItsFile) {
    window_.printer().setOutputFormat(QPrinter::PdfFormat);
    window_.printer().setOutputFileName({});
    window_.printer().setPageSize(QPageSize(QPageSize::A4));
    const QString path = QString::fromStdString(dir_.path()) + "asked.pdf";
    int asked = 0;
    const auto answer = [&](bool accept) {
        QTimer::singleShot(0, [&, accept] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ++asked;
            if (!accept) return dialog->reject();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its Save button
        });
    };
    choose(1);
    answer(true);
    start();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(text(path).contains("Berg, Anna"));
    QFile::remove(path);
    answer(false);
    start();
    EXPECT_EQ(asked, 2) << "the next job asks again";
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintWindowTest, APrinterThatCannotStartGivesOneMessageAndTheWindowBack) {
    std::vector<QString> messages;
    program_.setMessagePresenter([&](const QString& text) { messages.push_back(text); });
    pdf("x.pdf");
    window_.printer().setOutputFileName(QString::fromStdString(dir_.path()) + "missing/folder/x.pdf");
    choose(1);
    start();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0], "Skrivaren kunde inte starta utskriften.");
    EXPECT_FALSE(window_.printing());
    EXPECT_TRUE(child<QComboBox>("skrivtypcb").isEnabled());
    EXPECT_FALSE(child<QProgressBar>("pg").isVisible());
}

// The window in both languages, and the first page of each kind rendered from its PDF, under
// the build directory.
TEST_F(PrintWindowTest, Screenshot) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/print");
    QDir().mkpath(shots);
    program_.household.buildHousehold(program_.database(),
                                      householdKey(loadPerson(program_.database().tessl(), 1)));
    // The window while a job prints: progress bar, status and the cancel hint.
    QString running;
    QObject::connect(&window_, &Tskriv_form::jobPrinting, &window_, [&] {
        if (running.isEmpty()) return;
        QImage shot(window_.size(), QImage::Format_ARGB32_Premultiplied);
        window_.render(&shot);
        shot.save(running);
        running.clear();
    });
    for (const Language language : {Language::Swedish, Language::English}) {
        program_.setLanguage(language);
        const QString tag = inLanguage(language, QStringLiteral("sv"), QStringLiteral("en"));
        choose(1, 0, 1, "1", "9");
        for (const int ratio : {1, 2}) {
            QImage shot(window_.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            shot.setDevicePixelRatio(ratio);
            window_.render(&shot);
            shot.save(shots + QStringLiteral("/print_%1@%2x.png").arg(tag).arg(ratio));
        }
        for (int kind = 0; kind < 4; ++kind) {
            const QString base = shots + QStringLiteral("/page_%1_kind%2").arg(tag).arg(kind);
            pdf("shot.pdf");
            window_.printer().setOutputFileName(base + ".pdf");
            choose(kind, 0, 1, "", "");
            if (kind == 1) running = shots + QStringLiteral("/print_%1_running@1x.png").arg(tag);
            start();
            QProcess::execute(
                QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
                 QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), base + ".pdf", base});
        }
    }
}

}  // namespace
}  // namespace tessla
