// The query commands of tessla-db on a small database: their output, and their exit statuses for
// bad usage and unusable databases.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "census_fixture.h"
#include "formula_census.h"
#include "python_csv.h"
#include "run_tool.h"
#include "storage/picture_names.h"
#include "storage/temp_dir.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using test::runTool;

test::CensusRow person(const char* number, const char* first, const char* last, const char* role,
                       const char* family, const char* year, const char* sex, const char* civil,
                       const char* status) {
    return {{"POSTID", number},       {"HEMLEN", "Uppsala län"}, {"HEMFO", "Alunda (Uppsala län);Uppland"},
            {"HEMBY", "Norrby"},      {"HUSHNR", "1"},           {"FAMST", status},
            {"FAMNR", family},        {"FAMSTKOD", role},        {"FNAMN", first},
            {"ENAMN", last},          {"FODAR", year},           {"GENUS", sex},
            {"CIVST", civil},         {"FOFORS", "Alunda"},      {"FOFORS1890", "Alunda (Uppsala län)"},
            {"FOLAND1890", "Uppland"}};
}

class QueryCommandsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        auto widow = person("P5", "Brita", "Åkesson", "E", "1", "1820", "K", "E", "Änka");
        widow[4].second = "2";  // her own household
        fixture_ = new test::CensusFixture({
            person("P1", "Karl Johan", "Berg", "F", "1", "1840", "M", "G", "Husbonde"),
            person("P2", "Anna Maria", "Berg", "M", "1", "1845", "K", "G", "Hustru"),
            person("P3", "Johan", "Berg", "B", "1", "1876", "M", "O", "Son"),
            person("P4", "Kristina", "Ek", "E", "2", "1868", "K", "O", "Piga"),
            widow,
        });
    }
    static void TearDownTestSuite() { delete fixture_; }

    static std::string ini() { return fixture_->iniPath(); }
    static test::CensusFixture* fixture_;
};

test::CensusFixture* QueryCommandsTest::fixture_ = nullptr;

TEST_F(QueryCommandsTest, ShowPrintsThePersonTextInEitherLanguage) {
    const auto swedish = runTool({"show", "--ini", ini(), "--record", "3"});
    EXPECT_EQ(swedish.status, 0) << swedish.err;
    EXPECT_EQ(swedish.out,
              "Berg, Johan\n\nf. 1876 i Alunda (Uppsala län, Uppland)\n\nSon\nPojke, barn i familjen\n\n"
              "Norrby\nAlunda (Uppsala län, Uppland)\n\nFödelseort i källan: Alunda\n");
    const auto english = runTool({"show", "--ini", ini(), "--record", "3", "--lang", "en", "--markup"});
    EXPECT_EQ(english.out,
              "[f]Berg, Johan[\\f]\n\nb. 1876 in Alunda (Uppsala län, Uppland)\n\nSon\nBoy, child\n\n"
              "Norrby\nAlunda (Uppsala län, Uppland)\n[L 1]\nPlace of birth (original source): Alunda\n");
}

TEST_F(QueryCommandsTest, HouseholdPrintsOneLinePerMemberAndSeparatesFamilies) {
    EXPECT_EQ(
        runTool({"household", "--ini", ini(), "--record", "2"}).out,
        "Berg, Karl Johan\t1840\tFar\nBerg, Anna Maria\t1845\tMor\nBerg, Johan\t1876\tBarn\n----------\n"
        "Ek, Kristina\t1868\tEnsam\n");
    EXPECT_EQ(runTool({"household", "--ini", ini(), "--record", "5", "--lang", "en"}).out,
              "Åkesson, Brita\t1820\t\n");
}

TEST_F(QueryCommandsTest, SearchesPrintTheResultListOrItsCount) {
    EXPECT_EQ(runTool({"search", "--ini", ini(), "--last-name", "berg"}).out,
              "2\tBerg, Anna Maria\t1845\n3\tBerg, Johan\t1876\n1\tBerg, Karl Johan\t1840\n");
    EXPECT_EQ(runTool({"search", "--ini", ini(), "--first-names", "Anna;Brita"}).out,
              "2\tBerg, Anna Maria\t1845\n5\tÅkesson, Brita\t1820\n");
    const auto limited = runTool({"search", "--ini", ini(), "--year", "1800-1900", "--limit", "1"});
    EXPECT_EQ(limited.out, "2\tBerg, Anna Maria\t1845\n");
    EXPECT_EQ(limited.err, "shown 1 of 5\n");
    EXPECT_EQ(runTool({"search", "--ini", ini(), "--residence", "uppland", "--residence-kind", "province",
                       "--count"})
                  .out,
              "5\n");
    EXPECT_EQ(
        runTool({"child-search", "--ini", ini(), "--father-first-names", "Karl", "--mother-year", "1845"})
            .out,
        "3\tBerg, Johan\t1876\n");
    EXPECT_EQ(runTool({"child-search", "--ini", ini(), "--father-last-name", "Ek", "--count"}).out, "0\n");
}

// "~" words find every spelling of a name in the name fields.
TEST_F(QueryCommandsTest, SearchesTakeSpellingVariants) {
    EXPECT_EQ(runTool({"search", "--ini", ini(), "--first-names", "~Carl;~Christina"}).out,
              "1\tBerg, Karl Johan\t1840\n4\tEk, Kristina\t1868\n");
    EXPECT_EQ(runTool({"search", "--ini", ini(), "--last-name", "~Bergh", "--count"}).out, "3\n");
    EXPECT_EQ(runTool({"child-search", "--ini", ini(), "--father-first-names", "~Carl"}).out,
              "3\tBerg, Johan\t1876\n");
}

TEST_F(QueryCommandsTest, StatsCountsAPropertyOverTheResult) {
    EXPECT_EQ(runTool({"stats", "--ini", ini(), "--property", "year", "--last-name", "Berg"}).out,
              "1840\t1\n1845\t1\n1876\t1\n3 rader, baserat på 3 poster (0 saknar uppgift)\n");
    const auto all = runTool({"stats", "--ini", ini(), "--property", "residence-county", "--sort", "count"});
    EXPECT_EQ(all.out, "Uppsala län\t5\n1 rader, baserat på 5 poster (0 saknar uppgift)\n") << all.err;
}

TEST_F(QueryCommandsTest, InspectListsEveryComponent) {
    const auto run = runTool({"inspect", "--ini", ini()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 45);
    EXPECT_TRUE(run.out.starts_with("tessllista\topen\t5\t")) << run.out;
    EXPECT_NE(run.out.find("\ntessl\topen\t5\t"), std::string::npos);
    EXPECT_NE(run.out.find("\ntessls41\topen\t0\t"), std::string::npos);
    EXPECT_NE(run.out.find("\nsysbild\topen\t" + std::to_string(allPictureNames().size()) + "\t" +
                           fs::path(ini()).parent_path().string() + "/hd/sybild.b\n"),
              std::string::npos)
        << run.out;
}

// The exports write the main window's files: to stdout, or whole to the file of --out.
TEST_F(QueryCommandsTest, HouseholdGedcomAndSearchCsvWriteTheExportFiles) {
    const test::TempDir dir;
    const auto gedcom = runTool({"household", "--ini", ini(), "--record", "2", "--gedcom", "--lang", "en"});
    ASSERT_EQ(gedcom.status, 0) << gedcom.err;
    for (const char* line :
         {"0 HEAD\r\n", "1 NAME Karl Johan /Berg/\r\n", "1 HUSB @I1@\r\n", "1 CHIL @I3@\r\n",
          "3 PAGE Uppsala län, Alunda, household 1, POSTID P3\r\n", "0 TRLR\r\n"})
        EXPECT_NE(gedcom.out.find(line), std::string::npos) << line;
    EXPECT_EQ(gedcom.out.find("Brita"), std::string::npos) << "the widow's household is another";
    const auto saved = runTool({"household", "--ini", ini(), "--record", "2", "--gedcom", "--lang", "en",
                                "--out", dir.path() + "berg.ged"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    const std::string file = test::fileText(dir.path() + "berg.ged");
    EXPECT_EQ(file.substr(file.find("0 @U1@")), gedcom.out.substr(gedcom.out.find("0 @U1@")))
        << "the same file but perhaps for its date";

    const auto csv = runTool({"search", "--ini", ini(), "--last-name", "Berg", "--csv", "--lang", "en"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out,
              "\xEF\xBB\xBFName,Born,Place of birth,Prof./title,Family status,Place of residence,POSTID\r\n"
              "\"Berg, Anna Maria\",1845,\"Alunda (Uppsala län, Uppland)\",,\"Woman, married, mother\","
              "\"Alunda (Uppsala län, Uppland)/Norrby\",P2\r\n"
              "\"Berg, Johan\",1876,\"Alunda (Uppsala län, Uppland)\",,\"Boy, child\","
              "\"Alunda (Uppsala län, Uppland)/Norrby\",P3\r\n"
              "\"Berg, Karl Johan\",1840,\"Alunda (Uppsala län, Uppland)\",,\"Man, married, father\","
              "\"Alunda (Uppsala län, Uppland)/Norrby\",P1\r\n");
    const auto first = runTool({"search", "--ini", ini(), "--last-name", "Berg", "--csv", "--limit", "1"});
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 2);
    EXPECT_NE(first.err.find("The file gets the first 1 of 3 in list order."), std::string::npos)
        << first.err;
}

// Census texts that a spreadsheet would take as formulas leave as text: one apostrophe in front.
TEST(QueryCommandsFormulaTest, SearchCsvWritesFormulaCellsWithAnApostropheInFront) {
    test::CensusFixture fixture(test::formulaCensusRows());
    const test::TempDir dir;
    const auto run = runTool({"search", "--ini", fixture.iniPath(), "--first-names", "Karl;+Anna;Anna",
                              "--csv", "--out", dir.path() + "formulas.csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::personRowsByPostid(test::readCsvWithPython(dir.path() + "formulas.csv")),
              test::formulaCensusCsvRows());
}

TEST_F(QueryCommandsTest, BadUsageAndUnusableDatabasesHaveTheirExitStatus) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"show", "--ini", ini()}, 1, "--record is required"},
        {{"show", "--ini", ini(), "--record", "1", "--colour", "red"}, 1, "unknown option --colour"},
        {{"show", "--ini", ini(), "--record", "1", "--lang", "de"}, 1, "--lang is sv or en"},
        {{"household", "--ini", ini(), "--record", "x"}, 1, "--record needs a whole number"},
        {{"show", "--ini", ini(), "--record", "6"}, 2, "record 6 is not in the database (1 to 5)"},
        {{"show", "--ini", ini(), "--record", "0"}, 2, "record 0 is not in the database"},
        {{"inspect", "--ini", "/nonexistent/tessla.ini"}, 2, "no configuration file /nonexistent/tessla.ini"},
        {{"nonsense"}, 1, "unknown command"},
        {{"search", "--ini", ini()}, 1, "no search criterion given"},
        {{"search", "--ini", ini(), "--last-name", "  "}, 1, "no search criterion given"},
        {{"search", "--ini", ini(), "--residence", "x", "--residence-kind", "country"},
         1,
         "--residence-kind is county, parish, province, not \"country\""},
        {{"search", "--ini", ini(), "--last-name", "Wałęsa"}, 1, "--last-name: character U+0142"},
        {{"stats", "--ini", ini(), "--property", "colour"}, 1, "unknown property \"colour\""},
        {{"search", "--ini", ini(), "--last-name", "~Ber*"},
         1,
         "--last-name: a \"~\" word finds the spellings of a whole name and cannot hold \"*\": \"~Ber*\""},
        {{"child-search", "--ini", ini(), "--mother-last-name", "Ek;  ~*son"},
         1,
         "--mother-last-name: a \"~\""},
        {{"search", "--ini", ini(), "--last-name", "Berg", "--out", "x.csv"},
         1,
         "--out and --lang need --csv"},
        {{"household", "--ini", ini(), "--record", "1", "--out", "x.ged"}, 1, "--out needs --gedcom"},
        {{"household", "--ini", ini(), "--record", "1", "--gedcom", "--out", "/nonexistent/x.ged"},
         2,
         "cannot write /nonexistent/x.ged: No such file or directory"},
    };
    for (const Case& c : cases) {
        const auto run = runTool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

TEST(QueryCommandsDatabaseTest, AnIncompleteDatabaseIsRefusedAndNothingIsCreated) {
    test::CensusFixture fixture({person("P1", "Karl", "Berg", "F", "1", "1840", "M", "G", "Husbonde")});
    const fs::path hd = fs::path(fixture.iniPath()).parent_path() / "hd";
    fs::remove(hd / "tessls39.b1");
    const auto before = std::distance(fs::directory_iterator(hd), {});
    const auto run = runTool({"inspect", "--ini", fixture.iniPath()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("tessls39.b1 (tessls39) is missing"), std::string::npos) << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(hd), {}), before);
}

}  // namespace
}  // namespace tessla
