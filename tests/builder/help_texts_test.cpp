// The help texts under data/help, as the builder compiles them into the help text base: every
// topic in both languages, Windows-1252 text within the record limit, markup that the text
// window can lay out, links that lead to existing topics of the same language, and the titles
// that the text window extends with the version and the database date.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp1252.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

constexpr int kTopicCount = 26;
constexpr std::size_t kMaxBodyBytes = 19999;

fs::path helpDirectory() {
    return fs::path(TESSLA_SOURCE_DIR) / "data" / "help";
}

std::string topicKey(int topic, std::string_view suffix) {
    char key[8];
    std::snprintf(key, sizeof key, "HJ%03d", topic);
    return key + std::string(suffix);
}

struct Topic {
    std::string title;  // Windows-1252
    std::string body;   // Windows-1252, each line ended by a carriage return
};

// Reads the file of one topic in the builder's form: title, empty line, body. Every fault is
// reported as a test failure and gives nothing.
std::optional<Topic> readTopic(const std::string& key) {
    std::ifstream in(helpDirectory() / (key + ".txt"), std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "missing file " << key << ".txt";
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string utf8 = bytes.str();
    Cp1252Error error;
    auto text = utf8ToCp1252(Utf8View(utf8), &error);
    if (!text) {
        ADD_FAILURE() << error.message();
        return std::nullopt;
    }
    if (text->find('\r') != std::string::npos) {
        ADD_FAILURE() << "carriage return in the file: lines must end with a line feed alone";
        return std::nullopt;
    }
    const std::size_t titleEnd = text->find('\n');
    if (titleEnd == std::string::npos || text->compare(titleEnd, 2, "\n\n") != 0) {
        ADD_FAILURE() << "the title line must be followed by one empty line";
        return std::nullopt;
    }
    Topic topic{text->substr(0, titleEnd), text->substr(titleEnd + 2)};
    for (char& c : topic.body) {
        if (c == '\n') c = '\r';
    }
    return topic;
}

struct MarkupScan {
    std::vector<std::string> problems;
    std::vector<std::string> linkTargets;
};

// Walks the codes of a body as the coded-text engine reads them: a code runs from "[" to the
// next "]", a backslash marks the closing form, the first character selects the command.
MarkupScan scanMarkup(const std::string& body) {
    MarkupScan scan;
    auto problem = [&](std::size_t at, const std::string& what) {
        scan.problems.push_back("byte " + std::to_string(at) + ": " + what);
    };
    bool linkOpen = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(body[i]);
        if (c < 32 && c != '\t' && c != '\r') problem(i, "control character " + std::to_string(c));
        if (c == ']') problem(i, "\"]\" outside a code");
        if (c != '[') continue;
        const std::size_t end = body.find_first_of("[]", i + 1);
        if (end == std::string::npos || body[end] != ']') {
            problem(i, "\"[\" not closed by \"]\" before the next \"[\"");
            if (end == std::string::npos) break;
            i = end - 1;
            continue;
        }
        std::string code = body.substr(i + 1, end - i - 1);
        const bool closing = std::erase(code, '\\') > 0;
        const std::size_t at = i;
        i = end;
        if (code.empty()) {
            problem(at, "empty code");
            continue;
        }
        const char command = static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
        if (std::isdigit(static_cast<unsigned char>(command))) {
            if (code.size() != 1 || command < '1' || command > '6')
                problem(at, "style [" + code + "] is not 1 to 6");
        } else if (command == 'M' && !closing) {
            if (linkOpen) problem(at, "link opened inside a link");
            linkOpen = true;
            const std::size_t targetStart = code.find_first_not_of(' ', 1);
            scan.linkTargets.push_back(targetStart == std::string::npos ? "" : code.substr(targetStart));
        } else if (command == 'M') {
            if (!linkOpen) problem(at, "[\\M] without an open link");
            linkOpen = false;
        } else if (std::string_view("BCHFKLNTUX").find(command) == std::string_view::npos) {
            problem(at, "unknown code [" + code + "]");
        }
    }
    if (linkOpen) problem(body.size(), "link not closed at the end of the text");
    return scan;
}

struct Mention {
    int topic;
    const char* word;
};

struct Language {
    const char* name;
    const char* suffix;               // appended to the topic key
    const char* aboutPrefix;          // a title beginning with it gets the version and date
    std::vector<Mention> mentions;    // words a topic must contain
    std::vector<int> reachedByLinks;  // topics no window opens, so some text must link to them
};

const std::vector<Language>& languages() {
    static const std::vector<Language> table = {
        {"Swedish", "", "Tessla", {{24, "Stamma"}, {25, "Arkivo"}}, {}},
        // The English program opens HJ024e for both publisher logos.
        {"English", "e", "About Tessla", {{24, "Stamma"}, {24, "Arkivo"}, {25, "Arkivo"}}, {25}},
    };
    return table;
}

TEST(HelpTexts, EveryTopicIsWellFormedAndLinksWithinItsLanguage) {
    for (const Language& language : languages()) {
        SCOPED_TRACE(language.name);
        std::set<std::string> keys;
        for (int topic = 1; topic <= kTopicCount; ++topic) keys.insert(topicKey(topic, language.suffix));
        std::set<std::string> linked;
        for (int number = 1; number <= kTopicCount; ++number) {
            const std::string key = topicKey(number, language.suffix);
            SCOPED_TRACE(key);
            const auto topic = readTopic(key);
            if (!topic) continue;

            EXPECT_FALSE(topic->title.empty());
            EXPECT_EQ(topic->title.find_first_of("[]"), std::string::npos) << "markup in the title";
            EXPECT_NE(topic->body.find_first_not_of(" \t\r"), std::string::npos) << "empty body";
            EXPECT_LE(topic->body.size(), kMaxBodyBytes);
            EXPECT_EQ(topic->title.starts_with(language.aboutPrefix), number == 22)
                << "title \"" << topic->title << "\": only the about topic begins with \""
                << language.aboutPrefix << "\"";
            for (const Mention& mention : language.mentions) {
                if (mention.topic != number) continue;
                EXPECT_TRUE((topic->title + topic->body).find(mention.word) != std::string::npos)
                    << "does not mention " << mention.word;
            }

            const MarkupScan scan = scanMarkup(topic->body);
            for (const std::string& problem : scan.problems) ADD_FAILURE() << problem;
            for (const std::string& target : scan.linkTargets) {
                EXPECT_TRUE(keys.contains(target))
                    << "link to \"" << target << "\", not a topic of this language";
                if (target != key) linked.insert(target);
            }
        }
        for (int topic : language.reachedByLinks) {
            EXPECT_TRUE(linked.contains(topicKey(topic, language.suffix)))
                << "no text links to " << topicKey(topic, language.suffix);
        }
    }
}

// The builder compiles every ".txt" file of the directory, so nothing else may lie there.
TEST(HelpTexts, DirectoryHoldsOnlyTopicFiles) {
    std::set<std::string> expected;
    for (const Language& language : languages()) {
        for (int topic = 1; topic <= kTopicCount; ++topic)
            expected.insert(topicKey(topic, language.suffix) + ".txt");
    }
    for (const auto& entry : fs::directory_iterator(helpDirectory())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(expected.erase(name), 1u) << "unexpected file " << name;
    }
    for (const std::string& name : expected) ADD_FAILURE() << "missing file " << name;
}

}  // namespace
}  // namespace tessla
