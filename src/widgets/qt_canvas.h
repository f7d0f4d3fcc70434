#pragma once

// The coded-text canvas on Qt: measures with the fonts of a paint device's resolution and draws
// through a QPainter, on screen, into pixmaps and images, and on paper alike.

#include <array>
#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "storage/text_canvas.h"

class QPainter;
class QPaintDevice;

namespace tessla {

class QtTextCanvas final : public TextCanvas {
  public:
    // Fonts get the em height of `device`'s resolution, which must stay the same while the
    // canvas measures for it; the device must outlive that.
    explicit QtTextCanvas(QPaintDevice& device);
    // Measures for `device` from now on. The fonts measured so far are kept when it has the
    // resolution of the device before, and measured anew when not.
    void setDevice(QPaintDevice& device);
    // Drawing goes to `painter`, which must be active, until it is replaced; null draws nothing.
    void setPainter(QPainter* painter) { painter_ = painter; }

    void setFont(const TextFont& font) override;
    // The sum of the characters' advances, each measured once per font: fonts are set up without
    // kerning and shaping, so this is the width Qt gives for the whole text.
    int textWidth(std::string_view text) override;
    int fontHeight() override { return face_->emHeight; }
    void drawText(int x, int y, std::string_view text, Rgb color, std::optional<Rgb> background) override;
    void drawRule(int x1, int x2, int y, int rule, Rgb color) override;

    // The Qt font that `font` becomes on this canvas.
    QFont qFont(const TextFont& font);

  private:
    struct Face {
        TextFont key;
        std::string name;  // owns the text `key.name` views
        QFont font;
        QFontMetricsF metrics;
        int emHeight = 0;
        std::array<qreal, 256> advances{};
        std::bitset<256> measured;
    };

    Face& face(const TextFont& font);
    qreal advance(unsigned char c);

    QPaintDevice* device_;
    int dpi_;
    QPainter* painter_ = nullptr;
    std::vector<std::unique_ptr<Face>> faces_;
    Face* face_ = nullptr;
};

// The warning to give when "Times New Roman" resolves to `family`, a face without its metrics
// (texts would then wrap differently); empty for a face with them.
std::string textFaceWarning(const QString& family);
// Writes textFaceWarning of the face the font system gives for "Times New Roman" to stderr; for
// the program's start-up, once the application object exists.
void checkTextFace();

}  // namespace tessla
