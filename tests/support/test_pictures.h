#pragma once

// Pictures for the tests of the skinned controls, made in memory: PNG bytes of an image, and
// pictures stored at twice their logical size with the resolution that says so, as the skin
// stores them.

#include <cstdint>
#include <functional>
#include <vector>

#include <QBuffer>
#include <QImage>
#include <QSize>

#include <gtest/gtest.h>

namespace tessla::test {

// 2 × 96 dots per inch, in dots per metre.
inline constexpr int kDotsPerMetreAt2x = 7559;

inline std::vector<std::uint8_t> pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG"));
    return {bytes.begin(), bytes.end()};
}

// A picture of `logical` size drawn at twice its pixels, logical pixel (x, y) painted
// `colour(x, y)`.
inline QImage picture2x(QSize logical, const std::function<QRgb(int x, int y)>& colour) {
    QImage image(logical * 2, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colour(x / 2, y / 2));
    image.setDotsPerMeterX(kDotsPerMetreAt2x);
    image.setDotsPerMeterY(kDotsPerMetreAt2x);
    return image;
}

inline std::vector<std::uint8_t> png2x(QSize logical, const std::function<QRgb(int x, int y)>& colour) {
    return pngOf(picture2x(logical, colour));
}

}  // namespace tessla::test
