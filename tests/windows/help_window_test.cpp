#include "windows/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <QDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/version.h"
#include "census_fixture.h"
#include "program/program.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "storage/temp_dir.h"
#include "support/child.h"
#include "support/screenshots.h"
#include "view/help_topic.h"
#include "widgets/elided_label.h"
#include "widgets/text_view.h"

namespace tessla {
namespace {

using test::CensusFixture;
using test::CensusRow;
using test::TempDir;

namespace fs = std::filesystem;

std::vector<CensusRow> fewPersons() {
    return {{{"POSTID", "A-1"},
             {"FNAMN", "Karl"},
             {"ENAMN", "Lind"},
             {"FODAR", "1842"},
             {"HEMFO", "Alunda (Uppsala län);Uppland"}},
            {{"POSTID", "A-2"},
             {"FNAMN", "Anna"},
             {"ENAMN", "Berg"},
             {"FODAR", "1845"},
             {"HEMFO", "Alunda (Uppsala län);Uppland"}}};
}

// Help texts of our own: about texts in both languages, topics linking to each other by "HJ" and
// "TX" keys, and a link out of the help.
class OwnHelpTexts {
  public:
    OwnHelpTexts() {
        write("HJ022", "Tessla\n\nOm programmet. Se [MHJ030]listan[\\M].");
        write("HJ022e", "About Tessla\n\nAbout the program. See [MHJ030e]the list[\\M].");
        write("HJ030", "Listan\n\nTillbaka till [MHJ022]Tessla[\\M] eller [MTX001]ordlistan[\\M].");
        write("HJ030e", "The list\n\nBack to [MHJ022e]Tessla[\\M] or to [Mhttp://example.org/]the web[\\M].");
        write("TX001", "Ordlista\n\nOrden.");
        std::string lines;
        for (int line = 1; line <= 80; ++line) lines += "Rad " + std::to_string(line) + "\n";
        write("HJ040", "Lång text\n\n" + lines);
    }
    std::string path() const { return dir_.path(); }

  private:
    void write(const std::string& code, const std::string& text) {
        std::ofstream(dir_.path() + code + ".txt", std::ios::binary) << text;
    }
    TempDir dir_;
};

class HelpWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        texts_ = new OwnHelpTexts;
        census_ = new CensusFixture(fewPersons(), texts_->path());
    }
    static void TearDownTestSuite() {
        delete census_;
        delete texts_;
    }
    void SetUp() override {
        ASSERT_TRUE(program_.openDatabase(census_->iniPath()));
        owner_.resize(800, 600);
        owner_.show();
    }

    // Shows `key` and runs `look` while the window is up, then closes it with Escape unless `look`
    // closed it. Returns the window's result.
    int whileShown(std::string_view key, const std::function<void()>& look) {
        QTimer::singleShot(0, &help_, [&] {
            look();
            if (help_.isVisible()) QTest::keyClick(&help_, Qt::Key_Escape);
        });
        return help_.showTopic(key, owner_);
    }
    QString title() { return test::child<ElidedLabel>(help_, "rubriklabel").fullText(); }
    TSPdyntex& texten() { return test::child<TSPdyntex>(help_, "texten"); }
    void clickLink(const std::string& target) {
        TSPdyntex& view = texten();
        view.grab();  // links are found where they were drawn
        for (const Tkodtextp& run : view.kodtxt().runs()) {
            if (!run.link || view.kodtxt().links()[static_cast<std::size_t>(run.linkIndex)].target != target)
                continue;
            const QPoint at((run.rect.left + run.rect.right) / 2, (run.rect.top + run.rect.bottom) / 2);
            QTest::mouseClick(&view, Qt::LeftButton, {}, at);
            return;
        }
        ADD_FAILURE() << "no link to " << target;
    }

    static OwnHelpTexts* texts_;
    static CensusFixture* census_;
    Program program_;
    QWidget owner_;
    Ttextform help_{program_, &owner_};
};

OwnHelpTexts* HelpWindowTest::texts_ = nullptr;
CensusFixture* HelpWindowTest::census_ = nullptr;

// Sets the modification time of `path` to noon of a local calendar day.
void setFileDay(const std::string& path, int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&noon));
    fs::last_write_time(path, fs::file_time_type::clock::from_sys(when));
}

TEST_F(HelpWindowTest, AboutTitlesCarryTheVersionAndTheDateOfTheResidenceParishList) {
    const std::string dated = databaseDateFile(program_.database());
    ASSERT_TRUE(fs::exists(dated)) << dated;
    setFileDay(dated, 2024, 3, 7);
    const QString version = QString::fromLatin1(kProgramVersion.data(), kProgramVersion.size());
    EXPECT_EQ(version, "1.02");

    whileShown("HJ022", [&] {
        EXPECT_EQ(title(), "Tessla (ver " + version + ", databasdatum 2024-03-07)");
        EXPECT_EQ(help_.windowTitle(), QString::fromUtf8("Tessla, hjälp"));
        EXPECT_EQ(test::child<QWidget>(help_, "slutknapp").toolTip(), QString::fromUtf8("Stäng"));
    });
    EXPECT_EQ(program_.helpTopic, "HJ022");

    program_.setLanguage(Language::English);
    whileShown("HJ022", [&] {
        EXPECT_EQ(title(), "About Tessla (ver " + version + ", database 03/07/2024)");
        EXPECT_TRUE(texten().plainText().startsWith("About the program."))
            << texten().plainText().toStdString();
        EXPECT_EQ(help_.windowTitle(), "Tessla, Help");
        EXPECT_EQ(test::child<QWidget>(help_, "slutknapp").toolTip(), "Close");
    });
    EXPECT_EQ(program_.helpTopic, "HJ022e") << "English texts are stored under the key and \"e\"";
}

TEST_F(HelpWindowTest, LinksToTopicsStayInTheWindowAndOtherLinksCloseItWithOne) {
    program_.setLanguage(Language::English);
    const int result = whileShown("HJ022", [&] {
        clickLink("HJ030e");
        EXPECT_TRUE(help_.isVisible());
        EXPECT_EQ(program_.helpTopic, "HJ030e") << "the link names the topic exactly: no second \"e\"";
        EXPECT_EQ(title(), "The list");
        clickLink("http://example.org/");
        EXPECT_FALSE(help_.isVisible());
    });
    EXPECT_EQ(result, 1);

    program_.setLanguage(Language::Swedish);
    const int closed = whileShown("HJ030", [&] {
        clickLink("TX001");
        EXPECT_EQ(title(), "Ordlista");
        EXPECT_TRUE(texten().plainText().startsWith("Orden.")) << texten().plainText().toStdString();
        QTest::mouseClick(&texten(), Qt::LeftButton, {}, QPoint(2, texten().height() - 2));
        EXPECT_TRUE(help_.isVisible()) << "a click beside every link does nothing";
    });
    EXPECT_EQ(closed, 2) << "Escape closes with Cancel";
}

TEST_F(HelpWindowTest, AMissingTopicSaysSoInEachLanguageAndTheCloseButtonCloses) {
    whileShown("HJ022", [] {});
    program_.setLanguage(Language::English);
    whileShown("HJ099", [&] {
        EXPECT_EQ(title(), "Help text missing");
        EXPECT_NE(texten().plainText().indexOf("This database has no help text HJ099e."), -1)
            << texten().plainText().toStdString();
    });
    program_.setLanguage(Language::Swedish);
    const int result = whileShown("HJ099", [&] {
        EXPECT_EQ(title(), "Hjälptext saknas");
        EXPECT_NE(texten().plainText().indexOf("Den här databasen har ingen hjälptext HJ099."), -1);
        EXPECT_FALSE(test::child<Tspecscr>(help_, "vistextscr").isVisible());
        QWidget* close = &test::child<QWidget>(help_, "slutknapp");
        QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        EXPECT_FALSE(help_.isVisible());
    });
    EXPECT_EQ(result, 2);
}

TEST_F(HelpWindowTest, TheScrollBarShowsOnlyForATextHigherThanTheView) {
    whileShown("HJ040", [&] {
        Tspecscr& bar = test::child<Tspecscr>(help_, "vistextscr");
        ASSERT_TRUE(bar.isVisible());
        EXPECT_EQ(bar.max(), texten().contentHeight() - texten().height() + 1);
        EXPECT_EQ(bar.position(), 1);
        bar.setPosition(41);
        EXPECT_EQ(texten().verticalOffset(), 40);
    });
    whileShown("HJ030", [&] { EXPECT_FALSE(test::child<Tspecscr>(help_, "vistextscr").isVisible()); });
}

TEST_F(HelpWindowTest, WithoutTheDatedFileTheAboutTitleHasNoDate) {
    const std::string dated = databaseDateFile(program_.database());
    fs::rename(dated, dated + ".away");
    whileShown("HJ022", [&] { EXPECT_EQ(title(), "Tessla (ver 1.02)"); });
    fs::rename(dated + ".away", dated);
}

// The program's own help texts, shown as the user sees them: the about text, a topic with links
// and a table, in both languages, at one and two device pixels a pixel.
TEST(HelpWindowScreenshotTest, Screenshot) {
    CensusFixture census(fewPersons());
    Program program;
    ASSERT_TRUE(program.openDatabase(census.iniPath()));
    QWidget owner;
    owner.resize(800, 600);
    owner.show();
    Ttextform help(program, &owner);
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/help");
    QDir().mkpath(shots);
    for (const Language language : {Language::Swedish, Language::English}) {
        program.setLanguage(language);
        for (const char* topic : {"HJ022", "HJ023", "HJ001"}) {
            QTimer::singleShot(0, &help, [&] {
                EXPECT_FALSE(test::child<ElidedLabel>(help, "rubriklabel").text().isEmpty()) << topic;
                if (std::string_view(topic) == "HJ001") {
                    // The second link focused from the keyboard, as a keyboard user sees it.
                    QApplication::setActiveWindow(&help);
                    auto* texten = &test::child<TSPdyntex>(help, "texten");
                    texten->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(texten, Qt::Key_Tab);
                }
                test::saveShots(help, shots,
                                QStringLiteral("%1_%2").arg(topic, inLanguage(language, "sv", "en")));
                help.reject();
            });
            help.showTopic(topic, owner);
        }
    }
}

}  // namespace
}  // namespace tessla
