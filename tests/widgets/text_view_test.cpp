#include "widgets/text_view.h"
#include "support/test_pictures.h"

#include <QAccessible>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "builder/help_texts.h"
#include "census/person.h"
#include "census_fixture.h"
#include "skin/qt_text.h"
#include "skin/tiler.h"
#include "storage/picture_files.h"
#include "widgets/print_text.h"
#include "widgets/qt_canvas.h"

namespace tessla {
namespace {

using Bytes = std::vector<std::uint8_t>;

const QString kShots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/text_view/");

// A different colour for every pixel of the grid picture, so that a piece shows where it was taken.
QRgb gridColour(int x, int y) {
    return qRgb(x & 255, y & 255, 64 * (x >> 8) + 16 * (y >> 8));
}

// Pale paper, a little darker towards the bottom, for the pictures people look at.
QRgb paperColour(int, int y) {
    const int shade = 14 * y / 2000;
    return qRgb(248 - shade, 243 - shade, 230 - shade);
}

struct Skin {
    Skin()
        : files({
              {{"grid", "", 1, "", "", 0, 0}, test::png2x({600, 400}, gridColour), std::nullopt},
              {{"paper", "", 1, "", "", 0, 0}, test::png2x({500, 2000}, paperColour), std::nullopt},
          }),
          tiler(files.base(), 4, TSPtilemode::tmUtsnitt) {}
    test::PictureFiles files;
    TSPtiler tiler;
};

// An image of the given resolution.
QImage imageAt(int dpi, QSize size = {400, 200}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

TEST(QtTextCanvasTest, LineHeightsComeFromTheEmHeightAtTheDevicesResolution) {
    const struct {
        int dpi;
        int bodyLine;   // style 2, 11 points
        int titleLine;  // style 4, 20 points
    } cases[] = {{96, 18, 33}, {600, 115, 208}, {72, 13, 25}};
    for (const auto& c : cases) {
        QImage image = imageAt(c.dpi);
        QtTextCanvas canvas(image);
        TSPkodtxt kodtxt;
        kodtxt.setText("a\r[4]b");
        kodtxt.setRect({0, 0, 10000, 10000});
        kodtxt.layout(canvas);
        EXPECT_EQ(kodtxt.lineTops()[1], c.bodyLine) << c.dpi;
        EXPECT_EQ(kodtxt.lineTops()[2] - kodtxt.lineTops()[1], c.titleLine) << c.dpi;
    }
    TSPdyntex view;
    view.resize(300, 100);
    view.setText("a\rb");
    EXPECT_EQ(view.kodtxt().lineTops()[1], 18) << "the offscreen screen has 96 dots per inch";
}

TEST(QtTextCanvasTest, WidthsMeasuredACharacterAtATimeAreQtsWidthsOfTheWholeText) {
    const char* texts[] = {"Svensson, Anna Maria", "AVAWAT To. fi fl ffi",
                           "\xC5ngermanland \xF6\xE4\xE5 \x80\x96", "f. 1876 i N\xE4rke", "W"};
    const TextFont fonts[] = {{"Times New Roman", 11, 0},
                              {"Times New Roman", 11, kFontBold},
                              {"Times New Roman", 13, kFontItalic | kFontUnderline},
                              {"Times New Roman", 20, kFontBold | kFontItalic}};
    for (const int dpi : {96, 600}) {
        QImage image = imageAt(dpi);
        QtTextCanvas canvas(image);
        for (const TextFont& font : fonts) {
            canvas.setFont(font);
            const QFontMetricsF metrics(canvas.qFont(font), &image);
            for (const char* text : texts) {
                EXPECT_EQ(canvas.textWidth(text), std::lround(metrics.horizontalAdvance(toQString(text))))
                    << text << " at " << font.size << " points, style " << font.style << ", " << dpi
                    << " dpi";
            }
        }
    }
}

TEST(QtTextCanvasTest, TimesMetricFacesNeedNoWarning) {
    for (const char* face : {"Times New Roman", "Liberation Serif", "liberation serif", "Tinos"})
        EXPECT_EQ(textFaceWarning(face), "") << face;
    EXPECT_NE(textFaceWarning("DejaVu Sans").find("\"DejaVu Sans\""), std::string::npos);
    // The set-up installs a face with the widths of "Times New Roman".
    EXPECT_EQ(textFaceWarning(QFontInfo(QFont("Times New Roman")).family()), "");
}

// A shown parent of a distinct colour with a text view on the grid background at (20, 30).
struct ViewOnParent {
    ViewOnParent() {
        parent.resize(600, 400);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, kParentColour);
        parent.setPalette(palette);
        view = new TSPdyntex(&parent);
        view->setGeometry(20, 30, 200, 100);
        view->setBackground(&skin.tiler, "grid");
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    // The view's pixel at `point`, as the parent shows it.
    QRgb shown(QPoint point) { return parent.grab().toImage().pixel(view->pos() + point); }

    static constexpr QRgb kParentColour = qRgb(10, 200, 30);
    Skin skin;
    QWidget parent;
    TSPdyntex* view = nullptr;
};

TEST(TSPdyntexTest, ANewTextStartsAtTheTop) {
    ViewOnParent on;
    std::string text;
    for (int i = 0; i < 40; ++i) text += "line\r";
    on.view->setText(text);
    EXPECT_EQ(on.view->contentHeight(), 41 * 18);
    on.view->setVerticalOffset(120);
    EXPECT_EQ(on.view->verticalOffset(), 120);
    on.view->relayout();
    EXPECT_EQ(on.view->verticalOffset(), 120) << "a relayout keeps the place";
    on.view->resize(200, 700);
    EXPECT_EQ(on.view->verticalOffset(), 41 * 18 - 700) << "kept within the text";
    on.view->setText("other");
    EXPECT_EQ(on.view->verticalOffset(), 0);
}

TEST(TSPdyntexTest, AssistiveClientsReadThePlainTextOfAReadOnlyDocument) {
    ViewOnParent on;
    on.view->setText("[4]Olof[\\4]\r\r[F]f\366dd[\\F] 1860\t[Mx]Sockn[\\M]");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(on.view);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Document);
    EXPECT_TRUE(face->state().readOnly);
    QAccessibleTextInterface* text = face->textInterface();
    ASSERT_NE(text, nullptr);
    const QString plain = QStringLiteral("Olof\n\nfödd 1860\tSockn");
    EXPECT_EQ(on.view->plainText(), plain);
    EXPECT_EQ(text->characterCount(), plain.size());
    EXPECT_EQ(text->text(0, text->characterCount()), plain);
    EXPECT_EQ(text->text(6, 10), QStringLiteral("född"));
    EXPECT_EQ(face->editableTextInterface(), nullptr);

    on.view->setText("other");
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("other"));
}

// The links are the document's children: named by their words and followed by their press action,
// as a click follows them, once the event loop is back; a new text makes the old ones stale.
TEST(TSPdyntexTest, AssistiveClientsFindTheLinksAndFollowThem) {
    ViewOnParent on;
    on.view->setText("Se [MHJ004]efternamn[\\M] och [MTX010e]Other names[\\M].");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(on.view);
    ASSERT_EQ(face->childCount(), 2);
    QSignalSpy clicks(on.view, &TSPdyntex::OnClick);
    const struct {
        const char* name;
        const char* target;
    } links[] = {{"efternamn", "HJ004"}, {"Other names", "TX010e"}};
    for (int index = 0; index < 2; ++index) {
        QAccessibleInterface* link = face->child(index);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), QString::fromLatin1(links[index].name));
        EXPECT_EQ(link->parent(), face);
        EXPECT_EQ(face->indexOfChild(link), index);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), index) << "not before the event loop is back";
        QCoreApplication::processEvents();
        EXPECT_EQ(clicks.count(), index + 1);
        EXPECT_EQ(on.view->clickedLink(), links[index].target);
    }

    QAccessibleInterface* stale = face->child(0);
    stale->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    on.view->setText("no links");
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 2) << "a link of an earlier text is not followed";
    EXPECT_EQ(face->childCount(), 0);
}

// Without a mouse: Tab into the view focuses its first link, Tab goes on through the links and then
// out of the view, Shift+Tab back; Enter follows the focused link; the keys scroll, bringing a
// focused link into view, and the view says where it moved.
TEST(TSPdyntexTest, TheKeyboardWalksTheLinksFollowsThemAndScrolls) {
    ViewOnParent on;
    auto* before = new QLineEdit(&on.parent);
    auto* after = new QLineEdit(&on.parent);
    before->setGeometry(0, 0, 10, 10);
    after->setGeometry(0, 200, 10, 10);
    before->show();
    after->show();
    on.view->setKeyboardLinks(true);
    QWidget::setTabOrder(before, on.view);
    QWidget::setTabOrder(on.view, after);
    std::string text = "[MHJ001]first[\\M] and [MHJ002]second[\\M]\r";
    for (int i = 0; i < 30; ++i) text += "line\r";
    text += "[MHJ003]last[\\M]";
    on.view->setText(text);
    QSignalSpy clicks(on.view, &TSPdyntex::OnClick);
    QSignalSpy scrolled(on.view, &TSPdyntex::scrolledByKeys);
    QApplication::setActiveWindow(&on.parent);
    before->setFocus();

    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(on.view->hasFocus());
    EXPECT_EQ(on.view->focusedLink(), 0);
    QTest::keyClick(on.view, Qt::Key_Tab);
    EXPECT_EQ(on.view->focusedLink(), 1);
    QTest::keyClick(on.view, Qt::Key_Return);
    EXPECT_EQ(on.view->clickedLink(), "HJ002");
    EXPECT_EQ(clicks.count(), 1);

    QTest::keyClick(on.view, Qt::Key_Tab);
    EXPECT_EQ(on.view->focusedLink(), 2);
    EXPECT_GT(on.view->verticalOffset(), 0) << "the last link brought into view";
    ASSERT_FALSE(scrolled.isEmpty());
    EXPECT_EQ(scrolled.last().at(0).toInt(), on.view->verticalOffset());
    QTest::keyClick(on.view, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus()) << "after the last link the next control";

    QTest::keyClick(after, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(on.view->hasFocus());
    EXPECT_EQ(on.view->focusedLink(), 2) << "back in at the last link";
    QTest::keyClick(on.view, Qt::Key_Home);
    EXPECT_EQ(on.view->verticalOffset(), 0);
    QTest::keyClick(on.view, Qt::Key_PageDown);
    EXPECT_GT(on.view->verticalOffset(), 0);
    QTest::keyClick(on.view, Qt::Key_End);
    EXPECT_EQ(on.view->verticalOffset(), on.view->contentHeight() - on.view->height());
}

TEST(TSPdyntexTest, TheEmptyTextLeavesTheParentsBackground) {
    ViewOnParent on;
    const QPoint corners[] = {{0, 0}, {199, 0}, {0, 99}, {199, 99}, {150, 60}};
    for (const QPoint& p : corners) EXPECT_EQ(on.shown(p), ViewOnParent::kParentColour) << "before any text";
    on.view->setText("[F]text[\\F]");
    for (const QPoint& p : corners) EXPECT_NE(on.shown(p), ViewOnParent::kParentColour) << "background";
    on.view->setText("");
    for (const QPoint& p : corners) EXPECT_EQ(on.shown(p), ViewOnParent::kParentColour) << "emptied";
}

TEST(TSPdyntexTest, TheBackgroundContinuesTheParentsAfterAResize) {
    ViewOnParent on;
    on.view->setText("a");
    const QRect geometries[] = {{20, 30, 200, 100}, {37, 11, 300, 250}, {0, 0, 90, 40}};
    for (const QRect& geometry : geometries) {
        on.view->setGeometry(geometry);
        const QImage image = on.view->grab().toImage();
        for (const QPoint p : {QPoint(geometry.width() - 1, geometry.height() - 1),
                               QPoint(geometry.width() / 2, 35), QPoint(60, geometry.height() - 1)}) {
            const QPoint inParent = geometry.topLeft() + p;
            EXPECT_EQ(image.pixel(p), gridColour(inParent.x(), inParent.y()))
                << "(" << p.x() << ", " << p.y() << ") of a view at (" << geometry.x() << ", " << geometry.y()
                << ")";
        }
    }
}

TEST(TSPdyntexTest, ClicksReportTheLinkUnderThePointer) {
    ViewOnParent on;
    on.view->setText("Se [MHJ004]efternamn[\\M] och mer");
    on.view->grab();  // drawn: links are found where they were drawn
    const Tkodtextp& link = on.view->kodtxt().runs()[1];
    ASSERT_TRUE(link.link);
    const QPoint onLink =
        QRect(QPoint(link.rect.left, link.rect.top), QPoint(link.rect.right - 1, link.rect.bottom - 1))
            .center();
    QSignalSpy clicks(on.view, &TSPdyntex::OnClick);

    QTest::mouseMove(on.view, onLink);
    EXPECT_EQ(on.view->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(on.view, Qt::LeftButton, {}, onLink);
    EXPECT_EQ(on.view->clickedLink(), "HJ004");
    EXPECT_EQ(clicks.count(), 1);

    const QPoint offLink(5, 60);
    QTest::mouseMove(on.view, offLink);
    EXPECT_EQ(on.view->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(on.view, Qt::LeftButton, {}, offLink);
    EXPECT_EQ(on.view->clickedLink(), "");
    EXPECT_EQ(clicks.count(), 2);

    QTest::mouseClick(on.view, Qt::RightButton, {}, onLink);
    EXPECT_EQ(on.view->clickedLink(), "HJ004") << "any button takes the link";
    EXPECT_EQ(clicks.count(), 2) << "only a left click is reported";
}

// A pixel of one of the two link colours, or of their anti-aliased edges, and not of the dark red,
// dark blue or green of [B3], [B4] and [B2] or their edges.
bool linkColoured(QRgb pixel) {
    const int red = qRed(pixel), green = qGreen(pixel), blue = qBlue(pixel);
    const bool linkRed = red > 150 && red - green > 120 && red - blue > 120;
    const bool linkBlue = red < 60 && green - red > 25 && green < 110 && blue > 100;
    return linkRed || linkBlue;
}

// The run boxes of the view's links.
std::vector<QRect> linkBoxes(const TSPdyntex& view) {
    std::vector<QRect> boxes;
    for (const Tkodtextp& run : view.kodtxt().runs())
        if (run.link)
            boxes.emplace_back(QPoint(run.rect.left, run.rect.top),
                               QPoint(run.rect.right - 1, run.rect.bottom - 1));
    return boxes;
}

// Every link-coloured pixel lies in a link's box, every link box holds some, a click in it gives
// its target and a click on any other run gives none.
void expectLinksWhereDrawn(TSPdyntex& view, const QImage& image, const std::string& what) {
    const std::vector<QRect> boxes = linkBoxes(view);
    std::vector<int> inked(boxes.size(), 0);
    int stray = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!linkColoured(image.pixel(x, y))) continue;
            bool inBox = false;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].contains(x, y)) {
                    ++inked[i];
                    inBox = true;
                }
            }
            stray += inBox ? 0 : 1;
        }
    }
    EXPECT_EQ(stray, 0) << what << ": link-coloured pixels outside every link";
    for (std::size_t i = 0; i < boxes.size(); ++i) EXPECT_GT(inked[i], 0) << what << ": link box " << i;

    for (const Tkodtextp& run : view.kodtxt().runs()) {
        if (run.rule != 0) continue;
        const QPoint centre((run.rect.left + run.rect.right) / 2, (run.rect.top + run.rect.bottom) / 2);
        QTest::mouseClick(&view, Qt::LeftButton, {}, centre);
        const std::string expected = run.link ? view.kodtxt().links()[run.linkIndex].target : "";
        EXPECT_EQ(view.clickedLink(), expected) << what << ": \"" << run.text << "\"";
    }
}

// The 2 x 2 blocks of `image` whose pixels are not all alike: none when a picture of half the
// pixels was enlarged into it.
int detailedBlocks(const QImage& image) {
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++blocks;
        }
    }
    return blocks;
}

// Renders into an image of `ratio` device pixels a pixel.
QImage rendered(TSPdyntex& view, qreal ratio) {
    QImage image(view.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.render(&painter);
    return image;
}

std::string helpBody(std::string_view code) {
    for (const HelpText& help : builtInHelpTexts())
        if (help.code == code) return help.body;
    ADD_FAILURE() << "no help text " << code;
    return {};
}

TEST(TSPdyntexTest, PersonAndHelpTextsRenderWithTheirLinksWhereDrawn) {
    test::CensusFixture census(std::vector<test::CensusRow>{
        {{"ENAMN", "Andersson"},
         {"FNAMN", "Anna Maria Kristina"},
         {"YRKE", "Piga"},
         {"FODAR", "1868"},
         {"FOFORS", "Västra Vingåker (Södermanlands län)"},
         {"FOFORS1890", "Västra Vingåker (Södermanlands län)"},
         {"FOLAND1890", "Södermanland"},
         {"HEMFO", "Stora Tuna (Kopparbergs län);Dalarna"},
         {"HEMBY", "Gimsbärke"},
         {"HUSHNR", "17"},
         {"FAMST", "Tjänstefolk"},
         {"FAMSTKOD", "E"},
         {"CIVST", "O"},
         {"GENUS", "K"},
         {"TRO", "Svenska kyrkan"},
         {"ÖVRIGT", "Flyttade in från Vingåker 1888.\nTjänar hos bonden Per Ersson."}}});
    const struct {
        const char* name;
        std::string text;
    } texts[] = {
        {"person", buildPersonText(loadPerson(census.db().tessl(), 1), Language::Swedish)},
        {"help", helpBody("HJ002e")},
        {"codes",
         "[4][C]Rubrik[N]\r[3][C]mitt i raden, och lite till s\xE5 att den bryts[N]\r[H]till h\xF6ger\r"
         "[F]fet[\\F] [K]kursiv[\\K] [U]understruken[\\U] [B2]gr\xF6n[B3] r\xF6"
         "d[B4] bl\xE5[B1] svart\r"
         "[L1]\r[L2]\r[L3]\r[X]markerat st\xE4lle[\\X] och [M]l\xE4nk utan m\xE5l[\\M] och "
         "[MHJ001]l\xE4nk[\\M]\r"
         "[1]liten[5] mindre[6] st\xF6rre[N]\rNamn:\tAnna\tMaria\rF\xF6"
         "delseort:\tVing\xE5ker\r"},
    };
    ASSERT_NE(texts[1].text.find("[T"), std::string::npos);
    ASSERT_TRUE(QDir().mkpath(kShots));
    Skin skin;
    for (const auto& t : texts) {
        for (const int width : {370, 250}) {
            QWidget parent;
            parent.resize(width + 20, 200);
            auto* view = new TSPdyntex(&parent);
            view->setBackground(&skin.tiler, "paper");
            view->setGeometry(0, 0, width, 100);
            view->setText(t.text);
            view->resize(width, view->contentHeight());
            parent.resize(width + 20, view->contentHeight());
            parent.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

            const QImage image = view->grab().toImage();
            const QString name = kShots + QString("%1_%2").arg(t.name).arg(width);
            EXPECT_TRUE(image.save(name + ".png"));
            const QImage dense = rendered(*view, 2);
            EXPECT_TRUE(dense.save(name + "_2x.png"));
            EXPECT_GT(detailedBlocks(dense), 1000) << t.name << ": text drawn at twice the pixels";
            expectLinksWhereDrawn(*view, image, std::string(t.name) + " at " + std::to_string(width));
        }
    }
}

TEST(TSPprinttexTest, KeepsItsTextOnAnEmptyOneWhenAsked) {
    const struct {
        bool keep;
        const char* second;
        const char* kept;
    } cases[] = {{true, "", "first\r\n"}, {false, "", ""}, {true, "second", "second\r\n"}};
    for (const auto& c : cases) {
        QImage image = imageAt(96);
        QPainter painter(&image);
        TSPprinttex print;
        print.setKeepOnEmpty(c.keep);
        print.setTextAndLayout(painter, {0, 0, 300, 100}, "first");
        print.setTextAndLayout(painter, {0, 0, 300, 100}, c.second);
        EXPECT_EQ(print.kodtxt().text(), c.kept) << c.keep << " \"" << c.second << "\"";
        EXPECT_EQ(print.contentHeight(), print.kodtxt().text().empty() ? 0 : 18);
    }
}

TEST(TSPprinttexTest, DrawsAtTheRectangleLaidOutAtTheOrigin) {
    const std::string text =
        "[F]Hush\xE5ll[\\F] i [MHJ004]Alunda[\\M], ett ganska l\xE5ngt stycke text\r[L2]\r[X]slut[\\X]";
    const auto drawnAt = [&](const QRect& target) {
        QImage image = imageAt(96, {400, 200});
        QPainter painter(&image);
        TSPprinttex print;
        print.setTextAndLayout(painter, target, text);
        print.draw(painter);
        return image;
    };
    const QImage atOrigin = drawnAt({0, 0, 200, 120});
    const QImage moved = drawnAt({50, 40, 200, 120});
    EXPECT_EQ(moved.copy(50, 40, 200, 120), atOrigin.copy(0, 0, 200, 120));
    EXPECT_NE(atOrigin.copy(0, 0, 200, 120), imageAt(96, {200, 120})) << "something was drawn";
    QImage outside = moved;
    QPainter(&outside).fillRect(QRect(50, 40, 200, 120), Qt::white);
    EXPECT_EQ(outside, imageAt(96, {400, 200})) << "nothing outside the rectangle";
}

// What a layout gave: the line tops and the run rectangles.
std::vector<int> layoutOf(TSPprinttex& print) {
    std::vector<int> shape = print.kodtxt().lineTops();
    for (const Tkodtextp& run : print.kodtxt().runs())
        shape.insert(shape.end(), {run.rect.left, run.rect.top, run.rect.right, run.rect.bottom});
    return shape;
}

TEST(TSPprinttexTest, LayoutsOnOneDeviceAgreeWhateverWasLaidOutBetween) {
    const std::string first =
        "[F]Hush\xE5ll[\\F] i [MHJ004]Alunda[\\M], ett ganska l\xE5ngt stycke text\r[L2]\rslut";
    const std::string between = "[4]Rubrik[N]\r[K]kursiv[\\K] [U]understruken[\\U]";
    QImage image = imageAt(96);
    QPainter painter(&image);
    TSPprinttex print;
    const auto layOutAndDraw = [&](const std::string& text) {
        image.fill(Qt::white);
        print.setTextAndLayout(painter, {10, 10, 200, 150}, text);
        print.draw(painter);
        return std::pair(layoutOf(print), image.copy());
    };
    const auto once = layOutAndDraw(first);
    const auto other = layOutAndDraw(between);
    EXPECT_NE(other.first, once.first);
    const auto again = layOutAndDraw(first);
    EXPECT_EQ(again.first, once.first);
    EXPECT_EQ(again.second, once.second);
    EXPECT_EQ(layOutAndDraw(between), other);
}

TEST(TSPprinttexTest, EachDeviceLaysOutAtItsOwnResolution) {
    const struct {
        int dpi;
        int bodyLine;  // 11 points
    } devices[] = {{96, 18}, {600, 115}, {600, 115}, {96, 18}, {72, 13}, {96, 18}};
    TSPprinttex print;
    for (const auto& device : devices) {
        QImage image = imageAt(device.dpi);
        QPainter painter(&image);
        print.setTextAndLayout(painter, {0, 0, 4000, 200}, "Alunda\r");
        EXPECT_EQ(print.kodtxt().lineTops()[1], device.bodyLine) << device.dpi << " dpi";
        // The word is as wide as a canvas made for this device measures it.
        const Tkodtextp& word = print.kodtxt().runs().front();
        QtTextCanvas fresh(image);
        fresh.setFont(word.font);
        EXPECT_EQ(word.rect.right - word.rect.left, fresh.textWidth(word.text)) << device.dpi << " dpi";
    }
}

TEST(TSPprinttexTest, LaysOutAtThePrintersResolution) {
    const std::string text = "[F]Hush\xE5ll[\\F] i Alunda, 1890\r";
    QImage screen = imageAt(96);
    QPainter screenPainter(&screen);
    TSPprinttex onScreen;
    onScreen.setTextAndLayout(screenPainter, {0, 0, 400, 200}, text);

    ASSERT_TRUE(QDir().mkpath(kShots));
    QPdfWriter pdf(kShots + "print_text.pdf");
    pdf.setResolution(600);
    QPainter painter(&pdf);
    TSPprinttex print;
    print.setTextAndLayout(painter, {600, 600, 3000, 3000}, text);
    print.draw(painter);
    EXPECT_EQ(print.kodtxt().lineTops()[1], 115) << "11 points at 600 dots per inch: 92 pixels, lines of 115";
    const auto width = [](TSPprinttex& p) { return p.kodtxt().runs().back().rect.right; };
    // Widths grow with the em heights, 92 pixels against 15.
    EXPECT_NEAR(static_cast<double>(width(print)) / width(onScreen), 92.0 / 15.0, 0.05);
}

}  // namespace
}  // namespace tessla
