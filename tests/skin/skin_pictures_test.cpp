// The painted skin as the program gets it from a built database: every picture the program asks
// for loads, at the size the window layouts rely on and at twice its pixels (the backgrounds at
// once); the round button's region follows its opaque pixels. Contact sheets of every picture at
// 1x and 2x go to <build>/screenshots/skin/.

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "census_fixture.h"
#include "skin/picture_loader.h"
#include "storage/picture_names.h"

namespace tessla {
namespace {

namespace pn = picture;

class SkinPicturesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        fixture_ = new test::CensusFixture({test::CensusRow{{"POSTID", "1"}, {"ENAMN", "Berg"}}});
        ASSERT_TRUE(fixture_->db().sysbild().oppna());
        pictures_ = new std::map<std::string_view, LoadedPicture>();
        for (const std::string_view name : allPictureNames()) {
            if (auto loaded = laddabild(fixture_->db().sysbild(), name))
                pictures_->emplace(name, std::move(*loaded));
        }
    }
    static void TearDownTestSuite() {
        delete pictures_;
        delete fixture_;
    }

    static const LoadedPicture* find(std::string_view name) {
        const auto found = pictures_->find(name);
        return found == pictures_->end() ? nullptr : &found->second;
    }

    static test::CensusFixture* fixture_;
    static std::map<std::string_view, LoadedPicture>* pictures_;
};

test::CensusFixture* SkinPicturesTest::fixture_ = nullptr;
std::map<std::string_view, LoadedPicture>* SkinPicturesTest::pictures_ = nullptr;

bool isBackground(std::string_view name) {
    return name.starts_with("tsl");
}

QSize sizeOf(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

TEST_F(SkinPicturesTest, EveryNameLoadsCrispAtTwiceItsPixelsOrAsABackgroundAtOnce) {
    for (const std::string_view name : allPictureNames()) {
        const LoadedPicture* loaded = find(name);
        ASSERT_NE(loaded, nullptr) << name;
        EXPECT_EQ(loaded->image.devicePixelRatio(), isBackground(name) ? 1.0 : 2.0) << name;
        EXPECT_FALSE(loaded->image.isNull()) << name;
    }
}

TEST_F(SkinPicturesTest, PicturesHaveTheSizesTheLayoutsUse) {
    const struct {
        std::vector<std::string_view> names;
        pn::LogicalSize size;
    } cases[] = {
        {{pn::sokknapp, pn::sokbarnknappen, pn::statknappn, pn::skrivknappe, pn::omknapp, pn::avslutaknappen,
          pn::startknappe, pn::staellinknappn},
         pn::largeButtonSize},
        {{pn::postejknapp, pn::kopipostknappn, pn::postskrivknapp, pn::kopilistaknapp, pn::kopihushknappn,
          pn::stangknapp},
         pn::smallButtonSize},
        {{pn::rensaknapp, pn::rensaknappen}, pn::clearButtonSize},
        {{pn::hjelpl01, pn::hjelpl02}, pn::helpButtonSize},
        {{pn::flaggasv, pn::flaggaenn}, pn::flagSize},
        {{pn::stammalogo, pn::arkivologon}, pn::logoSize},
        {{pn::abcknapp, pn::listknappn}, pn::fieldButtonSize},
        {{pn::tabellboll}, pn::tableMarkSize},
        {{pn::rundknapp}, pn::roundButtonSize},
        {{pn::tslsok, pn::tslsokbarn, pn::tslsoklista, pn::tslstat, pn::tslprint, pn::tslprinte, pn::tslhelp},
         pn::dialogBackgroundSize},
    };
    for (const auto& c : cases) {
        for (const std::string_view name : c.names) {
            ASSERT_NE(find(name), nullptr) << name;
            EXPECT_EQ(sizeOf(find(name)->image), QSize(c.size.width, c.size.height)) << name;
        }
    }
    // The main window has no largest size; its backgrounds cover a large screen.
    for (const std::string_view name : {pn::tslmain, pn::tslmaine}) {
        const QSize size = sizeOf(find(name)->image);
        EXPECT_GE(size.width(), 2560) << name;
        EXPECT_GE(size.height(), 1600) << name;
    }
}

TEST_F(SkinPicturesTest, TheRoundButtonsRegionHoldsExactlyItsOpaquePixels) {
    const LoadedPicture* round = find(pn::rundknapp);
    ASSERT_NE(round, nullptr);
    ASSERT_TRUE(round->region.has_value());
    const QImage& image = round->image;
    const QSize size = sizeOf(image);
    int inside = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int alpha = 0;
            for (int d = 0; d < 4; ++d) alpha += qAlpha(image.pixel(2 * x + d % 2, 2 * y + d / 2));
            EXPECT_EQ(round->region->contains(QPoint(x, y)), alpha * 2 >= 255 * 4) << x << "," << y;
            inside += round->region->contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    // A disc: its centre in, its corners out, about pi/4 of the square.
    EXPECT_TRUE(round->region->contains(QPoint(size.width() / 2, size.height() / 2)));
    EXPECT_FALSE(round->region->contains(QPoint(0, 0)));
    EXPECT_NEAR(inside, 0.785 * size.width() * size.height(), 0.05 * size.width() * size.height());
}

// One contact sheet of every picture on the main background, at the device pixel ratio `ratio`:
// buttons in their pairs, backgrounds as a corner piece, each with its name underneath.
QImage contactSheet(const std::map<std::string_view, LoadedPicture>& pictures, qreal ratio) {
    const int width = 900, cell = 110, rowHeight = 84;
    const int columns = width / cell;
    const int rows = (static_cast<int>(allPictureNames().size()) + columns - 1) / columns;
    QImage sheet(QSize(width, rows * rowHeight + 10) * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), pictures.at(pn::tslmain).image);
    QFont label("DejaVu Sans");
    label.setPixelSize(10);
    painter.setFont(label);
    int index = 0;
    for (const std::string_view name : allPictureNames()) {
        const QPoint at(5 + (index % columns) * cell, 5 + (index / columns) * rowHeight);
        const QImage& image = pictures.at(name).image;
        const QSize size = sizeOf(image);
        const QRect box(at,
                        QSize(std::min(size.width(), cell - 10), std::min(size.height(), rowHeight - 20)));
        if (isBackground(name)) {
            painter.drawImage(box, image,
                              QRectF(QPointF(0, 0), QSizeF(box.size()) * image.devicePixelRatio()));
            painter.setPen(QColor(120, 120, 120));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        } else {
            painter.drawImage(at, image);
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(at.x(), box.bottom() + 3, cell - 4, 14), Qt::AlignLeft,
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        ++index;
    }
    return sheet;
}

// The large buttons and logos of the main window's bottom row as the layout places them, in
// Swedish and in English, on a window of the smallest size.
QImage bottomRows(const std::map<std::string_view, LoadedPicture>& pictures, qreal ratio) {
    const int width = 790, height = 60;
    QImage strip(QSize(width, 2 * height) * ratio, QImage::Format_ARGB32_Premultiplied);
    strip.setDevicePixelRatio(ratio);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), pictures.at(pn::tslmain).image);
    const auto place = [&](int top, std::string_view name, int x) {
        const QImage& image = pictures.at(name).image;
        painter.drawImage(QPointF(x, top + height - 6 - sizeOf(image).height()), image);
    };
    const int exitX = width - 6 - pn::largeButtonSize.width;
    for (const auto& [name, x] : std::vector<std::pair<std::string_view, int>>{{pn::sokknapp, 6},
                                                                               {pn::sokbarnknapp, 103},
                                                                               {pn::statknapp, 200},
                                                                               {pn::skrivknapp, 297},
                                                                               {pn::omknapp, 395},
                                                                               {pn::stammalogo, 502},
                                                                               {pn::arkivologo, 571},
                                                                               {pn::avslutaknappn, exitX}}) {
        place(0, name, x);
    }
    for (const auto& [name, x] : std::vector<std::pair<std::string_view, int>>{{pn::sokknappe, 6},
                                                                               {pn::sokbarnknappen, 103},
                                                                               {pn::skrivknappe, 200},
                                                                               {pn::omknappe, 297},
                                                                               {pn::stammalogon, 422},
                                                                               {pn::arkivologo, 491},
                                                                               {pn::avslutaknappe, exitX}}) {
        place(height, name, x);
    }
    return strip;
}

TEST_F(SkinPicturesTest, ScreenshotsOfEveryPictureAt1xAnd2x) {
    ASSERT_EQ(pictures_->size(), allPictureNames().size());
    const QString dir = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/skin/");
    ASSERT_TRUE(QDir().mkpath(dir));
    for (const qreal ratio : {1.0, 2.0}) {
        const QString suffix = ratio == 1.0 ? "_1x.png" : "_2x.png";
        const QImage sheet = contactSheet(*pictures_, ratio);
        EXPECT_TRUE(sheet.save(dir + "pictures" + suffix));
        EXPECT_TRUE(bottomRows(*pictures_, ratio).save(dir + "main_bottom_row" + suffix));
    }
}

}  // namespace
}  // namespace tessla
