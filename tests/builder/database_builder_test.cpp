#include "builder/database_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../storage/temp_dir.h"
#include "base/configuration.h"
#include "database/database.h"
#include "storage/picture_base.h"
#include "storage/word_list_format.h"
#include "test_text.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using test::w;

const char* const kHeader =
    "POSTID,HEMLEN,HEMFO,HEMBY,HUSHNR,FAMST,FAMNR,FAMSTKOD,FNAMN,ENAMN,TITEL,YRKE,YRKESKOD,LYTE,FODAR,FOFORS,"
    "FOFORS1890,FOLEN1890,FOLAND1890,SCB1989,GENUS,CIVST,TRO,NATION,FRANV,STRUKEN,ÖVRIGT\n";

// Three households: a farmer's family with a maid of her own family, a widow alone, and a
// soldier's family with two sons, one of them born in America.
const char* const kRows[] = {
    "P1,Uppsala län,Alunda (Uppsala län);Uppland,Norrby,1,Husbonde,1,F,Karl "
    "Johan,Berg,,Bonde,611,,1840,Alunda,"
    "Alunda (Uppsala län),Uppsala län,Uppland,0301,M,G,,,,,",
    "P2,Uppsala län,Alunda (Uppsala län);Uppland,Norrby,1,Hustru,1,M,Anna "
    "Maria,Berg,,,,,1845,Kristiania,,,[Norge],"
    "0301,K,G,,,,,",
    "P3,Uppsala län,Alunda (Uppsala län);Uppland,Norrby,1,Son,1,B,Johan,Berg,,,,,1870,Alunda,"
    "Alunda (Uppsala län),Uppsala län,Uppland,0301,M,O,,,,,",
    "P4,Uppsala län,Alunda (Uppsala län);Uppland,Norrby,1,Dotter,1,b ,Anna,Berg,,,,,1875,Alunda,"
    "Alunda (Uppsala län),Uppsala län,Uppland,0301,K,O,,,,,\"Flyttat\nåter\"",
    "P5,Uppsala län,Alunda (Uppsala "
    "län);Uppland,Norrby,1,Piga,2,E,Kristina,Ek,,Piga,,,1868,Boston,,,Amerika,0301,"
    "K,O,,,,,",
    "P6,Uppsala län,Alunda (Uppsala län);Uppland,Söderby,2,Änka,1,E,Brita,Åkesson,,Änka,,,1820,Tierp,"
    "Tierp (Uppsala län),Uppsala län,Uppland,0301,K,E,,,,,",
    "P7,Gävleborgs län,Ovanåker (Gävleborgs "
    "län);Hälsingland,Edsbyn,1,Husbonde,1,F,Per,Éklund,Korpral,Soldat,,,"
    "1850,Ovanåker,Ovanåker (Gävleborgs län),Gävleborgs län,Hälsingland,2101,M,G,,,,,",
    "P8,Gävleborgs län,Ovanåker (Gävleborgs "
    "län);Hälsingland,Edsbyn,1,Hustru,1,M,Maria,Éklund,,,,,1852,Boston,,,"
    "Amerika,2101,K,G,,,,,",
    "P9,Gävleborgs län,Ovanåker (Gävleborgs län);Hälsingland,Edsbyn,1,Son,1,B,Per "
    "Erik,Éklund,,,,,1880,Ovanåker,"
    "Ovanåker (Gävleborgs län),Gävleborgs län,Hälsingland,2101,M,O,,,,,",
    "P10,Gävleborgs län,Ovanåker (Gävleborgs "
    "län);Hälsingland,Edsbyn,1,Son,1,B,Olof,Éklund,,,,,1882,Chicago,,,"
    "Amerika,2101,M,O,,,,,",
};

// The master list, sorted in accent order: "Anna Maria" before "Anna" (0xFF sorts after the
// blank), E before É before Å. Person n has record kRecordOfPerson[n − 1].
const std::uint32_t kRecordOfPerson[] = {2, 4, 3, 1, 5, 8, 10, 9, 7, 6};

struct Expected {
    const char* text;  // UTF-8
    std::vector<std::int32_t> persons;
    std::int32_t parent = 0;  // tree lists: the row's parent row
};

struct ListCase {
    int list;
    std::vector<Expected> rows;
};

const std::string kAlunda = "Alunda (Uppsala län)";
const std::string kOvanaker = "Ovanåker (Gävleborgs län)";

const std::vector<ListCase> kLists = {
    {1, {{"Berg", {1, 2, 3, 4}}, {"Ek", {5}}, {"Éklund", {6, 7, 8, 9}}, {"Åkesson", {10}}}},
    {2,
     {{"Anna", {1, 2}},
      {"Brita", {10}},
      {"Erik", {8}},
      {"Johan", {3, 4}},
      {"Karl", {4}},
      {"Kristina", {5}},
      {"Maria", {1, 6}},
      {"Olof", {7}},
      {"Per", {8, 9}}}},
    {3, {{"Bonde", {4}}, {"Korpral", {9}}, {"Piga", {5}}, {"Soldat", {9}}, {"Änka", {10}}}},
    {4,
     {{"1820", {10}},
      {"1840", {4}},
      {"1845", {1}},
      {"1850", {9}},
      {"1852", {6}},
      {"1868", {5}},
      {"1870", {3}},
      {"1875", {2}},
      {"1880", {8}},
      {"1882", {7}}}},
    {5,
     {{"Gävleborgs län;Ovanåker (Gävleborgs län);Hälsingland;1", {6, 7, 8, 9}},
      {"Uppsala län;Alunda (Uppsala län);Uppland;1", {1, 2, 3, 4, 5}},
      {"Uppsala län;Alunda (Uppsala län);Uppland;2", {10}}}},
    {6, {{"Anna", {2}}, {"Erik", {8}}, {"Johan", {3}}, {"Olof", {7}}, {"Per", {8}}}},
    {7, {{"1870", {3}}, {"1875", {2}}, {"1880", {8}}, {"1882", {7}}}},
    {8, {{kAlunda.c_str(), {2, 3}}, {kOvanaker.c_str(), {8}}}},
    {9, {{"Gävleborgs län", {8}}, {"Uppsala län", {2, 3}}}},
    {10, {{"Hälsingland", {8}}, {"Uppland", {2, 3}}}},
    {11, {{"Gävleborgs län", {7, 8}}, {"Uppsala län", {2, 3}}}},
    {12,
     {{kAlunda.c_str(), {2, 3}},
      {"Alunda (Uppsala län)&B, Norrby", {2, 3}, 1},
      {kOvanaker.c_str(), {7, 8}},
      {"Ovanåker (Gävleborgs län)&B, Edsbyn", {7, 8}, 3}}},
    {13, {{"Hälsingland", {7, 8}}, {"Uppland", {2, 3}}}},
    {14, {{"Gävleborgs län", {6, 7, 8, 9}}, {"Uppsala län", {1, 2, 3, 4, 5, 10}}}},
    {15,
     {{kAlunda.c_str(), {1, 2, 3, 4, 5, 10}},
      {"Alunda (Uppsala län)&B, Norrby", {1, 2, 3, 4, 5}, 1},
      {"Alunda (Uppsala län)&B, Söderby", {10}, 1},
      {kOvanaker.c_str(), {6, 7, 8, 9}},
      {"Ovanåker (Gävleborgs län)&B, Edsbyn", {6, 7, 8, 9}, 4}}},
    {16, {{"Hälsingland", {6, 7, 8, 9}}, {"Uppland", {1, 2, 3, 4, 5, 10}}}},
    {17, {{"Gävleborgs län", {8, 9}}, {"Uppsala län", {2, 3, 4, 10}}}},
    {18, {{kAlunda.c_str(), {2, 3, 4}}, {kOvanaker.c_str(), {8, 9}}, {"Tierp (Uppsala län)", {10}}}},
    {19, {{"Hälsingland", {8, 9}}, {"Uppland", {2, 3, 4, 10}}}},
    {20,
     {{"Amerika", {5, 6, 7}},
      {"Amerika&B, Boston", {5, 6}, 1},
      {"Amerika&B, Chicago", {7}, 1},
      {"Norge", {1}},
      {"Norge&B, Kristiania", {1}, 4},
      {"Sverige", {2, 3, 4, 8, 9, 10}}}},
    {21, {{"Amerika", {7}}, {"Amerika&B, Chicago", {7}, 1}, {"Sverige", {2, 3, 8}}}},
    {22, {{"Berg", {2, 3}}, {"Éklund", {7, 8}}}},
    {23, {{"Johan", {2, 3}}, {"Karl", {2, 3}}, {"Per", {7, 8}}}},
    {24, {{"1840", {2, 3}}, {"1850", {7, 8}}}},
    {25, {{kAlunda.c_str(), {2, 3}}, {kOvanaker.c_str(), {7, 8}}}},
    {26, {{"Gävleborgs län", {7, 8}}, {"Uppsala län", {2, 3}}}},
    {27, {{"Hälsingland", {7, 8}}, {"Uppland", {2, 3}}}},
    {28, {{"Sverige", {2, 3, 7, 8}}}},
    {29, {{"Bonde", {2, 3}}, {"Korpral", {7, 8}}, {"Soldat", {7, 8}}}},
    {30, {{"Berg", {2, 3}}, {"Éklund", {7, 8}}}},
    {31, {{"Anna", {2, 3}}, {"Maria", {2, 3, 7, 8}}}},
    {32, {{"1845", {2, 3}}, {"1852", {7, 8}}}},
    {33, {}},
    {34, {}},
    {35, {}},
    {36,
     {{"Amerika", {7, 8}},
      {"Amerika&B, Boston", {7, 8}, 1},
      {"Norge", {2, 3}},
      {"Norge&B, Kristiania", {2, 3}, 3}}},
    {37, {}},
    {38, {{"Anna", {3}}, {"Erik", {7}}, {"Johan", {2}}, {"Olof", {8}}, {"Per", {7}}}},
    {39, {{"EK", {10}}, {"GK", {1, 6}}, {"GM", {4, 9}}, {"OK", {2, 5}}, {"OM", {3, 7, 8}}}},
    {40,
     {{"Alunda", {2, 3, 4}},
      {"Boston", {5, 6}},
      {"Chicago", {7}},
      {"Kristiania", {1}},
      {"Ovanåker", {8, 9}},
      {"Tierp", {10}}}},
    {41, {}},
};

std::vector<std::int32_t> personsOf(TSPstruktlista& list, std::int32_t persons) {
    Tspsmalurval found;
    found.setCapacity(persons);
    found.setUsedSize(persons);
    found.allokera();
    list.markera(found);
    std::vector<std::int32_t> rows;
    for (std::int32_t r = 0; found.nasta(r);) rows.push_back(r);
    return rows;
}

class BuiltDatabaseTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir();
        std::string csv = kHeader;
        for (const char* row : kRows) csv += std::string(row) + "\n";
        std::ofstream(dir_->path() + "census.csv", std::ios::binary) << csv;
        BuildOptions options;
        options.csvPath = dir_->path() + "census.csv";
        options.outDir = dir_->path() + "db";
        buildDatabase(options, nullptr, nullptr);
    }
    static void TearDownTestSuite() { delete dir_; }

    void SetUp() override {
        const Configuration config = readConfiguration(dir_->path() + "db/");
        ASSERT_EQ(config.cdbasen, dir_->path() + "db/cd/");
        db_.open(config);
    }

    static test::TempDir* dir_;
    RecordingMessageSink messages_;
    Database db_{&messages_};
};

test::TempDir* BuiltDatabaseTest::dir_ = nullptr;

TEST_F(BuiltDatabaseTest, MasterListOrdersPersonsAndNamesTheirRecords) {
    TSPstruktlista& master = db_.tessllista();
    ASSERT_EQ(master.rowCount(), 10);
    for (std::int32_t person = 1; person <= 10; ++person) {
        master.lasrad(person);
        EXPECT_EQ(master.ord1(), kRecordOfPerson[person - 1]) << person;
    }
    master.lasrad(2);
    EXPECT_EQ(master.text(),
              "Berg, Anna\xFF"
              "1875\xFF"
              "00000010001\xFF"
              "B");
    master.lasrad(5);
    EXPECT_EQ(master.text(),
              "Ek, Kristina\xFF"
              "1868\xFF"
              "00000010002\xFF"
              "E");
}

TEST_F(BuiltDatabaseTest, EveryWordListHoldsItsRowsAndPersons) {
    for (const ListCase& c : kLists) {
        TSPstruktlista& list = db_.tessls(c.list);
        ASSERT_TRUE(list.isOpen()) << c.list;
        ASSERT_EQ(list.rowCount(), static_cast<std::int32_t>(c.rows.size())) << "list " << c.list;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const auto row = static_cast<std::int32_t>(i + 1);
            const Expected& expected = c.rows[i];
            list.lasrad(row);
            EXPECT_EQ(list.text(), w(expected.text)) << "list " << c.list << " row " << row;
            EXPECT_EQ(personsOf(list, 10), expected.persons) << "list " << c.list << " row " << row;
            EXPECT_EQ(list.ord1(), 0u);
            if (list.hasParentTable()) {
                EXPECT_EQ(list.parentOf(row), expected.parent) << "list " << c.list << " row " << row;
                EXPECT_EQ(list.ord2(), expected.parent == 0 ? word_list_format::kBoldRow : 0u) << c.list;
            }
        }
    }
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(BuiltDatabaseTest, RecordsHoldTheCensusFieldForField) {
    TSPregtext& records = db_.tessl();
    ASSERT_EQ(records.count(), 10);
    for (std::int32_t record = 1; record <= 10; ++record) {
        records.laspost(record);
        ASSERT_EQ(records.status(), 0) << record;
        records.tolkapost();
        std::vector<std::string> fields = records.fields().texts;
        fields.emplace_back(records.longText(1));
        std::string row;
        for (const std::string& field : fields) row += (row.empty() ? "" : ",") + field;
        // The one quoted field, the remark of record 4, keeps its line break as a carriage return.
        std::string expected = w(kRows[record - 1]);
        std::erase(expected, '"');
        std::replace(expected.begin(), expected.end(), '\n', '\r');
        EXPECT_EQ(row, expected) << record;
    }
    records.laspost(4);
    ASSERT_EQ(records.status(), 0);
    records.tolkapost();
    const std::vector<std::string> expected = {"P4",
                                               w("Uppsala län"),
                                               w("Alunda (Uppsala län);Uppland"),
                                               "Norrby",
                                               "1",
                                               "Dotter",
                                               "1",
                                               "b ",
                                               "Anna",
                                               "Berg",
                                               "",
                                               "",
                                               "",
                                               "",
                                               "1875",
                                               "Alunda",
                                               w("Alunda (Uppsala län)"),
                                               w("Uppsala län"),
                                               "Uppland",
                                               "0301",
                                               "K",
                                               "O",
                                               "",
                                               "",
                                               "",
                                               ""};
    EXPECT_EQ(records.fields().texts, expected);
    EXPECT_EQ(records.longText(1), w("Flyttat\råter"));

    records.laspost(10);
    records.tolkapost();
    EXPECT_EQ(records.fields().texts[9], w("Éklund"));
    EXPECT_EQ(records.fields().texts[18], "Amerika");
}

TEST_F(BuiltDatabaseTest, HelpTextsAreFoundByCodeInBothLanguages) {
    TSPregtext& help = db_.textbas();
    for (const char* code : {"HJ001", "HJ001e", "HJ022", "HJ022e", "HJ025", "HJ025e"}) {
        const std::int32_t found = help.sokpost(code, 0);
        ASSERT_GT(found, 0) << code;
        help.laspost(found);
        help.tolkapost();
        EXPECT_EQ(help.fields().texts[0], code);
        EXPECT_FALSE(help.fields().texts[1].empty()) << code;
        EXPECT_FALSE(help.longText(1).empty()) << code;
    }
    help.laspost(help.sokpost("HJ022e", 0));
    help.tolkapost();
    EXPECT_TRUE(help.fields().texts[1].starts_with("About Tessla"));
    EXPECT_EQ(help.sokpost("HJ099", 0), -1);
}

}  // namespace
}  // namespace tessla

namespace tessla {
namespace {

std::string censusOf(std::vector<std::string> rows) {
    std::string csv = kHeader;
    for (const std::string& row : rows) csv += row + "\n";
    return csv;
}

// A row of the fixture with one field replaced.
std::string rowWith(int row, int field, const std::string& value) {
    std::vector<std::string> fields;
    std::string current;
    bool quoted = false;
    for (const char c : std::string(kRows[row])) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            fields.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    fields.push_back(current);
    fields[static_cast<std::size_t>(field)] = value;
    std::string joined;
    for (const std::string& f : fields) joined += (joined.empty() ? "" : ",") + f;
    return joined;
}

struct BuildResult {
    std::string error;  // empty when the build succeeded
    std::vector<std::string> warnings;
};

BuildResult build(const test::TempDir& dir, const std::string& csv, bool force = false,
                  const std::string& skin = "", std::size_t personsMax = kPersonsMax) {
    std::ofstream(dir.path() + "census.csv", std::ios::binary | std::ios::trunc) << csv;
    BuildOptions options;
    options.csvPath = dir.path() + "census.csv";
    options.outDir = dir.path() + "db";
    options.force = force;
    options.skinDir = skin;
    options.personsMax = personsMax;
    BuildResult result;
    try {
        buildDatabase(options, nullptr,
                      [&](const std::string& warning) { result.warnings.push_back(warning); });
    } catch (const std::exception& error) {
        result.error = error.what();
    }
    return result;
}

std::vector<std::string> entriesOf(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DatabaseBuilderTest, RefusesBadInputWithLineAndFieldAndLeavesNothing) {
    const std::string header(kHeader);
    struct Case {
        const char* what;
        std::string csv;
        const char* message;
    } cases[] = {
        {"empty file", "", "the census file is empty"},
        {"header only", header, "the census file holds no persons"},
        {"missing column", std::string(kHeader).replace(header.find("HEMBY,"), 6, "") + kRows[0] + "\n",
         "line 1, field HEMBY: the column is missing"},
        {"character outside Windows-1252", censusOf({kRows[0], rowWith(1, 9, "Wałęsa")}),
         "line 3, field ENAMN: character U+0142 at byte 2 cannot be written in Windows-1252"},
        {"field over its limit", censusOf({rowWith(0, 11, std::string(6001, 'x'))}),
         "line 2, field YRKE: 6001 bytes, more than 6000"},
        {"remark over its limit", censusOf({rowWith(0, 26, std::string(10000, 'x'))}),
         "line 2, field ÖVRIGT: 10000 bytes, more than 9999"},
        {"wrong number of fields", censusOf({kRows[0], "P2,Uppsala län"}),
         "line 3: the row has 2 fields, the header 27"},
        {"household split", censusOf({kRows[0], kRows[5], kRows[1]}),
         "line 4, field HUSHNR: the household appeared before; rows of one household must be together"},
        {"places separated from their row", censusOf({kRows[4], rowWith(5, 18, "Amerika Förenta staterna")}),
         "rows 1 and 2 of the census: the values \"Amerika\" and \"Amerika Förenta staterna\""},
        {"unclosed quote", censusOf({kRows[0], "P2,\"Uppsala"}), "line 3: a quoted field is not closed"},
        {"unclosed quote in the header", "\"" + censusOf({kRows[0]}), "line 1: a quoted field is not closed"},
        {"row longer than any person", censusOf({rowWith(0, 26, std::string(kCsvRowBytesMax, 'x'))}),
         "line 2: the record is longer than 1 048 576 bytes"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const BuildResult result = build(dir, c.csv);
        EXPECT_NE(result.error.find(c.message), std::string::npos) << c.what << ": " << result.error;
        EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"census.csv"}) << c.what;
    }
    // The limit of persons, lowered so that a small census crosses it.
    test::TempDir dir;
    const BuildResult tooMany = build(dir, censusOf({kRows[0], kRows[1], kRows[2]}), false, "", 2);
    EXPECT_EQ(tooMany.error, "line 4: more than 2 persons");
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"census.csv"});
}

TEST(DatabaseBuilderTest, ReplacesBracketsAndThornWithAWarning) {
    test::TempDir dir;
    const BuildResult result =
        build(dir, censusOf({rowWith(0, 9, "[Berg]"), rowWith(1, 8, "Aþelstan"), rowWith(2, 26, "a [b]")}));
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.warnings,
              (std::vector<std::string>{"line 2, field ENAMN: square brackets replaced by parentheses",
                                        "line 3, field FNAMN: \"þ\" replaced by \"th\"",
                                        "line 4, field ÖVRIGT: square brackets replaced by parentheses"}));
    Database db(nullptr);
    db.open(readConfiguration(dir.path() + "db/"));
    db.tessls(1).lasrad(1);
    EXPECT_EQ(db.tessls(1).text(), "(Berg)");
    EXPECT_GT(db.tessls(2).sokexakt("Athelstan"), 0);
}

TEST(DatabaseBuilderTest, ReplacesAnExistingDatabaseOnlyWithForce) {
    test::TempDir dir;
    ASSERT_EQ(build(dir, censusOf({kRows[0]})).error, "");
    const BuildResult refused = build(dir, censusOf({kRows[0], kRows[1]}));
    EXPECT_NE(refused.error.find("exists and is not empty; --force replaces it"), std::string::npos);
    ASSERT_EQ(build(dir, censusOf({kRows[0], kRows[1]}), true).error, "");
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"census.csv", "db"}));
    EXPECT_EQ(entriesOf(dir.path() + "db"), (std::vector<std::string>{"cd", "hd", "tessla.ini"}));
    Database db(nullptr);
    db.open(readConfiguration(dir.path() + "db/"));
    EXPECT_EQ(db.tessllista().rowCount(), 2);
}

// "db/" names the folder "db" as "db" does; the build once failed at its very end on it.
TEST(DatabaseBuilderTest, AnOutputFolderEndingInASlashIsThatFolder) {
    test::TempDir dir;
    std::ofstream(dir.path() + "census.csv", std::ios::binary) << censusOf({kRows[0], kRows[1]});
    BuildOptions options;
    options.csvPath = dir.path() + "census.csv";
    options.outDir = dir.path() + "db/";
    buildDatabase(options, nullptr, nullptr);
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"census.csv", "db"}));
    EXPECT_EQ(readConfiguration(dir.path() + "db/").hdbasen, dir.path() + "db/hd/");
}

TEST(DatabaseBuilderTest, PutsTheSkinPicturesInTheSkinPictureBase) {
    test::TempDir dir;
    fs::create_directories(dir.path() + "skin");
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
    test::writeBytes(dir.path() + "skin/tslhelp.png", png);
    test::writeBytes(dir.path() + "skin/knapp.png", png);
    ASSERT_EQ(build(dir, censusOf({kRows[0]}), false, dir.path() + "skin").error, "");
    TCompress codec;
    const std::string hd = dir.path() + "db/hd/";
    TSPbildbas skin(skinPictureBase(), {hd, hd}, codec, nullptr);
    skin.setReadOnly(true);
    ASSERT_TRUE(skin.oppna());
    EXPECT_EQ(skin.count(), 2);
    EXPECT_EQ(skin.hamtabild("tslhelp"), png);
    EXPECT_FALSE(skin.hamtabild("saknas").has_value());
    TSPbildbas pictures(pictureBase(), {hd, hd}, codec, nullptr);
    ASSERT_TRUE(pictures.oppna());
    EXPECT_EQ(pictures.count(), 0);

    test::writeBytes(dir.path() + "skin/broken.png", {'G', 'I', 'F'});
    const BuildResult refused = build(dir, censusOf({kRows[0]}), true, dir.path() + "skin");
    EXPECT_NE(refused.error.find("broken.png is not a PNG picture"), std::string::npos) << refused.error;
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"census.csv", "db", "skin"}));
}

}  // namespace
}  // namespace tessla
