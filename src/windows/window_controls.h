#pragma once

// Small helpers every window uses to make and place its skinned controls.

#include <string_view>

#include <QRect>
#include <QString>

#include "view/layout_rect.h"
#include "view/main_buttons.h"

class QDialog;
class QWidget;

namespace tessla {

class TSPfigurer;
class TSPknapp;

inline QRect rectOf(const LayoutRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// A picture button named `name` on `parent`, showing `face` from `figures`.
TSPknapp* makePictureButton(QWidget* parent, std::string_view name, const ButtonFace& face,
                            TSPfigurer& figures);

// The text of `language` of a pair of UTF-8 texts, chosen as base/language.h chooses, as a
// QString: in a window a pair of text literals gives the text a control shows.
QString inLanguage(Language language, const char* swedish, const char* english);

// Shows the one of a pair of controls drawn in each language that belongs to `language`, and
// hides the other.
void showInLanguage(Language language, QWidget& swedish, QWidget& english);

// The hint of `button` in `language`; both texts are UTF-8.
void setHint(TSPknapp& button, Language language, const char* swedish, const char* english);

// Sets the Tab order of the controls of `window` that take the focus by Tab to their reading
// order (view/reading_order.h), as they stand now; controls of the windows it owns are left alone.
void setReadingTabOrder(QWidget& window);

// Replaces the clipboard's content with `cp1252`, a Windows-1252 text, as Unicode text; its line
// ends stay as they are.
void putOnClipboard(std::string_view cp1252);

// Shows `window` modally over `owner`: centred over it when it fits inside, else centred on the
// screen, its controls in reading order for the Tab key. Its result: 1 OK, 2 Cancel.
int showModal(QDialog& window, QWidget& owner);

// Asks where to save a file, in `language`, suggesting `suggested` (a name or a path) and offering
// `filters` ("PNG-bild (*.png)"); a name typed without a suffix gets the chosen filter's. Returns
// the path chosen, or an empty string when the user cancels.
QString askSaveFile(QWidget& owner, Language language, const QString& title, const QString& suggested,
                    const QStringList& filters);

}  // namespace tessla
