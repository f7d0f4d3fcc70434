// Renders the scroll bar and the picture button in each of their states, with the painted skin's
// pictures, at 1x and 2x into <build>/screenshots/controls/, for people to look at.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include "builder/skin_pictures.h"
#include "skin/control_palette.h"
#include "skin/figure_set.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "storage/picture_files.h"
#include "storage/picture_names.h"

namespace tessla {
namespace {

const std::filesystem::path kShotDir = std::filesystem::path(TESSLA_BINARY_DIR) / "screenshots" / "controls";
constexpr int kLabelWidth = 110;
constexpr int kMargin = 12;

// A picture base holding the painted skin.
std::vector<test::PictureToWrite> skinPictures() {
    std::vector<test::PictureToWrite> pictures;
    for (SkinPicture& p : readSkinPictures(TESSLA_SKIN_DIR)) {
        pictures.push_back({{p.name, "", p.kind, p.placement, "", 0, 0},
                            std::move(p.png),
                            p.region ? std::optional(p.region->data) : std::nullopt});
    }
    return pictures;
}

// A sheet of labelled rows of controls, drawn on paper.
class Sheet {
  public:
    Sheet(int width, int height, qreal ratio) : image_(QSize(width, height) * ratio, QImage::Format_ARGB32) {
        image_.setDevicePixelRatio(ratio);
        image_.fill(controlPalette::paper());
    }

    void label(int y, const QString& text, int x = kMargin) {
        QPainter painter(&image_);
        painter.setPen(controlPalette::sepia());
        painter.setFont(serifFont(10));
        painter.drawText(QPoint(x, y), text);
    }

    void place(QWidget& control, QPoint at) {
        QPainter painter(&image_);
        control.render(&painter, at, QRegion(), QWidget::DrawChildren);
    }

    bool save(const std::string& name) const {
        std::filesystem::create_directories(kShotDir);
        return image_.save(QString::fromStdString((kShotDir / name).string()));
    }

  private:
    QImage image_;
};

void pressAt(QWidget& widget, QPoint point) {
    QMouseEvent press(QEvent::MouseButtonPress, point, widget.mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

void enter(QWidget& widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&widget, &event);
}

void shootScrollBars(qreal ratio) {
    QWidget host;
    host.show();
    const struct {
        const char* name;
        std::int32_t position;
        int press;  // coordinate along the bar to press, or -1
    } states[] = {{"top", 1, -1},   {"quarter", 25, -1}, {"middle", 50, -1},
                  {"end", 100, -1}, {"up held", 50, 10}, {"down held", 50, 189}};
    const int count = static_cast<int>(std::size(states));
    Sheet sheet(kMargin * 2 + count * 70 + 60, 420, ratio);
    for (int i = 0; i < count; ++i) {
        const int x = kMargin + i * 70;
        sheet.label(24, QString::fromLatin1(states[i].name), x);
        for (const Qt::Orientation kind : {Qt::Vertical, Qt::Horizontal}) {
            Tspecscr bar(&host);
            bar.setKind(kind);
            bar.resize(kind == Qt::Vertical ? QSize(20, 200) : QSize(200, 20));
            bar.setPosition(states[i].position);
            if (states[i].press >= 0) {
                pressAt(bar,
                        kind == Qt::Vertical ? QPoint(10, states[i].press) : QPoint(states[i].press, 10));
            }
            if (kind == Qt::Vertical) {
                sheet.place(bar, QPoint(x + 20, 36));
            } else {
                // Horizontal bars stacked under the vertical ones.
                sheet.place(bar, QPoint(kMargin + 20 + (i % 2) * 230, 256 + (i / 2) * 50));
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        sheet.label(252 + (i / 2) * 50, QString::fromLatin1(states[i].name), kMargin + 20 + (i % 2) * 230);
    }
    EXPECT_TRUE(sheet.save("scroll_bars_" + std::to_string(static_cast<int>(ratio)) + "x.png"));
}

// One button look with its pictures and caption.
struct Look {
    const char* name;
    TSPknapptyp knapptyp;
    std::string_view figur1, figur2;
    const char* caption;  // Windows-1252
    QSize size;
};

// The states every look is shown in.
struct State {
    const char* name;
    std::function<void(TSPknapp&, QWidget& host)> apply;
};

void shootButtons(qreal ratio) {
    test::PictureFiles files(skinPictures());
    TSPfigurer figurer(files.base(), 100);
    const Look looks[] = {
        {"kntRuta", TSPknapptyp::kntRuta, {}, {}, "S\xF6k barn", {96, 40}},
        {"kntRutabild",
         TSPknapptyp::kntRutabild,
         picture::kopipostknapp,
         picture::kopipostknappn,
         "Kopiera post",
         {120, 40}},
        {"kntBilder", TSPknapptyp::kntBilder, picture::sokknapp, picture::sokknappn, "", {94, 40}},
        {"kntText", TSPknapptyp::kntText, {}, {}, "Hj\xE4lp och om", {96, 40}},
        {"kntFlipflop", TSPknapptyp::kntFlipflop, picture::flaggasv, picture::flaggasvn, "", {30, 20}},
        {"kntFlipFlopBlend",
         TSPknapptyp::kntFlipFlopBlend,
         picture::stammalogo,
         picture::stammalogon,
         "",
         {64, 40}},
    };
    const State states[] = {
        {"normal", [](TSPknapp&, QWidget&) {}},
        {"down", [](TSPknapp& b, QWidget&) { b.setDown(true); }},
        {"pointer over", [](TSPknapp& b, QWidget&) { enter(b); }},
        {"keyboard focus",
         [](TSPknapp& b, QWidget& host) {
             QApplication::setActiveWindow(&host);
             b.setFocus(Qt::TabFocusReason);
         }},
        {"disabled", [](TSPknapp& b, QWidget&) { b.setEnabled(false); }},
        {"down, disabled",
         [](TSPknapp& b, QWidget&) {
             b.setDown(true);
             b.setEnabled(false);
         }},
    };
    const int columnWidth = 140;
    const int rowHeight = 60;
    Sheet sheet(kLabelWidth + std::size(looks) * columnWidth + kMargin,
                40 + std::size(states) * rowHeight + kMargin, ratio);
    for (std::size_t column = 0; column < std::size(looks); ++column) {
        sheet.label(24, QString::fromLatin1(looks[column].name), kLabelWidth + column * columnWidth);
    }
    for (std::size_t row = 0; row < std::size(states); ++row) {
        const int y = 40 + row * rowHeight;
        sheet.label(y + 24, QString::fromLatin1(states[row].name));
        for (std::size_t column = 0; column < std::size(looks); ++column) {
            const Look& look = looks[column];
            QWidget host;
            host.resize(200, 100);
            auto* button = new TSPknapp(&host);
            button->resize(look.size);
            button->setFont(serifFont(11));
            QFont focusFont = serifFont(11);
            focusFont.setUnderline(true);
            button->setFocusfont(focusFont);
            button->setFocusmode(true);
            button->setFigurer(&figurer);
            button->setKnapptyp(look.knapptyp);
            button->setFigur1(look.figur1);
            button->setFigur2(look.figur2);
            button->setButtext(look.caption);
            if (look.knapptyp == TSPknapptyp::kntRutabild) {
                // The caption starts beside the picture.
                button->setTextvmarg(true);
                button->setAvst(30);
            }
            host.show();
            states[row].apply(*button, host);
            sheet.place(*button, QPoint(kLabelWidth + column * columnWidth, y));
        }
    }
    EXPECT_TRUE(sheet.save("buttons_" + std::to_string(static_cast<int>(ratio)) + "x.png"));
}

TEST(ControlsScreenshot, EachControlInEachState) {
    for (const qreal ratio : {1.0, 2.0}) {
        shootScrollBars(ratio);
        shootButtons(ratio);
    }
}

}  // namespace
}  // namespace tessla
