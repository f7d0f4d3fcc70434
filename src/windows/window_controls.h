#pragma once

// Small helpers every window uses to make and place its skinned controls.

#include <concepts>
#include <optional>
#include <string_view>

#include <QColor>
#include <QComboBox>
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

// How a text control of a window looks in the program's serif face: its size in points, bold or
// italic, and the colour of its text (none: the palette's own).
struct SerifLook {
    int points = 11;
    bool bold = false;
    bool italic = false;
    std::optional<QColor> ink = std::nullopt;
};

// Gives `control` the serif face of `look`, and `look`'s ink as the colour of its text.
void setSerifLook(QWidget& control, const SerifLook& look);

// A label, combo box or line edit (or any control made as they are) named `name` on `parent`, in
// `look`. A combo box takes the focus by Tab and by a click, not by the wheel.
template <std::derived_from<QWidget> Control>
Control* makeSerif(QWidget* parent, const char* name, const SerifLook& look = {}) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    setSerifLook(*control, look);
    if constexpr (std::derived_from<Control, QComboBox>) control->setFocusPolicy(Qt::StrongFocus);
    return control;
}

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
