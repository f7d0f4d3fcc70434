#include "view/build_progress.h"

#include <cmath>
#include <string>

namespace tessla {
namespace {

const char* inLanguage(Language language, const char* swedish, const char* english) {
    return language == Language::English ? english : swedish;
}

const char* buildStageText(BuildStage stage, Language language) {
    switch (stage) {
        case BuildStage::Generating:
            return inLanguage(language, "Hittar på en folkräkning …", "Making up a census …");
        case BuildStage::Reading:
            return inLanguage(language, "Läser folkräkningen …", "Reading the census …");
        case BuildStage::Sorting:
            return inLanguage(language, "Sorterar personerna …", "Sorting the persons …");
        case BuildStage::Writing:
            return inLanguage(language, "Skriver söklistorna …", "Writing the search lists …");
        case BuildStage::Finishing:
            break;
    }
    return inLanguage(language, "Gör klart …", "Finishing …");
}

std::string timeLeftText(double done, double elapsedSeconds, Language language) {
    const auto left = secondsLeft(done, elapsedSeconds);
    if (!left) return inLanguage(language, "Räknar ut tiden som är kvar …", "Working out the time left …");
    const std::string time = *left >= 60
                                 ? std::to_string(*left / 60) + " min " + std::to_string(*left % 60) + " s"
                                 : std::to_string(*left) + " s";
    return inLanguage(language, "Ungefär ", "About ") + time + inLanguage(language, " kvar", " left");
}

}  // namespace

std::optional<long long> secondsLeft(double done, double elapsedSeconds) {
    if (!(done >= 0.01) || elapsedSeconds < 1.0) return std::nullopt;
    if (done >= 1.0) return 0;
    return std::llround(elapsedSeconds * (1.0 - done) / done);
}

Utf8 buildProgressText(BuildStage stage, double done, double elapsedSeconds, Language language) {
    return Utf8(buildStageText(stage, language) + ("\n" + timeLeftText(done, elapsedSeconds, language)));
}

}  // namespace tessla
