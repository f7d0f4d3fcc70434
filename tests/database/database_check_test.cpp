#include "database/database_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../census_fixture.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

std::vector<test::CensusRow> persons(int count) {
    std::vector<test::CensusRow> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back({{"POSTID", std::to_string(i)},
                        {"HEMLEN", "Län"},
                        {"HEMFO", "Socken (Län);Uppland"},
                        {"HUSHNR", std::to_string(i)},
                        {"ENAMN", "Person" + std::to_string(i)}});
    }
    return rows;
}

std::size_t filesUnder(const std::string& directory) {
    return static_cast<std::size_t>(std::distance(fs::recursive_directory_iterator(directory), {}));
}

TEST(DatabaseCheckTest, OpensACompleteDatabase) {
    test::CensusFixture census(persons(3));
    Database db(nullptr);
    EXPECT_EQ(openCheckedDatabase(db, readConfigurationFile(census.iniPath())), std::nullopt);
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(db.tessllista().rowCount(), 3);
}

TEST(DatabaseCheckTest, AMissingFileIsNamedAndNothingIsCreated) {
    test::CensusFixture census(persons(3));
    const Configuration config = readConfigurationFile(census.iniPath());
    const std::string gone = config.hdbasen + "tessls39.b1";
    ASSERT_TRUE(fs::remove(gone));
    const std::size_t before = filesUnder(config.hdbasen);

    Database db(nullptr);
    const auto problem = openCheckedDatabase(db, config);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->kind, DatabaseProblem::Kind::MissingFile);
    EXPECT_EQ(describeDatabaseProblem(*problem),
              "the database is incomplete: " + gone + " (tessls39) is missing");
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(filesUnder(config.hdbasen), before);
}

TEST(DatabaseCheckTest, APersonListOfAnotherDatabaseIsRefused) {
    test::CensusFixture three(persons(3));
    test::CensusFixture five(persons(5));
    const Configuration config = readConfigurationFile(three.iniPath());
    const Configuration other = readConfigurationFile(five.iniPath());
    const auto files = databaseFiles(config.cdbasen, config.hdbasen);
    const auto otherFiles = databaseFiles(other.cdbasen, other.hdbasen);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].component == "tessllista") {
            fs::copy_file(otherFiles[i].path, files[i].path, fs::copy_options::overwrite_existing);
        }
    }

    Database db(nullptr);
    const auto problem = openCheckedDatabase(db, config);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(describeDatabaseProblem(*problem),
              "the person list and the person records cannot be used together (5 persons listed, 3 records)");
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.tessllista().isOpen());
}

}  // namespace
}  // namespace tessla
