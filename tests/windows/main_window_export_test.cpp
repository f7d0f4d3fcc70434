// The main window's export buttons: the household saved as a GEDCOM file, the list as a CSV file
// (with the export limit's notice, and hidden by a limit of 0), the citation copied, and a place
// that cannot be written to; with screenshots of the buttons and the dialogs in both languages.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "formula_census.h"
#include "household_census.h"
#include "program/program.h"
#include "program/qt_translations.h"
#include "python_csv.h"
#include "skin/picture_button.h"
#include "storage/temp_dir.h"
#include "support/child.h"
#include "support/fake_search.h"
#include "support/screenshots.h"
#include "test_text.h"
#include "widgets/table_grid.h"
#include "windows/export_actions.h"
#include "windows/help_window.h"
#include "windows/main_window.h"
#include "windows/print_window.h"
#include "windows/search_window.h"

namespace tessla {
namespace {

using test::saveShots;

using test::w;

std::string fileTextOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ExportWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::householdCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }

    // The program on the census (`shown_`, or the household census) with export limit
    // `exportLimit`, its main window shown, and the persons whose names begin with `names` found;
    // the prompts answer as the test says unless `dialogs` keeps the real ones.
    void start(int exportLimit, std::vector<std::string> names, bool dialogs = false) {
        std::string ini = fileTextOf((shown_ ? shown_.get() : census_)->iniPath());
        ini.replace(ini.find("export=10000"), 12, "export=" + std::to_string(exportLimit));
        const std::string path = dir_.path() + "tessla.ini";
        std::ofstream(path) << ini;
        program_ = std::make_unique<Program>();
        program_->setMessagePresenter([this](const QString& text) { messages_.push_back(text); });
        ASSERT_TRUE(program_->openDatabase(path));
        window_ = std::make_unique<Tmain_form>(*program_);
        search_.action = [this, names = std::move(names)] {
            test::choosePersons(program_->database().tessllista(), names);
        };
        window_->setPersonSearch(search_);
        window_->show();
        window_->resize(900, 640);
        window_->dosoek();
        QTRY_COMPARE(test::child<QTimer>(*window_, "idleTimer").isActive(), false);
        QTRY_VERIFY(!program_->busyGate().busy());
        if (dialogs) return;
        ExportActions::Prompts& prompts = window_->exports().prompts();
        prompts.fileName = [this](const QString& title, const QString& suggested, const QString&) {
            asked_.push_back(title);
            suggested_ = suggested;
            return answer_;
        };
        prompts.goOn = [this](const QString& notice) {
            notices_.push_back(notice);
            return goOn_;
        };
    }
    void TearDown() override {
        window_.reset();
        program_.reset();
    }
    TSPknapp& button(const char* name) { return test::child<TSPknapp>(*window_, name); }
    void press(const char* name) {
        button(name).click();
        QTRY_VERIFY(!program_->busyGate().busy());
        QCoreApplication::processEvents();
    }

    static test::CensusFixture* census_;
    std::unique_ptr<test::CensusFixture> shown_;
    test::TempDir dir_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Tmain_form> window_;
    test::FakeSearch search_;
    std::vector<QString> messages_, asked_, notices_;
    QString suggested_, answer_;
    bool goOn_ = true;
};

test::CensusFixture* ExportWindowTest::census_ = nullptr;

TEST_F(ExportWindowTest, TheHouseholdIsSavedAsGedcomUnderTheNameTheDialogSuggests) {
    start(10000, {"Lind"});
    const Tenperson& person = program_->currentPerson;
    answer_ = QString::fromStdString(dir_.path() + "farm.ged");
    press("gedcomknapp");
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "Spara hushållet som GEDCOM-fil");
    EXPECT_EQ(QFileInfo(suggested_).fileName(),
              QString::fromStdString(cp1252ToUtf8(person.ENAMN + " " + person.FNAMN).str() + ".ged"));
    const std::string file = fileTextOf(dir_.path() + "farm.ged");
    EXPECT_TRUE(file.starts_with("0 HEAD\r\n")) << file.substr(0, 40);
    EXPECT_NE(file.find("1 NAME Karl Johan /Lind/\r\n"), std::string::npos);
    EXPECT_NE(file.find("1 NAME Olof /Nilsson/\r\n"), std::string::npos);
    EXPECT_NE(file.find("0 @F2@ FAM\r\n"), std::string::npos);
    EXPECT_EQ(file.find("0 @F3@ FAM\r\n"), std::string::npos) << "the maid and the farmhand have no family";

    // A dialog cancelled writes nothing, and the next asks in the folder saved to last.
    answer_.clear();
    program_->setLanguage(Language::English);
    press("gedcomknapp");
    EXPECT_EQ(asked_.back(), "Save the household as a GEDCOM file");
    EXPECT_EQ(QFileInfo(suggested_).absolutePath() + "/", QString::fromStdString(dir_.path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2)
        << "the ini and farm.ged";
}

TEST_F(ExportWindowTest, TheListBeyondTheExportLimitIsNoticedFirstAndALimitOf0HidesTheButton) {
    start(3, {"Nr 0"});
    answer_ = QString::fromStdString(dir_.path() + "list.csv");
    goOn_ = false;
    press("csvknapp");
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0],
              "Listan är längre än exportgränsen. Filen får de första 3 av 99 i listans ordning.");
    EXPECT_TRUE(asked_.empty()) << "declined at the notice, nothing is asked or written";
    EXPECT_FALSE(std::filesystem::exists(dir_.path() + "list.csv"));

    goOn_ = true;
    press("csvknapp");
    const std::string csv = fileTextOf(dir_.path() + "list.csv");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4) << csv;
    EXPECT_NE(csv.find("\r\n\"Nr 001, Anders\",1801,,"), std::string::npos) << csv;
    EXPECT_TRUE(button("csvknapp").isVisible());

    window_.reset();
    program_.reset();
    start(0, {"Nr 0"});
    EXPECT_FALSE(button("csvknapp").isVisible());
    EXPECT_TRUE(button("kopilistaknapp").isVisible());
}

TEST_F(ExportWindowTest, TheListsFormulaCellsAreWrittenWithAnApostropheInFront) {
    shown_ = std::make_unique<test::CensusFixture>(test::formulaCensusRows());
    start(10000, {"=", "+", "Berg"});
    answer_ = QString::fromStdString(dir_.path() + "formulas.csv");
    press("csvknapp");
    EXPECT_EQ(test::personRowsByPostid(test::readCsvWithPython(dir_.path() + "formulas.csv")),
              test::formulaCensusCsvRows());
}

// The names of a CSV file's rows, in order.
std::vector<std::string> namesIn(const std::string& csv) {
    std::vector<std::string> names;
    for (std::size_t at = csv.find("\r\n\""); at != std::string::npos; at = csv.find("\r\n\"", at + 1))
        names.push_back(csv.substr(at + 3, csv.find('"', at + 3) - at - 3));
    return names;
}

TEST_F(ExportWindowTest, TheListTakesThePrintWindowsSortOrderOnceOneIsChosenThere) {
    start(10000, {"Lind"});
    Ttextform help(*program_);
    Tskriv_form print(*program_, help);
    window_->setPrint(print);
    const std::string path = dir_.path() + "lind.csv";
    answer_ = QString::fromStdString(path);
    using V = std::vector<std::string>;
    const V byName = {"Lind f. Berg, Anna Maria", "Lind, Erik", "Lind, Kajsa",
                      "Lind, Karl Johan",         "Lind, Per",  "Lind, Stina"};
    press("csvknapp");
    EXPECT_EQ(namesIn(fileTextOf(path)), byName) << "the list's order while no sort order is chosen";

    auto* first = &test::child<QComboBox>(print, "sort1cb");
    first->setCurrentIndex(1);
    emit first->activated(1);  // the year of birth, as the user picks it
    press("csvknapp");
    EXPECT_EQ(namesIn(fileTextOf(path)), (V{"Lind, Per", "Lind, Kajsa", "Lind, Karl Johan",
                                            "Lind f. Berg, Anna Maria", "Lind, Erik", "Lind, Stina"}));
    print.resetChoices();
    press("csvknapp");
    EXPECT_EQ(namesIn(fileTextOf(path)), byName) << "the clear button forgets the choice";
}

TEST_F(ExportWindowTest, APlaceThatCannotBeWrittenToIsNamedWithTheReason) {
    start(10000, {"Persdotter"});
    answer_ = QString::fromStdString(dir_.path() + "no/such/folder/list.csv");
    press("csvknapp");
    QTRY_COMPARE(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], answer_.prepend("Filen kunde inte sparas: ") + "\nNo such file or directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1) << "no file is left";
}

TEST_F(ExportWindowTest, TheCitationIsCopiedByItsButtonAndCtrlKInTheLanguageShown) {
    start(10000, {"Persdotter"});
    QApplication::clipboard()->clear();
    press("kallknapp");
    const QString swedish = QApplication::clipboard()->text();
    EXPECT_TRUE(swedish.startsWith(
        "Folkräkningen 1890, Uppsala län, Alunda, hushåll 7, POSTID A-7 (Tessla 1.02, databasdatum "))
        << swedish.toStdString();
    program_->setLanguage(Language::English);
    QApplication::clipboard()->clear();
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(!program_->busyGate().busy());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        "Census of Sweden 1890, Uppsala län, Alunda, household 7, POSTID A-7 (Tessla 1.02, database "))
        << QApplication::clipboard()->text().toStdString();
}

TEST_F(ExportWindowTest, HintsInBothLanguages) {
    start(10000, {"Persdotter"});
    const std::tuple<const char*, const char*, const char*> hints[] = {
        {"gedcomknapp", "Spara hushållet som GEDCOM-fil för ett släktforskningsprogram",
         "Save the household as a GEDCOM file for a family-tree program"},
        {"csvknapp", "Spara listan som CSV-fil för ett kalkylprogram",
         "Save the list as a CSV file for a spreadsheet"},
        {"kallknapp", "Kopiera en källhänvisning till urklipp (Ctrl+K)",
         "Copy a source citation to clipboard (Ctrl+K)"},
    };
    for (const auto& [name, swedish, english] : hints) {
        program_->setLanguage(Language::Swedish);
        EXPECT_EQ(button(name).toolTip(), QString::fromUtf8(swedish));
        program_->setLanguage(Language::English);
        EXPECT_EQ(button(name).toolTip(), QString::fromUtf8(english));
    }
}

// When the next modal window shows, saves it and closes it as Cancel.
void shootNextModal(const QString& shots, const QString& name) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, shots, name] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        saveShots(*modal, shots, name);
        modal->done(QDialog::Rejected);
    });
    timer->start(50);
}

TEST_F(ExportWindowTest, ScreenshotOfTheButtonsAndTheDialogs) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/export");
    QDir(shots).removeRecursively();
    QDir().mkpath(shots);
    start(3, {"Lind", "Nr 0"}, true);
    // Qt's own dialogs in the program's language, as the program shows them.
    const QtTranslations qtTexts(*program_);
    const ExportActions::Prompts dialogs = window_->exports().prompts();
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        const QString lang = inLanguage(language, "sv", "en");
        QCoreApplication::processEvents();
        saveShots(*window_, shots, "main_" + lang);
        // The buttons above the list and the household, and above the record, enlarged.
        const QRect top(window_->width() / 2 - 250, 0, 500, 70);
        saveShots(*window_, shots, "buttons_top_" + lang, top);
        shootNextModal(shots, "save_gedcom_" + lang);
        button("gedcomknapp").click();
        QTRY_VERIFY(!program_->busyGate().busy());
        shootNextModal(shots, "notice_csv_" + lang);
        button("csvknapp").click();
        QTRY_VERIFY(!program_->busyGate().busy());
    }
    // A place that cannot be written to, as the user is told it; after every real file dialog, so
    // that none of them opens in that place, which the export buttons remember as their folder.
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        const QString lang = inLanguage(language, "sv", "en");
        window_->exports().prompts().fileName = [](const QString&, const QString&, const QString&) {
            return QStringLiteral("/proc/tessla/list.csv");
        };
        window_->exports().prompts().goOn = [](const QString&) { return true; };
        program_->setMessagePresenter({});
        shootNextModal(shots, "cannot_save_" + lang);
        button("csvknapp").click();
        QTRY_VERIFY(QFileInfo::exists(shots + "/cannot_save_" + lang + "@2x.png"));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        window_->exports().prompts() = dialogs;
    }
    EXPECT_TRUE(QFileInfo::exists(shots + "/save_gedcom_en@2x.png"));
    EXPECT_TRUE(QFileInfo::exists(shots + "/notice_csv_sv@1x.png"));
}

}  // namespace
}  // namespace tessla
