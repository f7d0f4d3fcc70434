#pragma once

// The serif face of the program's lists, labels and captions.

#include <QFont>

namespace tessla {

// "Times New Roman" at `points` points; where it is missing the font system picks another serif.
QFont serifFont(int points);

}  // namespace tessla
