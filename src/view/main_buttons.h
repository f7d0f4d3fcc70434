#pragma once

// The large buttons along the bottom of the main window, as one table: each row names the
// button, its pictures in each language, where it stands in each language, what it does and when
// it may be pressed. A window to open adds a row here.

#include <cstdint>
#include <span>
#include <string_view>

#include "base/language.h"
#include "storage/picture_names.h"

namespace tessla {

// What a button of the main window does: open one of the program's windows, or end the program.
// `help` is the "?" button at the top right; the others are large buttons or logos.
enum class MainAction { search, childSearch, statistics, print, about, aboutStamma, aboutArkivo, quit, help };

// When a button may be pressed: always, once the window it opens exists, or once that window
// exists and the result list holds persons.
enum class MainEnabling { always, withWindow, withWindowAndResults };

// A button's pictures: normal and pressed.
struct ButtonFace {
    std::string_view normal, pressed;
    bool empty() const { return normal.empty(); }
};

struct MainButtonRow {
    std::string_view name;  // the Swedish button's object name; an English button's adds "_e"
    ButtonFace swedish;
    ButtonFace english;  // empty: one button for both languages
    // x in each language: from the window's left edge, kFromRight from its right edge, kHidden
    // when the button is not shown in that language.
    Bilingual<int> x;
    picture::LogicalSize size;
    MainAction action;
    MainEnabling enabling;
    bool staydown = false;  // a toggle that stays down while its window shows
    // The hint in each language (UTF-8); none when the picture says it all.
    Bilingual<const char*> hint{};
    // The name a screen reader says in each language (UTF-8): the words the picture shows; none
    // when the hint names the button.
    Bilingual<const char*> spoken{};
};

inline constexpr int kFromRight = -1;
inline constexpr int kHidden = -2;
// The large buttons' distance from the window's left, right and bottom edges.
inline constexpr int kMainButtonEdge = 6;

// The main window's large buttons.
std::span<const MainButtonRow> mainButtons();

// The x of `row`'s button in a window `windowWidth` wide in `language`; kHidden when not shown.
int mainButtonX(const MainButtonRow& row, Language language, int windowWidth);
// Whether `row`'s button is shown in `language`: in a language with its own button only the
// button of that language shows, and printing shows only with a print limit above 0.
bool mainButtonShown(const MainButtonRow& row, Language language, bool englishButton,
                     std::int32_t printLimit);
// The help topic `action` shows in `language` ("HJ001" for help, "HJ022" about, "HJ024" and
// "HJ025" the logos); empty for an action that shows no help text. The publisher's logo shows the
// co-publisher's text in English.
std::string_view mainHelpTopic(MainAction action, Language language);

// Whether `row`'s button may be pressed, given whether its window exists and the result count.
bool mainButtonEnabled(const MainButtonRow& row, bool windowExists, std::int32_t results);
// Whether `action` is carried out when its button or its key asks for it: when its button may be
// pressed (the help button's rule: once its window exists), and printing only with a print limit
// above 0, which shows its button.
bool mainActionAllowed(MainAction action, bool windowExists, std::int32_t results, std::int32_t printLimit);

}  // namespace tessla
