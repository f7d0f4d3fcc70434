// Every window of the program as a screen reader hears it, in both languages: each shown control
// has a role and, but for the panels that only hold controls, a name; every field is named by the
// label beside it; the window is named by its title.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "household_census.h"
#include "program/program.h"
#include "support/accessible_tree.h"
#include "support/child.h"
#include "view/reading_order.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"
#include "windows/main_window.h"
#include "windows/search_window.h"
#include "windows/statistics_window.h"
#include "windows/window_controls.h"

namespace tessla {
namespace {

// The text of the label a screen reader reads with `field`: the label it is related to.
QString labelOf(QWidget& field) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&field);
    const auto labels = node->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

class EveryWindowHeardTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::householdCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }
    void SetUp() override {
        program_.setMessagePresenter([](const QString&) {});
        ASSERT_TRUE(program_.openDatabase(census_->iniPath()));
        owner_.resize(1000, 800);
        owner_.show();
    }

    // Walks `window` once it shows modally through `open`, then closes it with Escape; returns what
    // was heard, with the faults added to `faults`.
    std::map<QString, test::Heard> hear(QWidget& window, const std::function<void()>& open,
                                        std::vector<std::string>& faults) {
        std::map<QString, test::Heard> heard;
        QTimer::singleShot(0, &window, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &window);
            heard = test::listenTo(window, faults);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        open();
        return heard;
    }

    static test::CensusFixture* census_;
    Program program_;
    QWidget owner_;
    Ttextform help_{program_, &owner_};
    Tsoktabform picker_{program_, help_, &owner_};
    Tsok_form search_{program_, picker_, help_, &owner_};
    Tsokbarn_form childSearch_{program_, picker_, help_, &owner_};
    Tstatform statistics_{program_, help_, &owner_};
};

test::CensusFixture* EveryWindowHeardTest::census_ = nullptr;

TEST_F(EveryWindowHeardTest, EveryControlHasARoleAndANameAndFieldsAreNamedByTheirLabels) {
    program_.database().tessllista().vald().fyllalla();
    statistics_.markOutOfDate();
    const struct {
        const char* what;
        QWidget* window;
        std::function<void()> open;
        Bilingual<const char*> title;
        std::vector<std::pair<const char*, Bilingual<const char*>>> fields;  // object, name
    } windows[] = {
        {"person search",
         &search_,
         [this] { showModal(search_, owner_); },
         {"Tessla, sök", "Tessla, Search"},
         {{"enedit", {"Efternamn", "Last name"}}, {"fodedit", {"Födelseår", "Year of birth"}}}},
        {"child search",
         &childSearch_,
         [this] { showModal(childSearch_, owner_); },
         {"Tessla, sök barn", "Tessla, Child search"},
         {{"farenedit", {"Far, efternamn", "Father, last name"}},
          {"syskonfnedit", {"Syskon, förnamn", "Sibling, first name"}}}},
        {"picker",
         &picker_,
         [this] {
             picker_.pick({15, {"Boendeort, församling", "Parish of residence"}, {"", ""}, true, "HJ008"},
                          owner_);
         },
         {"Tessla, söklista", "Tessla, Search list"},
         {{"snabbsokedit", {"Snabbsök i listan", "Quick find ..."}}}},
        {"statistics",
         &statistics_,
         [this] { showModal(statistics_, owner_); },
         {"Tessla, statistik", "Tessla, statistik"},
         {{"rcb", {"Räkna:", "Räkna:"}}, {"sortcb", {"Sortera på:", "Sortera på:"}}}},
        {"help", &help_, [this] { help_.showTopic("HJ001", owner_); }, {"Tessla, hjälp", "Tessla, Help"}, {}},
    };
    for (const Language language : {Language::Swedish, Language::English}) {
        program_.setLanguage(language);
        for (const auto& w : windows) {
            std::vector<std::string> faults;
            const auto heard = hear(*w.window, w.open, faults);
            const std::string where =
                std::string(w.what) + inLanguage(language, " in Swedish", " in English").toStdString();
            for (const std::string& fault : faults) ADD_FAILURE() << where << ": " << fault;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(w.window)->text(QAccessible::Name),
                      QString::fromUtf8(inLanguage(language, w.title)))
                << where;
            for (const auto& [object, name] : w.fields) {
                ASSERT_TRUE(heard.contains(QString::fromLatin1(object))) << where << ": " << object;
                EXPECT_EQ(labelOf(test::child<QWidget>(*w.window, object)),
                          QString::fromUtf8(inLanguage(language, name)))
                    << where << ": " << object;
            }
        }
    }
}

// The controls of `window` that the Tab key reaches, in reading order.
std::vector<QWidget*> controlsInReadingOrder(QWidget& window) {
    std::vector<QWidget*> controls;
    std::vector<LayoutRect> rects;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) == 0 || control->focusProxy() != nullptr ||
            control->window() != &window || !control->isVisible() || !control->isEnabled())
            continue;
        controls.push_back(control);
        const QPoint at = control->mapTo(&window, QPoint(0, 0));
        rects.push_back({at.x(), at.y(), control->width(), control->height()});
    }
    std::vector<QWidget*> ordered;
    for (const std::size_t i : readingOrder(rects)) ordered.push_back(controls[i]);
    return ordered;
}

// Tab from the first control of `window` (shown and active) goes through every control in reading
// order and back round to the first, Shift+Tab the other way. A text view with links keeps the Tab
// key while it walks them.
void tabThrough(QWidget& window) {
    const std::vector<QWidget*> order = controlsInReadingOrder(window);
    QApplication::setActiveWindow(&window);
    ASSERT_FALSE(order.empty()) << window.objectName().toStdString();
    order.front()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), order.front()) << window.objectName().toStdString();
    for (const bool back : {false, true}) {
        for (std::size_t step = 1; step <= order.size(); ++step) {
            QWidget* from = QApplication::focusWidget();
            for (int press = 0; press < 50 && QApplication::focusWidget() == from; ++press)
                QTest::keyClick(from, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            const std::size_t expected = back ? (order.size() - step) % order.size() : step % order.size();
            ASSERT_EQ(QApplication::focusWidget(), order[expected])
                << window.objectName().toStdString() << (back ? " back" : "") << " step " << step << ": "
                << QApplication::focusWidget()->objectName().toStdString() << " instead of "
                << order[expected]->objectName().toStdString();
        }
    }
}

// Without a mouse: Tab goes through every control of a window in reading order and back round to
// the first, Shift+Tab the other way; no control keeps the Tab key for itself.
TEST_F(EveryWindowHeardTest, TabGoesThroughEveryWindowInReadingOrder) {
    program_.database().tessllista().vald().fyllalla();
    statistics_.markOutOfDate();
    const std::pair<QWidget*, std::function<void()>> windows[] = {
        {&search_, [this] { showModal(search_, owner_); }},
        {&childSearch_, [this] { showModal(childSearch_, owner_); }},
        {&picker_,
         [this] {
             picker_.pick({2, {"Förnamn", "First name"}, {"", ""}, false, "HJ005"}, owner_);
         }},
        {&statistics_, [this] { showModal(statistics_, owner_); }},
        {&help_, [this] { help_.showTopic("HJ001", owner_); }},
    };
    for (const Language language : {Language::Swedish, Language::English}) {
        program_.setLanguage(language);
        for (const auto& [window, open] : windows) {
            QTimer::singleShot(0, window, [window = window] {
                tabThrough(*window);
                QTest::keyClick(window, Qt::Key_Escape);
            });
            open();
        }
    }
    Tmain_form main(program_);
    main.show();
    main.setWindowState(Qt::WindowNoState);
    for (const Language language : {Language::Swedish, Language::English}) {
        program_.setLanguage(language);
        QCoreApplication::processEvents();
        tabThrough(main);
    }
}

}  // namespace
}  // namespace tessla
