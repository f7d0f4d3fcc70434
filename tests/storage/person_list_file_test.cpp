#include "storage/person_list_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/temp_dir.h"

namespace tessla {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A `.b1` header claiming one list, followed by body; the list under test starts at offset 16.
Bytes fileWith(const Bytes& body) {
    Bytes bytes(blob_format::kSimpleBlobHeaderSize + body.size(), 0);
    bytes[blob_format::kSimpleBlobListCountOffset] = 1;
    bytes[blob_format::kSimpleBlobHeaderSizeOffset] = 16;
    std::copy(body.begin(), body.end(), bytes.begin() + 16);
    return bytes;
}

Tspsmalurval selectionOf(std::int32_t rows) {
    Tspsmalurval sel;
    sel.setCapacity(rows);
    sel.setUsedSize(rows);
    sel.allokera();
    return sel;
}

std::vector<std::int32_t> rowsOf(const Tspsmalurval& sel) {
    std::vector<std::int32_t> rows;
    for (std::int32_t r = 0; sel.nasta(r);) rows.push_back(r);
    return rows;
}

class PersonListFileTest : public ::testing::Test {
  protected:
    // Opens the file (created when missing) as name in the test's directory.
    Tspenkelblobfil& open(const std::string& name = "lists.b1", bool ny = false) {
        file_.setFilkat(dir_.path());
        file_.setFilnamn(name);
        file_.oppna(ny);
        return file_;
    }
    Tspenkelblobfil& openWith(const Bytes& bytes) {
        test::writeBytes(dir_.path() + "lists.b1", bytes);
        return open();
    }

    test::TempDir dir_;
    PersonListDecodeBuffer buffer_;
    RecordingMessageSink sink_;
    Tspenkelblobfil file_{buffer_, &sink_};
};

struct DecodeCase {
    const char* name;
    Bytes list;
    std::int32_t m;
    std::vector<std::int32_t> rows;
    std::vector<std::string> messages;
};

// Selection of 400 rows; the list lies at offset 16.
const DecodeCase kDecodeCases[] = {
    {"codes 3, 0 with 300, 255 with 12 after 10",
     {10, 0, 0, 0, 11, 0, 3, 0, 44, 1, 255, 12, 0, 0, 0},
     4,
     {10, 12, 13, 313},
     {}},
    {"chunk of length 2 holds no codes", {5, 0, 0, 0, 2, 0, 3, 0, 1}, 2, {5, 6}, {}},
    {"one person reads only the first number", {5, 0, 0, 0, 3, 0, 1}, 1, {5}, {}},
    {"no persons", {5, 0, 0, 0}, 0, {}, {}},
    {"negative count", {5, 0, 0, 0}, -3, {}, {}},
    {"count beyond the file stops at its end", {5, 0, 0, 0, 4, 0, 1, 1}, 0x7FFFFFFF, {5, 6, 7}, {}},
    {"list cut inside the first number", {5, 0}, 1, {}, {}},
    {"chunk running past the file", {5, 0, 0, 0, 9, 0, 1, 1}, 3, {5}, {}},
    {"chunk length 0", {5, 0, 0, 0, 0, 0, 1}, 2, {5}, {}},
    {"chunk length 1", {5, 0, 0, 0, 1, 0, 1}, 2, {5}, {}},
    {"chunk longer than the decode buffer", {5, 0, 0, 0, 0xFF, 0xFF, 1}, 2, {5}, {}},
    {"code running past its chunk", {5, 0, 0, 0, 4, 0, 1, 0, 1, 0}, 3, {5, 6}, {}},
    {"numbers beyond the selection are reported once and skipped",
     {5, 0, 0, 0, 13, 0, 255, 0xF4, 1, 0, 0, 1, 255, 7, 0, 0, 0},
     4,
     {5, 7},
     {"500"}},
    {"number 0", {0, 0, 0, 0, 3, 0, 9}, 2, {9}, {"0"}},
    {"negative number", {0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 2}, 2, {1}, {"-1"}},
};

TEST_F(PersonListFileTest, DecodesListsAndStopsAtDamage) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.name);
        sink_.messages.clear();
        Tspenkelblobfil& file = openWith(fileWith(c.list));
        ASSERT_TRUE(file.isOpen());
        Tspsmalurval sel = selectionOf(400);
        file.lasurval(16, c.m, sel);
        EXPECT_EQ(rowsOf(sel), c.rows);
        EXPECT_EQ(sink_.messages, c.messages);
        // The count is kept: rows decoded again are not counted twice.
        EXPECT_EQ(sel.count(), static_cast<std::int32_t>(c.rows.size()));
        file.lasurval(16, c.m, sel);
        EXPECT_EQ(sel.count(), static_cast<std::int32_t>(c.rows.size()));
        // Counting walks the same numbers: every row just set is a hit.
        EXPECT_EQ(file.raknaurval(16, c.m, sel), static_cast<std::int32_t>(c.rows.size()));
        file.stang();
    }
}

TEST_F(PersonListFileTest, RaknablobCountsRowsEqualToV) {
    Tspenkelblobfil& file = openWith(fileWith({2, 0, 0, 0, 4, 0, 1, 2}));  // 2, 3, 5
    Tspsmalurval sel = selectionOf(10);
    sel.satt(3, true);
    sel.satt(9, true);
    EXPECT_EQ(file.raknablob(16, 3, sel, true).hits, 1);
    BlobCount unset = file.raknablob(16, 3, sel, false);
    EXPECT_EQ(unset.persons, 3);
    EXPECT_EQ(unset.hits, 2);

    file.lasurval(16, 3, sel, false);
    EXPECT_EQ(rowsOf(sel), (std::vector<std::int32_t>{9}));
    EXPECT_EQ(sel.count(), 1);
}

TEST_F(PersonListFileTest, NothingIsReadIntoASelectionWithoutBits) {
    Tspenkelblobfil& file = openWith(fileWith({200, 0, 0, 0}));
    Tspsmalurval sel;
    sel.setUsedSize(10);
    file.lasurval(16, 1, sel);
    EXPECT_TRUE(sink_.messages.empty());
}

TEST(EncodePersonListTest, WritesTheShortestCodes) {
    Bytes out;
    encodePersonList(std::vector<std::int32_t>{10, 13, 313, 12}, out);
    EXPECT_EQ(out, (Bytes{10, 0, 0, 0, 11, 0, 3, 0, 44, 1, 255, 12, 0, 0, 0}));

    out.clear();
    encodePersonList(std::vector<std::int32_t>{70000}, out);
    EXPECT_EQ(out, (Bytes{0x70, 0x11, 1, 0}));
}

// Chunk lengths of an encoded list of more than one person, checked to cover it exactly.
std::vector<std::size_t> chunkLengths(const Bytes& list) {
    std::vector<std::size_t> lengths;
    for (std::size_t at = blob_format::kFirstNumberSize; at < list.size(); at += lengths.back()) {
        lengths.push_back(getFixed16(list.data() + at));
        if (lengths.back() < 2) break;
    }
    return lengths;
}

TEST(EncodePersonListTest, KeepsEveryChunkWithinTheLimit) {
    std::vector<std::int32_t> persons;
    for (std::int32_t k = 0; k < 40000; ++k)
        persons.push_back(k % 2 == 0 ? 1000000 - k : 1 + k);  // 5-byte codes
    Bytes out;
    encodePersonList(persons, out);
    std::size_t total = blob_format::kFirstNumberSize;
    for (std::size_t length : chunkLengths(out)) {
        EXPECT_GE(length, 2u);
        EXPECT_LE(length, blob_format::kChunkLimit);
        total += length;
    }
    EXPECT_EQ(total, out.size());
    EXPECT_EQ(chunkLengths(out).size(), 4u);  // 39999 five-byte codes need four chunks
}

TEST_F(PersonListFileTest, AppendedListsReadBack) {
    std::vector<std::int32_t> dense(150000);
    for (std::size_t k = 0; k < dense.size(); ++k) dense[k] = static_cast<std::int32_t>(2 * k + 1);
    std::vector<std::int32_t> zigzag;
    for (std::int32_t k = 0; k < 30000; ++k) zigzag.push_back(k % 2 == 0 ? 299999 - k : 1 + k);
    // Runs of consecutive persons, 1 to 150 long, as a name's persons are; some cross a chunk.
    std::vector<std::int32_t> runs;
    for (std::int32_t k = 0, next = 1; next < 290000; ++k, next += k % 5 + 2) {
        for (const std::int32_t last = next + k * 37 % 150; next < last; ++next) runs.push_back(next);
    }
    const std::vector<std::vector<std::int32_t>> lists = {
        {1, 2, 256, 255, 510, 66045, 131581, 7},  // every code, both ways
        dense,                                    // 1-byte codes over three chunks
        zigzag,                                   // 5-byte codes over three chunks
        runs,
    };
    Tspenkelblobfil& writer = open();
    writer.buffert(100);
    std::vector<std::uint32_t> positions;
    for (const auto& list : lists) positions.push_back(writer.appendList(list).value_or(0));
    EXPECT_EQ(positions[0], 16u);
    writer.stang();

    Tspenkelblobfil& reader = open();
    EXPECT_EQ(reader.listCount(), lists.size());
    for (std::size_t k = 0; k < lists.size(); ++k) {
        SCOPED_TRACE(k);
        Tspsmalurval sel = selectionOf(300000);
        const auto m = static_cast<std::int32_t>(lists[k].size());
        reader.lasurval(positions[k], m, sel);
        std::vector<std::int32_t> expected = lists[k];
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(rowsOf(sel), expected);
        EXPECT_EQ(reader.raknablob(positions[k], m, sel, true).hits, m);
        EXPECT_EQ(sel.count(), m);
    }
    EXPECT_TRUE(sink_.messages.empty());

    // A run stops at the list's count and where the selection ends, whose first number beyond is
    // reported.
    const std::int32_t limit = runs[1000] + 3;
    Tspsmalurval part = selectionOf(limit);
    reader.lasurval(positions.back(), 1500, part);
    std::vector<std::int32_t> expected(runs.begin(), runs.begin() + 1500);
    std::erase_if(expected, [&](std::int32_t n) { return n > limit; });
    EXPECT_EQ(rowsOf(part), expected);
    EXPECT_EQ(part.count(), static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(sink_.messages, std::vector<std::string>{std::to_string(limit + 1)});
}

TEST_F(PersonListFileTest, StoreListKeepsOnePersonInPlace) {
    Tspenkelblobfil& file = open();
    std::optional<PersonListPlace> one = file.storeList(std::vector<std::int32_t>{42});
    std::optional<PersonListPlace> two = file.storeList(std::vector<std::int32_t>{42, 43});
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->position, 42u);
    EXPECT_EQ(one->count, 0);
    EXPECT_EQ(two->position, 16u);
    EXPECT_EQ(two->count, 2);
    EXPECT_FALSE(file.storeList({}));
    EXPECT_EQ(file.listCount(), 1u);
    file.stang();
    EXPECT_EQ(test::readBytes(dir_.path() + "lists.b1"),
              (Bytes{0, 0, 1, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 42, 0, 0, 0, 3, 0, 1}));
}

TEST_F(PersonListFileTest, AMissingFileIsCreatedEmpty) {
    Tspenkelblobfil& file = open();
    EXPECT_TRUE(file.isOpen());
    EXPECT_FALSE(file.changed());
    file.stang();
    EXPECT_EQ(test::readBytes(dir_.path() + "lists.b1"),
              (Bytes{0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PersonListFileTest, FailuresLeaveTheFileClosed) {
    const struct {
        const char* name;
        bool makeShortFile;
        std::string filnamn;
    } cases[] = {
        {"directory missing", false, "missing/lists.b1"},
        {"header cut short", true, "lists.b1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.makeShortFile) test::writeBytes(dir_.path() + c.filnamn, {0, 0, 1});
        Tspenkelblobfil& file = open(c.filnamn);
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(file.errorCode(), Tspenkelblobfil::kOpenFailed);
        EXPECT_FALSE(file.appendList(std::vector<std::int32_t>{1, 2}));
        Tspsmalurval sel = selectionOf(10);
        file.lasurval(16, 1, sel);
        EXPECT_EQ(sel.antal(), 0);
    }
}

}  // namespace
}  // namespace tessla
