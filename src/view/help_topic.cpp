#include "view/help_topic.h"

#include <chrono>
#include <filesystem>
#include <system_error>

namespace tessla {

namespace {

constexpr std::string_view kSwedishAboutStart = "Tessla";
constexpr std::string_view kEnglishAboutStart = "About Tessla";
// The word list whose row file dates the database: the residence parishes.
constexpr int kDatedList = 15;

}  // namespace

std::string topicKey(std::string_view topic, Language language) {
    return std::string(topic) + inLanguage(language, "", "e");
}

bool isTopicLink(std::string_view link) {
    return link.starts_with("HJ") || link.starts_with("TX");
}

std::string aboutTitle(std::string_view title, Language language, std::string_view version,
                       std::optional<CalendarDate> databaseDate) {
    std::string result(title);
    if (!title.starts_with(inLanguage(language, kSwedishAboutStart, kEnglishAboutStart))) return result;
    result += " (ver ";
    result += version;
    if (databaseDate) {
        result += inLanguage(language, ", databasdatum ", ", database ");
        result += dateText(*databaseDate, language);
    }
    result += ")";
    return result;
}

std::string databaseDateFile(Database& db) {
    const WordListProperties& p = db.tessls(kDatedList).properties();
    return p.filkat + p.filnamn + "." + p.filext;
}

std::optional<CalendarDate> fileDate(const std::string& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    const auto system = std::filesystem::file_time_type::clock::to_sys(written);
    return localDate(std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system)));
}

std::string programEdition(Language language, std::string_view version,
                           std::optional<CalendarDate> databaseDate) {
    std::string text = "Tessla " + std::string(version);
    if (databaseDate)
        text += inLanguage(language, ", databasdatum ", ", database ") + dateText(*databaseDate, language);
    return text;
}

HelpPage readHelpPage(TSPregtext& textbas, std::string_view key, Language language, std::string_view version,
                      std::optional<CalendarDate> databaseDate) {
    const std::int32_t record = textbas.sokpost(key, 0);
    if (record <= 0) return {};
    textbas.laspost(record);
    if (textbas.status() != 0) return {};
    textbas.tolkapost();
    const ParsedRecord& fields = textbas.fields();
    // The help base's fields: TEXTKOD, RUBRIK and the body TEXT as long text 1.
    if (fields.texts.size() < 2) return {};
    return {aboutTitle(fields.texts[1], language, version, databaseDate),
            "[6]" + std::string(textbas.longText(1))};
}

HelpPage missingTopicPage(std::string_view key, Language language) {
    return inLanguage(
        language,
        HelpPage{"Hj\xE4lptext saknas", "[6]Den h\xE4r databasen har ingen hj\xE4lptext " + std::string(key) +
                                            ". Den byggdes innan texten skrevs; en databas "
                                            "byggd med den h\xE4r versionen av Tessla har den."},
        HelpPage{"Help text missing",
                 "[6]This database has no help text " + std::string(key) +
                     ". It was built before that text was written; a database built with this "
                     "version of Tessla has it."});
}

}  // namespace tessla
