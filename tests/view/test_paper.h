#pragma once

// Paper for the page engine's tests: the fixed-width canvas, and which page every text and line
// landed on.

#include <algorithm>
#include <string>
#include <vector>

#include "../storage/fixed_width_canvas.h"
#include "view/print_pages.h"

namespace tessla::test {

class TestPaper : public PrintSurface {
  public:
    TextCanvas& canvas() override { return canvas_; }
    void startPage() override { pageStarts.push_back(canvas_.texts.size()); }
    void drawLine(int x1, int x2, int y, int penWidth) override { lines.push_back({x1, x2, y, penWidth}); }

    struct Line {
        int x1, x2, y, pen;
    };
    // The texts of each page, headers included.
    std::vector<std::vector<test::FixedWidthCanvas::DrawnText>> pages() const {
        std::vector<std::vector<test::FixedWidthCanvas::DrawnText>> out(pageStarts.size() + 1);
        for (std::size_t i = 0; i < canvas_.texts.size(); ++i) {
            const auto page = std::upper_bound(pageStarts.begin(), pageStarts.end(), i) - pageStarts.begin();
            out[static_cast<std::size_t>(page)].push_back(canvas_.texts[i]);
        }
        return out;
    }
    std::vector<std::string> bodyTexts(std::size_t page, int bodyTop) const {
        std::vector<std::string> out;
        const auto all = pages();
        for (const auto& text : all[page])
            if (text.y >= bodyTop) out.push_back(text.text);
        return out;
    }

    test::FixedWidthCanvas canvas_;
    std::vector<std::size_t> pageStarts;
    std::vector<Line> lines;
};

}  // namespace tessla::test
