#pragma once

// A canvas of fixed-width characters for layout tests: a character is (size + 1) / 2 pixels wide,
// one more in bold, and "W" three times that; the font height is the em height at 96 dots per
// inch. Drawing is recorded.

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/text_canvas.h"

namespace tessla::test {

class FixedWidthCanvas : public TextCanvas {
  public:
    struct DrawnText {
        int x = 0, y = 0;
        std::string text;
        TextFont font;
        Rgb color;
        std::optional<Rgb> background;
    };
    struct DrawnRule {
        int x1 = 0, x2 = 0, y = 0, rule = 0;
        Rgb color;
    };

    void setFont(const TextFont& font) override { font_ = font; }
    int textWidth(std::string_view text) override {
        int width = 0;
        for (char c : text) width += c == 'W' ? 3 * characterWidth() : characterWidth();
        return width;
    }
    int fontHeight() override { return static_cast<int>(std::lround(font_.size * 96.0 / 72.0)); }
    void drawText(int x, int y, std::string_view text, Rgb color, std::optional<Rgb> background) override {
        texts.push_back({x, y, std::string(text), font_, color, background});
    }
    void drawRule(int x1, int x2, int y, int rule, Rgb color) override {
        rules.push_back({x1, x2, y, rule, color});
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnRule> rules;

  private:
    int characterWidth() const { return (font_.size + 1) / 2 + ((font_.style & kFontBold) ? 1 : 0); }

    TextFont font_;
};

}  // namespace tessla::test
