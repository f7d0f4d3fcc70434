#include "builder/skin_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../storage/temp_dir.h"
#include "builder/build_error.h"
#include "census_fixture.h"
#include "storage/picture_names.h"
#include "storage/picture_region.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 7};
const std::vector<RegionRect> kRound = {{2, 0, 6, 1}, {0, 1, 8, 7}, {2, 7, 6, 8}};

// A skin directory of the pictures "knapp", "rund" and "tslhelp", the region file of "rund"
// and the manifest `manifest`.
void writeSkin(const test::TempDir& dir, const std::string& manifest) {
    for (const char* name : {"knapp", "rund", "tslhelp"}) test::writeBytes(dir.path() + name + ".png", kPng);
    test::writeBytes(dir.path() + "rund.rgn", encodeRegion(kRound));
    std::ofstream(dir.path() + kSkinManifestName, std::ios::binary) << manifest;
}

TEST(SkinPicturesTest, TheManifestGivesKindPlacementAndRegion) {
    test::TempDir dir;
    writeSkin(dir, "# name kind [placement]\n\nknapp 1 C6\n  rund\t10   C5\n");
    const std::vector<SkinPicture> pictures = readSkinPictures(dir.path());
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0].name, "knapp");
    EXPECT_EQ(pictures[0].kind, 1);
    EXPECT_EQ(pictures[0].placement, "C6");
    EXPECT_FALSE(pictures[0].region.has_value());
    EXPECT_EQ(pictures[1].name, "rund");
    EXPECT_EQ(pictures[1].kind, 10);
    EXPECT_EQ(pictures[1].placement, "C5");
    ASSERT_TRUE(pictures[1].region.has_value());
    EXPECT_EQ(parseRegion(pictures[1].region->data), kRound);
    // Not named in the manifest: a plain picture.
    EXPECT_EQ(pictures[2].name, "tslhelp");
    EXPECT_EQ(pictures[2].kind, 1);
    EXPECT_EQ(pictures[2].placement, "");
    EXPECT_FALSE(pictures[2].region.has_value());
    EXPECT_EQ(pictures[2].png, kPng);
}

TEST(SkinPicturesTest, WithoutAManifestEveryPictureIsPlain) {
    test::TempDir dir;
    writeSkin(dir, "");
    fs::remove(dir.path() + kSkinManifestName);
    for (const SkinPicture& picture : readSkinPictures(dir.path())) {
        EXPECT_EQ(picture.kind, 1) << picture.name;
        EXPECT_FALSE(picture.region.has_value()) << picture.name;
    }
}

TEST(SkinPicturesTest, RefusesAWrongManifest) {
    std::vector<std::uint8_t> tooManyRects = encodeRegion(kRound);
    tooManyRects[8] = 4;  // the rectangle count
    struct Case {
        std::string manifest;
        std::vector<std::uint8_t> region;
        std::string error;
    };
    const Case cases[] = {
        {"knapp 1\nsaknas 1\n", encodeRegion(kRound), "manifest.txt:2: there is no picture saknas.png"},
        {"knapp\n", encodeRegion(kRound), "manifest.txt:1: a line holds a name, a kind"},
        {"knapp 1 C2 C3\n", encodeRegion(kRound), "manifest.txt:1: a line holds a name, a kind"},
        {"knapp ett\n", encodeRegion(kRound), "manifest.txt:1: the kind \"ett\" is not a number"},
        {"knapp 1x\n", encodeRegion(kRound), "the kind \"1x\" is not a number"},
        {"knapp -1\n", encodeRegion(kRound), "the kind \"-1\" is not a number"},
        {"knapp 1 C12345\n", encodeRegion(kRound),
         "the placement code \"C12345\" is longer than 5 characters"},
        {"knapp 1\nknapp 2\n", encodeRegion(kRound), "manifest.txt:2: knapp is named twice"},
        {"rund 10\n", tooManyRects, "rund.rgn: damaged region data"},
        {"rund 11\n", {}, "rund.rgn: damaged region data"},
        {"tslhelp 10\n", encodeRegion(kRound), "cannot read"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        writeSkin(dir, c.manifest);
        test::writeBytes(dir.path() + "rund.rgn", c.region);
        try {
            readSkinPictures(dir.path());
            ADD_FAILURE() << c.manifest << " was taken";
        } catch (const BuildError& error) {
            EXPECT_NE(std::string(error.what()).find(c.error), std::string::npos)
                << c.manifest << error.what();
        }
    }
}

TEST(SkinPicturesTest, ABuiltDatabaseHoldsEveryPictureTheProgramAsksFor) {
    test::CensusFixture fixture({test::CensusRow{{"POSTID", "1"}, {"ENAMN", "Berg"}}});
    TSPbildbas& skin = fixture.db().sysbild();
    ASSERT_TRUE(skin.oppna());
    EXPECT_EQ(skin.count(), static_cast<std::int32_t>(allPictureNames().size()));
    for (const std::string_view name : allPictureNames()) {
        const std::optional<StoredPicture> stored = readStoredPicture(skin, name);
        ASSERT_TRUE(stored.has_value()) << name;
        EXPECT_EQ(stored->post.name, name);
        EXPECT_EQ(stored->region.has_value(), stored->post.kind == 10) << name;
    }
    EXPECT_EQ(readStoredPicture(skin, picture::rundknapp)->post.kind, 10);
    EXPECT_EQ(readStoredPicture(skin, picture::stammalogo)->post.placement, "C6");
    EXPECT_EQ(readStoredPicture(skin, picture::tslmain)->post.placement, "");
}

}  // namespace
}  // namespace tessla
