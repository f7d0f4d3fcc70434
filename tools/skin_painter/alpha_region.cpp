#include "alpha_region.h"

#include <cmath>

namespace tessla::skin {
namespace {

struct Run {
    int left, right;
    friend bool operator==(const Run&, const Run&) = default;
};

bool opaque(const QImage& image, int x, int y, int density) {
    int sum = 0;
    for (int dy = 0; dy < density; ++dy) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y * density + dy));
        for (int dx = 0; dx < density; ++dx) sum += qAlpha(line[x * density + dx]);
    }
    return sum * 2 >= 255 * density * density;
}

std::vector<Run> runsOfRow(const QImage& image, int y, int width, int density) {
    std::vector<Run> runs;
    for (int x = 0; x < width; ++x) {
        if (!opaque(image, x, y, density)) continue;
        if (!runs.empty() && runs.back().right == x) {
            ++runs.back().right;
        } else {
            runs.push_back({x, x + 1});
        }
    }
    return runs;
}

}  // namespace

std::vector<RegionRect> regionFromAlpha(const QImage& image) {
    const int density = static_cast<int>(std::lround(image.devicePixelRatio()));
    const int width = image.width() / density, height = image.height() / density;
    std::vector<RegionRect> rects;
    std::vector<Run> band;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const Run& run : band) rects.push_back({run.left, bandTop, run.right, bottom});
    };
    for (int y = 0; y < height; ++y) {
        std::vector<Run> runs = runsOfRow(image, y, width, density);
        if (runs == band) continue;
        closeBand(y);
        band = std::move(runs);
        bandTop = y;
    }
    closeBand(height);
    return rects;
}

}  // namespace tessla::skin
