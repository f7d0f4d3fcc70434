#include "view/clipboard_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "census/household.h"
#include "clipboard_census.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

using test::kLongNameRecord;
using test::kLongRemarksRecord;
using test::kNamelessRecord;

// The lines of a copy, each without its CR LF; a copy whose last line has no CR LF fails.
std::vector<std::string> linesOf(const std::string& copy) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < copy.size()) {
        const std::size_t end = copy.find("\r\n", begin);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF at its end: " << copy.substr(begin);
            break;
        }
        lines.push_back(copy.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

// Every carriage return of `text` is followed by a line feed and every line feed follows one.
void expectCrLfOnly(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "CR alone at " << i;
        }
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "LF alone at " << i;
        }
    }
}

class ClipboardTextsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { census_ = new test::CensusFixture(test::clipboardCensusRows()); }
    static void TearDownTestSuite() {
        delete census_;
        census_ = nullptr;
    }

    TSPstruktlista& master() { return census_->db().tessllista(); }
    TSPregtext& tessl() { return census_->db().tessl(); }

    // Chooses the persons of `records` in the person list, as a search does.
    void choose(const std::set<std::int32_t>& records) {
        Tspsmalurval& chosen = master().vald();
        chosen.tomma();
        for (std::int32_t entry = 1; entry <= master().rowCount(); ++entry) {
            master().lasrad(entry);
            if (records.count(static_cast<std::int32_t>(master().ord1())) > 0) chosen.satt(entry, true);
        }
        master().byggvy();
    }

    static test::CensusFixture* census_;
};

test::CensusFixture* ClipboardTextsTest::census_ = nullptr;

TEST(WithCrLf, EveryLineEndBecomesCrLf) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", ""},
        {"a", "a"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb", "a\r\nb"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"\r\r", "\r\n\r\n"},
        {"\n\r", "\r\n\r\n"},
        {"a\r\n\nb", "a\r\n\r\nb"},
    };
    for (const auto& c : cases) EXPECT_EQ(withCrLf(c.text), c.expected) << c.text;
}

TEST_F(ClipboardTextsTest, TheListCopyHoldsTheRowsOnScreenAndStopsAtTheLast) {
    // Records 10 to 49 are the persons "Nr 001" to "Nr 040", born 1800 + their number.
    std::set<std::int32_t> forty;
    for (std::int32_t record = 10; record < 50; ++record) forty.insert(record);
    choose(forty);
    ASSERT_EQ(master().visibleCount(), 40);
    const auto line = [](int k) {
        char text[32];
        std::snprintf(text, sizeof text, "Nr %03d, Anders\t%d", k, 1800 + k);
        return std::string(text);
    };

    // Rows 10 to 25 on screen: the grid's top row 9, 16 rows.
    std::vector<std::string> expected;
    for (int k = 10; k <= 25; ++k) expected.push_back(line(k));
    EXPECT_EQ(linesOf(listCopyText(master(), 9, 16)), expected);

    // Ten rows left below the top: ten lines.
    expected.clear();
    for (int k = 31; k <= 40; ++k) expected.push_back(line(k));
    EXPECT_EQ(linesOf(listCopyText(master(), 30, 16)), expected);

    EXPECT_EQ(listCopyText(master(), 40, 16), "");
    EXPECT_EQ(listCopyText(master(), 0, 0), "");
    choose({});
    EXPECT_EQ(listCopyText(master(), 0, 16), "");
}

TEST_F(ClipboardTextsTest, TheListCopyTakesNameAndYearAsTheRowHoldsThem) {
    choose({kNamelessRecord, kLongNameRecord});
    ASSERT_EQ(master().visibleCount(), 2);
    const std::string longName = w("Långnamn") + std::string(292, 'a') + ", Per\t1850";
    // No placeholder for the missing name, the whole year where the grid shows 11 characters,
    // and the long name cut at 255 characters where the grid's rows stop at 119. A row without a
    // name comes last in the list.
    EXPECT_EQ(
        linesOf(listCopyText(master(), 0, 16)),
        (std::vector<std::string>{longName.substr(0, kCopyLineLength), w("\tomkring år 1850 eller 1851")}));
}

TEST_F(ClipboardTextsTest, TheRecordCopyIsTheHeadedPersonTextWithoutMarkupInCrLfLines) {
    for (const Language language : {Language::Swedish, Language::English}) {
        const std::string copy = recordCopyText(tessl(), 1, language);
        const std::string heading = inLanguage(language, "Post A-1", "Record A-1");
        SCOPED_TRACE(heading);
        EXPECT_EQ(copy.rfind(heading + "\r\n\r\n", 0), 0u) << copy;
        EXPECT_EQ(copy.find_first_of("[]"), std::string::npos) << copy;
        expectCrLfOnly(copy);
        for (const char* word : {"Lind", "Karl Johan", "Torpare", "1842"})
            EXPECT_NE(copy.find(word), std::string::npos) << word << " missing from " << copy;
        // Past the heading, line for line the person text as shown, without its codes.
        const std::string shown = stripMarkup(buildPersonText(loadPerson(tessl(), 1), language));
        std::vector<std::string> shownLines;
        for (std::size_t begin = 0; begin < shown.size();) {
            const std::size_t end = std::min(shown.find('\r', begin), shown.size());
            shownLines.push_back(shown.substr(begin, end - begin));
            begin = end + 1;
        }
        std::vector<std::string> lines = linesOf(copy);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), shownLines);
    }
}

TEST_F(ClipboardTextsTest, ACopyOfAnyLengthIsWhole) {
    const std::string copy = recordCopyText(tessl(), kLongRemarksRecord, Language::Swedish);
    EXPECT_GT(copy.size(), 7000u);
    expectCrLfOnly(copy);
    const std::vector<std::string> lines = linesOf(copy);
    for (const int k : {1, 100, 200}) {
        const std::string remark = w(test::longRemark(k));
        EXPECT_EQ(std::count(lines.begin(), lines.end(), remark), 1) << remark;
    }

    // A list of 163 rows on screen at once.
    choose([] {
        std::set<std::int32_t> all;
        for (std::int32_t record = 1; record <= kLongRemarksRecord; ++record) all.insert(record);
        return all;
    }());
    const std::string list = listCopyText(master(), 0, 1000);
    EXPECT_GT(list.size(), 3000u);
    EXPECT_EQ(linesOf(list).size(), 163u);
}

TEST_F(ClipboardTextsTest, NoRecordGivesAnEmptyCopy) {
    for (const std::int32_t record : {-1, 0, tessl().count() + 1})
        EXPECT_EQ(recordCopyText(tessl(), record, Language::Swedish), "") << record;
}

}  // namespace
}  // namespace tessla
