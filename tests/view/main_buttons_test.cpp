#include "view/main_buttons.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessla {
namespace {

const MainButtonRow& row(std::string_view name) {
    for (const MainButtonRow& r : mainButtons())
        if (r.name == name) return r;
    throw std::logic_error("no main button " + std::string(name));
}

TEST(MainButtons, EachLanguagePlacesItsButtonsAndHidesTheOthers) {
    const struct {
        std::string_view name;
        Language language;
        bool englishButton;
        bool shown;
        int x;  // in a window 1000 pixels wide, when shown
    } cases[] = {
        {"sokknapp", Language::Swedish, false, true, 8},
        {"sokknapp", Language::Swedish, true, false, 8},
        {"sokknapp", Language::English, true, true, 8},
        {"statknapp", Language::Swedish, false, true, 200},
        {"statknapp", Language::English, false, false, kHidden},
        {"skrivknapp", Language::Swedish, false, true, 297},
        {"skrivknapp", Language::English, true, true, 200},
        {"omknapp", Language::English, true, true, 297},
        {"stmknapp", Language::Swedish, false, true, 502},
        {"stmknapp", Language::English, false, true, 422},
        {"arkivoknapp", Language::English, false, true, 491},
        {"avslutaknapp", Language::Swedish, false, true, 1000 - 6 - 94},
    };
    for (const auto& c : cases) {
        const MainButtonRow& r = row(c.name);
        EXPECT_EQ(mainButtonShown(r, c.language, c.englishButton, 10000), c.shown) << c.name;
        if (c.shown) EXPECT_EQ(mainButtonX(r, c.language, 1000), c.x) << c.name;
    }
}

TEST(MainButtons, PrintingAndStatisticsNeedAWindowAndPersonsOthersTheirWindowQuitNothing) {
    EXPECT_FALSE(mainButtonShown(row("skrivknapp"), Language::Swedish, false, 0));
    EXPECT_TRUE(mainButtonShown(row("sokknapp"), Language::Swedish, false, 0));
    const struct {
        std::string_view name;
        bool window;
        std::int32_t results;
        bool enabled;
    } cases[] = {
        {"skrivknapp", true, 1, true}, {"skrivknapp", true, 0, false}, {"skrivknapp", false, 5, false},
        {"sokknapp", true, 0, true},   {"sokknapp", false, 5, false},  {"stmknapp", false, 0, false},
        {"statknapp", true, 0, false}, {"statknapp", true, 3, true},   {"avslutaknapp", false, 0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mainButtonEnabled(row(c.name), c.window, c.results), c.enabled)
            << c.name << " " << c.results;
}

// What a button or a key asks for happens by the button's rule, whether the button or the key
// asked: Ctrl+P prints nothing while the print button is disabled or hidden.
TEST(MainButtons, AnActionIsCarriedOutByItsButtonsRuleAndPrintingOnlyWithAPrintLimit) {
    const struct {
        MainAction action;
        bool window;
        std::int32_t results;
        std::int32_t printLimit;
        bool allowed;
    } cases[] = {
        {MainAction::search, true, 0, 0, true},          {MainAction::search, false, 0, 100, false},
        {MainAction::childSearch, true, 0, 100, true},   {MainAction::statistics, true, 0, 100, false},
        {MainAction::statistics, true, 1, 0, true},      {MainAction::statistics, false, 5, 100, false},
        {MainAction::print, true, 1, 100, true},         {MainAction::print, true, 1, 0, false},
        {MainAction::print, true, 1, -1, false},         {MainAction::print, true, 0, 100, false},
        {MainAction::print, false, 1, 100, false},       {MainAction::help, true, 0, 0, true},
        {MainAction::help, false, 0, 100, false},        {MainAction::about, true, 0, 100, true},
        {MainAction::aboutArkivo, false, 3, 100, false}, {MainAction::quit, false, 0, 0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mainActionAllowed(c.action, c.window, c.results, c.printLimit), c.allowed)
            << static_cast<int>(c.action) << " window " << c.window << " results " << c.results << " limit "
            << c.printLimit;
}

TEST(MainButtons, HelpTopicsOfTheHelpAboutAndLogoButtons) {
    const struct {
        MainAction action;
        Language language;
        std::string_view topic;
    } cases[] = {
        {MainAction::help, Language::Swedish, "HJ001"},
        {MainAction::help, Language::English, "HJ001"},
        {MainAction::about, Language::English, "HJ022"},
        {MainAction::aboutStamma, Language::Swedish, "HJ024"},
        {MainAction::aboutArkivo, Language::Swedish, "HJ025"},
        {MainAction::aboutArkivo, Language::English, "HJ024"},
        {MainAction::search, Language::Swedish, ""},
        {MainAction::quit, Language::English, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mainHelpTopic(c.action, c.language), c.topic) << static_cast<int>(c.action);
}

}  // namespace
}  // namespace tessla
