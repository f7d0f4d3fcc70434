// tessla-db's usage on request and its progress on stderr: plain step lines into a file, one line
// rewritten in place on a terminal.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "../storage/temp_dir.h"
#include "base/version.h"
#include "run_tool.h"

namespace tessla {
namespace {

using test::runTool;

TEST(ToolUsage, HelpGoesToStandardOutputWithStatusZeroOtherwiseUsageIsAnError) {
    for (const char* help : {"--help", "help", "-h"}) {
        const auto run = runTool({help});
        EXPECT_EQ(run.status, 0) << help;
        EXPECT_TRUE(run.out.starts_with("tessla-db " + std::string(kProgramVersion))) << run.out;
        EXPECT_NE(run.out.find("\n  generate --persons N"), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "") << help;
    }
    const auto none = runTool({});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("usage: tessla-db <command>"), std::string::npos);
    EXPECT_EQ(runTool({"--frobnicate"}).status, 1);
}

// The percentages of "<command>: N % what" lines, in order.
std::vector<int> percentages(const std::string& text, const std::string& command) {
    std::vector<int> found;
    const std::regex line(command + ": +([0-9]+) % ");
    for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it)
        found.push_back(std::stoi((*it)[1]));
    return found;
}

TEST(ToolProgress, IntoAFileGenerateAndBuildWriteStepLinesUpTo100Percent) {
    const test::TempDir dir;
    const auto generate = runTool({"generate", "--persons", "6000", "--out", dir.path() + "census.csv"});
    ASSERT_EQ(generate.status, 0) << generate.err;
    EXPECT_EQ(generate.err.find('\r'), std::string::npos);
    // A line for each tenth, whatever the counts in between.
    const auto generated = percentages(generate.err, "generate");
    ASSERT_GE(generated.size(), 2U) << generate.err;
    EXPECT_LE(generated.size(), 11U) << generate.err;
    EXPECT_TRUE(std::is_sorted(generated.begin(), generated.end())) << generate.err;
    EXPECT_EQ(generated.back(), 100) << generate.err;
    EXPECT_NE(generate.err.find("generate: 100 % 6000 / 6000 persons\n"), std::string::npos) << generate.err;

    const auto build = runTool({"build", "--csv", dir.path() + "census.csv", "--out", dir.path() + "db"});
    ASSERT_EQ(build.status, 0) << build.err;
    const auto built = percentages(build.err, "build");
    EXPECT_TRUE(std::is_sorted(built.begin(), built.end())) << build.err;
    ASSERT_FALSE(built.empty());
    EXPECT_EQ(built.back(), 100) << build.err;
    for (const char* step : {"% reading the census\n", "% sorting 6000 persons\n", "% writing tessls41\n",
                             "build: built 6000 persons in "}) {
        EXPECT_NE(build.err.find(step), std::string::npos) << step << "\n" << build.err;
    }
}

TEST(ToolProgress, OnATerminalOneLineIsRewrittenInPlace) {
    const test::TempDir dir;
    // script gives the command a terminal; its screen is kept in a file. Its input is /dev/null,
    // whatever the test's own (script copies nothing when it has none).
    const std::string command = test::shellQuoted(TESSLA_DB_PATH) + " generate --persons 6000 --out " +
                                test::shellQuoted(dir.path() + "census.csv");
    const std::string screen = dir.path() + "screen";
    const std::string script = "script -qec " + test::shellQuoted(command) + " " + test::shellQuoted(screen) +
                               " < /dev/null > /dev/null";
    ASSERT_EQ(std::system(script.c_str()), 0);
    const std::string text = test::fileText(screen);
    // The terminal turns the finished line's "\n" into "\r\n".
    EXPECT_NE(text.find("\r\033[Kgenerate:   0 % "), std::string::npos) << text;
    EXPECT_NE(text.find("\r\033[Kgenerate: 100 % 6000 / 6000 persons\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace tessla
