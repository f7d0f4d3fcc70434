#include "storage/text_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/blob_format.h"
#include "storage/text_base_format.h"
#include "temp_dir.h"

namespace tessla {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t get32(const Bytes& b, std::size_t offset) {
    return getFixed32(b.data() + offset);
}

// A string field: its lead byte, the text and the NUL.
Bytes field(char lead, std::string_view text) {
    Bytes b(text.size() + 2, 0);
    b[0] = static_cast<std::uint8_t>(lead);
    std::copy(text.begin(), text.end(), b.begin() + 1);
    return b;
}
Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes pointerFile(const std::vector<std::uint32_t>& entries) {
    Bytes b;
    appendFixed16(b, 2);
    appendFixed16(b, 0);
    appendFixed16(b, 0);
    appendFixed32(b, static_cast<std::uint32_t>(entries.size()));
    appendFixed32(b, static_cast<std::uint32_t>(entries.size()));
    appendFixed16(b, 0);
    for (const auto e : entries) appendFixed32(b, e);
    return b;
}

constexpr std::string_view kHelpLabels[] = {"1TEXTKOD", "1RUBRIK", "5TEXT"};

TextBaseSettings settingsOf(std::span<const std::string_view> labels, TblobfilLZHmode mode,
                            std::uint16_t perBlock, std::int32_t textmaxsiz, std::int32_t hash = 0) {
    TextBaseSettings s = helpTextBase();
    s.name = "testbas";
    s.bfilnamn = s.pfilnamn = s.LZHfilnamn = "t";
    s.labels = labels;
    s.LZH = mode;
    s.LZHposterperblock = perBlock;
    s.textmaxsiz = textmaxsiz;
    s.hash = hash;
    s.antpc = 1;
    s.pcsiz = 100;
    s.RO = true;
    return s;
}

TextBaseDirectories in(const std::string& dir) {
    return {dir, dir, dir};
}

// --- Hand-made files ---------------------------------------------------------------------------

Bytes header(std::uint32_t count) {
    Bytes b;
    appendFixed16(b, 7);
    appendFixed32(b, count);
    appendFixed32(b, 16);
    appendFixed32(b, 0);
    appendFixed16(b, 0);
    return b;
}

// Record data of exactly `size` bytes: one text field of the letter `c`.
Bytes recordOfSize(std::size_t size, char c) {
    return field('1', std::string(size - 2, c));
}

// One record area of a hand-made base.
struct Area {
    enum Pointer { Normal, None, PastTheEnd };
    Bytes data;
    std::optional<std::uint32_t> length = std::nullopt;  // the length word, when not data.size()
    Pointer pointer = Normal;
};

// Writes t.b, t.p and, block-packed, t.pz. Packed blocks are stored raw (the codec copies a block
// that does not start with its magic), so the expanded blocks hold exactly the areas given.
void writeHandMade(const std::string& dir, const std::vector<Area>& areas, TblobfilLZHmode mode,
                   std::size_t perBlock) {
    const bool packed = mode == TblobfilLZHmode::LZHblockpacka;
    Bytes text = header(static_cast<std::uint32_t>(areas.size()));
    std::vector<std::uint32_t> pointers;
    std::vector<std::uint32_t> blocks;
    Bytes block;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        Bytes& out = packed ? block : text;
        const Area& area = areas[i];
        pointers.push_back(area.pointer == Area::None ? blob_format::kNoEntry
                                                      : static_cast<std::uint32_t>(out.size()));
        appendFixed32(out, static_cast<std::uint32_t>(i + 1));
        appendFixed32(out, area.length.value_or(static_cast<std::uint32_t>(area.data.size())));
        appendFixed32(out, 0);
        out = out + area.data;
        if (area.pointer == Area::PastTheEnd) pointers.back() = static_cast<std::uint32_t>(out.size() + 100);
        if (packed && ((i + 1) % perBlock == 0 || i + 1 == areas.size())) {
            blocks.push_back(static_cast<std::uint32_t>(text.size()));
            appendFixed32(text, static_cast<std::uint32_t>(block.size()));
            text = text + block;
            block.clear();
        }
    }
    writeBytes(dir + "t.b", text);
    writeBytes(dir + "t.p", pointerFile(pointers));
    if (packed) writeBytes(dir + "t.pz", pointerFile(blocks));
}

constexpr std::int32_t kMax = 32;  // textmaxsiz of the hand-made bases

// Records 1 … 7, the last one cut short by the end of its file or block.
const std::vector<Area> kAreas = {
    {field('1', "ABC") + field('1', "Rubrik") + field('5', "Lang text")},
    {{}, std::nullopt, Area::None},
    {recordOfSize(kMax, 'x')},
    {recordOfSize(kMax + 1, 'y')},
    {field('1', "far"), std::nullopt, Area::PastTheEnd},
    {field('1', "huge"), 0xFFFFFFF0},
    {field('1', "cut"), kMax},
};

class HandMadeTest : public testing::TestWithParam<TblobfilLZHmode> {
  protected:
    HandMadeTest() { writeHandMade(dir.path(), kAreas, GetParam(), 2); }
    TextBaseSettings settings() const { return settingsOf(kHelpLabels, GetParam(), 2, kMax); }

    TempDir dir;
    TCompress codec;
};

TEST_P(HandMadeTest, ReadsRecordsAndKeepsTheBufferOnEveryFailure) {
    TSPregtext base(settings(), in(dir.path()), codec, nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.count(), 7);
    EXPECT_EQ(base.maxrader(), 10000000);

    struct Case {
        const char* what;
        std::int32_t n;
        int status;
    };
    const Case cases[] = {
        {"exactly textmaxsiz", 3, 0}, {"one byte longer", 4, 3},
        {"pointer 0xFFFFFFFF", 2, 2}, {"pointer past the end", 5, 2},
        {"absurd length", 6, 3},      {"length past the end", 7, 2},
        {"record 0", 0, 2},           {"count + 1", 8, 2},
        {"negative", -1, 2},
    };
    for (const Case& c : cases) {
        base.laspost(c.n);
        EXPECT_EQ(base.status(), c.status) << c.what;
        // Whatever failed, record 3 stays in the buffer.
        EXPECT_EQ(base.record().size(), static_cast<std::size_t>(kMax)) << c.what;
        EXPECT_EQ(base.record()[1], 'x') << c.what;
    }

    base.laspost(1);
    EXPECT_EQ(base.status(), 0);
    base.tolkapost();
    EXPECT_EQ(base.fields().texts, (std::vector<std::string>{"ABC", "Rubrik"}));
    EXPECT_EQ(base.longText(1), "Lang text");
    EXPECT_EQ(base.longText(2), "");

    base.stang();
    EXPECT_FALSE(base.isOpen());
    EXPECT_EQ(base.count(), 0);
    EXPECT_EQ(base.sokpost("ABC", 0), 0);
    // The header of a file that was only read is left as it was, file kind included.
    EXPECT_EQ(readBytes(dir.path() + "t.b")[0], 7);
}

TEST_P(HandMadeTest, WithoutPointerListEveryReadReportsNoBuffer) {
    TextBaseSettings withoutList = settings();
    withoutList.pltyp = -1;
    TSPregtext base(withoutList, in(dir.path()), codec, nullptr);
    ASSERT_TRUE(base.oppna());
    base.laspost(1);
    EXPECT_EQ(base.status(), 1);
}

TEST_P(HandMadeTest, ReadsThePointerListLoadedWhole) {
    TextBaseSettings loaded = settings();
    loaded.pltyp = 1;
    TSPregtext base(loaded, in(dir.path()), codec, nullptr);
    ASSERT_TRUE(base.oppna());
    base.laspost(3);
    EXPECT_EQ(base.status(), 0);
    base.laspost(2);
    EXPECT_EQ(base.status(), 2);
}

TEST_P(HandMadeTest, KeepsDirectoriesLongerThan128Characters) {
    const std::string deep = dir.path() + std::string(150, 'd') + "/";
    std::filesystem::create_directory(deep);
    for (const char* name : {"t.b", "t.p", "t.pz"}) {
        if (std::filesystem::exists(dir.path() + name))
            std::filesystem::rename(dir.path() + name, deep + name);
    }
    TSPregtext base(settings(), in(deep), codec, nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.count(), 7);
    base.laspost(1);
    EXPECT_EQ(base.status(), 0);
}

INSTANTIATE_TEST_SUITE_P(PlainAndPacked, HandMadeTest,
                         testing::Values(TblobfilLZHmode::LZHpackainte, TblobfilLZHmode::LZHblockpacka));

TEST(TextBaseTest, OpensOnlyWithAWholeHeader) {
    TCompress codec;
    struct Case {
        const char* what;
        Bytes text;
        bool opens;
    };
    const Case cases[] = {
        {"short header", Bytes(15, 0), false},
        {"count above 2^31 - 1", header(0x80000000), false},
        {"no records", header(0), true},
        {"more records than pointers", header(5), true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeBytes(dir.path() + "t.b", c.text);
        writeBytes(dir.path() + "t.p", pointerFile({}));
        TSPregtext base(settingsOf(kHelpLabels, TblobfilLZHmode::LZHpackainte, 1, 100), in(dir.path()), codec,
                        nullptr);
        EXPECT_EQ(base.oppna(), c.opens) << c.what;
        base.laspost(1);
        EXPECT_EQ(base.status(), c.opens ? 2 : 1) << c.what;
    }
}

TEST(TextBaseTest, CreatesMissingFilesWithAFreshHeader) {
    TempDir dir;
    TCompress codec;
    TSPregtext base(settingsOf(kHelpLabels, TblobfilLZHmode::LZHblockpacka, 100, 100), in(dir.path()), codec,
                    nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.count(), 0);
    EXPECT_EQ(base.sokpost("x", 0), -1);
    base.stang();
    EXPECT_EQ(readBytes(dir.path() + "t.b"), (Bytes{0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "t.p"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "t.pz"));
}

TEST(TextBaseTest, RefusesABlockPackedBaseWithoutRecordsPerBlock) {
    TempDir dir;
    TCompress codec;
    TSPregtext base(settingsOf(kHelpLabels, TblobfilLZHmode::LZHblockpacka, 0, 100), in(dir.path()), codec,
                    nullptr);
    EXPECT_FALSE(base.oppna());
    base.laspost(1);
    EXPECT_EQ(base.count(), 0);
}

// --- Parsing -----------------------------------------------------------------------------------

TEST(TextBaseTest, ParsesFieldsByLabelAndStopsAtTheFirstFieldThatDoesNotFit) {
    Bytes allTypes = field('1', "Anna");
    allTypes.push_back('2');
    appendFixed32(allTypes, 0xFFFFFFFE);
    allTypes.push_back('3');
    appendFixed16(allTypes, 0x8001);
    allTypes.push_back('4');
    appendFixed32(allTypes, 7);
    allTypes = allTypes + field('5', "remark") + field('1', "Berg");
    const Bytes unterminated = field('1', "Anna") + Bytes{'1', 'B', 'e'};
    Bytes shortInteger = field('1', "Anna");
    shortInteger.insert(shortInteger.end(), {'2', 1, 2, 3});

    struct Case {
        const char* what;
        std::string_view types;
        Bytes data;
        std::vector<std::string> texts;
        std::vector<std::int32_t> integers;
        std::vector<std::int16_t> shorts;
        std::string longText;
    };
    const std::vector<Case> cases = {
        {"every type; unknown labels consume nothing",
         std::string_view("1923\0"
                          "4501",
                          9),
         allTypes,
         {"Anna", "Berg"},
         {-2, 7},
         {-32767},
         "remark"},
        {"a string without its NUL", "111", unterminated, {"Anna"}, {}, {}, ""},
        {"an integer past the end", "121", shortInteger, {"Anna"}, {}, {}, ""},
        {"more labels than data", "11", field('1', "Anna"), {"Anna"}, {}, {}, ""},
        {"a long text cut to its buffer",
         {"5E"},
         field('5', std::string(150, 'r')),
         {},
         {},
         {},
         std::string(99, 'r')},
        {"a text field cut to 6000",
         {"1A"},
         field('1', std::string(6001, 't')),
         {std::string(6000, 't')},
         {},
         {},
         ""},
        {"an empty record", "12", {}, {}, {}, {}, ""},
    };
    for (const Case& c : cases) {
        ParsedRecord parsed;
        parsed.longTexts.assign(1, "left from the record before");
        parseRecord(c.data, c.types, 100, parsed);
        EXPECT_EQ(parsed.texts, c.texts) << c.what;
        EXPECT_EQ(
            std::vector<std::int32_t>(parsed.integers.begin(), parsed.integers.begin() + parsed.integerCount),
            c.integers)
            << c.what;
        EXPECT_EQ(std::vector<std::int16_t>(parsed.shorts.begin(), parsed.shorts.begin() + parsed.shortCount),
                  c.shorts)
            << c.what;
        EXPECT_EQ(parsed.longTexts[0], c.longText) << c.what;
    }
}

TEST(TextBaseTest, PassesOverFieldsBeyondTheirSlots) {
    const std::string types = std::string(20, '2') + "551";
    Bytes data;
    for (std::uint32_t i = 0; i < 20; ++i) {
        data.push_back('2');
        appendFixed32(data, i);
    }
    data = data + field('5', "first") + field('5', "second") + field('1', "after");
    ParsedRecord parsed;
    parsed.longTexts.resize(1);
    parseRecord(data, types, 100, parsed);
    EXPECT_EQ(parsed.integerCount, ParsedRecord::kIntegerSlots);
    EXPECT_EQ(parsed.integers.back(), 14);
    EXPECT_EQ(parsed.longTexts, (std::vector<std::string>{"first"}));
    EXPECT_EQ(parsed.texts, (std::vector<std::string>{"after"}));
}

// --- Written bases: round trips, blocks, search ------------------------------------------------

constexpr std::string_view kMixedLabels[] = {"1KOD", "2ANTAL", "xSKIPPED", "3KORT", "5TEXT"};

struct Written {
    explicit Written(TblobfilLZHmode mode, std::int32_t count, std::int32_t hash = 0)
        : settings(settingsOf(kMixedLabels, mode, 100, 200, hash)) {
        TextBaseWriter writer(settings, in(dir.path()), codec);
        EXPECT_TRUE(writer.create()) << writer.error();
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::string code = key(n);
            const std::string text = "text " + std::to_string(n);
            const FieldValue values[] = {std::string_view(code), n, static_cast<std::int16_t>(-n),
                                         std::string_view(text)};
            EXPECT_EQ(writer.append(values), n) << writer.error();
        }
        EXPECT_TRUE(writer.close()) << writer.error();
    }
    // Sorted keys: K0001, K0002, …
    static std::string key(std::int32_t n) {
        std::string digits = std::to_string(n);
        return "K" + std::string(4 - digits.size(), '0') + digits;
    }
    std::string path(const char* ext) const { return dir.path() + "t." + ext; }

    TempDir dir;
    TCompress codec;
    TextBaseSettings settings;
};

class WrittenBaseTest : public testing::TestWithParam<TblobfilLZHmode> {};

TEST_P(WrittenBaseTest, ReadsBackEveryFieldOfEveryRecord) {
    Written files(GetParam(), 250);
    const Bytes header = readBytes(files.path("b"));
    EXPECT_EQ(Bytes(header.begin(), header.begin() + 16),
              (Bytes{1, 0, 250, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(get32(readBytes(files.path("p")), 6), 250u);

    TSPregtext base(files.settings, in(files.dir.path()), files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    ASSERT_EQ(base.count(), 250);
    for (const std::int32_t n : {1, 100, 101, 199, 250, 2}) {
        base.laspost(n);
        ASSERT_EQ(base.status(), 0);
        base.tolkapost();
        EXPECT_EQ(base.fields().texts, (std::vector<std::string>{Written::key(n)}));
        EXPECT_EQ(base.fields().integerCount, 1u);
        EXPECT_EQ(base.fields().integers[0], n);
        EXPECT_EQ(base.fields().shorts[0], -n);
        EXPECT_EQ(base.longText(1), "text " + std::to_string(n));
    }
    // Each field starts with its label's type digit.
    base.laspost(7);
    EXPECT_EQ(base.record()[0], '1');
    EXPECT_EQ(base.record()[7], '2');
}

TEST_P(WrittenBaseTest, FindsTheFirstRecordOfEqualOrPrefixedFirstFields) {
    // Adjacent records whose first fields differ only in case and accents compare equal.
    constexpr std::string_view kNames[] = {"Adam",
                                           "Ek",
                                           "\xC9klund",
                                           "eklund",
                                           "Eklund",
                                           "Fors",
                                           "\xC5s",
                                           "\xD6"
                                           "berg"};
    TempDir dir;
    TCompress codec;
    const TextBaseSettings settings = settingsOf(kHelpLabels, GetParam(), 2, 100, 10);
    TextBaseWriter writer(settings, in(dir.path()), codec);
    ASSERT_TRUE(writer.create());
    for (const std::string_view name : kNames) {
        const FieldValue values[] = {name, std::string_view("r"), std::string_view("")};
        ASSERT_GT(writer.append(values), 0) << writer.error();
    }
    ASSERT_TRUE(writer.close());

    TSPregtext base(settings, in(dir.path()), codec, nullptr);
    ASSERT_TRUE(base.oppna());
    struct Case {
        std::string_view key;
        int mode;
        std::int32_t found;
    };
    const Case cases[] = {
        {"EKLUND", 0, 3},
        {"\xEB"
         "kl",
         1, 3},
        {"ek", 0, 2},
        {"ek", 1, 2},
        {"Ekl", 0, -1},
        {"adam", 0, 1},
        {"\xD6"
         "BERG",
         0, 8},
        {"\xE5", 1, 7},
        {"Zorn", 0, -1},
        {"", 1, 1},
        {"Aa", 0, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base.sokpost(c.key, c.mode), c.found) << c.key << " mode " << c.mode;
        EXPECT_EQ(base.sokpost(c.key, c.mode), c.found) << c.key << " again, through the memo";
    }
}

TEST_P(WrittenBaseTest, SearchesABaseOfOneRecord) {
    Written files(GetParam(), 1);
    TSPregtext base(files.settings, in(files.dir.path()), files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.sokpost("k0001", 0), 1);
    EXPECT_EQ(base.sokpost("K", 1), 1);
    EXPECT_EQ(base.sokpost("K0002", 0), -1);
}

TEST_P(WrittenBaseTest, SeedsTheMemoFromAQuarterHalfAndThreeQuartersFrom101Records) {
    for (const std::int32_t count : {100, 101}) {
        Written files(GetParam(), count, 10);
        TSPregtext base(files.settings, in(files.dir.path()), files.codec, nullptr);
        ASSERT_TRUE(base.oppna());
        ASSERT_NE(base.memo(), nullptr);
        if (count == 100) {
            EXPECT_EQ(base.memo()->count(), 0);
            continue;
        }
        ASSERT_EQ(base.memo()->count(), 3);
        EXPECT_EQ(base.memo()->entry(1).key, "K0025");
        EXPECT_EQ(base.memo()->entry(2).value, 50);
        EXPECT_EQ(base.memo()->entry(3).value, 75);
        EXPECT_EQ(base.sokpost("K0060", 0), 60);
        EXPECT_EQ(base.memo()->count(), 4);
    }
}

INSTANTIATE_TEST_SUITE_P(PlainAndPacked, WrittenBaseTest,
                         testing::Values(TblobfilLZHmode::LZHpackainte, TblobfilLZHmode::LZHblockpacka));

TEST(TextBaseTest, ExpandsEachBlockOnceForConsecutiveRecords) {
    Written files(TblobfilLZHmode::LZHblockpacka, 250);
    TSPregtext base(files.settings, in(files.dir.path()), files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    base.laspost(100);
    EXPECT_EQ(base.cachedBlock(), 0);
    base.laspost(101);
    EXPECT_EQ(base.cachedBlock(), 1);
    base.laspost(150);
    // With the text file cut after its header, record 101 can only come from the cached block.
    std::filesystem::resize_file(files.path("b"), 16);
    base.laspost(101);
    EXPECT_EQ(base.status(), 0);
    base.tolkapost();
    EXPECT_EQ(base.fields().texts[0], "K0101");
    base.laspost(201);
    EXPECT_EQ(base.status(), 2);
}

TEST(TextBaseTest, WriterRefusesRecordsThatDoNotMatchTheLabels) {
    TempDir dir;
    TCompress codec;
    TextBaseSettings settings = settingsOf(kMixedLabels, TblobfilLZHmode::LZHpackainte, 1, 30);
    settings.maxrader = 1;
    TextBaseWriter writer(settings, in(dir.path()), codec);
    const FieldValue good[] = {std::string_view("k"), 1, std::int16_t{1}, std::string_view("t")};
    EXPECT_EQ(writer.append(good), -1);
    ASSERT_TRUE(writer.create());
    const std::string tooLong(20, 'x');
    const std::vector<std::vector<FieldValue>> bad = {
        {std::string_view("k"), 1, std::int16_t{1}},
        {std::string_view("k"), 1, std::int16_t{1}, std::string_view("t"), 2},
        {std::string_view("k"), std::int16_t{1}, std::int16_t{1}, std::string_view("t")},
        {std::string_view("k\0x", 3), 1, std::int16_t{1}, std::string_view("t")},
        {std::string_view(tooLong), 1, std::int16_t{1}, std::string_view(tooLong)},
    };
    for (const auto& values : bad) {
        EXPECT_EQ(writer.append(values), -1);
        EXPECT_FALSE(writer.error().empty());
    }
    EXPECT_EQ(writer.append(good), 1);
    EXPECT_EQ(writer.append(good), -1);  // maxrader reached
    EXPECT_TRUE(writer.close());
}

// --- Damaged packed files ----------------------------------------------------------------------

TEST(TextBaseTest, ADamagedBlockReadsAsNoRecordAndIsReportedOnce) {
    Written files(TblobfilLZHmode::LZHblockpacka, 250);
    const Bytes directory = readBytes(files.path("pz"));
    Bytes text = readBytes(files.path("b"));
    const std::uint32_t block1 = get32(directory, 20);
    for (std::size_t i = block1 + 30; i < block1 + 60; ++i) text[i] ^= 0x5A;
    writeBytes(files.path("b"), text);

    RecordingMessageSink sink;
    TSPregtext base(files.settings, in(files.dir.path()), files.codec, &sink);
    ASSERT_TRUE(base.oppna());
    base.laspost(1);
    EXPECT_EQ(base.status(), 0);
    for (const std::int32_t n : {101, 150, 200}) {
        base.laspost(n);
        EXPECT_EQ(base.status(), 2);
    }
    base.laspost(201);
    EXPECT_EQ(base.status(), 0);
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(TextBaseTest, BlocksThatDoNotFitTheirFilesReadAsNoRecord) {
    struct Case {
        const char* what;
        void (*damage)(Bytes& text, Bytes& directory);
    };
    const Case cases[] = {
        {"text file cut inside the block", [](Bytes& t, Bytes&) { t.resize(40); }},
        {"block length beyond the file",
         [](Bytes& t, Bytes& d) { putFixed32(t.data() + get32(d, 16), 0x7FFFFFF0); }},
        {"block offset beyond the file", [](Bytes&, Bytes& d) { putFixed32(d.data() + 16, 1u << 30); }},
        {"block offset 0xFFFFFFFF", [](Bytes&, Bytes& d) { putFixed32(d.data() + 16, 0xFFFFFFFF); }},
        {"directory without entries",
         [](Bytes&, Bytes& d) {
             d.resize(16);
             putFixed32(d.data() + 6, 0);
         }},
    };
    for (const Case& c : cases) {
        Written files(TblobfilLZHmode::LZHblockpacka, 3);
        Bytes text = readBytes(files.path("b"));
        Bytes directory = readBytes(files.path("pz"));
        c.damage(text, directory);
        writeBytes(files.path("b"), text);
        writeBytes(files.path("pz"), directory);
        RecordingMessageSink sink;
        TSPregtext base(files.settings, in(files.dir.path()), files.codec, &sink);
        ASSERT_TRUE(base.oppna()) << c.what;
        base.laspost(1);
        EXPECT_EQ(base.status(), 2) << c.what;
        EXPECT_EQ(sink.messages.size(), 1u) << c.what;
    }
}

}  // namespace
}  // namespace tessla
