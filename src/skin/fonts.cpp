#include "skin/fonts.h"

#include <QString>

namespace tessla {

QFont serifFont(int points) {
    QFont font(QStringLiteral("Times New Roman"), points);
    font.setStyleHint(QFont::Serif);
    return font;
}

}  // namespace tessla
