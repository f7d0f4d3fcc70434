#include "storage/coded_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/fixed_width_canvas.h"

namespace tessla {
namespace {

using test::FixedWidthCanvas;

// On the fixed-width canvas style 2 is 6 pixels a character (7 in bold) and 18 pixels a line, so
// a space is 6 pixels, a tab step 60 and a table column of n spaces 6n pixels.
constexpr Rgb kBlack{0, 0, 0};

TSPkodtxt laidOut(std::string_view text, int width, FixedWidthCanvas& canvas) {
    TSPkodtxt kodtxt;
    kodtxt.setText(text);
    kodtxt.setRect({0, 0, width, 99});
    kodtxt.layout(canvas);
    return kodtxt;
}

TSPkodtxt laidOut(std::string_view text, int width = 200) {
    FixedWidthCanvas canvas;
    return laidOut(text, width, canvas);
}

struct RunAt {
    std::string text;
    int left = 0, top = 0, right = 0;
    friend bool operator==(const RunAt&, const RunAt&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RunAt& r) {
        return out << '"' << r.text << "\" " << r.left << ".." << r.right << " at " << r.top;
    }
};

std::vector<RunAt> runsOf(const TSPkodtxt& kodtxt) {
    std::vector<RunAt> runs;
    for (const Tkodtextp& run : kodtxt.runs())
        runs.push_back({run.text, run.rect.left, run.rect.top, run.rect.right});
    return runs;
}

TEST(TSPkodtxtTest, LaysRunsOut) {
    const struct {
        const char* what;
        const char* text;
        int width;
        std::vector<RunAt> runs;
    } cases[] = {
        {"bold run split", "[F]bold[\\F] plain", 200, {{"bold", 0, 0, 28}, {" plain", 28, 0, 64}}},
        {"word wider than the line at its start breaks before the crossing character",
         "abcdefgh",
         30,
         {{"abcde", 0, 0, 30}, {"fgh", 0, 18, 18}}},
        {"word in mid-line moves whole", "[F]abc[\\F]defgh", 40, {{"abc", 0, 0, 21}, {"defgh", 0, 18, 30}}},
        {"split after the last space; the wide rest breaks again",
         "ab abcdefgh",
         30,
         {{"ab", 0, 0, 12}, {"abcde", 0, 18, 30}, {"fgh", 0, 36, 18}}},
        {"break characters stay on the line", "ab-cd/ef", 40, {{"ab-cd/", 0, 0, 36}, {"ef", 0, 18, 12}}},
        {"text after a tab wraps to the tab base",
         "ab\tcd ef gh",
         100,
         {{"ab", 0, 0, 12}, {"cd ef", 60, 0, 90}, {"gh", 60, 18, 72}}},
        {"a tab steps from the line start, not to the next multiple",
         "abcdefghijk\tx\ty",
         300,
         {{"abcdefghijk", 0, 0, 66}, {"x", 66, 0, 72}, {"y", 120, 0, 126}}},
        {"tabs count from the start of each line",
         "a\t\tb\rc\td",
         300,
         {{"a", 0, 0, 6}, {"b", 120, 0, 126}, {"c", 0, 18, 6}, {"d", 60, 18, 66}}},
        {"[C] centres each wrapped line",
         "[C]abc def ghi\rj",
         60,
         {{"abc def", 9, 0, 51}, {"ghi", 21, 18, 39}, {"j", 0, 36, 6}}},
        {"[H] aligns each wrapped line right",
         "[h]abc def ghi\r",
         60,
         {{"abc def", 18, 0, 60}, {"ghi", 42, 18, 60}}},
        {"[C] centres the rest of the line, its runs in a row",
         "ab[C]c[F]d[\\F]e\r",
         60,
         {{"ab", 0, 0, 12}, {"c", 20, 0, 26}, {"d", 26, 0, 33}, {"e", 33, 0, 39}}},
        {"table columns at 12 spaces", "[T10,20]a\tb\r", 300, {{"a", 0, 0, 6}, {"b", 72, 0, 78}}},
        {"a wrapped cell raises the row",
         "[T2 5]ab cd\tx\ry",
         300,
         {{"ab", 0, 0, 12}, {"cd", 0, 18, 12}, {"x", 24, 0, 30}, {"y", 0, 36, 6}}},
        {"a tab in the last column ends the row",
         "[T2,2]a\tb\tc",
         300,
         {{"a", 0, 0, 6}, {"b", 24, 0, 30}, {"c", 0, 18, 6}}},
        {"non-numbers among the widths are skipped",
         "[T x,2,, 2]a\tb",
         300,
         {{"a", 0, 0, 6}, {"b", 24, 0, 30}}},
        {"a table without widths is ignored", "[T x]a\tb", 300, {{"a", 0, 0, 6}, {"b", 60, 0, 66}}},
        {"after the table, tabs step again",
         "[T2,2]a\tb\r[\\T]c\td",
         300,
         {{"a", 0, 0, 6}, {"b", 24, 0, 30}, {"c", 0, 18, 6}, {"d", 60, 18, 66}}},
        {"lower-case and backslash-inside codes",
         "[f]a[f\\]b[\\k]c[K\x01]d[\\ k]e",
         200,
         {{"a", 0, 0, 7}, {"bc", 7, 0, 19}, {"de", 19, 0, 31}}},
        {"[7], [B9], [\\M] without a link and unknown codes change nothing",
         "a[7]b[B9]c[\\M]d[Q]e[]f",
         200,
         {{"abcdef", 0, 0, 36}}},
        {"an unterminated [ swallows the rest", "ab[F cd\rxy", 200, {{"ab", 0, 0, 12}}},
        {"line feeds and other control characters are ignored",
         "a\nb\x01"
         "c",
         200,
         {{"abc", 0, 0, 18}}},
    };
    for (const auto& c : cases) EXPECT_EQ(runsOf(laidOut(c.text, c.width)), c.runs) << c.what;
}

TEST(TSPkodtxtTest, EveryLineKeepsACharacterInAViewWithoutWidth) {
    for (const int width : {0, -5, 3}) {
        const TSPkodtxt kodtxt = laidOut("abc def", width);
        std::vector<RunAt> expected;
        int y = 0;
        for (const char* text : {"a", "b", "c", "d", "e", "f"}) {
            expected.push_back({text, 0, y, 6});
            y += 18;
        }
        EXPECT_EQ(runsOf(kodtxt), expected) << width;
    }
}

TEST(TSPkodtxtTest, FormatsOfRuns) {
    const TSPkodtxt kodtxt = laidOut("[F]a[K]b[\\F][U]c[N]d[3]e[B2]f[\\B4]g[\\3]h[4][B3][8]i");
    const struct {
        int style;
        int size;
        Rgb color;
    } expected[] = {
        {kFontBold, 11, kBlack},
        {kFontBold | kFontItalic, 11, kBlack},
        {kFontItalic | kFontUnderline, 11, kBlack},
        {0, 11, kBlack},
        {0, 13, kBlack},
        {0, 13, {0, 128, 0}},
        {0, 13, {0, 0, 128}},
        {0, 13, kBlack},
        {0, 20, {128, 0, 0}},
    };
    ASSERT_EQ(kodtxt.runs().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Tkodtextp& run = kodtxt.runs()[i];
        EXPECT_EQ(run.font.name, "Times New Roman") << run.text;
        EXPECT_EQ(run.font.style, expected[i].style) << run.text;
        EXPECT_EQ(run.font.size, expected[i].size) << run.text;
        EXPECT_EQ(run.color, expected[i].color) << run.text;
        EXPECT_EQ(run.sourcePos, static_cast<int>(kodtxt.text().find(run.text))) << run.text;
    }
}

TEST(TSPkodtxtTest, LineHeightsFollowTheStylesOfTheLine) {
    // Style 4 is 33 pixels a line on the fixed-width canvas, style 2 18.
    const TSPkodtxt kodtxt = laidOut("a[4]b\rc\r[2]d\re");
    EXPECT_EQ(kodtxt.lineTops(), (std::vector<int>{0, 33, 66, 84, 102}));
    // A run closed by a style code takes the height of the new style.
    EXPECT_EQ(kodtxt.runs()[0].rect.bottom, 33);
    EXPECT_EQ(kodtxt.runs()[1].rect.bottom, 33);
    EXPECT_EQ(kodtxt.runs()[2].rect.bottom, 66);
    EXPECT_EQ(kodtxt.totalHeight(), 102);
    // The height of every style: the em height × 10 / 8.
    const int heights[] = {15, 18, 21, 33, 16, 20};
    for (int n = 1; n <= 6; ++n) {
        const TSPkodtxt one = laidOut("[" + std::to_string(n) + "]x");
        EXPECT_EQ(one.runs()[0].rect.bottom, heights[n - 1]) << n;
        EXPECT_EQ(one.lineTops()[1], heights[n - 1]) << n;
    }
}

TEST(TSPkodtxtTest, TableRowsAddTheLinesOfTheirTallestColumn) {
    const TSPkodtxt kodtxt = laidOut("[T2 2]a\tb c d\ref\r[\\T]g");
    EXPECT_EQ(kodtxt.lineTops(), (std::vector<int>{0, 18, 36, 54, 72, 90}));
    EXPECT_EQ(runsOf(kodtxt).back(), (RunAt{"g", 0, 72, 6}));
    // Digit codes are ignored inside a table.
    const TSPkodtxt styled = laidOut("[T5]a[4]b\r[\\T][4]c");
    EXPECT_EQ(styled.runs()[0].text, "ab");
    EXPECT_EQ(styled.runs()[1].font.size, 20);
}

TEST(TSPkodtxtTest, RulesRunToTheRightEndOfTheTextOrTable) {
    const struct {
        const char* text;
        TextRect rect;
        int rule;
    } cases[] = {
        {"[L2]", {0, 9, 100, 10}, kRuleThin},         {"ab[L 3]", {12, 9, 100, 11}, kRuleThick},
        {"[l1]", {0, 9, 100, 10}, kRuleDotted},       {"[4][L1]", {0, 16, 100, 17}, kRuleDotted},
        {"[T2 3]a[L1]", {6, 9, 42, 10}, kRuleDotted}, {"[T2 3]a\t[L2]", {24, 9, 42, 10}, kRuleThin},
    };
    for (const auto& c : cases) {
        const TSPkodtxt kodtxt = laidOut(c.text, 100);
        const Tkodtextp& rule = kodtxt.runs().back();
        EXPECT_EQ(rule.rule, c.rule) << c.text;
        EXPECT_TRUE(rule.text.empty()) << c.text;
        EXPECT_EQ(rule.rect, c.rect) << c.text;
    }
    for (const char* ignored : {"[L0]", "[L4]", "[L]", "[Lx]"})
        EXPECT_TRUE(laidOut(ignored).runs().empty()) << ignored;
}

TEST(TSPkodtxtTest, HighlightedPassagesAreMarkedWithTheirLines) {
    const TSPkodtxt kodtxt = laidOut("a\r[X]b[\\X]\rc[x]d[\\X][\\X]e");
    EXPECT_EQ(kodtxt.marks(), (std::vector<KodtextMark>{{2, 18}, {3, 36}}));
    std::vector<bool> highlighted;
    for (const Tkodtextp& run : kodtxt.runs()) highlighted.push_back(run.highlight);
    EXPECT_EQ(highlighted, (std::vector<bool>{false, true, false, true, false}));
}

TEST(TSPkodtxtTest, LinksTakeTheLinkColourWithoutStyleBits) {
    const TSPkodtxt kodtxt = laidOut("[F][B2]a[Mperson 17]Anna[F][\\M]b[M]Per[Mx]c[\\M]");
    ASSERT_EQ(kodtxt.links().size(), 2u);
    EXPECT_EQ(kodtxt.links()[0].target, "person 17");
    EXPECT_EQ(kodtxt.links()[1].target, "");
    const struct {
        const char* text;
        int link;
        int style;
        Rgb color;
    } expected[] = {
        {"a", -1, kFontBold, {0, 128, 0}},
        {"Anna", 0, 0, kLinkColor},
        {"b", -1, kFontBold, {0, 128, 0}},
        {"Perc", 1, 0, kEmptyLinkColor},
    };
    ASSERT_EQ(kodtxt.runs().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Tkodtextp& run = kodtxt.runs()[i];
        EXPECT_EQ(run.text, expected[i].text);
        EXPECT_EQ(run.link, expected[i].link >= 0) << run.text;
        EXPECT_EQ(run.linkIndex, expected[i].link) << run.text;
        EXPECT_EQ(run.font.style, expected[i].style) << run.text;
        EXPECT_EQ(run.color, expected[i].color) << run.text;
    }
}

TEST(TSPkodtxtTest, LinkAtFindsDrawnLinksOnly) {
    FixedWidthCanvas canvas;
    TSPkodtxt kodtxt = laidOut("ab [Mperson 17]Anna[\\M] cd", 200, canvas);
    // "Anna" spans 18 … 42 of line 1.
    EXPECT_EQ(kodtxt.linkAt(20, 5), "") << "not drawn yet";
    EXPECT_EQ(kodtxt.runUnderMouse(), 1);
    kodtxt.draw(canvas);
    const struct {
        int x, y;
        const char* link;
        int run;
    } cases[] = {
        {18, 0, "person 17", 1}, {41, 17, "person 17", 1}, {17, 5, "", 0},   {42, 5, "", 2},
        {20, 18, "", -1},        {20, -1, "", -1},         {201, 5, "", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kodtxt.linkAt(c.x, c.y), c.link) << c.x << "," << c.y;
        EXPECT_EQ(kodtxt.runUnderMouse(), c.run) << c.x << "," << c.y;
    }
}

TEST(TSPkodtxtTest, CharAtFindsTheCharacterUnderThePoint) {
    FixedWidthCanvas canvas;
    // Runs: "ab" 0..12 (position 0), bold "cd" 12..26 (position 5), "x" 60..66 after a tab
    // (position 12), "yz" 0..12 on line 2 (position 14), and bold "e[7]f" 12..26 (position 19,
    // its "f" at 23).
    const TSPkodtxt kodtxt = laidOut("ab[F]cd[\\F]\tx\ryz[F]e[7]f", 200, canvas);
    const struct {
        int x, y;
        KodtextChar expected;
    } cases[] = {
        {0, 0, {true, 0, 0, 0}},     {7, 5, {true, 0, 1, 0}},       {13, 5, {true, 1, 5, 0}},
        {20, 5, {true, 1, 6, 0}},    {25, 17, {true, 1, 6, 0}},     {61, 5, {true, 2, 12, 0}},
        {19, 20, {true, 4, 19, 14}}, {21, 20, {true, 4, 23, 14}},   {40, 5, {false, 2, 12, 0}},
        {100, 5, {false, 2, 13, 0}}, {100, 25, {false, 4, 24, 14}}, {11, 60, {false, 4, 19, 14}},
        {5, -1, {false, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(kodtxt.charAt(canvas, c.x, c.y), c.expected) << c.x << "," << c.y;

    // Left of a run: the run's start.
    const TSPkodtxt tabbed = laidOut("\tab", 200, canvas);
    EXPECT_EQ(tabbed.charAt(canvas, 10, 5), (KodtextChar{false, 0, 1, 1}));
}

TEST(TSPkodtxtTest, VerticalModesPlaceTheTextInTheView) {
    const struct {
        int mode, offset;
        std::vector<int> drawnTops;
    } cases[] = {
        {0, 0, {0, 18}}, {0, 18, {0}}, {0, 10, {-10, 8}}, {1, 0, {32, 50}}, {2, 0, {64, 82}},
    };
    for (const auto& c : cases) {
        FixedWidthCanvas canvas;
        TSPkodtxt kodtxt = laidOut("a\rb", 100, canvas);
        ASSERT_EQ(kodtxt.totalHeight(), 36);
        kodtxt.setVertmode(c.mode);
        kodtxt.setVerticalOffset(c.offset);
        kodtxt.draw(canvas);
        std::vector<int> tops;
        for (const auto& drawn : canvas.texts) tops.push_back(drawn.y);
        EXPECT_EQ(tops, c.drawnTops) << c.mode << " " << c.offset;
    }
}

TEST(TSPkodtxtTest, DrawsAtTheRectangleWithHighlightAndSelection) {
    FixedWidthCanvas canvas;
    TSPkodtxt kodtxt = laidOut("ab[X]cd[\\X]ef[L2]", 100, canvas);
    kodtxt.setRect({10, 20, 110, 119});
    kodtxt.setSelection(1, 6);  // "b", "c" and "d" (at 1, 5 and 6)
    kodtxt.draw(canvas);
    const Rgb white = kSelectionTextColor;
    const struct {
        int x, y;
        const char* text;
        Rgb color;
        std::optional<Rgb> background;
    } expected[] = {
        {10, 20, "a", kBlack, {}},
        {16, 20, "b", white, kSelectionColor},
        {22, 20, "cd", white, kSelectionColor},
        {34, 20, "ef", kBlack, {}},
    };
    ASSERT_EQ(canvas.texts.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& drawn = canvas.texts[i];
        EXPECT_EQ(drawn.x, expected[i].x) << drawn.text;
        EXPECT_EQ(drawn.y, expected[i].y) << drawn.text;
        EXPECT_EQ(drawn.text, expected[i].text);
        EXPECT_EQ(drawn.color, expected[i].color) << drawn.text;
        EXPECT_EQ(drawn.background, expected[i].background) << drawn.text;
    }
    ASSERT_EQ(canvas.rules.size(), 1u);
    EXPECT_EQ(canvas.rules[0].x1, 46);
    EXPECT_EQ(canvas.rules[0].x2, 110);
    EXPECT_EQ(canvas.rules[0].y, 29);

    canvas.texts.clear();
    kodtxt.setSelection(-1, -1);
    kodtxt.draw(canvas);
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[1].background, kHighlightColor);
}

TEST(TSPkodtxtTest, ARunDrawnAfterAWiderRunMovesRightForGood) {
    // Column 2 starts at 12, but the "W" of column 1 (one character that stays though the
    // column has no width) reaches 18.
    FixedWidthCanvas canvas;
    TSPkodtxt kodtxt = laidOut("[T0 0]W\tb", 100, canvas);
    EXPECT_EQ(kodtxt.runs()[1].rect.left, 12);
    kodtxt.draw(canvas);
    EXPECT_EQ(canvas.texts[1].x, 18);
    EXPECT_EQ(kodtxt.runs()[1].rect.left, 18);
    EXPECT_EQ(kodtxt.runs()[1].rect.right, 24);
}

TEST(TSPkodtxtTest, TextEndsWithALineEnd) {
    EXPECT_EQ(laidOut("a").text(), "a\r\n");
    EXPECT_EQ(laidOut("a\n").text(), "a\n");
    EXPECT_EQ(laidOut("a\r").text(), "a\r\r\n");
    const TSPkodtxt empty = laidOut("");
    EXPECT_EQ(empty.text(), "");
    EXPECT_TRUE(empty.runs().empty());
    EXPECT_EQ(empty.lineTops(), std::vector<int>{0});
    EXPECT_EQ(empty.totalHeight(), 0);
}

TEST(TSPkodtxtTest, LongTextsAreLaidOutWhole) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "line " + std::to_string(i) + "\r";
    const TSPkodtxt kodtxt = laidOut(text);
    ASSERT_EQ(kodtxt.lineTops().size(), 3002u);
    EXPECT_EQ(kodtxt.lineTops()[2999], 2999 * 18);
    EXPECT_EQ(runsOf(kodtxt).back(), (RunAt{"line 2999", 0, 2999 * 18, 54}));
    EXPECT_EQ(kodtxt.totalHeight(), 3001 * 18);
}

TEST(TSPkodtxtTest, HugeTableWidthsStayInRange) {
    // 400 columns of a million spaces reach far past the largest int; positions stop growing.
    std::string text = "[T99999999999";
    for (int i = 0; i < 399; ++i) text += " 999999";
    text += "]a" + std::string(399, '\t') + "b\tc";
    const TSPkodtxt kodtxt = laidOut(text);
    ASSERT_EQ(kodtxt.runs().size(), 3u);
    EXPECT_GT(kodtxt.runs()[1].rect.left, 6000000);
    EXPECT_EQ(kodtxt.runs()[2].rect, (TextRect{0, 18, 6, 36}));
}

TEST(TSPkodtxtTest, PlainTextJoinsTheRunsByLine) {
    const struct {
        const char* what;
        const char* text;
        int width;
        const char* plain;
    } cases[] = {
        {"codes dropped, formats joined", "a [F]bold[\\F] [Mx]link[\\M]", 200, "a bold link"},
        {"line ends, an empty line kept", "one\rtwo\r\rfour", 200, "one\ntwo\n\nfour"},
        {"a tab parts runs", "name\tvalue", 200, "name\tvalue"},
        {"a tab to a stop already passed", "name and more\tvalue", 200, "name and more\tvalue"},
        {"table columns", "[T5 5]a\tb\rc\td[\\T]", 200, "a\tb\nc\td"},
        {"a wrapped line", "abc defgh", 40, "abc\ndefgh"},
        {"a rule is no text", "a[L1]\rb", 200, "a\nb"},
        {"nothing", "", 200, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(laidOut(c.text, c.width).plainText(), c.plain) << c.what;
}

TEST(TSPkodtxtTest, StrippedTextIsTheTextOfTheRuns) {
    EXPECT_EQ(stripCodes("a[F]b[\\F]c"), "abc");
    for (const char* text : {"a[F]b[\\F]c", "[Mx]link[\\M] and [X]mark[\\X]", "a]b[7]c", "ab[F cd"}) {
        const TSPkodtxt kodtxt = laidOut(text, 1000);
        std::string runs;
        for (const Tkodtextp& run : kodtxt.runs()) runs += run.text;
        EXPECT_EQ(runs, stripCodes(text)) << text;
    }
}

}  // namespace
}  // namespace tessla
