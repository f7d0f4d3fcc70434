#include "windows/list_picker_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "census_fixture.h"
#include "program/program.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "support/child.h"
#include "support/screenshots.h"
#include "widgets/table_grid.h"
#include "windows/help_window.h"

namespace tessla {
namespace {

constexpr int kLastNames = 1;
constexpr int kParishes = 15;
constexpr int kNames = 40;

// 40 last names "Namn00" … "Namn39" (list 1 is flat and needs the scroll bar), and residence
// parishes with villages (list 15 is a tree):
//   Alunda: Norrby, Söderby    Eda: Koppom    Ovanåker: Edsbyn
std::vector<test::CensusRow> pickerRows() {
    const char* homes[][2] = {{"Alunda;Uppland", "Norrby"},
                              {"Alunda;Uppland", "Söderby"},
                              {"Eda;Värmland", "Koppom"},
                              {"Ovanåker;Hälsingland", "Edsbyn"}};
    std::vector<test::CensusRow> rows;
    for (int k = 0; k < kNames; ++k) {
        const auto& home = homes[k % 4];
        const std::string name = "Namn" + std::string(k < 10 ? "0" : "") + std::to_string(k);
        rows.push_back({{"HEMLEN", "Uppsala län"},
                        {"HEMFO", home[0]},
                        {"HEMBY", home[1]},
                        {"HUSHNR", std::to_string(k + 1)},
                        {"FNAMN", "Anna"},
                        {"ENAMN", name}});
    }
    return rows;
}

PickerRequest lastNames() {
    return {kLastNames, {"Efternamn", "Last name"}, {"", ""}, false, "HJ004"};
}

PickerRequest parishes() {
    return {kParishes,
            {"Boendeort, församling", "Parish of residence"},
            {"Dubbelklick på församling visar platser", "Show villages, homesteads etc. by double clicking"},
            true,
            "HJ008"};
}

class ListPickerWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(pickerRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }
    void SetUp() override {
        program_ = std::make_unique<Program>();
        program_->setMessagePresenter([](const QString&) {});
        ASSERT_TRUE(program_->openDatabase(census_->iniPath()));
        owner_ = std::make_unique<QWidget>();
        owner_->setGeometry(100, 100, 900, 700);
        owner_->show();
        help_ = std::make_unique<Ttextform>(*program_);
        picker_ = std::make_unique<Tsoktabform>(*program_, *help_);
    }
    void TearDown() override {
        picker_.reset();
        help_.reset();
        owner_.reset();
        program_.reset();
    }

    // Fills and shows the picker without a modal loop; `close` saves its rows as closing does.
    void open(const PickerRequest& request) {
        picker_->prepare(request, *owner_);
        picker_->show();
        QApplication::setActiveWindow(picker_.get());
        QApplication::processEvents();
    }
    void close() {
        picker_->hide();
        picker_->finish();
    }
    // Shows `request` modally and runs `during` inside the showing; returns the modal result.
    int pickWhile(const PickerRequest& request, const std::function<void()>& during) {
        QTimer::singleShot(0, picker_.get(), [&] {
            during();
            if (picker_->isVisible()) picker_->reject();
        });
        return picker_->pick(request, *owner_);
    }

    template <class T>
    T& child(const char* name) {
        return test::child<T>(*picker_, name);
    }
    TSPtab& grid() { return child<TSPtab>("soktab"); }
    Tspecscr& bar() { return child<Tspecscr>("sokscr"); }
    QLineEdit& quickFind() { return child<QLineEdit>("snabbsokedit"); }
    QString countText() { return child<QLabel>("antallabel").text(); }
    TSPstruktlista& list(int k) { return program_->database().tessls(k); }

    QPoint rowPoint(std::int32_t row) {
        const QRect cell = grid().cellRect(row, 0);
        return cell.center();
    }
    void rightPress(std::int32_t row) {
        mouse(QEvent::MouseButtonPress, row, Qt::RightButton, Qt::RightButton);
    }
    void rightDragTo(std::int32_t row) { mouse(QEvent::MouseMove, row, Qt::NoButton, Qt::RightButton); }
    void rightRelease(std::int32_t row) {
        mouse(QEvent::MouseButtonRelease, row, Qt::RightButton, Qt::NoButton);
    }
    void mouse(QEvent::Type type, std::int32_t row, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPoint point = rowPoint(row);
        QMouseEvent event(type, QPointF(point), QPointF(grid().mapToGlobal(point)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&grid(), &event);
    }
    std::vector<std::string> shownRows() {
        std::vector<std::string> rows;
        for (std::int32_t row = 0; row < grid().rowCount(); ++row)
            rows.push_back(grid().shownText(row, 0).trimmed().toStdString());
        return rows;
    }
    std::vector<std::int32_t> picked(int k) {
        std::vector<std::int32_t> rows;
        for (std::int32_t r = 0; list(k).vald().nasta(r);) rows.push_back(r);
        return rows;
    }

    static test::CensusFixture* census_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<Ttextform> help_;
    std::unique_ptr<Tsoktabform> picker_;
};

test::CensusFixture* ListPickerWindowTest::census_ = nullptr;

TEST_F(ListPickerWindowTest, RightPressTogglesAndDraggingGivesEachRowThePressedState) {
    open(lastNames());
    EXPECT_EQ(grid().tabmode(), TSPtabmode::tmValdIkon);
    EXPECT_EQ(countText(), "Valda: 0 av 40");
    rightPress(1);
    rightDragTo(2);
    rightDragTo(3);
    rightRelease(3);
    EXPECT_EQ(picked(kLastNames), (std::vector<std::int32_t>{2, 3, 4}));
    EXPECT_EQ(countText(), "Valda: 3 av 40");
    EXPECT_NE(grid().cellRect(1, 0).height(), 0);

    // A press on a marked row unmarks it, and the drag from it unmarks; passing a row twice
    // keeps the state.
    rightPress(3);
    rightDragTo(2);
    rightDragTo(3);
    rightRelease(3);
    EXPECT_EQ(picked(kLastNames), (std::vector<std::int32_t>{2}));
    EXPECT_EQ(countText(), "Valda: 1 av 40");

    // Space marks the current row; Shift+Down carries the current row's state on.
    grid().setFocus();
    grid().setCurrentRow(5);
    QTest::keyClick(&grid(), Qt::Key_Space);
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid().currentRow(), 7);
    EXPECT_EQ(picked(kLastNames), (std::vector<std::int32_t>{2, 6, 7, 8}));
    QTest::keyClick(&grid(), Qt::Key_Space);  // unmarks the row it is on
    QTest::keyClick(&grid(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(picked(kLastNames), (std::vector<std::int32_t>{2, 6}));
    EXPECT_EQ(countText(), "Valda: 2 av 40");
    close();
    clearPicks(program_->database(), program_->pickerPositions, kLastNames);
}

TEST_F(ListPickerWindowTest, OkAndEnterKeepTheMarksInListOrderAndEscapeKeepsThemToo) {
    EXPECT_EQ(pickWhile(lastNames(),
                        [&] {
                            rightPress(12);
                            rightRelease(12);
                            rightPress(3);
                            rightRelease(3);
                            child<TSPknapp>("jaknapp").click();
                        }),
              1);
    EXPECT_EQ(sammanfatta(list(kLastNames)), "Namn03;Namn12");

    EXPECT_EQ(pickWhile(lastNames(),
                        [&] {
                            rightPress(0);
                            rightRelease(0);
                            QTest::keyClick(&quickFind(), Qt::Key_Return);
                        }),
              1);
    EXPECT_EQ(sammanfatta(list(kLastNames)), "Namn00;Namn03;Namn12");

    EXPECT_EQ(pickWhile(lastNames(),
                        [&] {
                            rightPress(3);
                            rightRelease(3);
                            QTest::keyClick(&quickFind(), Qt::Key_Escape);
                        }),
              2);
    EXPECT_EQ(sammanfatta(list(kLastNames)), "Namn00;Namn12");
    EXPECT_EQ(pickWhile(lastNames(), [&] { child<TSPknapp>("stangknapp").click(); }), 2);
    clearPicks(program_->database(), program_->pickerPositions, kLastNames);
}

TEST_F(ListPickerWindowTest, QuickFindScrollsToTheRowAndReopeningKeepsEachListsRows) {
    open(lastNames());
    ASSERT_TRUE(bar().isVisible());
    EXPECT_EQ(bar().max(), kNames - 17);
    QTest::keyClicks(&quickFind(), "Namn3");
    EXPECT_EQ(grid().currentRow(), 30);
    EXPECT_EQ(grid().topRow(), 21);  // 30 − 9
    EXPECT_EQ(bar().position(), 22);
    QTest::keyClicks(&quickFind(), "x");  // no entry begins so: the table stays
    EXPECT_EQ(grid().currentRow(), 30);
    quickFind().setText("Namn25");  // already shown: only the current row moves
    EXPECT_EQ(grid().topRow(), 21);
    EXPECT_EQ(grid().currentRow(), 25);
    close();

    open(parishes());
    EXPECT_EQ(grid().topRow(), 0);
    EXPECT_EQ(grid().currentRow(), 0);
    grid().setCurrentRow(2);
    close();

    open(lastNames());
    EXPECT_EQ(grid().topRow(), 21);
    EXPECT_EQ(grid().currentRow(), 25);
    EXPECT_TRUE(quickFind().text().isEmpty());
    EXPECT_TRUE(quickFind().hasFocus());

    // The wheel, over any control: ten rows a notch, within the bar's range.
    const auto wheel = [&](QWidget& over, int delta) {
        QWheelEvent event(QPointF(5, 5), QPointF(over.mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&over, &event);
    };
    wheel(grid(), 120);
    EXPECT_EQ(grid().topRow(), 11);
    wheel(quickFind(), -120);
    EXPECT_EQ(grid().topRow(), 21);
    wheel(grid(), -120);
    EXPECT_EQ(grid().topRow(), kNames - 18);
    EXPECT_EQ(bar().position(), bar().max());
    close();

    open(parishes());
    EXPECT_EQ(grid().currentRow(), 2);
    close();
}

TEST_F(ListPickerWindowTest, TreeShowsEveryParishOpensByDoubleClickAndQuickFindsIntoClosedOnes) {
    open(parishes());
    EXPECT_EQ(grid().tabmode(), TSPtabmode::tmStruktValdIkon);
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));
    EXPECT_FALSE(bar().isVisible());
    EXPECT_EQ(countText(), "Valda: 0 av 7");

    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(0));
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Alunda", "Norrby", "Söderby", "Eda", "Ovanåker"}));
    rightPress(2);  // Söderby: list row 3
    rightRelease(2);
    EXPECT_EQ(picked(kParishes), (std::vector<std::int32_t>{3}));
    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(2));  // a place: nothing
    EXPECT_EQ(grid().rowCount(), 5);
    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(0));
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));

    // Koppom lies in the closed Eda: quick find lands on Eda.
    QTest::keyClicks(&quickFind(), "Eda&B, Kop");
    EXPECT_EQ(grid().currentRow(), 1);

    // Clearing closes every parish, unmarks, goes to the first row and empties the field.
    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(1));
    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(0));
    ASSERT_EQ(grid().rowCount(), 6);
    grid().setCurrentRow(5);
    child<TSPknapp>("rensaknapp").click();
    EXPECT_EQ(shownRows(), (std::vector<std::string>{"Alunda", "Eda", "Ovanåker"}));
    EXPECT_TRUE(picked(kParishes).empty());
    EXPECT_EQ(grid().currentRow(), 0);
    EXPECT_EQ(grid().topRow(), 0);
    EXPECT_TRUE(quickFind().text().isEmpty());
    EXPECT_EQ(countText(), "Valda: 0 av 7");
    close();
}

TEST_F(ListPickerWindowTest, AnUnavailableListShowsAnEmptyPickerAndAFlatListStaysFlat) {
    for (const int k : {0, 41, -1}) {
        PickerRequest request = lastNames();
        request.list = k;
        open(request);
        EXPECT_EQ(grid().rowCount(), 0) << k;
        EXPECT_TRUE(child<QLabel>("rubriklabel").text().isEmpty()) << k;
        EXPECT_TRUE(countText().isEmpty()) << k;
        EXPECT_FALSE(quickFind().isEnabled()) << k;
        close();
    }
    PickerRequest treeOfNames = lastNames();
    treeOfNames.tree = true;
    open(treeOfNames);
    EXPECT_EQ(grid().tabmode(), TSPtabmode::tmValdIkon);
    EXPECT_EQ(grid().rowCount(), kNames);
    EXPECT_TRUE(quickFind().isEnabled());
    close();
}

TEST_F(ListPickerWindowTest, TextsFollowTheLanguageWhileHidden) {
    open(parishes());
    close();
    program_->setLanguage(Language::English);
    EXPECT_EQ(picker_->windowTitle(), "Tessla, Search list");
    EXPECT_EQ(child<QLabel>("snabbsoklabel").text(), "Quick find ...");
    EXPECT_FALSE(child<TSPknapp>("rensaknapp").isVisibleTo(picker_.get()));
    open(parishes());
    EXPECT_EQ(child<QLabel>("rubriklabel").text(), "Parish of residence");
    EXPECT_EQ(child<QLabel>("extralabel").text(), "Show villages, homesteads etc. by double clicking");
    EXPECT_EQ(countText(), "Selected: 0 of 7");
    EXPECT_TRUE(child<TSPknapp>("rensaknapp_e").isVisible());
    // The special characters go into quick find, which keeps the focus.
    ASSERT_TRUE(child<QWidget>("specialCharacters").isVisible());
    quickFind().setFocus();
    ASSERT_TRUE(quickFind().hasFocus());
    child<TSPknapp>("tecken_ö").click();
    EXPECT_EQ(quickFind().text(), QString::fromUtf8("ö"));
    EXPECT_TRUE(quickFind().hasFocus());
    program_->setLanguage(Language::Swedish);
    EXPECT_EQ(picker_->windowTitle(), QString::fromUtf8("Tessla, söklista"));
    EXPECT_EQ(child<QLabel>("snabbsoklabel").text(), QString::fromUtf8("Snabbsök i listan"));
    EXPECT_EQ(countText(), "Valda: 0 av 7");
    close();
}

TEST_F(ListPickerWindowTest, HelpShowsTheListsTopicOverThePickersOwner) {
    QPoint helpCentre;
    pickWhile(parishes(), [&] {
        QTimer::singleShot(0, help_.get(), [&] {
            helpCentre = help_->frameGeometry().center();
            help_->reject();
        });
        picker_->move(0, 0);  // away from the owner's centre, where it opened
        child<TSPknapp>("hjelpknapp").click();
    });
    EXPECT_EQ(program_->helpTopic, "HJ008");
    EXPECT_LE((helpCentre - owner_->frameGeometry().center()).manhattanLength(), 6);
}

TEST_F(ListPickerWindowTest, ControlsFitWithoutOverlapInBothLanguages) {
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        open(parishes());
        for (QWidget* widget : picker_->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(picker_.get())) continue;
            const std::string name = widget->objectName().toStdString();
            const QRect inWindow(widget->mapTo(picker_.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(picker_->rect().contains(inWindow)) << name;
            if (const auto* label = qobject_cast<QLabel*>(widget)) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
            }
            for (QWidget* sibling :
                 widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (sibling == widget || !sibling->isVisibleTo(picker_.get())) continue;
                EXPECT_FALSE(sibling->geometry().intersects(widget->geometry()))
                    << name << " overlaps " << sibling->objectName().toStdString();
            }
        }
        close();
    }
}

// The picker flat with marks and as a tree with an opened parish, in both languages, at one and
// two device pixels a pixel.
TEST_F(ListPickerWindowTest, PickerScreenshots) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/picker");
    QDir().mkpath(shots);
    const auto save = [&](const char* name, Language language) {
        QApplication::processEvents();
        test::saveShots(*picker_, shots,
                        QStringLiteral("picker_%1_%2")
                            .arg(QString::fromLatin1(name))
                            .arg(inLanguage(language, "sv", "en")));
    };
    for (const Language language : {Language::Swedish, Language::English}) {
        program_->setLanguage(language);
        open(lastNames());
        for (const std::int32_t row : {1, 2, 3, 7}) {
            rightPress(row);
            rightRelease(row);
        }
        QTest::keyClicks(&quickFind(), "Namn05");
        save("flat", language);
        close();

        open(parishes());
        QTest::mouseDClick(&grid(), Qt::LeftButton, {}, rowPoint(0));
        rightPress(2);
        rightRelease(2);
        rightPress(3);
        rightRelease(3);
        save("tree", language);
        child<TSPknapp>(inLanguage(language, "rensaknapp", "rensaknapp_e")).click();
        close();
        clearPicks(program_->database(), program_->pickerPositions, kLastNames);
    }
}

}  // namespace
}  // namespace tessla
