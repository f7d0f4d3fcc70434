#include "database/database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "../storage/temp_dir.h"
#include "storage/word_list_writer.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

// Writes an empty but complete database: every list with a header, both text bases with one
// record each, the master list with three persons.
void writeDatabase(const std::string& cd, const std::string& hd) {
    TCompress codec;
    PersonListDecodeBuffer buffer;
    for (const WordListSettings& list : wordLists()) {
        WordListProperties p = wordListProperties(list, cd, hd);
        WordListWriter writer(codec, buffer);
        ASSERT_TRUE(writer.create(p)) << list.name;
        if (list.number == 0) {
            for (std::uint32_t record = 1; record <= 3; ++record) {
                ASSERT_TRUE(writer.append("Person " + std::to_string(record), record, 0, {}));
            }
        }
        ASSERT_TRUE(writer.close()) << list.name;
    }
    for (const TextBaseSettings* base : {&personTextBase(), &helpTextBase()}) {
        TextBaseWriter writer(*base, placeTextBase(*base, cd, hd), codec);
        ASSERT_TRUE(writer.create()) << writer.error();
        std::vector<FieldValue> values;
        for (std::size_t i = 0; i < base->labels.size(); ++i) values.emplace_back(std::string_view("HJ001"));
        ASSERT_EQ(writer.append(values), 1) << writer.error();
        ASSERT_TRUE(writer.close());
    }
}

TEST(DatabaseTest, OpensEveryComponentAndSizesTheSearchSelections) {
    test::TempDir dir;
    const std::string cd = dir.path() + "cd/";
    const std::string hd = dir.path() + "hd/";
    fs::create_directories(cd);
    fs::create_directories(hd);
    writeDatabase(cd, hd);
    const auto filesBefore = std::distance(fs::recursive_directory_iterator(dir.path()), {});

    const auto files = databaseFiles(cd, hd);
    EXPECT_EQ(std::count_if(files.begin(), files.end(), [](const DatabaseFile& f) { return f.main; }), 44);
    for (const DatabaseFile& file : files) EXPECT_TRUE(fs::exists(file.path)) << file.path;
    EXPECT_EQ(files.size(), static_cast<std::size_t>(filesBefore) - 2);  // all but the two directories

    RecordingMessageSink messages;
    Database db(&messages);
    Configuration config;
    config.cdbasen = cd;
    config.hdbasen = hd;
    db.open(config);

    EXPECT_TRUE(db.tessllista().isOpen());
    EXPECT_EQ(db.tessllista().rowCount(), 3);
    EXPECT_TRUE(db.tessl().isOpen());
    EXPECT_TRUE(db.textbas().isOpen());
    for (int k = 1; k <= 41; ++k) EXPECT_TRUE(db.tessls(k).isOpen()) << k;
    EXPECT_EQ(db.listtabell(39), &db.tessls(40));
    EXPECT_EQ(db.listtabell(41), nullptr);
    for (const int k : kTreeLists) {
        EXPECT_TRUE(db.tessls(k).hasParentTable()) << k;
        EXPECT_EQ(db.tessls(k).expanderad().antal(), 0) << k;
    }
    for (Tspsmalurval* s : {&db.sokur1(), &db.sokur2(), &db.sokur3()}) {
        EXPECT_EQ(s->usedSize(), 3);
        EXPECT_TRUE(s->allocated());
    }
    db.tessl().laspost(1);
    EXPECT_EQ(db.tessl().status(), 0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), filesBefore);

    db.close();
    EXPECT_FALSE(db.tessllista().isOpen());
    EXPECT_FALSE(db.tessls(39).isOpen());
    EXPECT_FALSE(db.sokur1().allocated());
}

TEST(DatabaseTest, MissingDirectoriesLeaveEverythingClosed) {
    test::TempDir dir;
    Database db(nullptr);
    Configuration config;
    config.cdbasen = dir.path() + "no-such-medium/";
    config.hdbasen = dir.path() + "no-such-disk/" + std::string(150, 'x') + "/";
    db.open(config);
    EXPECT_FALSE(db.tessllista().isOpen());
    EXPECT_FALSE(db.tessl().isOpen());
    EXPECT_FALSE(db.textbas().isOpen());
    for (int k = 1; k <= 41; ++k) EXPECT_FALSE(db.tessls(k).isOpen()) << k;
    EXPECT_EQ(db.sokur1().usedSize(), 0);
    db.tessl().laspost(1);
    EXPECT_EQ(db.tessllista().sokexakt("x"), 0);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace tessla
