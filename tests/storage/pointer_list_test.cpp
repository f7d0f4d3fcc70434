#include "storage/pointer_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/blob_format.h"
#include "storage/temp_dir.h"

namespace tessla {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Mode = Tsppeklista::Mode;
constexpr std::uint32_t kNone = blob_format::kNoEntry;

class PointerListTest : public ::testing::Test {
  protected:
    // Sets list up on name in the test's directory and opens it.
    bool open(Tsppeklista& list, Mode mode, bool readOnly = false, const std::string& name = "list.p") {
        list.setMode(mode);
        list.setFilkat(dir_.path());
        list.setFilnamn(name);
        list.setReadOnly(readOnly);
        return list.oppna(false);
    }
    std::string path(const std::string& name = "list.p") const { return dir_.path() + name; }

    test::TempDir dir_;
};

// The file of a list written with mode 1 and capacity 4 holding 7, 0xFFFFFFFF, 9.
const Bytes kThreeEntries = {1, 0, 0, 0, 0, 0, 3,    0,    0,    0,    4, 0, 0, 0,
                             0, 0, 7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 0, 0, 0};

TEST_F(PointerListTest, EntriesOutsideOneToCountGiveNoEntry) {
    for (Mode mode : {Mode::Loaded, Mode::PerEntry}) {
        SCOPED_TRACE(static_cast<int>(mode));
        test::writeBytes(path(), kThreeEntries);
        Tsppeklista list;
        ASSERT_TRUE(open(list, mode, true));
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.hamta(0), kNone);
        EXPECT_EQ(list.hamta(1), 7u);
        EXPECT_EQ(list.hamta(2), kNone);
        EXPECT_EQ(list.hamta(3), 9u);
        EXPECT_EQ(list.hamta(4), kNone);
        list.stang();
        EXPECT_EQ(list.hamta(1), kNone);
    }
}

TEST_F(PointerListTest, LoadedReadOnlyHoldsExactlyCountEntries) {
    test::writeBytes(path(), kThreeEntries);
    Tsppeklista list;
    list.dimensionera(100);
    ASSERT_TRUE(open(list, Mode::Loaded, true));
    EXPECT_EQ(list.capacity(), 3);
    EXPECT_EQ(list.laggtill(10), -1);
    EXPECT_EQ(list.count(), 3);
}

TEST_F(PointerListTest, WrittenListsReadBackInEveryFileMode) {
    for (Mode mode : {Mode::Loaded, Mode::PerEntry}) {
        SCOPED_TRACE(static_cast<int>(mode));
        std::filesystem::remove(path());
        {
            Tsppeklista writer;
            writer.dimensionera(4);
            ASSERT_TRUE(open(writer, mode));
            EXPECT_TRUE(writer.changed());
            EXPECT_EQ(writer.laggtill(7), 1);
            EXPECT_EQ(writer.laggtill(kNone), 2);
            EXPECT_EQ(writer.laggtill(9), 3);
        }  // closing on destruction writes the header
        Bytes expected = kThreeEntries;
        expected[0] = static_cast<std::uint8_t>(mode);
        EXPECT_EQ(test::readBytes(path()), expected);

        Tsppeklista reader;
        ASSERT_TRUE(open(reader, mode, true));
        EXPECT_FALSE(reader.changed());
        EXPECT_EQ((std::vector<std::uint32_t>{reader.hamta(1), reader.hamta(2), reader.hamta(3)}),
                  (std::vector<std::uint32_t>{7, kNone, 9}));
    }
}

TEST_F(PointerListTest, LoadedListGrowsToTheFileAndCutsWhatFollowsItsEntries) {
    Bytes bytes = kThreeEntries;
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});  // left over from a longer list
    test::writeBytes(path(), bytes);
    {
        Tsppeklista list;
        list.dimensionera(1);  // smaller than the file's count
        ASSERT_TRUE(open(list, Mode::Loaded));
        EXPECT_EQ(list.capacity(), 3);
        EXPECT_EQ(list.hamta(3), 9u);
        EXPECT_EQ(list.laggtill(10), -1);
    }
    Tsppeklista list;
    list.dimensionera(5);
    ASSERT_TRUE(open(list, Mode::Loaded));
    EXPECT_EQ(list.laggtill(11), 4);
    list.stang();
    Bytes expected = kThreeEntries;
    expected[6] = 4;
    expected[10] = 5;
    expected.insert(expected.end(), {11, 0, 0, 0});
    EXPECT_EQ(test::readBytes(path()), expected);
}

TEST(PointerListMemoryTest, AppendsUntilFullAndForgetsOnDimensionera) {
    Tsppeklista list;
    list.dimensionera(2);
    EXPECT_EQ(list.laggtill(5), 1);
    EXPECT_EQ(list.laggtill(6), 2);
    EXPECT_EQ(list.laggtill(7), -1);
    EXPECT_EQ(list.hamta(2), 6u);
    EXPECT_FALSE(list.oppna(false));  // a memory list has no file

    list.tom();
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.hamta(1), kNone);
    list.dimensionera(3);
    EXPECT_EQ(list.hamta(1), 0u);
}

TEST_F(PointerListTest, AMissingFileIsCreatedEmpty) {
    Tsppeklista list;
    ASSERT_TRUE(open(list, Mode::PerEntry));
    EXPECT_EQ(list.errorCode(), Tsppeklista::kNoError);
    EXPECT_EQ(list.count(), 0);
    list.stang();
    EXPECT_EQ(test::readBytes(path()), (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PointerListTest, FailuresSetTheErrorCodeAndLeaveTheListClosed) {
    std::filesystem::create_directory(path("directory.p"));
    test::writeBytes(path("short.p"), {1, 0, 0, 0, 0, 0, 3, 0});
    test::writeBytes(path("overcounted.p"), Bytes(kThreeEntries.begin(), kThreeEntries.end() - 1));
    const struct {
        const char* name;
        int errorCode;
    } cases[] = {
        {"missing/list.p", Tsppeklista::kCreateFailed},
        {"directory.p", Tsppeklista::kOpenFailed},
        {"short.p", Tsppeklista::kOpenFailed},
        {"overcounted.p", Tsppeklista::kOpenFailed},
    };
    for (const auto& c : cases) {
        for (Mode mode : {Mode::Loaded, Mode::PerEntry}) {
            SCOPED_TRACE(c.name);
            Tsppeklista list;
            EXPECT_FALSE(open(list, mode, false, c.name));
            EXPECT_FALSE(list.isOpen());
            EXPECT_EQ(list.errorCode(), c.errorCode);
            EXPECT_EQ(list.count(), 0);
            EXPECT_EQ(list.hamta(1), kNone);
        }
    }
}

}  // namespace
}  // namespace tessla
