#include "base/configuration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

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

// HOME and the XDG variables pointed at a temporary directory for one test, restored after it.
class ConfigurationLookupTest : public ConfigurationTest {
  protected:
    void SetUp() override {
        ConfigurationTest::SetUp();
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value == nullptr ? std::nullopt : std::optional<std::string>(value));
            ::unsetenv(name);
        }
        ::setenv("HOME", (dir_ / "home").c_str(), 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
        ConfigurationTest::TearDown();
    }
    // The environment's places, with the program directory and the system file moved into the
    // temporary directory.
    ConfigurationPlaces places() const {
        ConfigurationPlaces places = configurationPlacesFromEnvironment();
        places.programDirectory = (dir_ / "bin").string() + "/";
        places.systemFile = (dir_ / "etc/tessla/tessla.ini").string();
        return places;
    }
    std::string touch(const std::string& relative) const {
        const fs::path file = dir_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "[kataloger]\n";
        return file.string();
    }

    static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TESSLA_INI"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(ConfigurationLookupTest, TesslaIniThenBesideTheProgramThenTheUsersFileThenTheSystemFile) {
    struct Case {
        bool tesslaIni, beside, user, system;
        const char* expected;  // relative to the temporary directory
    } cases[] = {
        {true, true, true, true, "named.ini"},  // TESSLA_INI wins, even when the file is missing
        {false, true, true, true, "bin/tessla.ini"},
        {false, false, true, true, "home/.config/tessla/tessla.ini"},
        {false, false, false, true, "etc/tessla/tessla.ini"},
        {false, false, false, false, "home/.config/tessla/tessla.ini"},  // none: the user's, to be written
    };
    for (const Case& c : cases) {
        fs::remove_all(dir_);
        if (c.tesslaIni) ::setenv("TESSLA_INI", (dir_ / "named.ini").c_str(), 1);
        if (c.beside) touch("bin/tessla.ini");
        if (c.user) touch("home/.config/tessla/tessla.ini");
        if (c.system) touch("etc/tessla/tessla.ini");
        EXPECT_EQ(configurationFilePath(places()), (dir_ / c.expected).string()) << c.expected;
        ::unsetenv("TESSLA_INI");
    }
}

TEST_F(ConfigurationLookupTest, XdgVariablesCountOnlyWhenAbsolute) {
    ::setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    const std::string user = touch("config/tessla/tessla.ini");
    touch("home/.config/tessla/tessla.ini");
    EXPECT_EQ(configurationFilePath(places()), user);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(userConfigurationPath(places()), (dir_ / "home/.config/tessla/tessla.ini").string());
    ::unsetenv("HOME");
    EXPECT_EQ(userConfigurationPath(places()), "");

    const std::string data = (dir_ / "data").string();
    EXPECT_EQ(sampleDatabaseDirectory(data.c_str(), "/home/u"), data + "/tessla/sample/");
    EXPECT_EQ(sampleDatabaseDirectory(nullptr, "/home/u"), "/home/u/.local/share/tessla/sample/");
    EXPECT_EQ(sampleDatabaseDirectory("data", "/home/u/"), "/home/u/.local/share/tessla/sample/");
    EXPECT_EQ(sampleDatabaseDirectory(nullptr, nullptr), "");
}

TEST_F(ConfigurationLookupTest, TheUsersFileNamesTheChosenDatabaseAndNothingElseIsWritten) {
    const std::string user = userConfigurationPath(places());
    touch("home/.config/tessla/tessla.ini");  // an older choice is replaced
    EXPECT_EQ(writeUserConfiguration(user, "/srv/census/db"), "");
    const Configuration config = readConfigurationFile(user);
    EXPECT_EQ(config.cdbasen, "/srv/census/db/cd/");
    EXPECT_EQ(config.hdbasen, "/srv/census/db/hd/");
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    EXPECT_EQ(files, std::vector<std::string>{user});

    touch("blocked");  // a file where the folder should be
    EXPECT_NE(writeUserConfiguration((dir_ / "blocked/tessla.ini").string(), "/srv/census/db"), "");
}

TEST(DatabaseDirectoryFits, TheCdAndHdPathsMayHave128Characters) {
    const std::string longest = "/" + std::string(kComponentDirectoryMax - 5, 'x');  // + "/cd/" = 128
    EXPECT_TRUE(databaseDirectoryFits(longest));
    EXPECT_TRUE(databaseDirectoryFits(longest + "/"));
    EXPECT_FALSE(databaseDirectoryFits(longest + "y"));
    EXPECT_EQ(cdDirectoryOf(longest).size(), kComponentDirectoryMax);
    EXPECT_EQ(hdDirectoryOf("/d/"), "/d/hd/");
}

}  // namespace
}  // namespace tessla
