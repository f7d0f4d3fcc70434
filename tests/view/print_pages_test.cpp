#include "view/print_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../storage/fixed_width_canvas.h"
#include "test_paper.h"

namespace tessla {
namespace {

using test::TestPaper;

// A4 at 96 dots per inch; the fixed-width canvas measures at 96 too: a 10-point character is
// 5 pixels wide (6 in bold), the em 13 pixels, so a line is 16.
constexpr PaperGeometry kA4Portrait{794, 1123, 96, 96};
constexpr PaperGeometry kA4Landscape{1123, 794, 96, 96};

std::array<std::string, kTableColumns> row(const std::string& first) {
    return {first, "1850", "Alfta", "Bonde", "Gift", "Alfta"};
}

std::string lines(int n, const std::string& word) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += word + std::to_string(i) + "\r";
    return text;
}

TEST(PrintPages, GeometryFromInchesAndTheLineHeightInWholePixels) {
    TestPaper paper;
    PrintPages portrait(paper, kA4Portrait, {});
    EXPECT_EQ(portrait.leftMargin(), 91);  // 0.95 inch
    EXPECT_EQ(portrait.rightEdge(), 794 - 29);
    EXPECT_EQ(portrait.bodyBottom(), 1123 - 58);
    EXPECT_EQ(portrait.ruleY(), 96);
    EXPECT_EQ(portrait.bodyTop(), 115);
    EXPECT_EQ(portrait.lineHeight(), 16);  // 13 × 10 div 8
    PrintPages landscape(paper, kA4Landscape, {});
    EXPECT_EQ(landscape.leftMargin(), 53);  // 0.55 inch
    // On A4 the columns keep their widths, each followed by a 0.05-inch gap.
    EXPECT_EQ(landscape.columnX(0), 53);
    EXPECT_EQ(landscape.columnWidth(0), 172);
    EXPECT_EQ(landscape.columnX(1), 53 + 178);
    EXPECT_EQ(landscape.columnWidth(5), 273);
}

TEST(PrintPages, LandscapeLetterScalesTheColumnsToEndAtTheRightMargin) {
    TestPaper paper;
    PrintPages letter(paper, {1056, 816, 96, 96}, {});
    const int end = letter.columnX(5) + letter.columnWidth(5);
    EXPECT_LE(end, letter.rightEdge());
    EXPECT_GE(end, letter.rightEdge() - 2);
    EXPECT_LT(letter.columnWidth(0), 172);
}

TEST(PrintPages, TheHeaderHasTitlePageNumberSubtitleAndRule) {
    TestPaper paper;
    PrintPages pages(paper, {794, 1123, 96, 600}, {"Tessla", "Page ", "Records, 12/11/2026"});
    pages.header();
    const auto& texts = paper.canvas_.texts;
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0].text, "Tessla");
    EXPECT_EQ(texts[0].font.size, 11);
    EXPECT_EQ(texts[0].font.style, kFontBold);
    EXPECT_EQ(texts[1].text, "Page 1");
    EXPECT_EQ(texts[1].x + 6 * 5, pages.rightEdge());  // right-aligned
    EXPECT_EQ(texts[2].text, "Records, 12/11/2026");
    EXPECT_EQ(texts[2].font.size, 9);
    ASSERT_EQ(paper.lines.size(), 1U);
    EXPECT_EQ(paper.lines[0].pen, 3);  // dpiY / 200
    EXPECT_EQ(paper.lines[0].x1, pages.leftMargin());
    EXPECT_EQ(paper.lines[0].x2, pages.rightEdge());
    EXPECT_EQ(pages.penY(), pages.bodyTop());
}

TEST(PrintPages, ANewPageOnlyAfterSomethingWasPrintedAndAdvanceWithinLinesLeft) {
    TestPaper paper;
    PrintPages pages(paper, kA4Portrait, {});
    pages.header();
    EXPECT_EQ(pages.linesLeft(), (1065 - 115) / 16);
    pages.newPage();
    pages.advance(1000);
    EXPECT_TRUE(paper.pageStarts.empty()) << "an empty page is never left behind";
    pages.advance(3);
    EXPECT_EQ(pages.penY(), 115 + 3 * 16);
    pages.dashedSeparator();
    EXPECT_EQ(pages.penY(), 115 + 4 * 16);
    pages.advance(pages.linesLeft());
    EXPECT_EQ(paper.pageStarts.size(), 1U);
    EXPECT_EQ(pages.pageNumber(), 2);
    EXPECT_EQ(paper.pages()[1][1].text, "Sida 2");
}

struct WrapCase {
    const char* text;
    int width;  // characters of 5 pixels
    std::vector<std::string> lines;
};

TEST(PrintPages, CellsWrapAfterTheLastBreakCharacter) {
    const WrapCase cases[] = {
        {"Anna Maria", 20, {"Anna Maria"}},
        {"Anna Maria Lovisa", 12, {"Anna Maria ", "Lovisa"}},
        {"Alfta,Halsingland", 10, {"Alfta,", "Halsinglan", "d"}},
        {"Ovanaker/Edsbyn", 10, {"Ovanaker/", "Edsbyn"}},
        {"Bruksarbetare", 5, {"Bruks", "arbet", "are"}},
        {"Anna     Lisa", 6, {"Anna  ", "Lisa"}},
        {"Gift\r\nÄnka", 20, {"Gift", "Änka"}},
        {"Anna\x01Lisa\tKarin", 6, {"Anna ", "Lisa ", "Karin"}},
        {"", 10, {}},
    };
    test::FixedWidthCanvas canvas;
    canvas.setFont({kPrintFace, 10, 0});
    for (const WrapCase& c : cases) EXPECT_EQ(wrapCell(canvas, c.text, c.width * 5), c.lines) << c.text;
}

TEST(PrintPages, TheHeadingRowRepeatsOnEveryTablePageAndRowsMoveWhole) {
    TestPaper paper;
    PrintPages pages(paper, kA4Landscape, {});
    pages.setTableHeadings({"Namn", "Född", "Födelseort", "Yrke", "Civilstånd", "Boendeort"});
    pages.header();
    const int firstRow = pages.penY();
    EXPECT_EQ(firstRow, pages.bodyTop() + 2 * 16);
    ASSERT_EQ(paper.lines.size(), 2U);
    EXPECT_EQ(paper.lines[1].pen, 1);
    // Fill the page to two lines left, then a row of three lines: it goes whole to page 2.
    while (pages.linesLeft() > 2) pages.tableRow(row("Nilsson, Per"));
    pages.tableRow(row("Nilsson\rPer\rOlof"));
    const auto texts = paper.pages();
    ASSERT_EQ(texts.size(), 2U);
    const auto onPage2 = paper.bodyTexts(1, pages.bodyTop());
    EXPECT_EQ(onPage2[0], "Namn");
    EXPECT_EQ(onPage2[6], "Nilsson");
    EXPECT_EQ(std::count(onPage2.begin(), onPage2.end(), "Per"), 1);
}

TEST(PrintPages, ARowTallerThanAPageFlowsOnWithoutALoneLine) {
    TestPaper paper;
    PrintPages pages(paper, kA4Landscape, {});
    pages.setTableHeadings({"Namn", "", "", "", "", ""});
    pages.header();
    pages.tableRow(row("Först"));
    const int perPage = pages.linesLeft() + 1;
    pages.tableRow(row(lines(2 * perPage + 1, "rad")));
    pages.tableRow(row("Sist"));
    const auto texts = paper.pages();
    ASSERT_GE(texts.size(), 3U);
    int printed = 0;
    for (std::size_t page = 0; page < texts.size(); ++page) {
        int mine = 0;
        for (const auto& text : paper.bodyTexts(page, pages.bodyTop()))
            if (text.rfind("rad", 0) == 0) ++mine;
        printed += mine;
        EXPECT_NE(mine, 1) << "page " << page + 1 << " holds a single line of the tall row";
    }
    EXPECT_EQ(printed, 2 * perPage + 1);
    EXPECT_EQ(paper.bodyTexts(0, pages.bodyTop()).size(), 7U) << "the tall row moved off the first page";
}

TEST(PrintPages, RecordsFollowWithTheSeparatorOrStartANewPage) {
    TestPaper paper;
    PrintPages pages(paper, kA4Portrait, {});
    pages.header();
    pages.record("[1]Post 1\r\rAnna\r");
    EXPECT_TRUE(paper.canvas_.rules.empty()) << "the first record on a page has no separator";
    const int after = pages.penY();
    EXPECT_GT(after, pages.bodyTop());
    pages.record("[1]Post 2\r\rBrita\r");
    ASSERT_EQ(paper.canvas_.rules.size(), 1U);
    EXPECT_GT(paper.canvas_.rules[0].y, after);
    EXPECT_TRUE(paper.pageStarts.empty());
    // A record that does not fit the rest of the page starts page 2 without the separator.
    while (pages.linesLeft() > 10) pages.advance(1);
    pages.record(lines(20, "Rad "));
    ASSERT_EQ(paper.pageStarts.size(), 1U);
    EXPECT_EQ(paper.canvas_.rules.size(), 1U);
    const auto onPage2 = paper.bodyTexts(1, pages.bodyTop());
    ASSERT_EQ(onPage2.size(), 20U);
    EXPECT_EQ(onPage2[0], "Rad 1");
}

TEST(PrintPages, ARecordLongerThanAPageContinuesCutAtLineTops) {
    TestPaper paper;
    PrintPages pages(paper, kA4Portrait, {});
    pages.header();
    pages.record(lines(150, "Rad "));
    const auto texts = paper.pages();
    ASSERT_EQ(texts.size(), 3U);
    std::vector<std::string> all;
    for (std::size_t page = 0; page < texts.size(); ++page) {
        const auto body = paper.bodyTexts(page, pages.bodyTop());
        all.insert(all.end(), body.begin(), body.end());
        for (const auto& text : texts[page])
            if (text.y >= pages.bodyTop()) EXPECT_LE(text.y + 18, pages.bodyBottom());  // an 11-point line
    }
    ASSERT_EQ(all.size(), 150U) << "every line once, none cut at the body bottom";
    for (int i = 0; i < 150; ++i) EXPECT_EQ(all[static_cast<std::size_t>(i)], "Rad " + std::to_string(i + 1));
    EXPECT_EQ(texts[2][1].text, "Sida 3");
}

}  // namespace
}  // namespace tessla
