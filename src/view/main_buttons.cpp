#include "view/main_buttons.h"

namespace tessla {

namespace {

namespace pic = picture;

// clang-format off
constexpr MainButtonRow kMainButtons[] = {
    {"sokknapp", {pic::sokknapp, pic::sokknappn}, {pic::sokknappe, pic::sokknappen}, {8, 8},
     pic::largeButtonSize, MainAction::search, MainEnabling::withWindow, false, {}, {"Sök", "Search"}},
    {"sokbarnknapp", {pic::sokbarnknapp, pic::sokbarnknappn}, {pic::sokbarnknappe, pic::sokbarnknappen},
     {104, 104}, pic::largeButtonSize, MainAction::childSearch, MainEnabling::withWindow, false, {},
     {"Sök barn", "Child search"}},
    {"statknapp", {pic::statknapp, pic::statknappn}, {}, {200, kHidden},
     pic::largeButtonSize, MainAction::statistics, MainEnabling::withWindowAndResults, false, {},
     {"Statistik", "Statistics"}},
    {"skrivknapp", {pic::skrivknapp, pic::skrivknappn}, {pic::skrivknappe, pic::skrivknappen}, {297, 200},
     pic::largeButtonSize, MainAction::print, MainEnabling::withWindowAndResults, false, {},
     {"Skriv ut", "Print"}},
    {"omknapp", {pic::omknapp, pic::omknappn}, {pic::omknappe, pic::omknappen}, {395, 297},
     pic::largeButtonSize, MainAction::about, MainEnabling::withWindow, false, {},
     {"Om Tessla", "About"}},
    {"stmknapp", {pic::stammalogo, pic::stammalogon}, {}, {502, 422},
     pic::logoSize, MainAction::aboutStamma, MainEnabling::withWindow, true, {"Om Stamma", "About Stamma"}},
    {"arkivoknapp", {pic::arkivologo, pic::arkivologon}, {}, {571, 491},
     pic::logoSize, MainAction::aboutArkivo, MainEnabling::withWindow, true, {"Om Arkivo", "About Arkivo"}},
    {"avslutaknapp", {pic::avslutaknapp, pic::avslutaknappn}, {pic::avslutaknappe, pic::avslutaknappen},
     {kFromRight, kFromRight}, pic::largeButtonSize, MainAction::quit, MainEnabling::always, false, {}, {"Avsluta", "Exit"}},
};
// clang-format on

bool enabledBy(MainEnabling enabling, bool windowExists, std::int32_t results) {
    switch (enabling) {
        case MainEnabling::always:
            return true;
        case MainEnabling::withWindow:
            return windowExists;
        case MainEnabling::withWindowAndResults:
            return windowExists && results > 0;
    }
    return false;
}

// The help button is no row of the table: it opens its window.
MainEnabling enablingOf(MainAction action) {
    for (const MainButtonRow& row : kMainButtons)
        if (row.action == action) return row.enabling;
    return MainEnabling::withWindow;
}

// Printing is offered only with a print limit above 0.
bool offered(MainAction action, std::int32_t printLimit) {
    return action != MainAction::print || printLimit > 0;
}

}  // namespace

std::span<const MainButtonRow> mainButtons() {
    return kMainButtons;
}

int mainButtonX(const MainButtonRow& row, Language language, int windowWidth) {
    const int x = inLanguage(language, row.x);
    return x == kFromRight ? windowWidth - kMainButtonEdge - row.size.width : x;
}

bool mainButtonShown(const MainButtonRow& row, Language language, bool englishButton,
                     std::int32_t printLimit) {
    if (!row.english.empty() && englishButton != (language == Language::English)) return false;
    if (inLanguage(language, row.x) == kHidden) return false;
    return offered(row.action, printLimit);
}

std::string_view mainHelpTopic(MainAction action, Language language) {
    switch (action) {
        case MainAction::help:
            return "HJ001";
        case MainAction::about:
            return "HJ022";
        case MainAction::aboutStamma:
            return "HJ024";
        case MainAction::aboutArkivo:
            return inLanguage(language, "HJ025", "HJ024");
        default:
            return {};
    }
}

bool mainButtonEnabled(const MainButtonRow& row, bool windowExists, std::int32_t results) {
    return enabledBy(row.enabling, windowExists, results);
}

bool mainActionAllowed(MainAction action, bool windowExists, std::int32_t results, std::int32_t printLimit) {
    return offered(action, printLimit) && enabledBy(enablingOf(action), windowExists, results);
}

}  // namespace tessla
