#include "skin/picture_button.h"
#include "support/test_pictures.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "skin/figure_set.h"
#include "storage/picture_files.h"

namespace tessla {
namespace {

using Lines = std::vector<std::string>;

const QColor kRed(200, 0, 0);
const QColor kBlue(0, 0, 200);
const QColor kGreen(0, 160, 0);

// A 10 × 10 picture as PNG bytes: `left` in its left half and `right` in its right half.
std::vector<std::uint8_t> png(const QColor& left, const QColor& right) {
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(right);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x) image.setPixelColor(x, y, left);
    return test::pngOf(image);
}

test::PictureToWrite picture(const char* name, const QColor& left, const QColor& right) {
    return {{name, "", 1, "", "", 0, 0}, png(left, right), std::nullopt};
}

// A figure set over a tiny picture base: "blue", "halfred" (transparent left half) and "red".
class Pictures {
  public:
    Pictures()
        : files_({picture("blue", kBlue, kBlue), picture("halfred", Qt::transparent, kRed),
                  picture("red", kRed, kRed)}),
          figurer_(files_.base(), 10) {}
    TSPfigurer* figurer() { return &figurer_; }

  private:
    test::PictureFiles files_;
    TSPfigurer figurer_;
};

// The button drawn over green, without any window background.
QImage render(TSPknapp& button) {
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kGreen);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Records the buttons' signals in order as "<object name>:<signal>".
class SignalLog {
  public:
    void watch(TSPknapp& button) {
        const std::string name = button.objectName().toStdString();
        QObject::connect(&button, &TSPknapp::OnTryckt,
                         [this, name] { entries.push_back(name + ":OnTryckt"); });
        QObject::connect(&button, &TSPknapp::OnDown, [this, name] { entries.push_back(name + ":OnDown"); });
        QObject::connect(&button, &TSPknapp::OnUp, [this, name] { entries.push_back(name + ":OnUp"); });
        QObject::connect(&button, &TSPknapp::OnFocus, [this, name] { entries.push_back(name + ":OnFocus"); });
    }
    Lines entries;
};

// A shown button 60 × 30 named "b", watched by `log`.
std::unique_ptr<TSPknapp> makeButton(SignalLog& log, QWidget* parent = nullptr) {
    auto button = std::make_unique<TSPknapp>(parent);
    button->setObjectName(QStringLiteral("b"));
    button->resize(60, 30);
    button->show();
    log.watch(*button);
    return button;
}

const QPoint kInside(30, 15);
const QPoint kOutside(90, 15);

TEST(PictureButton, ThreeWordsOnANarrowButtonMakeThreeLines) {
    SignalLog log;
    auto button = makeButton(log);
    QFont font = button->font();
    font.setPointSize(10);
    button->setFont(font);
    const QFontMetrics metrics(font);
    button->setAvst(2);
    // Wide enough for the widest word, too narrow for two words.
    button->resize(metrics.horizontalAdvance(QStringLiteral("Mmmm")) + 4, 60);
    button->setButtext("Mmmm Mm Mmm");
    EXPECT_EQ(button->captionLines(), (Lines{"Mmmm", "Mm", "Mmm"}));
    EXPECT_EQ(button->lineHeight(), 15);
    button->setButtext("Mm\rM");
    EXPECT_EQ(button->captionLines(), (Lines{"Mm", "M"}));
}

TEST(PictureButton, PlainClickRaisesOnTrycktOnlyWhenReleasedOverTheButton) {
    const struct {
        const char* name;
        QPoint release;
        Lines events;
    } cases[] = {
        {"released over the button", kInside, {"b:OnTryckt"}},
        {"released off the button", kOutside, {}},
    };
    for (const auto& c : cases) {
        SignalLog log;
        auto button = makeButton(log);
        QTest::mousePress(button.get(), Qt::LeftButton, {}, kInside);
        EXPECT_TRUE(button->down()) << c.name;
        EXPECT_TRUE(log.entries.empty()) << c.name << ": nothing on press";
        QTest::mouseMove(button.get(), c.release);
        EXPECT_EQ(button->down(), c.release == kInside) << c.name << ": pressed only while over it";
        QTest::mouseRelease(button.get(), Qt::LeftButton, {}, c.release);
        EXPECT_FALSE(button->down()) << c.name;
        EXPECT_EQ(log.entries, c.events) << c.name;
    }
}

TEST(PictureButton, APressEndedByDisablingIsNoClick) {
    SignalLog log;
    auto button = makeButton(log);
    QTest::mousePress(button.get(), Qt::LeftButton, {}, kInside);
    button->setEnabled(false);
    EXPECT_FALSE(button->down());
    button->setEnabled(true);
    QTest::mouseRelease(button.get(), Qt::LeftButton, {}, kInside);
    EXPECT_FALSE(button->down());
    EXPECT_TRUE(log.entries.empty());
}

TEST(PictureButton, StaydownFlipsAndReportsOnPress) {
    SignalLog log;
    auto button = makeButton(log);
    button->setStaydown(true);
    QTest::mousePress(button.get(), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(log.entries, (Lines{"b:OnTryckt", "b:OnDown"}));
    QTest::mouseRelease(button.get(), Qt::LeftButton, {}, kInside);
    EXPECT_TRUE(button->down());
    QTest::mouseClick(button.get(), Qt::LeftButton, {}, kInside);
    EXPECT_FALSE(button->down());
    EXPECT_EQ(log.entries, (Lines{"b:OnTryckt", "b:OnDown", "b:OnTryckt", "b:OnUp"}));
}

TEST(PictureButton, ADownRadioButtonIgnoresClicks) {
    SignalLog log;
    auto button = makeButton(log);
    button->setRadio(true);
    button->setDown(true);
    log.entries.clear();
    QTest::mouseClick(button.get(), Qt::LeftButton, {}, kInside);
    EXPECT_TRUE(button->down());
    EXPECT_TRUE(log.entries.empty());
}

TEST(PictureButton, CoupledButtonsOfOneTagRaiseEachOther) {
    QWidget parent;
    SignalLog log;
    const auto add = [&](const char* name, int tag, bool coupled, bool radio) {
        auto* button = new TSPknapp(&parent);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(0, 0, 60, 30);
        button->setTag(tag);
        button->setKopplatag(coupled);
        button->setRadio(radio);
        button->setStaydown(!radio);
        log.watch(*button);
        return button;
    };
    TSPknapp* first = add("first", 1, true, true);
    TSPknapp* second = add("second", 1, true, true);
    TSPknapp* third = add("third", 1, true, true);
    TSPknapp* otherTag = add("otherTag", 2, true, true);
    TSPknapp* uncoupled = add("uncoupled", 1, false, true);
    TSPknapp* toggle = add("toggle", 1, true, false);
    parent.show();
    for (TSPknapp* button : {first, otherTag, uncoupled}) button->setDown(true);
    log.entries.clear();

    QTest::mouseClick(second, Qt::LeftButton, {}, kInside);
    EXPECT_EQ(log.entries, (Lines{"first:OnUp", "second:OnTryckt", "second:OnDown"}));
    EXPECT_TRUE(otherTag->down());
    EXPECT_TRUE(uncoupled->down());

    // A coupled toggle going down raises the radio button too, and is raised by the next.
    log.entries.clear();
    QTest::mouseClick(toggle, Qt::LeftButton, {}, kInside);
    QTest::mouseClick(third, Qt::LeftButton, {}, kInside);
    EXPECT_EQ(log.entries, (Lines{"second:OnUp", "toggle:OnTryckt", "toggle:OnDown", "toggle:OnUp",
                                  "third:OnTryckt", "third:OnDown"}));
}

TEST(PictureButton, SettingDownFromTheProgramReportsChangesButNoClick) {
    SignalLog log;
    auto button = makeButton(log);
    const struct {
        bool down;
        Lines events;
    } steps[] = {{true, {"b:OnDown"}}, {true, {}}, {false, {"b:OnUp"}}, {false, {}}};
    for (const auto& step : steps) {
        log.entries.clear();
        button->setDown(step.down);
        EXPECT_EQ(button->down(), step.down);
        EXPECT_EQ(log.entries, step.events) << step.down;
    }
}

TEST(PictureButton, PictureLooksShowTheRightFigure) {
    const struct {
        const char* name;
        TSPknapptyp look;
        std::string figur2;
        bool down;
        bool highlighted;
        QColor shown;
    } cases[] = {
        {"normal", TSPknapptyp::kntBilder, "blue", false, false, kRed},
        {"pressed", TSPknapptyp::kntBilder, "blue", true, false, kBlue},
        {"pressed without figur2", TSPknapptyp::kntBilder, "", true, false, kRed},
        {"flip-flop under the pointer", TSPknapptyp::kntFlipflop, "blue", false, true, kBlue},
        {"flip-flop down, pointer away", TSPknapptyp::kntFlipflop, "blue", true, false, kRed},
    };
    for (const auto& c : cases) {
        Pictures pictures;
        SignalLog log;
        auto button = makeButton(log);
        button->resize(10, 10);
        button->setFigurer(pictures.figurer());
        button->setKnapptyp(c.look);
        button->setFigur1("red");
        button->setFigur2(c.figur2);
        button->setFocusmode(true);
        button->setDown(c.down);
        if (c.highlighted) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button.get(), &enter);
        }
        EXPECT_EQ(button->highlighted(), c.highlighted) << c.name;
        EXPECT_EQ(render(*button).pixelColor(7, 5), c.shown) << c.name;
    }
}

TEST(PictureButton, FiguresAreDrawnTransparently) {
    Pictures pictures;
    SignalLog log;
    auto button = makeButton(log);
    button->resize(10, 10);
    button->setFigurer(pictures.figurer());
    button->setKnapptyp(TSPknapptyp::kntBilder);
    button->setFigur1("halfred");
    const QImage image = render(*button);
    EXPECT_EQ(image.pixelColor(2, 5), kGreen);
    EXPECT_EQ(image.pixelColor(7, 5), kRed);
}

TEST(PictureButton, PointerOverAFocusmodeButtonHighlightsIt) {
    SignalLog log;
    auto button = makeButton(log);
    button->setKnapptyp(TSPknapptyp::kntText);
    button->setButtext("Mmmm Mmmm");
    QFont large = button->font();
    large.setPointSize(30);
    button->setFocusfont(large);
    const Lines normal = button->captionLines();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button.get(), &enter);
    EXPECT_TRUE(log.entries.empty()) << "no highlight without focusmode";
    button->setFocusmode(true);
    QApplication::sendEvent(button.get(), &enter);
    EXPECT_TRUE(button->highlighted());
    EXPECT_EQ(log.entries, (Lines{"b:OnFocus"}));
    EXPECT_EQ(button->lineHeight(), 45) << "laid out in the focus font";
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button.get(), &leave);
    EXPECT_FALSE(button->highlighted());
    EXPECT_EQ(button->captionLines(), normal);
}

TEST(PictureButton, ADisabledButtonIsWashedButStaysRecognisable) {
    SignalLog log;
    auto button = makeButton(log);
    button->setButtext("Mmm");
    const QImage enabled = render(*button);
    button->setEnabled(false);
    const QImage disabled = render(*button);
    EXPECT_NE(enabled, disabled);
    // The caption still stands out from the washed paper.
    int darkest = 255, lightest = 0;
    for (int y = 2; y < disabled.height() - 2; ++y) {
        for (int x = 2; x < disabled.width() - 2; ++x) {
            darkest = std::min(darkest, qGray(disabled.pixel(x, y)));
            lightest = std::max(lightest, qGray(disabled.pixel(x, y)));
        }
    }
    EXPECT_GT(lightest - darkest, 60);
}

TEST(PictureButton, KeyboardPressesAFocusedButtonAndAClickTakesNoFocus) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        auto* button = new TSPknapp(&window);
        button->setObjectName(QStringLiteral("b"));
        button->setGeometry(0, 40, 60, 30);
        SignalLog log;
        log.watch(*button);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QTest::mouseClick(button, Qt::LeftButton, {}, kInside);
        EXPECT_TRUE(edit->hasFocus()) << "a click leaves the focus where it was";
        EXPECT_EQ(log.entries, (Lines{"b:OnTryckt"}));
        QTest::keyClick(edit, Qt::Key_Tab);
        ASSERT_TRUE(button->hasFocus()) << "Tab reaches the button";
        QTest::keyClick(button, key);
        EXPECT_EQ(log.entries, (Lines{"b:OnTryckt", "b:OnTryckt"})) << key;
    }
}

TEST(PictureButton, ScreenReadersHearTheCaptionOrElseTheAccessibleTextOrElseTheHint) {
    const struct {
        std::string caption;
        QString accessibleText;
        QString hint;
        QString name;
    } cases[] = {
        {"S\xF6k\rbarn", QStringLiteral("Child search"), QStringLiteral("Search"),
         QStringLiteral("Sök barn")},
        {"", QStringLiteral("Sök barn"), QStringLiteral("Search"), QStringLiteral("Sök barn")},
        {"", QString(), QStringLiteral("Töm listan"), QStringLiteral("Töm listan")},
    };
    for (const auto& c : cases) {
        TSPknapp button;
        button.setHint(c.hint);
        button.setAccessibleText(c.accessibleText);
        button.setButtext(c.caption);
        EXPECT_EQ(button.accessibleName(), c.name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&button)->text(QAccessible::Name), c.name);
        EXPECT_EQ(button.toolTip(), c.hint);
    }
}

TEST(PictureButton, AssistiveClientsSeeItsKindAndStateAndPressItAsAClickWould) {
    enum class Kind { push, toggle, radio };
    const struct {
        Kind kind;
        QAccessible::Role role;
        bool checkable;
    } cases[] = {
        {Kind::push, QAccessible::PushButton, false},
        {Kind::toggle, QAccessible::CheckBox, true},
        {Kind::radio, QAccessible::RadioButton, true},
    };
    for (const auto& c : cases) {
        TSPknapp button;
        button.setStaydown(c.kind == Kind::toggle);
        button.setRadio(c.kind == Kind::radio);
        button.show();
        int clicks = 0;
        QObject::connect(&button, &TSPknapp::OnTryckt, [&clicks] { ++clicks; });
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&button);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_TRUE(face->state().focusable);
        EXPECT_EQ(face->state().checkable, c.checkable);
        EXPECT_FALSE(face->state().checked);

        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press waits for the event loop, so that the client's call returns first (a button
        // may open a modal window).
        EXPECT_EQ(clicks, 0) << static_cast<int>(c.kind);
        QCoreApplication::processEvents();
        EXPECT_EQ(clicks, 1) << static_cast<int>(c.kind);
        // A push button is up again after its click; the others stay down, checked.
        EXPECT_EQ(button.down(), c.checkable);
        EXPECT_EQ(face->state().checked, c.checkable);
        EXPECT_FALSE(face->state().pressed);

        button.setEnabled(false);
        EXPECT_TRUE(face->state().disabled);
        EXPECT_FALSE(
            face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        EXPECT_EQ(clicks, 1) << "a disabled button is not pressed";
    }
}

}  // namespace
}  // namespace tessla
