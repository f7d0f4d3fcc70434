#include "storage/picture_cache.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <vector>

#include "storage/little_endian.h"
#include "storage/picture_files.h"
#include "storage/picture_region.h"

namespace tessla {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::PictureFiles;

test::PictureToWrite plain(std::string name) {
    return {{std::move(name), "", 1, "", "", 0, 0}, Bytes{'i', 'm', 'g'}, std::nullopt};
}

// A cache of picture names over a base holding A, B, C, D and a name of twenty x; counts the loads.
struct NameCache {
    explicit NameCache(int capacity)
        : files({plain("A"), plain("B"), plain("C"), plain("D"), plain(std::string(20, 'x'))}),
          cache(capacity) {}

    int fetch(std::string_view name) {
        return cache.fetch(files.base(), name, [this](TSPbildbas& base, std::string_view wanted) {
            ++loads;
            openDuringLoad = base.isOpen();
            return base.sokbild(wanted, 0) > 0 ? std::optional<std::string>(wanted) : std::nullopt;
        });
    }
    // Every entry's name and rank, in list order.
    std::map<std::string, int> ranks() const {
        std::map<std::string, int> result;
        for (int i = 0; i < cache.size(); ++i) {
            EXPECT_EQ(*cache.at(i), cache.ranks().name(i)) << "the picture sits at its name's index";
            result[cache.ranks().name(i)] = cache.ranks().rank(i);
        }
        return result;
    }

    PictureFiles files;
    PictureCache<std::string> cache;
    int loads = 0;
    bool openDuringLoad = false;
};

TEST(PictureCacheTest, RanksFollowUseAndTheLongestUnusedIsEvicted) {
    struct Case {
        int capacity;
        std::vector<std::string> fetches;
        std::map<std::string, int> ranks;
        int loads;
    };
    const Case cases[] = {
        {2, {"A", "B", "A", "C"}, {{"A", 2}, {"C", 1}}, 3},
        {2, {"A", "B", "B"}, {{"A", 2}, {"B", 1}}, 2},  // rank 1 fetched again: nothing moves
        {3, {"C", "B", "A", "C"}, {{"A", 2}, {"B", 3}, {"C", 1}}, 3},
        {3, {"A", "B", "C", "B", "D"}, {{"B", 2}, {"C", 3}, {"D", 1}}, 4},
        {2, {"A", "B", "C", "A"}, {{"A", 1}, {"C", 2}}, 4},  // evicted pictures load again
        {2, {"A", "X", "B"}, {{"A", 2}, {"B", 1}}, 3},       // a missing picture takes no place
        {0, {"A", "B"}, {{"B", 1}}, 2},                      // room for one at least
    };
    for (const Case& c : cases) {
        NameCache cache(c.capacity);
        for (const std::string& name : c.fetches) cache.fetch(name);
        EXPECT_EQ(cache.ranks(), c.ranks) << c.fetches.size() << " fetches, capacity " << c.capacity;
        EXPECT_EQ(cache.loads, c.loads) << c.fetches.size() << " fetches, capacity " << c.capacity;
    }
}

TEST(PictureCacheTest, FetchGivesThePicturesIndexInNameOrderOrMinusOne) {
    NameCache cache(3);
    EXPECT_EQ(cache.fetch("C"), 0);
    EXPECT_EQ(cache.fetch("A"), 0);
    EXPECT_EQ(cache.fetch("B"), 1);
    EXPECT_EQ(cache.fetch("C"), 2);
    EXPECT_EQ(cache.fetch("missing"), -1);
    EXPECT_EQ(cache.cache.at(3), nullptr);
    EXPECT_EQ(cache.cache.at(-1), nullptr);
}

TEST(PictureCacheTest, NamesAreCutToTwentyCharacters) {
    NameCache cache(2);
    const std::string longName(25, 'x');
    cache.fetch(longName);
    cache.fetch(longName);
    cache.fetch(longName.substr(0, 22));
    EXPECT_EQ(cache.loads, 1);
    EXPECT_EQ(cache.ranks(), (std::map<std::string, int>{{std::string(20, 'x'), 1}}));
}

TEST(PictureCacheTest, TheBaseIsOpenedForAFetchAndLeftAsItWas) {
    NameCache cache(2);
    ASSERT_FALSE(cache.files.base().isOpen());
    for (const char* name : {"A", "missing"}) {
        cache.fetch(name);
        EXPECT_TRUE(cache.openDuringLoad) << name;
        EXPECT_FALSE(cache.files.base().isOpen()) << name << ": closed again by the fetch that opened it";
    }
    ASSERT_TRUE(cache.files.base().oppna());
    cache.fetch("B");
    EXPECT_TRUE(cache.files.base().isOpen()) << "a base open before the fetch stays open";
    cache.files.base().stang();
    cache.fetch("B");
    EXPECT_FALSE(cache.files.base().isOpen()) << "a cached picture needs no base";
    EXPECT_EQ(cache.loads, 3);
}

TEST(PictureCacheTest, PlacementCodesPlaceTheFigureInsideTheRectangle) {
    struct Case {
        const char* placement;
        int left, top, width, height, pictureWidth, pictureHeight;
        FigurePosition expected;
    };
    const Case cases[] = {
        {"C6", 0, 0, 40, 20, 10, 10, {15, 10}},  {"C6", 15, 10, 40, 20, 10, 10, {30, 20}},
        {"C2", 5, 7, 41, 20, 10, 10, {20, 7}},   {"C3", 5, 7, 40, 20, 10, 10, {35, 7}},
        {"C5", 5, 7, 40, 20, 10, 8, {35, 19}},   {"C7", 5, 7, 40, 20, 10, 8, {5, 19}},
        {"C2", 0, 0, 10, 10, 13, 5, {-1, 0}},  // halving drops the remainder toward zero
        {"C", 5, 7, 40, 20, 10, 10, {5, 7}},     {"C4", 5, 7, 40, 20, 10, 10, {5, 7}},
        {"X6", 5, 7, 40, 20, 10, 10, {5, 7}},    {"", 5, 7, 40, 20, 10, 10, {5, 7}},
        {"C6x", 5, 7, 40, 20, 10, 10, {5, 7}},   {"c6", 5, 7, 40, 20, 10, 10, {5, 7}},
        {"C06", 5, 7, 40, 20, 10, 10, {20, 17}}, {"C99999999999", 5, 7, 40, 20, 10, 10, {5, 7}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeFigure(c.placement, c.left, c.top, c.width, c.height, c.pictureWidth, c.pictureHeight),
                  c.expected)
            << '"' << c.placement << "\" at " << c.left << "," << c.top;
    }
}

// Region data: the header then the rectangles, as 32-bit little-endian words.
Bytes regionWords(std::initializer_list<std::int32_t> words) {
    Bytes bytes;
    for (const std::int32_t word : words) appendFixed32(bytes, static_cast<std::uint32_t>(word));
    return bytes;
}

TEST(PictureRegionTest, ReadsSoundRegionDataAndRefusesDamagedData) {
    using Rects = std::vector<RegionRect>;
    struct Case {
        const char* what;
        Bytes data;
        std::optional<Rects> expected;
    };
    const Rects two = {{2, 0, 8, 1}, {0, 1, 10, 9}};
    constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {"two rectangles", regionWords({32, 1, 2, 32, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}), two},
        {"size given as 0", regionWords({32, 1, 2, 0, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}), two},
        {"no rectangles", regionWords({32, 1, 0, 0, 0, 0, 0, 0}), Rects{}},
        {"count too large", regionWords({32, 1, 3, 48, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}), std::nullopt},
        {"negative count", regionWords({32, 1, -1, 32, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}), std::nullopt},
        {"size past the data", regionWords({32, 1, 2, 48, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}),
         std::nullopt},
        {"size short of the count", regionWords({32, 1, 2, 16, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 10, 9}),
         std::nullopt},
        {"rectangle outside the bounds", regionWords({32, 1, 2, 32, 0, 0, 10, 9, 2, 0, 8, 1, 0, 1, 11, 9}),
         std::nullopt},
        {"rectangle above the bounds", regionWords({32, 1, 1, 16, 0, 0, 10, 9, 2, -1, 8, 1}), std::nullopt},
        {"rectangle turned over", regionWords({32, 1, 1, 16, 0, 0, 10, 9, 8, 0, 2, 1}), std::nullopt},
        {"bounds turned over", regionWords({32, 1, 0, 0, 10, 0, 0, 9}), std::nullopt},
        {"bounds wider than 32 bits", regionWords({32, 1, 1, 16, kLow, 0, kHigh, 9, kLow, 0, kHigh, 1}),
         std::nullopt},
        {"bounds taller than 32 bits", regionWords({32, 1, 1, 16, 0, -2, 9, kHigh, 0, -2, 1, kHigh}),
         std::nullopt},
        {"bounds just 32 bits wide", regionWords({32, 1, 1, 16, -1, 0, kHigh - 1, 9, -1, 0, kHigh - 1, 1}),
         Rects{{-1, 0, kHigh - 1, 1}}},
        {"other header size", regionWords({36, 1, 0, 0, 0, 0, 0, 0, 0}), std::nullopt},
        {"other type", regionWords({32, 2, 0, 0, 0, 0, 0, 0}), std::nullopt},
        {"short header", regionWords({32, 1, 0, 0, 0, 0, 0}), std::nullopt},
        {"nothing", Bytes{}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseRegion(c.data), c.expected) << c.what;
    EXPECT_EQ(encodeRegion(two), cases[0].data);
    EXPECT_EQ(parseRegion(encodeRegion({})), Rects{});
}

TEST(PictureRegionTest, AStoredPictureCarriesItsRegionOnlyWhenSound) {
    const Bytes sound = encodeRegion(std::vector<RegionRect>{{1, 1, 3, 2}});
    Bytes damaged = sound;
    damaged[8] = 5;  // five rectangles where one stands
    PictureFiles files({
        {{"flat", "", 1, "C2", "", 0, 0}, Bytes{1, 2, 3}, std::nullopt},
        {{"round", "", 10, "", "", 0, 0}, Bytes{4, 5}, sound},
        {{"torn", "", 11, "", "", 0, 0}, Bytes{6}, damaged},
        {{"wide", "", 10, "", "", 0, 0}, Bytes{7}, regionWords({32, 1, 1, 16, 0, 0, 4, 4, 0, 0, 5, 4})},
    });
    ASSERT_TRUE(files.base().oppna());
    struct Case {
        const char* name;
        Bytes image;
        std::optional<std::vector<RegionRect>> region;
    };
    const Case cases[] = {
        {"flat", {1, 2, 3}, std::nullopt},
        {"round", {4, 5}, std::vector<RegionRect>{{1, 1, 3, 2}}},
        {"torn", {6}, std::nullopt},
        {"wide", {7}, std::nullopt},  // a rectangle past the bounds
    };
    for (const Case& c : cases) {
        const std::optional<StoredPicture> picture = readStoredPicture(files.base(), c.name);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->post.name, c.name);
        EXPECT_EQ(picture->image, c.image) << c.name;
        EXPECT_EQ(picture->region, c.region) << c.name;
    }
    EXPECT_EQ(readStoredPicture(files.base(), "round").value().post.placement, "");
    EXPECT_EQ(readStoredPicture(files.base(), "flat").value().post.placement, "C2");
    EXPECT_FALSE(readStoredPicture(files.base(), "missing"));
    EXPECT_FALSE(readStoredPicture(files.base(), "fla")) << "names are looked up exactly";
}

}  // namespace
}  // namespace tessla
