#include "storage/picture_base.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/little_endian.h"
#include "storage/picture_base_format.h"
#include "storage/text_base.h"
#include "temp_dir.h"

namespace tessla {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

struct Picture {
    TSPbildpost post;
    Bytes image;
    std::optional<PictureRegion> region;
};

// Written out of name order, so that the name index has to sort them.
const std::vector<Picture> kPictures = {
    {{"knapp", "", 1, "C6", "", 0, 0}, bytesOf("\x89PNG knapp"), std::nullopt},
    {{"ram", "", 10, "A1", "", 3, 4}, bytesOf("\x89PNG ram"), PictureRegion{7, bytesOf("rects of ram")}},
    {{"Bakgrund", "", 1, "", "", 0, 0}, bytesOf("\x89PNG bakgrund, a longer image"), std::nullopt},
    {{"pil", "", 11, "B2", "", 0, 0}, {}, PictureRegion{-1, {}}},
};

PictureBaseSettings settingsWith(bool finnsindex) {
    PictureBaseSettings settings = skinPictureBase();
    settings.finnsindex = finnsindex;
    return settings;
}

struct Written {
    explicit Written(bool finnsindex, const std::vector<Picture>& pictures = kPictures)
        : settings(settingsWith(finnsindex)) {
        PictureBaseWriter writer(settings, {dir.path(), dir.path()}, codec);
        EXPECT_TRUE(writer.create()) << writer.error();
        for (const Picture& p : pictures) {
            EXPECT_GT(writer.append(p.post, p.image, p.region ? &*p.region : nullptr), 0) << writer.error();
        }
        EXPECT_TRUE(writer.close()) << writer.error();
    }
    std::string path(const char* ext) const { return dir.path() + "sybild." + ext; }

    TempDir dir;
    TCompress codec;
    PictureBaseSettings settings;
};

TEST(PictureBaseTest, FindsPicturesByNameThroughTheIndexAndReadsTheirBytes) {
    Written files(true);
    TSPbildbas base(files.settings, {files.dir.path(), files.dir.path()}, files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    ASSERT_EQ(base.count(), 4);
    for (std::int32_t n = 1; n <= 4; ++n) {
        const Picture& expected = kPictures[static_cast<std::size_t>(n - 1)];
        for (int repeat = 0; repeat < 2; ++repeat) {
            EXPECT_EQ(base.sokbild(expected.post.name, 0), n) << expected.post.name;
        }
        ASSERT_TRUE(base.lasbildpost(n));
        EXPECT_EQ(base.bildpost().name, expected.post.name);
        EXPECT_EQ(base.bildpost().kind, expected.post.kind);
        EXPECT_EQ(base.bildpost().placement, expected.post.placement);
        EXPECT_EQ(base.bildpost().value2, expected.post.value2);
        EXPECT_EQ(base.lasbild(), expected.image);
        const std::optional<PictureRegion> region = base.lasregion();
        ASSERT_EQ(region.has_value(), expected.region.has_value()) << expected.post.name;
        if (region) {
            EXPECT_EQ(region->value, expected.region->value);
            EXPECT_EQ(region->data, expected.region->data);
            EXPECT_EQ(base.bildpost().regionValue, expected.region->value);
        }
    }
    EXPECT_EQ(base.sokbild("KNAPP", 0), 1);
    EXPECT_EQ(base.sokbild("ba", 1), 3);
    EXPECT_EQ(base.sokbild("kna", 0), 0);
    EXPECT_EQ(base.sokbild("zebra", 0), 0);
    EXPECT_EQ(base.hamtabild("ram"), kPictures[1].image);
    EXPECT_EQ(base.hamtabild("saknas"), std::nullopt);
}

TEST(PictureBaseTest, WithoutIndexSearchesTheSortedRecords) {
    const std::vector<Picture> sorted = {kPictures[2], kPictures[0], kPictures[3], kPictures[1]};
    Written files(false, sorted);
    EXPECT_FALSE(std::filesystem::exists(files.path("bi")));
    TSPbildbas base(files.settings, {files.dir.path(), files.dir.path()}, files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.sokbild("bakgrund", 0), 1);
    EXPECT_EQ(base.sokbild("RAM", 0), 4);
    EXPECT_EQ(base.sokbild("p", 1), 3);
    EXPECT_EQ(base.sokbild("q", 1), 0);
}

TEST(PictureBaseTest, ReadsMapRecords) {
    TempDir dir;
    TCompress codec;
    TextBaseSettings text = helpTextBase();
    text.bfilnamn = text.pfilnamn = "karta";
    text.labels = picture_base_format::kMapLabels;
    text.textmaxsiz = picture_base_format::kRecordBufferSize;
    TextBaseWriter writer(text, {dir.path(), dir.path(), dir.path()}, codec);
    ASSERT_TRUE(writer.create());
    const FieldValue values[] = {std::string_view("a"),
                                 std::string_view("b"),
                                 std::string_view("c"),
                                 std::string_view("d"),
                                 std::string_view("e"),
                                 std::string_view("f"),
                                 std::string_view("g"),
                                 5,
                                 1,
                                 2,
                                 3,
                                 -4};
    ASSERT_EQ(writer.append(values), 1);
    ASSERT_TRUE(writer.close());

    PictureBaseSettings settings = pictureBase();
    settings.bfilnamn = settings.pfilnamn = "karta";
    settings.bildbastyp = TSPbildbastyp::bbtKartor;
    settings.finnsindex = false;
    TSPbildbas base(settings, {dir.path(), dir.path()}, codec, nullptr);
    ASSERT_TRUE(base.oppna());
    ASSERT_TRUE(base.lasbildpost(1));
    EXPECT_EQ(base.kartpost().texts, (std::array<std::string, 7>{"a", "b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(base.bildpost().kind, 5);
    EXPECT_EQ(base.kartpost().values, (std::array<std::int32_t, 4>{1, 2, 3, -4}));
}

TEST(PictureBaseTest, BytesThatDoNotFitTheFileReadAsNothing) {
    // Each case damages the record file of picture 2 ("ram", kind 10), given its record's offset
    // `at` and data length `length`.
    struct Case {
        const char* what;
        void (*damage)(Bytes& file, std::size_t imageAt);
        bool image;
        bool region;
    };
    const Case cases[] = {
        {"image length past the end", [](Bytes& f, std::size_t at) { putFixed32(&f[at], 0xFFFFFFF0); }, false,
         false},
        {"region length past the end",
         [](Bytes& f, std::size_t at) { putFixed32(&f[at + 4 + 8 + 4], 0x7FFFFFFF); }, true, false},
        {"file cut inside the region", [](Bytes& f, std::size_t at) { f.resize(at + 4 + 8 + 8 + 3); }, true,
         false},
        {"file cut inside the image", [](Bytes& f, std::size_t at) { f.resize(at + 4 + 5); }, false, false},
    };
    for (const Case& c : cases) {
        Written files(true);
        const Bytes pointers = readBytes(files.path("p"));
        Bytes records = readBytes(files.path("b"));
        const std::uint32_t at = getFixed32(&pointers[16 + 4]);
        const std::uint32_t length = getFixed32(&records[at + 4]);
        c.damage(records, at + 12 + length);
        writeBytes(files.path("b"), records);
        TSPbildbas base(files.settings, {files.dir.path(), files.dir.path()}, files.codec, nullptr);
        ASSERT_TRUE(base.oppna()) << c.what;
        ASSERT_TRUE(base.lasbildpost(2)) << c.what;
        EXPECT_EQ(base.lasbild().has_value(), c.image) << c.what;
        EXPECT_EQ(base.lasregion().has_value(), c.region) << c.what;
    }
}

TEST(PictureBaseTest, AnIndexRowNamingAMissingRecordFindsNothing) {
    Written files(true);
    Bytes index = readBytes(files.path("bi"));
    // The first row ("Bakgrund") starts after the 22-byte header; its word 1 is the record number.
    putFixed32(&index[22], 99);
    writeBytes(files.path("bi"), index);
    TSPbildbas base(files.settings, {files.dir.path(), files.dir.path()}, files.codec, nullptr);
    ASSERT_TRUE(base.oppna());
    EXPECT_EQ(base.sokbild("Bakgrund", 0), 0);
    EXPECT_EQ(base.sokbild("pil", 0), 4);
}

TEST(PictureBaseTest, WriterRefusesPicturesThatBreakTheLayout) {
    TempDir dir;
    TCompress codec;
    PictureBaseWriter writer(skinPictureBase(), {dir.path(), dir.path()}, codec);
    const PictureRegion region{1, bytesOf("r")};
    EXPECT_EQ(writer.append(kPictures[0].post, kPictures[0].image), -1);  // not created
    ASSERT_TRUE(writer.create());
    const struct {
        TSPbildpost post;
        const PictureRegion* region;
    } cases[] = {
        {{std::string(21, 'n'), "", 1, "", "", 0, 0}, nullptr},
        {{"p", "", 1, std::string(11, 'c'), "", 0, 0}, nullptr},
        {{"p", "", 1, "", "", 0, 0}, &region},
        {{"p", "", 10, "", "", 0, 0}, nullptr},
        {{"p", std::string("a\0b", 3), 1, "", "", 0, 0}, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writer.append(c.post, {}, c.region), -1);
        EXPECT_FALSE(writer.error().empty());
    }
    EXPECT_EQ(writer.append(kPictures[0].post, kPictures[0].image), 1);
    EXPECT_TRUE(writer.close());
}

TEST(PictureBaseTest, StaysClosedWhenItsRecordFileCannotBeCreated) {
    TempDir dir;
    TCompress codec;
    const std::string missing = dir.path() + "missing/";
    TSPbildbas base(skinPictureBase(), {missing, missing}, codec, nullptr);
    EXPECT_FALSE(base.oppna());
    EXPECT_EQ(base.sokbild("knapp", 0), 0);
    EXPECT_FALSE(base.lasbildpost(1));
    EXPECT_EQ(base.lasbild(), std::nullopt);
}

}  // namespace
}  // namespace tessla
