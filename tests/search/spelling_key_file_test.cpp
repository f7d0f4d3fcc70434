// The key list file of a name list: its exact bytes, and every header or entry that does not hold
// refused rather than trusted.

#include "search/spelling_key_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../storage/temp_dir.h"
#include "search/spelling_key.h"
#include "search/spelling_key_format.h"
#include "storage/little_endian.h"

namespace tessla {
namespace {

namespace fmt = spelling_key_format;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kStamp = 7;

// Three rows, the second without a key; the first and third share one.
const std::vector<std::string_view> kTexts = {"Berg", "", "Berg"};

TEST(SpellingKeyFile, WrittenAsTheLayoutSays) {
    const test::TempDir dir;
    const std::string path = dir.path() + "list.skey";
    ASSERT_TRUE(writeSpellingKeyFile(path, kTexts, kStamp));
    const std::string key = spellingKey("Berg");
    const auto width = static_cast<std::uint32_t>(key.size());

    Bytes expected = {'T', 'S', 'K', 'Y'};
    for (const std::uint32_t value : {kStamp, 3u, width, 2u}) appendFixed32(expected, value);
    for (const std::uint32_t row : {1u, 3u}) {
        expected.insert(expected.end(), key.begin(), key.end());
        appendFixed32(expected, row);
    }
    EXPECT_EQ(test::readBytes(path), expected);

    SpellingKeyFile file(path, kStamp, 3);
    ASSERT_TRUE(file.usable());
    EXPECT_EQ(file.rowsOf(key), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(file.rowsOf("zz"), std::vector<std::int32_t>{});
}

// Each damage of a sound file: whether the file still opens, and whether the key's rows still read.
TEST(SpellingKeyFile, WhatDoesNotHoldIsRefused) {
    const std::string key = spellingKey("Berg");
    const auto width = static_cast<std::uint32_t>(key.size());
    const auto entry = [&](std::uint32_t i) { return fmt::entryOffset(width, i) + width; };
    const struct {
        const char* what;
        std::function<void(Bytes&)> damage;
        bool usable;
    } cases[] = {
        {"another magic", [](Bytes& b) { b[fmt::kMagicOffset] = 'X'; }, false},
        {"another stamp", [](Bytes& b) { putFixed32(&b[fmt::kStampOffset], kStamp + 1); }, false},
        {"another row count", [](Bytes& b) { putFixed32(&b[fmt::kRowCountOffset], 4); }, false},
        {"no key width", [](Bytes& b) { putFixed32(&b[fmt::kKeyWidthOffset], 0); }, false},
        {"a key wider than a name",
         [](Bytes& b) { putFixed32(&b[fmt::kKeyWidthOffset], fmt::kWidestKey + 1); }, false},
        {"more entries than rows", [](Bytes& b) { putFixed32(&b[fmt::kEntryCountOffset], 4); }, false},
        {"an entry count the size does not hold", [](Bytes& b) { putFixed32(&b[fmt::kEntryCountOffset], 3); },
         false},
        {"a huge entry count", [](Bytes& b) { putFixed32(&b[fmt::kEntryCountOffset], 0xFFFFFFFF); }, false},
        {"cut short", [](Bytes& b) { b.pop_back(); }, false},
        {"a byte too many", [](Bytes& b) { b.push_back(0); }, false},
        {"only a part of the header", [](Bytes& b) { b.resize(fmt::kHeaderSize - 1); }, false},
        {"row 0", [&](Bytes& b) { putFixed32(&b[entry(1)], 0); }, true},
        {"a row past the list", [&](Bytes& b) { putFixed32(&b[entry(1)], 4); }, true},
        {"a key's rows out of order", [&](Bytes& b) { putFixed32(&b[entry(0)], 3); }, true},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        const std::string path = dir.path() + "list.skey";
        ASSERT_TRUE(writeSpellingKeyFile(path, kTexts, kStamp));
        Bytes bytes = test::readBytes(path);
        c.damage(bytes);
        test::writeBytes(path, bytes);
        SpellingKeyFile file(path, kStamp, 3);
        EXPECT_EQ(file.usable(), c.usable) << c.what;
        EXPECT_EQ(file.rowsOf(key), std::nullopt) << c.what;
    }
    const test::TempDir dir;
    EXPECT_FALSE(SpellingKeyFile(dir.path() + "missing.skey", kStamp, 3).usable());
}

}  // namespace
}  // namespace tessla
