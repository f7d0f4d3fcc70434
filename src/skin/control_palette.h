#pragma once

// The colours of the whole skin, shared by the skin painter's pictures and the program's own
// controls: aged paper, brown-black ink, sepia shades, a deep red for what is being pressed, a
// gilt tint for what the pointer is over, and the dark blue and green of the emblems.

#include <QColor>

namespace tessla::controlPalette {

// clang-format off
inline QColor paper() { return {242, 235, 219}; }
inline QColor paperLight() { return {252, 248, 238}; }
inline QColor paperShade() { return {226, 215, 190}; }
inline QColor rule() { return {190, 174, 146}; }
inline QColor sepia() { return {96, 74, 50}; }
inline QColor ink() { return {42, 31, 22}; }
inline QColor red() { return {138, 44, 32}; }
inline QColor gilt() { return {226, 196, 120}; }
// The face of a framed button, a little lighter than the paper it stands on.
inline QColor buttonFace() { return {250, 246, 236}; }
// The plain paper behind lists, texts and panels where no background picture shows.
inline QColor plainPaper() { return {252, 249, 240}; }
// The plain paper behind the record text.
inline QColor readingPaper() { return {247, 242, 230}; }
inline QColor blue() { return {32, 54, 92}; }
inline QColor green() { return {58, 84, 54}; }
// clang-format on

}  // namespace tessla::controlPalette
