#pragma once

// Every skin picture the painter draws: its name, size, pixel density, kind, placement code and
// how it is drawn.

#include <QImage>
#include <functional>
#include <string_view>
#include <vector>

#include "storage/picture_names.h"

namespace tessla::skin {

struct PicturePlan {
    std::string_view name;
    picture::LogicalSize size;
    // Device pixels per logical pixel. Small pictures have fine lines and text and are drawn at
    // 2; the backgrounds are smooth paper, the same at 1, and a quarter of the memory.
    int density;
    // 1: a plain picture; 10: a picture whose opaque pixels form its outline region.
    int kind;
    // Where a figure goes in a larger rectangle ("C2" top centre ... "C7" bottom left); empty for
    // the top-left corner.
    std::string_view placement;
    // Draws the picture into an image of size × density pixels whose device pixel ratio is the
    // density, cleared to transparent.
    std::function<void(QImage&)> paint;
};

std::vector<PicturePlan> skinCatalogue();

}  // namespace tessla::skin
