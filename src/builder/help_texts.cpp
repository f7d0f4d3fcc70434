#include "builder/help_texts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/cp1252.h"
#include "builder/build_error.h"
#include "embedded/helpText.h"
#include "storage/collation.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

// The topics the program links to, in both languages.
constexpr int kTopics = 25;

std::vector<HelpText> sorted(std::vector<HelpText> texts) {
    std::sort(texts.begin(), texts.end(),
              [](const HelpText& a, const HelpText& b) { return CollCompare(a.code, b.code) < 0; });
    return texts;
}

}  // namespace

HelpText parseHelpText(std::string_view code, Utf8View utf8) {
    Cp1252Error error;
    auto text = utf8ToCp1252(utf8, &error);
    if (!text) throw BuildError("help text " + std::string(code) + ": " + error.message());
    std::erase(*text, '\r');
    const std::size_t titleEnd = std::min(text->find('\n'), text->size());
    HelpText help{std::string(code), text->substr(0, titleEnd), {}};
    std::string_view body = std::string_view(*text).substr(std::min(titleEnd + 1, text->size()));
    if (body.starts_with('\n')) body.remove_prefix(1);
    help.body.assign(body);
    std::replace(help.body.begin(), help.body.end(), '\n', '\r');
    if (help.title.empty()) throw BuildError("help text " + help.code + " has no title");
    if (help.code.size() + help.title.size() + help.body.size() + 6 > kHelpRecordMax) {
        throw BuildError("help text " + help.code + " is longer than 20 000 bytes");
    }
    return help;
}

std::vector<HelpText> builtInHelpTexts() {
    std::vector<HelpText> texts;
    for (int topic = 1; topic <= kTopics; ++topic) {
        char code[8];
        std::snprintf(code, sizeof code, "HJ%03d", topic);
        for (const std::string suffix : {"", "e"}) {
            const std::string name = code + suffix;
            if (const auto file = embedded::helpText(name + ".txt"))
                texts.push_back(parseHelpText(name, Utf8View(*file)));
        }
    }
    return sorted(std::move(texts));
}

std::vector<HelpText> readHelpTexts(const std::string& directory) {
    std::error_code error;
    std::vector<HelpText> texts;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (entry.path().extension() != ".txt") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (!in) throw BuildError("cannot read " + entry.path().string());
        texts.push_back(parseHelpText(entry.path().stem().string(), Utf8View(bytes.str())));
    }
    if (error) throw BuildError("cannot read the help texts in " + directory + ": " + error.message());
    return sorted(std::move(texts));
}

}  // namespace tessla
