#include "view/help_topic.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "storage/temp_dir.h"

namespace tessla {
namespace {

using test::TempDir;

TEST(HelpTopicTest, EnglishKeysGetAnE) {
    EXPECT_EQ(topicKey("HJ022", Language::Swedish), "HJ022");
    EXPECT_EQ(topicKey("HJ022", Language::English), "HJ022e");
}

TEST(HelpTopicTest, OnlyHelpAndTextKeysStayInTheWindow) {
    const struct {
        const char* link;
        bool topic;
    } cases[] = {
        {"HJ001", true},
        {"HJ024e", true},
        {"TX001", true},
        {"HJ", true},
        {"hj001", false},
        {"XHJ001", false},
        {"http://example.org/", false},
        {"H", false},
        {" HJ001", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isTopicLink(c.link), c.topic) << c.link;
}

TEST(HelpTopicTest, AboutTitlesGetTheVersionAndTheDateInTheFormOfTheLanguage) {
    const CalendarDate march7{2024, 3, 7};
    const struct {
        const char* title;
        Language language;
        std::optional<CalendarDate> date;
        const char* shown;
    } cases[] = {
        {"Tessla", Language::Swedish, march7, "Tessla (ver 1.02, databasdatum 2024-03-07)"},
        {"Tessla, om programmet", Language::Swedish, march7,
         "Tessla, om programmet (ver 1.02, databasdatum 2024-03-07)"},
        {"About Tessla", Language::English, march7, "About Tessla (ver 1.02, database 03/07/2024)"},
        {"About Tessla", Language::English, CalendarDate{1999, 12, 31},
         "About Tessla (ver 1.02, database 12/31/1999)"},
        {"Tessla", Language::Swedish, std::nullopt, "Tessla (ver 1.02)"},
        {"About Tessla", Language::English, std::nullopt, "About Tessla (ver 1.02)"},
        // Each language has its own rule: a title of the other form stays as it is.
        {"Tessla", Language::English, march7, "Tessla"},
        {"About Tessla", Language::Swedish, march7, "About Tessla"},
        {"About the list", Language::English, march7, "About the list"},
        {"Sök", Language::Swedish, march7, "Sök"},
        {"", Language::Swedish, march7, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(aboutTitle(c.title, c.language, "1.02", c.date), c.shown) << c.title;
    }
}

TEST(HelpTopicTest, TheFileDateIsTheLocalDayOfTheLastChange) {
    TempDir dir;
    const std::string path = dir.path() + "tessls15.i";
    std::ofstream(path) << "x";
    std::tm noon{};
    noon.tm_year = 1990 - 1900;
    noon.tm_mon = 11;
    noon.tm_mday = 31;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&noon));
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::from_sys(when));
    const std::optional<CalendarDate> date = fileDate(path);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 1990);
    EXPECT_EQ(date->month, 12);
    EXPECT_EQ(date->day, 31);
    EXPECT_FALSE(fileDate(dir.path() + "missing.i"));
}

}  // namespace
}  // namespace tessla
