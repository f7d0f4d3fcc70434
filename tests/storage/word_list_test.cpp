#include "storage/word_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/little_endian.h"
#include "storage/word_list_format.h"
#include "storage/word_list_writer.h"
#include "temp_dir.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::TempDir;
using test::w;

struct Row {
    std::string text;  // UTF-8
    std::vector<std::int32_t> persons;
    std::uint32_t parent = 0;
};

class WordListTest : public ::testing::Test {
  protected:
    WordListProperties properties(const std::string& name) const {
        WordListProperties p;
        p.filkat = p.LZHfilkat = p.rllfilkat = dir_.path();
        p.filnamn = p.LZHfilnamn = name;
        p.radmaxlen = 40;
        p.maxrader = 1000;
        p.finnsBLOB = true;
        p.finnsurval = true;
        return p;
    }

    void write(const WordListProperties& p, const std::vector<Row>& rows) {
        WordListWriter writer(codec_, decodeBuffer_);
        ASSERT_TRUE(writer.create(p));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_TRUE(writer.append(w(rows[i].text), static_cast<std::uint32_t>(i + 100), 7,
                                      rows[i].persons, rows[i].parent));
        }
        ASSERT_TRUE(writer.close());
    }

    std::unique_ptr<TSPstruktlista> open(const WordListProperties& p) {
        auto list = std::make_unique<TSPstruktlista>(codec_, &messages_, decodeBuffer_, p.filnamn);
        list->properties() = p;
        list->oppna();
        return list;
    }

    static Tspsmalurval persons(std::int32_t size) {
        Tspsmalurval s;
        s.setCapacity(size);
        s.setUsedSize(size);
        s.allokera();
        return s;
    }

    static std::vector<std::int32_t> rowsOf(const Tspsmalurval& s) {
        std::vector<std::int32_t> rows;
        for (std::int32_t r = 0; s.nasta(r);) rows.push_back(r);
        return rows;
    }

    TempDir dir_;
    TCompress codec_;
    PersonListDecodeBuffer decodeBuffer_;
    RecordingMessageSink messages_;
};

// Sorted in the lists' order, which keeps accents: O before Z before Å before Ö.
const std::vector<Row> kNames = {
    {"Andersson", {1, 5, 9}}, {"Berg", {2}}, {"BERG", {3}},   {"Ek", {4, 6}},
    {"Ostra", {7}},           {"Zorn", {8}}, {"Åberg", {10}}, {"Östra", {11, 12}},
};

TEST_F(WordListTest, RowsRoundTripWithTheirPersons) {
    for (const bool packed : {false, true}) {
        WordListProperties p = properties(packed ? "packed" : "plain");
        p.LZH = packed;
        p.LZHraderperblock = 3;
        write(p, kNames);
        auto list = open(p);
        ASSERT_TRUE(list->isOpen()) << packed;
        ASSERT_EQ(list->rowCount(), 8);

        Tspsmalurval found = persons(20);
        for (const std::int32_t n : {8, 1, 4, 5}) {
            list->lasrad(n);
            EXPECT_EQ(list->text(), w(kNames[static_cast<std::size_t>(n - 1)].text)) << n;
            EXPECT_EQ(list->ord1(), static_cast<std::uint32_t>(n + 99));
            EXPECT_EQ(list->ord2(), 7u);
            list->markera(found);
        }
        EXPECT_EQ(rowsOf(found), (std::vector<std::int32_t>{1, 4, 5, 6, 7, 9, 11, 12})) << packed;

        list->lasrad(2);  // one person, stored in the row itself
        EXPECT_EQ(list->personCount(), 0);
        EXPECT_EQ(list->personPosition(), 2u);
        Tspsmalurval some = persons(20);
        some.satt(2, true);
        some.satt(5, true);
        EXPECT_EQ(list->rakna(some).hits, 1);
        EXPECT_EQ(list->rakna(some).total, 1);
        list->lasrad(1);
        EXPECT_EQ(list->rakna(some).hits, 1);
        EXPECT_EQ(list->rakna(some).total, 3);

        list->lasrad(0);  // outside the list: the current row stays
        list->lasrad(9);
        EXPECT_EQ(list->currentRow(), 1);
    }
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(WordListTest, SearchesFindTheFirstMatchingRow) {
    const WordListProperties p = properties("names");
    write(p, kNames);
    auto list = open(p);
    struct Case {
        const char* key;
        bool prefix;
        std::int32_t expected;
    } cases[] = {
        {"", true, 1},      {"berg", false, 2},      {"BER", true, 2},  {"Bergman", false, -1},
        {"ostra", true, 5}, {"Östra", false, 8},     {"östr", true, 8}, {"Aaa", true, -1},
        {"Zz", false, -1},  {"Andersson", false, 1}, {"Å", true, 7},    {"Örn", false, -1},
    };
    for (const auto& c : cases) {
        const std::int32_t found = c.prefix ? list->sokprefix(w(c.key)) : list->sokexakt(w(c.key));
        EXPECT_EQ(found, c.expected) << c.key;
        if (found > 0) {
            EXPECT_EQ(list->currentRow(), found) << c.key;
        }
    }

    const WordListProperties one = properties("one");
    write(one, {{"Ek", {1}}});
    auto single = open(one);
    EXPECT_EQ(single->sokexakt("EK"), 1);
    EXPECT_EQ(single->sokprefix("F"), -1);

    TSPstruktlista closed(codec_, nullptr, decodeBuffer_, "closed");
    EXPECT_EQ(closed.sokexakt("Ek"), 0);
}

TEST_F(WordListTest, TreeListOpensWithItsOutline) {
    WordListProperties p = properties("places");
    p.styrfilkat = dir_.path();
    write(p, {{"Amerika", {1, 2, 3}},
              {"Amerika&B, Boston", {1, 2}, 1},
              {"Amerika&B, Chicago", {3}, 1},
              {"Norge", {4}},
              {"Norge&B, Kristiania", {4}, 4}});
    auto list = open(p);
    ASSERT_TRUE(list->hasParentTable());
    EXPECT_EQ(list->parentOf(3), 1);
    // Every row shows, picked or not: `vald` holds picks, not a filter of the tree.
    EXPECT_EQ(list->visibleCount(), 5);
    list->vald().satt(3, true);
    list->byggvy();
    EXPECT_EQ(list->visibleCount(), 5);
    list->expanderad().tomma();
    list->byggvy();
    EXPECT_EQ(list->visibleCount(), 2);
    list->lassynlig(2);
    EXPECT_EQ(list->text(), "Norge");
    EXPECT_EQ(list->currentVisible(), 4);
    EXPECT_EQ(list->synligplats(4), 2);
    EXPECT_EQ(rowsOf(list->lov()), (std::vector<std::int32_t>{2, 3, 5}));

    // The chosen rows survive a re-open of an unchanged list.
    list->stang();
    list->oppna();
    EXPECT_EQ(list->vald().antal(), 1);
}

TEST_F(WordListTest, DamagedOrMissingFilesLeaveTheListClosedOrEmpty) {
    namespace fmt = word_list_format;
    const WordListProperties p = properties("bad");
    const auto header = [](std::uint32_t rows, std::uint32_t capacity, std::uint32_t headerSize,
                           std::uint32_t rowLength) {
        std::vector<std::uint8_t> bytes(fmt::kHeaderSize, 0);
        putFixed32(bytes.data() + fmt::kRowCountOffset, rows);
        putFixed32(bytes.data() + fmt::kCapacityOffset, capacity);
        putFixed32(bytes.data() + fmt::kHeaderSizeOffset, headerSize);
        putFixed32(bytes.data() + fmt::kRowLengthOffset, rowLength);
        return bytes;
    };
    const auto withRows = [](std::vector<std::uint8_t> bytes, std::size_t rowBytes) {
        bytes.resize(bytes.size() + rowBytes, 0);
        return bytes;
    };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool opens;
        const char* message;
    } cases[] = {
        {"short header", {1, 2, 3}, false, "4"},
        {"more rows than capacity", header(10, 5, 22, 48), false, "4"},
        {"row length too small", header(1, 5, 22, 8), false, "4"},
        {"row length absurd", header(1, 5, 22, 0x7FFFFFFF), false, "4"},
        {"header beyond the file", header(1, 5, 5000, 48), false, "4"},
        {"rows beyond the file", header(1000, 1000, 22, 48), false, "4"},
        {"rows within the file", withRows(header(2, 1000, 22, 48), 2 * 48), true, ""},
    };
    for (const auto& c : cases) {
        messages_.messages.clear();
        test::writeBytes(dir_.path() + "bad.i", c.bytes);
        auto list = open(p);
        EXPECT_EQ(list->isOpen(), c.opens) << c.what;
        const std::vector<std::string> expected =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(messages_.messages, expected) << c.what;
        if (list->isOpen()) {
            list->lasrad(500);  // beyond the row count
            EXPECT_EQ(list->currentRow(), -1) << c.what;
            EXPECT_EQ(list->sokexakt("x"), -1) << c.what;
        }
    }

    // A missing row file is created empty.
    const WordListProperties fresh = properties("fresh");
    auto list = open(fresh);
    EXPECT_TRUE(list->isOpen());
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(list->sokprefix(""), -1);
}

TEST_F(WordListTest, UnreadablePackedBlocksReadAsNoRowAndAreReportedOnce) {
    WordListProperties p = properties("packed");
    p.LZH = true;
    p.LZHraderperblock = 2;
    write(p, kNames);
    // Blocks 0 and 1 claim lengths beyond the file.
    auto bytes = test::readBytes(dir_.path() + "packed.i");
    const std::size_t firstBlock = word_list_format::kHeaderSize;
    const std::uint32_t secondBlock = firstBlock + 4 + getFixed32(bytes.data() + firstBlock);
    putFixed32(bytes.data() + firstBlock, 0xFFFFFFF0);
    putFixed32(bytes.data() + secondBlock, 0x7FFFFFFF);
    test::writeBytes(dir_.path() + "packed.i", bytes);
    auto list = open(p);
    ASSERT_TRUE(list->isOpen());
    for (std::int32_t n = 1; n <= 4; ++n) {
        list->lasrad(n);
        EXPECT_EQ(list->currentRow(), -1) << n;
    }
    list->lasrad(5);  // block 2 is whole
    EXPECT_EQ(list->text(), "Ostra");
    EXPECT_EQ(messages_.messages.size(), 1u);
}

}  // namespace
}  // namespace tessla
