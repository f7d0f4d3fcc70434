#include "base/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/ini_file.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

class ConfigurationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessla-config-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string directory() const { return dir_.string() + "/"; }
    void writeIni(const std::string& text) const {
        std::ofstream(dir_ / "tessla.ini", std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST_F(ConfigurationTest, MissingFileGivesDefaults) {
    const Configuration config = readConfiguration(directory());
    EXPECT_EQ(config.programDirectory, directory());
    EXPECT_EQ(config.cdbasen, "");
    EXPECT_EQ(config.hdbasen, "");
    EXPECT_EQ(config.printLimit, 10000);
    EXPECT_EQ(config.exportLimit, 10000);
}

TEST_F(ConfigurationTest, ReadsDirectoriesAsWrittenAndCutsThemAt200) {
    const std::string longDir = "/" + std::string(250, 'x') + "/";
    writeIni("; database locations\r\n[Kataloger]\r\nCDBASEN = /media/cdrom \r\nhdbasen=" + longDir + "\r\n");
    const Configuration config = readConfiguration(directory());
    EXPECT_EQ(config.cdbasen, "/media/cdrom");  // no "/" added: paths are plain concatenation
    EXPECT_EQ(config.hdbasen, longDir.substr(0, 200));
}

TEST_F(ConfigurationTest, ClampsLimits) {
    struct Case {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"-5", 0},   {"20000", 10000}, {"abc", 10000},         {"", 10000}, {"250", 250}, {"0", 0},
        {"+42", 42}, {"12x", 10000},   {"99999999999", 10000}, {" 7 ", 7},
    };
    for (const auto& c : cases) {
        writeIni(std::string("[limits]\nutskrift=") + c.value + "\nexport=" + c.value + "\n");
        const Configuration config = readConfiguration(directory());
        EXPECT_EQ(config.printLimit, c.expected) << c.value;
        EXPECT_EQ(config.exportLimit, c.expected) << c.value;
    }
}

TEST(IniFileTest, FirstKeyWinsAndSectionsAreSeparate) {
    IniFile ini;
    ini.parse("[a]\nkey=1\nkey=2\n[b]\nkey=3\nnoequals\n# comment=4\n");
    EXPECT_EQ(ini.readString("A", "KEY", "-"), "1");
    EXPECT_EQ(ini.readString("b", "key", "-"), "3");
    EXPECT_EQ(ini.readString("c", "key", "-"), "-");
    EXPECT_EQ(ini.readString("b", "# comment", "-"), "-");
    EXPECT_FALSE(ini.load("/nonexistent/tessla.ini"));
}

TEST(ProgramDirectoryTest, IsTheTestExecutablesDirectoryWithASlash) {
    const std::string dir = programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_EQ(fs::path(dir).parent_path(), fs::canonical("/proc/self/exe").parent_path());
}

TEST(ConfigurationFilePath, TheConfigurationFileIsTheOneTesslaIniNamesElseTheOneBesideTheProgram) {
    const std::string beside = programDirectory() + "tessla.ini";
    EXPECT_EQ(configurationFilePath(nullptr), beside);
    EXPECT_EQ(configurationFilePath(""), beside);
    EXPECT_EQ(configurationFilePath("/data/census/tessla.ini"), "/data/census/tessla.ini");
}

}  // namespace
}  // namespace tessla
