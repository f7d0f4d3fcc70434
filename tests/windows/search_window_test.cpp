#include "windows/search_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>

#include "household_census.h"
#include "program/program.h"
#include "search/search_census.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "support/accessible_tree.h"
#include "support/child.h"
#include "support/screenshots.h"
#include "test_text.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"

namespace tessla {
namespace {

using test::resultNames;
using test::searchCensus;
using test::w;
using ::testing::UnorderedElementsAre;
using ::testing::UnorderedElementsAreArray;
using enum PlaceKind;

// The picker's table while it shows, driven as the user drives it.
class PickerHand {
  public:
    explicit PickerHand(Tsoktabform& picker)
        : picker_(picker), grid_(test::child<TSPtab>(picker, "soktab")) {}

    // The table row showing `text` (UTF-8) in its first column, blanks around it aside; -1 when none.
    std::int32_t rowOf(const char* text) const {
        for (std::int32_t row = 0; row < grid_.rowCount(); ++row)
            if (grid_.shownText(row, 0).trimmed() == QString::fromUtf8(text)) return row;
        return -1;
    }
    QPoint centreOf(const char* text) {
        const std::int32_t row = rowOf(text);
        EXPECT_GE(row, 0) << text;
        grid_.setTopRow(row);
        return grid_.cellRect(row, 0).center();
    }
    // Marks or unmarks the row with the right button.
    void mark(const char* text) {
        const QPoint at = centreOf(text);
        QTest::mousePress(&grid_, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(&grid_, Qt::RightButton, Qt::NoModifier, at);
    }
    // Opens or closes a parish or country of a tree.
    void open(const char* text) {
        QTest::mouseDClick(&grid_, Qt::LeftButton, Qt::NoModifier, centreOf(text));
    }
    void accept() { QTest::keyClick(&picker_, Qt::Key_Return); }
    void escape() { QTest::keyClick(&picker_, Qt::Key_Escape); }
    TSPtab& grid() { return grid_; }

  private:
    Tsoktabform& picker_;
    TSPtab& grid_;
};

class SearchWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_ = std::make_unique<Program>();
        program_->setMessagePresenter([](const QString&) {});
        ASSERT_TRUE(program_->openDatabase(searchCensus().iniPath()));
        help_ = std::make_unique<Ttextform>(*program_);
        picker_ = std::make_unique<Tsoktabform>(*program_, *help_);
        person_ = std::make_unique<Tsok_form>(*program_, *picker_, *help_);
        child_ = std::make_unique<Tsokbarn_form>(*program_, *picker_, *help_);
    }
    void TearDown() override {
        child_.reset();
        person_.reset();
        picker_.reset();
        help_.reset();
        program_.reset();
    }

    Database& db() { return program_->database(); }
    static QLineEdit& edit(QWidget& window, const char* stem) {
        return test::child<QLineEdit>(window, QString::fromLatin1(stem) + "edit");
    }
    static TSPknapp& button(QWidget& window, const char* name) { return test::child<TSPknapp>(window, name); }

    // Shows `window` modally and runs `act` in it; returns how it closed (1 OK, 2 Cancel).
    static int showing(SearchWindow& window, const std::function<void()>& act) {
        QTimer::singleShot(0, &window, [&window, act] {
            act();
            if (window.isVisible()) window.reject();  // `act` left it open: the test fails below
        });
        return window.exec() == QDialog::Accepted ? 1 : 2;
    }
    // Presses the list button `name` of `window` (with `press`, by default a click) and answers
    // the picker with `act` once it shows.
    void pickWith(
        QWidget& window, const char* name, const std::function<void(PickerHand&)>& act,
        const std::function<void(TSPknapp&)>& press = [](TSPknapp& list) { list.click(); }) {
        auto* probe = new QTimer(&window);
        QObject::connect(probe, &QTimer::timeout, probe, [this, probe, act] {
            if (QApplication::activeModalWidget() != picker_.get()) return;
            probe->deleteLater();
            probe->stop();
            PickerHand hand(*picker_);
            act(hand);
        });
        probe->start(0);
        press(button(window, name));
        ASSERT_FALSE(picker_->isVisible());
    }
    static void typeInto(QLineEdit& field, const char* utf8) {
        field.setFocus();
        field.selectAll();
        // Key by key, as typed; a letter beyond ASCII comes with its text only.
        for (const QChar c : QString::fromUtf8(utf8)) {
            if (c.unicode() < 0x80)
                QTest::keyClick(&field, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    std::unique_ptr<Program> program_;
    std::unique_ptr<Ttextform> help_;
    std::unique_ptr<Tsoktabform> picker_;
    std::unique_ptr<Tsok_form> person_;
    std::unique_ptr<Tsokbarn_form> child_;
};

// ---- typed patterns --------------------------------------------------------------------------------

struct PatternCase {
    const char* stem;
    Criterion PersonSearch::*criterion;
    const char* text;  // UTF-8
    PlaceKind kind = Parish;
    const char* kindButton = nullptr;
};

TEST_F(SearchWindowTest, EveryPatternKindFindsWhatTheCoreFinds) {
    const std::vector<PatternCase> cases = {
        {"en", &PersonSearch::lastName, "Andersson"},      // beginning
        {"en", &PersonSearch::lastName, "\"Andersson\""},  // exact
        {"en", &PersonSearch::lastName, "*lund"},          // ending
        {"en", &PersonSearch::lastName, "*ers*"},          // containing
        {"en", &PersonSearch::lastName, "And*son"},        // beginning and ending
        {"en", &PersonSearch::lastName, "Ek;Öst"},         // alternatives
        {"en", &PersonSearch::lastName, "Éklund"},         // accents count in last names
        {"fn", &PersonSearch::firstNames, "Anna Maria"},   // all the names
        {"fn", &PersonSearch::firstNames, "Anna;Maria"},   // either
        {"yrke", &PersonSearch::occupation, "Bonde;Piga"},
        {"fod", &PersonSearch::year, "1880"},
        {"fod", &PersonSearch::year, "1880-1885"},
        {"fod", &PersonSearch::year, "1885-1880"},
        {"foo", &PersonSearch::birthPlace, "Eda"},  // parish, accents folded
        {"foo", &PersonSearch::birthPlace, "Värmlands", County, "folenknapp"},
        {"foo", &PersonSearch::birthPlace, "Östergötland", Province, "folandskapknapp"},
        {"foo", &PersonSearch::birthPlace, "Norge", Country, "fonationknapp"},
        {"boo", &PersonSearch::residence, "Ovanåker"},
        {"boo", &PersonSearch::residence, "Hälsingland", Province, "bolandskapknapp"},
        {"boo", &PersonSearch::residence, "Uppsala", County, "bolenknapp"},
    };
    Database& core = searchCensus().db();
    for (const PatternCase& c : cases) {
        PersonSearch expected;
        expected.*c.criterion = {w(c.text), false, c.kind};
        const std::optional<std::int32_t> coreCount = dosokning(core, expected, nullptr);
        ASSERT_TRUE(coreCount);
        // Each case finds some persons but not all, so a field the window ignored would show.
        EXPECT_GT(*coreCount, 0) << c.text;
        EXPECT_LT(*coreCount, core.tessllista().rowCount()) << c.text;
        const std::vector<std::string> coreNames = resultNames(core);

        person_->rensa();
        const int closed = showing(*person_, [&] {
            if (c.kindButton != nullptr) button(*person_, c.kindButton).click();
            typeInto(edit(*person_, c.stem), c.text);
            QTest::keyClick(&edit(*person_, c.stem), Qt::Key_Return);
        });
        EXPECT_EQ(closed, 1) << c.text;
        EXPECT_TRUE(person_->changedResult());
        // The hourglass and the disabled window last only while the search runs.
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(person_->isEnabled());
        EXPECT_EQ(db().tessllista().vald().count(), *coreCount) << c.text;
        EXPECT_THAT(resultNames(db()), UnorderedElementsAreArray(coreNames)) << c.text;
    }
}

// ---- list mode ---------------------------------------------------------------------------------------

TEST_F(SearchWindowTest, PicksFromAFlatListAreTheCriterion) {
    QLineEdit& lastName = edit(*person_, "en");
    const int closed = showing(*person_, [&] {
        pickWith(*person_, "enlistknapp", [](PickerHand& picker) {
            picker.mark("Öst");
            picker.mark("Ek");
            picker.accept();
        });
        EXPECT_EQ(lastName.text(), QString::fromUtf8("Ek;Öst"));
        EXPECT_FALSE(lastName.isEnabled());
        EXPECT_TRUE(lastName.font().italic());
        EXPECT_TRUE(button(*person_, "enlistknapp").down());
        EXPECT_FALSE(button(*person_, "enabcknapp").down());
        QTest::keyClick(person_.get(), Qt::Key_Return);
    });
    EXPECT_EQ(closed, 1);
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Ek, Maria", "Öst, Anna"));
}

// A mended fault: Enter after a pick did not search. The field, disabled for its picks while it
// had the focus, handed the focus to its own type button, which took Enter as a press and switched
// the field back to typing; a list button pressed from the keyboard got the focus back when the
// list closed, and Enter opened the list again. The focus goes on to the next field that takes
// typing, else to the search button.
TEST_F(SearchWindowTest, EnterAfterAPickSearchesWithThePicks) {
    struct Case {
        SearchWindow* window;
        const char* stem;
        bool fromKeyboard;
        const char* pick;
        const char* focusAfter;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {person_.get(), "en", false, "Ek", "fnedit", {"Ek, Maria"}},
        {child_.get(), "syskonfn", true, "Erik", "soekknapp", {"Andersson, Anna", "Andersson, Stina"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stem);
        const std::string list = std::string(c.stem) + "listknapp";
        const int closed = showing(*c.window, [&] {
            edit(*c.window, c.stem).setFocus();
            const auto press = [&](TSPknapp& button) {
                if (!c.fromKeyboard) return button.click();
                button.setFocus();
                QTest::keyClick(&button, Qt::Key_Space);
            };
            pickWith(
                *c.window, list.c_str(),
                [&](PickerHand& picker) {
                    picker.mark(c.pick);
                    picker.accept();
                },
                press);
            QWidget* focused = c.window->focusWidget();
            ASSERT_NE(focused, nullptr);
            EXPECT_EQ(focused->objectName().toStdString(), c.focusAfter);
            QTest::keyClick(focused, Qt::Key_Return);
        });
        EXPECT_EQ(closed, 1);
        EXPECT_THAT(resultNames(db()), UnorderedElementsAreArray(c.found));
        c.window->rensa();
    }
}

TEST_F(SearchWindowTest, PicksFromATreeFindAPlaceInsideAParish) {
    const int closed = showing(*person_, [&] {
        pickWith(*person_, "boolistknapp", [](PickerHand& picker) {
            // Every parish shows at the first opening, picked or not.
            EXPECT_GE(picker.rowOf("Alunda (Uppsala län)"), 0);
            EXPECT_GE(picker.rowOf("Eda (Värmlands län)"), 0);
            picker.open("Alunda (Uppsala län)");
            picker.mark("Söderby");
            picker.accept();
        });
        EXPECT_EQ(edit(*person_, "boo").text(), QString::fromUtf8("Alunda (Uppsala län)"));
        QTest::keyClick(person_.get(), Qt::Key_Return);
    });
    EXPECT_EQ(closed, 1);
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Anderberg, Karin"));

    // The whole parish, and a country's place through the birth place's country tree.
    showing(*person_, [&] {
        pickWith(*person_, "boolistknapp", [](PickerHand& picker) {
            picker.mark("Söderby");
            picker.mark("Ovanåker (Gävleborgs län)");
            picker.accept();
        });
        button(*person_, "fonationknapp").click();
        pickWith(*person_, "foolistknapp", [](PickerHand& picker) {
            picker.open("Norge");
            picker.mark("Kristiania");
            picker.accept();
        });
        QTest::keyClick(person_.get(), Qt::Key_Return);
    });
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Ek, Maria"));
}

TEST_F(SearchWindowTest, AnotherPlaceKindShowsItsOwnListsPicks) {
    QLineEdit& birth = edit(*person_, "foo");
    showing(*person_, [&] {
        pickWith(*person_, "foolistknapp", [](PickerHand& picker) {
            picker.mark("Eda (Värmlands län)");
            picker.accept();
        });
        EXPECT_EQ(birth.text(), QString::fromUtf8("Eda (Värmlands län)"));
        button(*person_, "folenknapp").click();
        EXPECT_EQ(birth.text(), "");  // nothing picked among the counties
        EXPECT_TRUE(button(*person_, "folenknapp").down());
        EXPECT_FALSE(button(*person_, "foforsknapp").down());
        pickWith(*person_, "foolistknapp", [](PickerHand& picker) {
            picker.mark("Gävleborgs län");
            picker.accept();
        });
        EXPECT_EQ(birth.text(), QString::fromUtf8("Gävleborgs län"));
        button(*person_, "foforsknapp").click();
        EXPECT_EQ(birth.text(), QString::fromUtf8("Eda (Värmlands län)"));
        // The kinds are a radio group: the button down stays down.
        button(*person_, "foforsknapp").click();
        EXPECT_TRUE(button(*person_, "foforsknapp").down());
        QTest::keyClick(person_.get(), Qt::Key_Return);
    });
    EXPECT_THAT(resultNames(db()),
                UnorderedElementsAre("Persson, Anna Maria", "Andersén, Stina", "Eklund, Per"));
}

// A mended fault: the typed text was lost when the picker was opened again from list mode.
TEST_F(SearchWindowTest, TypingAgainRestoresTheTypedText) {
    QLineEdit& lastName = edit(*person_, "en");
    showing(*person_, [&] {
        typeInto(lastName, "Ander");
        pickWith(*person_, "enlistknapp", [](PickerHand& picker) {
            picker.mark("Ek");
            picker.accept();
        });
        pickWith(*person_, "enlistknapp", [](PickerHand& picker) { picker.accept(); });
        EXPECT_EQ(lastName.text(), "Ek");
        button(*person_, "enabcknapp").click();
        EXPECT_EQ(lastName.text(), "Ander");
        EXPECT_TRUE(lastName.isEnabled());
        EXPECT_FALSE(lastName.font().italic());
        EXPECT_EQ(person_->focusWidget(), &lastName);
        EXPECT_TRUE(button(*person_, "enabcknapp").down());
        EXPECT_FALSE(button(*person_, "enlistknapp").down());
        QTest::keyClick(&lastName, Qt::Key_Return);
    });
    // The picks stay in the list, unused.
    EXPECT_EQ(db().tessls(1).vald().count(), 1);
    EXPECT_THAT(resultNames(db()),
                UnorderedElementsAre("Anderberg, Karin", "Andersson, Anna", "Andersson, Erik",
                                     "Andersson, Per Olof", "Andersson, Stina", "Andersén, Stina"));
}

// A decision: marks made before Escape count, and the field shows them, so that the field's text
// and the criterion agree.
TEST_F(SearchWindowTest, EscapeInThePickerKeepsTheMarksAndShowsThem) {
    QLineEdit& firstNames = edit(*person_, "fn");
    showing(*person_, [&] {
        pickWith(*person_, "fnlistknapp", [](PickerHand& picker) {
            picker.mark("Nils");
            picker.escape();
        });
        EXPECT_EQ(firstNames.text(), "Nils");
        QTest::keyClick(person_.get(), Qt::Key_Return);
    });
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Ost, Nils"));
}

// ---- clearing, cancelling, the empty search -------------------------------------------------------

TEST_F(SearchWindowTest, RensaClearsEachWindowsOwnLists) {
    showing(*person_, [&] {
        typeInto(edit(*person_, "fod"), "1880");
        button(*person_, "bolenknapp").click();
        button(*person_, "boforsknapp").click();
        pickWith(*person_, "boolistknapp", [](PickerHand& picker) {
            picker.open("Alunda (Uppsala län)");
            picker.mark("Norrby");
            picker.accept();
        });
        pickWith(*person_, "enlistknapp", [](PickerHand& picker) {
            picker.mark("Ek");
            picker.accept();
        });
        person_->reject();
    });
    showing(*child_, [&] {
        pickWith(*child_, "barnfnlistknapp", [](PickerHand& picker) {
            picker.mark("Maria");
            picker.accept();
        });
        button(*child_, "farfolenknapp").click();
        typeInto(edit(*child_, "syskonfn"), "Stina");
        // The child search's clear button clears its own fields and lists only.
        button(*child_, "rensaknapp").click();
        EXPECT_EQ(child_->focusWidget(), &edit(*child_, "barnfn"));
        child_->reject();
    });
    EXPECT_EQ(db().tessls(6).vald().count(), 0);
    EXPECT_EQ(edit(*child_, "barnfn").text(), "");
    EXPECT_TRUE(edit(*child_, "barnfn").isEnabled());
    EXPECT_EQ(edit(*child_, "syskonfn").text(), "");
    EXPECT_TRUE(button(*child_, "farfoforsknapp").down());
    EXPECT_FALSE(button(*child_, "farfolenknapp").down());
    EXPECT_EQ(db().tessls(1).vald().count(), 1);
    EXPECT_EQ(db().tessls(15).vald().count(), 1);
    EXPECT_GT(db().tessls(15).expanderad().count(), 0);
    EXPECT_EQ(edit(*person_, "fod").text(), "1880");

    // The main window's clear button: the person search is cleared while hidden, and its first
    // field has the focus when it shows.
    const std::int32_t opened = db().tessls(15).visibleCount();
    person_->rensa();
    person_->askFocus();
    EXPECT_EQ(db().tessls(1).vald().count(), 0);
    EXPECT_EQ(db().tessls(15).vald().count(), 0);
    EXPECT_EQ(db().tessls(15).expanderad().count(), 0);  // the opened parish is closed
    EXPECT_LT(db().tessls(15).visibleCount(), opened);
    EXPECT_EQ(program_->pickerPositions.of(15).top, 0);
    EXPECT_EQ(edit(*person_, "fod").text(), "");
    EXPECT_EQ(edit(*person_, "en").text(), "");
    EXPECT_TRUE(edit(*person_, "en").isEnabled());
    showing(*person_, [&] {
        EXPECT_EQ(person_->focusWidget(), &edit(*person_, "en"));
        EXPECT_TRUE(button(*person_, "boforsknapp").down());
        person_->reject();
    });
}

TEST_F(SearchWindowTest, AnEmptySearchEmptiesTheResultAndSaysSo) {
    db().tessllista().vald().fyllalla();
    const int closed = showing(*person_, [&] {
        typeInto(edit(*person_, "fn"), "   ");
        QTest::keyClick(&edit(*person_, "fn"), Qt::Key_Return);
    });
    EXPECT_EQ(closed, 2);
    EXPECT_TRUE(person_->changedResult());
    EXPECT_EQ(db().tessllista().vald().count(), 0);
}

TEST_F(SearchWindowTest, EscapeLeavesTheResultAsItWas) {
    Tspsmalurval& result = db().tessllista().vald();
    result.tomma();
    result.satt(3, true);
    for (const auto key : {Qt::Key_Escape}) {
        const int closed = showing(*person_, [&] {
            typeInto(edit(*person_, "en"), "Ek");
            QTest::keyClick(&edit(*person_, "en"), key);
        });
        EXPECT_EQ(closed, 2);
        EXPECT_FALSE(person_->changedResult());
        EXPECT_EQ(result.count(), 1);
        EXPECT_TRUE(result.testa(3));
    }
    // The close button cancels too, after a search had changed the result in an earlier showing.
    showing(*person_, [&] { QTest::keyClick(&edit(*person_, "en"), Qt::Key_Return); });
    EXPECT_TRUE(person_->changedResult());
    const std::int32_t found = result.count();
    EXPECT_EQ(showing(*person_, [&] { button(*person_, "stangknapp").click(); }), 2);
    EXPECT_FALSE(person_->changedResult());
    EXPECT_EQ(result.count(), found);
}

// ---- the child search --------------------------------------------------------------------------------

TEST_F(SearchWindowTest, ChildSearchByFathersOccupationAndBySiblingAndYear) {
    EXPECT_EQ(showing(*child_,
                      [&] {
                          typeInto(edit(*child_, "faryrke"), "Soldat");
                          QTest::keyClick(&edit(*child_, "faryrke"), Qt::Key_Return);
                      }),
              1);
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Éklund, Olof", "Éklund, Maria"));

    child_->rensa();
    showing(*child_, [&] {
        typeInto(edit(*child_, "syskonfn"), "Stina");
        typeInto(edit(*child_, "barnfod"), "1880");
        QTest::keyClick(&edit(*child_, "barnfod"), Qt::Key_Return);
    });
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Andersson, Anna"));

    // The father's occupation picked from its list, with the child's residence typed by county.
    child_->rensa();
    showing(*child_, [&] {
        pickWith(*child_, "faryrkelistknapp", [](PickerHand& picker) {
            picker.mark("Bonde");
            picker.mark("Dräng");
            picker.accept();
        });
        button(*child_, "barnbolenknapp").click();
        typeInto(edit(*child_, "barnboo"), "Värmlands");
        QTest::keyClick(child_.get(), Qt::Key_Return);
    });
    EXPECT_THAT(resultNames(db()), UnorderedElementsAre("Eklund, Per"));
}

// ---- language ----------------------------------------------------------------------------------------

TEST_F(SearchWindowTest, HiddenWindowsFollowTheLanguage) {
    // Each window has its size before it first shows, so that the main window can centre it, and
    // keeps it in both languages.
    const QSize personSize = person_->size();
    const QSize childSize = child_->size();
    for (const QSize size : {personSize, childSize}) {
        EXPECT_GT(size.width(), 600);
        EXPECT_GT(size.height(), 200);
    }
    EXPECT_GT(childSize.height(), personSize.height());
    EXPECT_EQ(person_->windowTitle(), QString::fromUtf8("Tessla, sök"));
    EXPECT_EQ(child_->windowTitle(), QString::fromUtf8("Tessla, sök barn"));
    program_->setLanguage(Language::English);
    EXPECT_EQ(person_->windowTitle(), "Tessla, Search");
    EXPECT_EQ(test::child<QLabel>(*person_, "enlabel").text(), "Last name");
    EXPECT_EQ(test::child<QLabel>(*person_, "boolabel").text(), "Place of residence");
    EXPECT_EQ(button(*person_, "fonationknapp").buttext(), "Country");
    EXPECT_EQ(button(*person_, "folandskapknapp").buttext(), "Province");
    EXPECT_TRUE(button(*person_, "soekknapp_e").isVisibleTo(person_.get()));
    EXPECT_FALSE(button(*person_, "soekknapp").isVisibleTo(person_.get()));
    EXPECT_TRUE(button(*person_, "rensaknapp_e").isVisibleTo(person_.get()));
    // The name fields tell how to find every spelling; the others only ask for a word.
    EXPECT_EQ(button(*person_, "enabcknapp").toolTip(),
              "Enter search word; ~ before a name finds every spelling (~Karl: Carl, Karl)");
    EXPECT_EQ(button(*person_, "yrkeabcknapp").toolTip(), "Enter search word");
    EXPECT_EQ(button(*person_, "enlistknapp").toolTip(), "Select word from list");
    EXPECT_EQ(child_->windowTitle(), "Tessla, Child search");
    EXPECT_EQ(test::child<QLabel>(*child_, "farfoolabel").text(), "Father, place of birth");
    EXPECT_EQ(button(*child_, "barnboforsknapp").buttext(), "Psh");
    EXPECT_EQ(button(*child_, "morfolenknapp").buttext(), "Cnt");
    EXPECT_EQ(person_->size(), personSize);
    EXPECT_EQ(child_->size(), childSize);

    program_->setLanguage(Language::Swedish);
    EXPECT_EQ(test::child<QLabel>(*person_, "yrkelabel").text(), "Yrke/titel");
    EXPECT_EQ(button(*person_, "foforsknapp").buttext(), w("Församling"));
    EXPECT_EQ(button(*child_, "barnboforsknapp").buttext(), "Fs/plats");
    EXPECT_EQ(button(*child_, "barnfoforsknapp").buttext(), w("Förs."));
    EXPECT_EQ(button(*child_, "barnfolandskapknapp").buttext(), "L-skap");
    EXPECT_EQ(
        button(*person_, "fnabcknapp").toolTip(),
        QString::fromUtf8("Skriv in sökord; ~ före ett namn söker alla stavningar (~Karl: Carl, Karl)"));
    EXPECT_EQ(button(*child_, "faryrkeabcknapp").toolTip(), QString::fromUtf8("Skriv in sökord"));
    EXPECT_TRUE(button(*child_, "soekknapp").isVisibleTo(child_.get()));
}

// ---- typing, help, a new database, screen readers -------------------------------------------------

// Only what the word lists can hold is typed; the special-character buttons type the rest.
TEST_F(SearchWindowTest, FieldsTakeWindows1252TextOnly) {
    program_->setLanguage(Language::English);
    QLineEdit& lastName = edit(*person_, "en");
    showing(*person_, [&] {
        typeInto(lastName, "M");
        button(*person_, "tecken_ü").click();
        QTest::sendKeyEvent(QTest::Click, &lastName, Qt::Key_unknown, QString::fromUtf8("ł"), Qt::NoModifier);
        typeInto(lastName, "Müller\u0142");
        EXPECT_EQ(lastName.text(), QString::fromUtf8("Müller"));
        QTest::keyClick(&lastName, Qt::Key_Return);
    });
    EXPECT_EQ(person_->changedResult(), true);
    EXPECT_EQ(db().tessllista().vald().count(), 0);
}

TEST_F(SearchWindowTest, HelpShowsTheWindowsTopic) {
    for (auto [window, topic] :
         {std::pair<SearchWindow*, const char*>{person_.get(), "HJ002"}, {child_.get(), "HJ003"}}) {
        showing(*window, [&, window = window, topic = topic] {
            QTimer::singleShot(0, help_.get(), [this, topic] {
                EXPECT_EQ(QApplication::activeModalWidget(), help_.get());
                EXPECT_EQ(program_->helpTopic, topic);
                help_->reject();
            });
            button(*window, "hjelpknapp").click();
            window->reject();
        });
    }
}

// A new database has no picks: a field showing picks shows what its list holds now.
TEST_F(SearchWindowTest, ANewDatabaseEmptiesTheFieldsShowingPicks) {
    showing(*person_, [&] {
        pickWith(*person_, "enlistknapp", [](PickerHand& picker) {
            picker.mark("Ek");
            picker.accept();
        });
        person_->reject();
    });
    EXPECT_EQ(edit(*person_, "en").text(), "Ek");
    const test::CensusFixture other(test::householdCensusRows());
    ASSERT_TRUE(program_->openDatabase(other.iniPath()));
    ASSERT_EQ(db().tessls(1).vald().count(), 0);
    EXPECT_EQ(edit(*person_, "en").text(), "");
    EXPECT_TRUE(button(*person_, "enlistknapp").down());
}

// Every control shown has a role and, but for the panels, a name a screen reader says.
TEST_F(SearchWindowTest, ScreenReadersHearEveryControl) {
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        for (SearchWindow* window :
             {static_cast<SearchWindow*>(person_.get()), static_cast<SearchWindow*>(child_.get())}) {
            showing(*window, [&] {
                std::vector<std::string> faults;
                std::set<QString> heard;
                for (const auto& [object, said] : test::listenTo(*window, faults)) heard.insert(said.name);
                EXPECT_THAT(faults, ::testing::IsEmpty());
                EXPECT_TRUE(
                    heard.contains(inLanguage(language, QString::fromUtf8("Sök"), QStringLiteral("Search"))));
                if (window == person_.get())
                    EXPECT_TRUE(heard.contains(
                        inLanguage(language, QString::fromUtf8("Efternamn: Välj sökord från lista"),
                                   QStringLiteral("Last name: Select word from list"))));
                window->reject();
            });
        }
    }
}

// ---- screenshots ---------------------------------------------------------------------------------------

TEST_F(SearchWindowTest, Screenshots) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/search");
    QDir().mkpath(shots);
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        const QString suffix = inLanguage(language, "_sv", "_en");
        showing(*person_, [&] {
            typeInto(edit(*person_, "en"), "Andersson");
            typeInto(edit(*person_, "fod"), "1880-1885");
            pickWith(*person_, "boolistknapp", [](PickerHand& picker) {
                picker.mark("Alunda (Uppsala län)");
                picker.mark("Eda (Värmlands län)");
                picker.accept();
            });
            QCoreApplication::processEvents();
            test::saveShots(*person_, shots, "person_search" + suffix);
            person_->reject();
        });
        showing(*child_, [&] {
            typeInto(edit(*child_, "barnfn"), "Anna");
            typeInto(edit(*child_, "faryrke"), "Bonde");
            button(*child_, "morfonationknapp").click();
            pickWith(*child_, "morfoolistknapp", [](PickerHand& picker) {
                picker.mark("Norge");
                picker.accept();
            });
            QCoreApplication::processEvents();
            test::saveShots(*child_, shots, "child_search" + suffix);
            child_->reject();
        });
        person_->rensa();
        child_->rensa();
    }
}

}  // namespace
}  // namespace tessla
