// The exports on a generated sample of 200 000 persons: a CSV of the result read back with
// Python's csv module, the export limit, and a household's GEDCOM imported by a family-tree
// program (gramps, when it is installed).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/configuration.h"
#include "census/household.h"
#include "database/database.h"
#include "python_csv.h"
#include "sample_database.h"
#include "storage/temp_dir.h"
#include "tools/run_tool.h"

namespace tessla {
namespace {

constexpr std::uint64_t kPersons = 200000;

// The parts of `text` between separators, an empty last part kept.
std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The lines of `text`, each ended by a line feed.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> parts = split(text, '\n');
    if (!parts.empty() && parts.back().empty()) parts.pop_back();
    return parts;
}

// Runs a shell command; its exit status, with standard output and error together in `output`.
int shell(const std::string& command, std::string* output = nullptr) {
    const std::string file =
        std::filesystem::temp_directory_path() / ("tessla-shell-" + std::to_string(::getpid()));
    const int status = std::system((command + " > " + test::shellQuoted(file) + " 2>&1").c_str());
    if (output) *output = test::fileText(file);
    std::filesystem::remove(file);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ExportSampleTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir();
        test::buildSampleDatabase(dir_->path(), kPersons);
        // The same database with an export limit of 500.
        std::string ini = test::fileText(ini_());
        ini.replace(ini.find("export=10000"), 12, "export=500");
        std::ofstream(dir_->path() + "db/limit500.ini") << ini;
    }
    static void TearDownTestSuite() { delete dir_; }

    static std::string ini_() { return dir_->path() + "db/tessla.ini"; }

    static test::TempDir* dir_;
};

test::TempDir* ExportSampleTest::dir_ = nullptr;

TEST_F(ExportSampleTest, ACsvOf2000PersonsReadsBackAsTheSearchRows) {
    const test::ToolRun listed =
        test::runTool({"search", "--ini", ini_(), "--last-name", "B", "--limit", "2000"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const std::string path = dir_->path() + "b.csv";
    const test::ToolRun exported = test::runTool(
        {"search", "--ini", ini_(), "--last-name", "B", "--limit", "2000", "--csv", "--out", path});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.out.empty());

    const std::vector<std::string> listedLines = lines(listed.out);
    const auto rows = test::readCsvWithPython(path);
    ASSERT_EQ(listedLines.size(), 2000u);
    ASSERT_EQ(rows.size(), 2001u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Namn", "Född", "Födelseförsamling", "Yrke/titel",
                                        "Civilstånd/familjest.", "Boendeförsamling/plats", "POSTID"}));
    Database db(nullptr);
    db.open(readConfiguration(dir_->path() + "db/"));
    for (std::size_t i = 0; i < listedLines.size(); ++i) {
        const std::vector<std::string> listedRow = split(listedLines[i], '\t');  // record, name, year
        ASSERT_EQ(listedRow.size(), 3u) << listedLines[i];
        ASSERT_EQ(rows[i + 1].size(), 7u) << i;
        const Tenperson person = loadPerson(db.tessl(), std::stoi(listedRow[0]));
        EXPECT_EQ(rows[i + 1][0], listedRow[1]) << "row " << i + 1;
        EXPECT_EQ(rows[i + 1][1], listedRow[2]) << "row " << i + 1;
        EXPECT_EQ(rows[i + 1][6], person.POSTID) << "row " << i + 1;
    }
}

TEST_F(ExportSampleTest, AnExportLimitOf500Writes500RowsAndSaysSo) {
    const test::ToolRun found = test::runTool({"search", "--ini", ini_(), "--last-name", "B", "--count"});
    ASSERT_EQ(found.status, 0) << found.err;
    const int available = std::stoi(found.out);
    ASSERT_GT(available, 500);
    const std::string path = dir_->path() + "limit.csv";
    const std::string limited = dir_->path() + "db/limit500.ini";
    const test::ToolRun run =
        test::runTool({"search", "--ini", limited, "--last-name", "B", "--csv", "--out", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::readCsvWithPython(path).size(), 501u);
    std::string grouped = std::to_string(available);
    grouped.insert(grouped.size() - 3, ",");
    EXPECT_EQ(run.err, "The list is longer than the export limit. The file gets the first 500 of " + grouped +
                           " in list order.\n");
    const test::ToolRun more =
        test::runTool({"search", "--ini", limited, "--last-name", "B", "--csv", "--limit", "2000"});
    EXPECT_EQ(std::count(more.out.begin(), more.out.end(), '\n'), 501)
        << "--limit does not pass the export limit";
}

// The record of the first of the first 400 households with the most families.
std::int32_t recordOfALargeHousehold(Database& db, std::int32_t* members, std::int32_t* families) {
    std::int32_t best = 0, bestFamilies = -1;
    HouseholdList household;
    for (std::int32_t record = 1; record <= 4000; record += 10) {
        household.buildHousehold(db, householdKey(loadPerson(db.tessl(), record)));
        std::int32_t separators = 0;
        for (std::int32_t row = 1; row <= household.size(); ++row) separators += household.isSeparator(row);
        if (separators > bestFamilies) {
            best = record;
            bestFamilies = separators;
            *members = household.size() - separators;
        }
    }
    *families = bestFamilies + 1;
    return best;
}

std::size_t recordsOf(const std::string& gedcom, const std::string& tag) {
    std::size_t count = 0;
    for (const std::string& line : lines(gedcom))
        count += line.starts_with("0 @") && (line.ends_with(" " + tag) || line.ends_with(" " + tag + "\r"));
    return count;
}

TEST_F(ExportSampleTest, GrampsImportsAHouseholdWithoutWarnings) {
    if (shell("command -v gramps") != 0)
        GTEST_SKIP() << "gramps is not installed: the import check is skipped";
    Database db(nullptr);
    db.open(readConfiguration(dir_->path() + "db/"));
    std::int32_t members = 0, groups = 0;
    const std::int32_t record = recordOfALargeHousehold(db, &members, &groups);
    ASSERT_GT(groups, 1);
    const std::string path = dir_->path() + "household.ged";
    const test::ToolRun run = test::runTool(
        {"household", "--ini", ini_(), "--record", std::to_string(record), "--gedcom", "--out", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string written = test::fileText(path);
    ASSERT_EQ(recordsOf(written, "INDI"), static_cast<std::size_t>(members));
    const std::size_t families = recordsOf(written, "FAM");
    EXPECT_GT(families, 0u);

    // gramps keeps its family trees in the home folder: a fresh one for this test.
    const std::string home = "HOME=" + test::shellQuoted(dir_->path() + "gramps-home") + " ";
    std::filesystem::create_directories(dir_->path() + "gramps-home");
    std::string output;
    ASSERT_EQ(shell(home + "timeout 300 gramps -y -C household -i " + test::shellQuoted(path), &output), 0)
        << output;
    EXPECT_NE(output.find("GEDCOM import report: No errors detected"), std::string::npos) << output;
    EXPECT_EQ(output.find("Line "), std::string::npos) << output;
    const std::string back = dir_->path() + "back.ged";
    ASSERT_EQ(shell(home + "timeout 300 gramps -y -O household -e " + test::shellQuoted(back), &output), 0)
        << output;
    const std::string imported = test::fileText(back);
    EXPECT_EQ(recordsOf(imported, "INDI"), static_cast<std::size_t>(members)) << "the persons gramps holds";
    EXPECT_EQ(recordsOf(imported, "FAM"), families) << "the families gramps holds";
}

}  // namespace
}  // namespace tessla
