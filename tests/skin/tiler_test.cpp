#include "skin/tiler.h"
#include "support/test_pictures.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "skin/figure_set.h"
#include "skin/picture_loader.h"
#include "storage/picture_files.h"
#include "storage/picture_region.h"

namespace tessla {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::PictureFiles;
using test::PictureToWrite;

using test::kDotsPerMetreAt2x;
using test::picture2x;
using test::pngOf;

// Red on the left half of a 20 x 10 picture, blue on the right; transparent in its last row.
QRgb halves(int x, int y) {
    if (y == 9) return qRgba(0, 0, 0, 0);
    return x < 10 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
}

// A red 4 x 4 square at (3, 3) of a transparent 10 x 10 figure.
QRgb dot(int x, int y) {
    return x >= 3 && x < 7 && y >= 3 && y < 7 ? qRgb(255, 0, 0) : qRgba(0, 0, 0, 0);
}

PictureToWrite pictureEntry(std::string name, std::int32_t kind, std::string placement, Bytes image,
                            std::optional<Bytes> region = std::nullopt) {
    return {{std::move(name), "", kind, std::move(placement), "", 0, 0}, std::move(image), std::move(region)};
}

const std::vector<RegionRect> kRoundRegion = {{2, 2, 6, 6}};

Bytes damagedRegion() {
    Bytes region = encodeRegion(kRoundRegion);
    region[8] = 9;  // nine rectangles where one stands
    return region;
}

Bytes damagedPng() {
    Bytes png = pngOf(picture2x({20, 10}, halves));
    png.resize(png.size() / 2);
    return png;
}

// A 10 x 10 picture at twice its pixels whose pixel columns alternate black and white.
Bytes stripesPng() {
    QImage image(20, 20, QImage::Format_ARGB32);
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 20; ++y) image.setPixel(x, y, x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    image.setDotsPerMeterX(kDotsPerMetreAt2x);
    image.setDotsPerMeterY(kDotsPerMetreAt2x);
    return pngOf(image);
}

// The skin the tests draw from.
struct Skin {
    Skin()
        : files({
              pictureEntry("bg", 1, "", pngOf(picture2x({20, 10}, halves))),
              pictureEntry("round", 10, "", pngOf(picture2x({20, 10}, halves)), encodeRegion(kRoundRegion)),
              pictureEntry("torn", 10, "", pngOf(picture2x({20, 10}, halves)), damagedRegion()),
              pictureEntry("broken", 1, "", damagedPng()),
              pictureEntry("dot", 1, "C6", pngOf(picture2x({10, 10}, dot))),
              pictureEntry("dotcut", 1, "C0006x", pngOf(picture2x({10, 10}, dot))),
              pictureEntry("stripes", 1, "", stripesPng()),
          }) {}
    PictureFiles files;
};

// A white 1x canvas.
QImage canvas(QSize size = {30, 20}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TEST(PictureLoaderTest, DecodesPngWithTheRatioOfItsResolution) {
    struct Case {
        int dotsPerMetre;
        qreal ratio;
    };
    for (const Case c : {Case{3780, 1}, Case{kDotsPerMetreAt2x, 2}, Case{5670, 2}, Case{11339, 3},
                         Case{100, 1}, Case{2000000000, 4}}) {
        QImage image = picture2x({20, 10}, halves);
        image.setDotsPerMeterX(c.dotsPerMetre);
        const std::optional<QImage> decoded = decodePicture(pngOf(image));
        ASSERT_TRUE(decoded) << c.dotsPerMetre;
        EXPECT_EQ(decoded->devicePixelRatio(), c.ratio) << c.dotsPerMetre;
        EXPECT_EQ(decoded->size(), QSize(40, 20));
        EXPECT_EQ(decoded->format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(decoded->pixel(0, 0), qRgb(255, 0, 0)) << "top-down";
        EXPECT_EQ(decoded->pixel(39, 19), 0u);
    }
    for (const Bytes& damaged : {damagedPng(), Bytes{}, Bytes{0x89, 'P', 'N', 'G'}}) {
        EXPECT_FALSE(decodePicture(damaged)) << damaged.size() << " bytes";
    }
}

TEST(TilerTest, LoadsPicturesWithTheirSoundRegions) {
    Skin skin;
    TSPtiler tiler(skin.files.base(), 5, TSPtilemode::tmHel);
    struct Case {
        const char* name;
        bool loaded;
        std::optional<QRegion> region;
    };
    const Case cases[] = {
        {"bg", true, std::nullopt},      {"round", true, QRegion(2, 2, 4, 4)}, {"torn", true, std::nullopt},
        {"broken", false, std::nullopt}, {"missing", false, std::nullopt},
    };
    for (const Case& c : cases) {
        const int index = tiler.hamtatile(c.name);
        EXPECT_FALSE(skin.files.base().isOpen()) << c.name << ": the base is closed again";
        ASSERT_EQ(index >= 0, c.loaded) << c.name;
        if (!c.loaded) continue;
        EXPECT_EQ(tiler.tile(index)->bitmap.deviceIndependentSize(), QSizeF(20, 10)) << c.name;
        EXPECT_EQ(tiler.tile(index)->region, c.region) << c.name;
    }
    EXPECT_EQ(tiler.ranks().size(), 3);
}

TEST(TilerTest, ModesChooseThePiecePaintedAndPaintingReplacesTheCanvas) {
    Skin skin;
    struct Case {
        TSPtilemode mode;
        QRgb fromSource10;  // the colour a piece from (10, 0) starts with
    };
    for (const Case c :
         {Case{TSPtilemode::tmUtsnitt, qRgb(0, 0, 255)}, Case{TSPtilemode::tmHel, qRgb(0, 0, 255)},
          Case{TSPtilemode::tmTile, qRgb(0, 0, 255)}, Case{TSPtilemode::tmHel00, qRgb(255, 0, 0)}}) {
        TSPtiler tiler(skin.files.base(), 2, c.mode);
        const int index = tiler.hamtatile("bg");
        QImage image = canvas();
        QPainter painter(&image);
        tiler.ritatile(index, painter, 10, 0, 10, 10, 3, 4);
        tiler.ritatileregion(index, painter, 10, 0, 10, 10, 3, 15);
        painter.end();
        const int mode = static_cast<int>(c.mode);
        EXPECT_EQ(image.pixel(3, 4), c.fromSource10) << mode;
        EXPECT_EQ(image.pixel(12, 4), c.fromSource10) << mode;
        EXPECT_EQ(image.pixel(13, 4), qRgb(255, 255, 255)) << mode << ": outside the target";
        EXPECT_EQ(image.pixel(2, 4), qRgb(255, 255, 255)) << mode << ": outside the target";
        EXPECT_EQ(image.pixel(3, 13), 0u) << mode << ": transparent pixels are copied, not blended";
        EXPECT_EQ(image.pixel(3, 15), qRgb(0, 0, 255))
            << mode << ": the region painter takes the source as given";
    }
}

TEST(TilerTest, TheRegionPainterPaintsOnlyThroughTheRegion) {
    Skin skin;
    TSPtiler tiler(skin.files.base(), 2, TSPtilemode::tmUtsnitt);
    QImage image = canvas();
    QPainter painter(&image);
    tiler.ritatileregion(tiler.hamtatile("round"), painter, 1, 0, 10, 8, 5, 5);
    painter.end();
    // The region (2, 2)-(6, 6) of the picture lies at (6, 7)-(10, 11) of the canvas.
    for (const QPoint inside : {QPoint(6, 7), QPoint(9, 10)}) EXPECT_EQ(image.pixel(inside), qRgb(255, 0, 0));
    for (const QPoint outside : {QPoint(5, 5), QPoint(10, 7), QPoint(6, 11), QPoint(14, 12)}) {
        EXPECT_EQ(image.pixel(outside), qRgb(255, 255, 255)) << outside.x() << "," << outside.y();
    }
}

TEST(TilerTest, MissingPicturesAndBadIndexesPaintNothing) {
    Skin skin;
    TSPtiler tiler(skin.files.base(), 2, TSPtilemode::tmHel);
    QImage image = canvas();
    QPainter painter(&image);
    EXPECT_FALSE(tiler.paintPiece(painter, "missing", {0, 0}, QRect(0, 0, 30, 20)));
    EXPECT_FALSE(tiler.paintPiece(painter, "broken", {0, 0}, QRect(0, 0, 30, 20)));
    for (const int bad : {-1, 1, 7}) {
        tiler.ritatile(bad, painter, 0, 0, 30, 20, 0, 0);
        tiler.ritatileregion(bad, painter, 0, 0, 30, 20, 0, 0);
    }
    painter.end();
    EXPECT_EQ(image, canvas());
}

TEST(TilerTest, PaintPieceFillsTheTargetFromTheSourcePoint) {
    Skin skin;
    TSPtiler tiler(skin.files.base(), 2, TSPtilemode::tmUtsnitt);
    tiler.setOrigin({100, 50});
    EXPECT_EQ(tiler.origin(), QPoint(100, 50));
    QImage image = canvas();
    QPainter painter(&image);
    painter.translate(2, 1);
    EXPECT_TRUE(tiler.paintPiece(painter, "bg", {8, 0}, QRect(0, 0, 4, 3)));
    painter.end();
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(4, 3), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(5, 3), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(6, 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 4), qRgb(255, 255, 255));
}

TEST(TilerTest, OnATwiceDenseCanvasEveryPixelOfThePictureIsKept) {
    Skin skin;
    TSPtiler tiler(skin.files.base(), 2, TSPtilemode::tmHel);
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::red);
    QPainter painter(&image);
    ASSERT_TRUE(tiler.paintPiece(painter, "stripes", {1, 0}, QRect(0, 0, 9, 10)));
    painter.end();
    for (int x = 0; x < 18; ++x) {
        EXPECT_EQ(image.pixel(x, 5), x % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x;
    }
    EXPECT_EQ(image.pixel(18, 5), qRgb(255, 0, 0));
}

TEST(FigureSetTest, FiguresAreDrawnTransparentlyAndPlacedByTheirCode) {
    Skin skin;
    TSPfigurer figures(skin.files.base(), 100);
    struct Case {
        const char* name;
        QPoint placedAt;  // in the rectangle (0, 0, 40, 20)
    };
    for (const Case c : {Case{"dot", {15, 10}}, Case{"dotcut", {15, 10}}}) {
        const int index = figures.hamtafigur(c.name);
        ASSERT_GE(index, 0) << c.name;
        EXPECT_EQ(figures.figurstorlek(index), QSize(10, 10));
        QImage image = canvas({50, 30});
        QPainter painter(&image);
        figures.ritafigur(index, painter, 30, 0);
        figures.ritafigurplacerad(index, painter, QRect(0, 0, 40, 20));
        painter.end();
        for (const QPoint corner : {QPoint(30, 0), c.placedAt}) {
            EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255)) << c.name << ": transparent corner";
            EXPECT_EQ(image.pixel(corner + QPoint(3, 3)), qRgb(255, 0, 0)) << c.name;
            EXPECT_EQ(image.pixel(corner + QPoint(6, 6)), qRgb(255, 0, 0)) << c.name;
            EXPECT_EQ(image.pixel(corner + QPoint(7, 7)), qRgb(255, 255, 255)) << c.name;
        }
    }
    EXPECT_EQ(figures.figur(figures.hamtafigur("dotcut"))->placement, "C0006");
    EXPECT_EQ(figures.hamtafigur("broken"), -1);
    EXPECT_FALSE(figures.figurstorlek(2));
    EXPECT_FALSE(skin.files.base().isOpen());
}

}  // namespace
}  // namespace tessla
