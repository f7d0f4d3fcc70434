#include "view/build_progress.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(BuildProgress, SecondsLeftFromThePartDoneOnceItSaysEnough) {
    EXPECT_EQ(secondsLeft(0.25, 10), 30);
    EXPECT_EQ(secondsLeft(0.5, 61), 61);
    EXPECT_EQ(secondsLeft(1.0, 5), 0);
    EXPECT_EQ(secondsLeft(0.005, 10), std::nullopt);  // too little done
    EXPECT_EQ(secondsLeft(0.5, 0.4), std::nullopt);   // too soon
}

// The stage's words, in each language, over the time left: worked out first, then in seconds,
// past a minute in minutes and seconds.
TEST(BuildProgress, TheProgressTextIsTheStageOverTheTimeLeft) {
    const struct {
        BuildStage stage;
        double done;
        double elapsed;
        Language language;
        const char* text;
    } cases[] = {
        {BuildStage::Generating, 0, 0, Language::Swedish,
         "Hittar på en folkräkning …\nRäknar ut tiden som är kvar …"},
        {BuildStage::Reading, 0.005, 10, Language::Swedish,
         "Läser folkräkningen …\nRäknar ut tiden som är kvar …"},
        {BuildStage::Sorting, 0.5, 0.5, Language::Swedish,
         "Sorterar personerna …\nRäknar ut tiden som är kvar …"},
        {BuildStage::Finishing, 0.98, 98, Language::Swedish, "Gör klart …\nUngefär 2 s kvar"},
        {BuildStage::Generating, 0, 0, Language::English,
         "Making up a census …\nWorking out the time left …"},
        {BuildStage::Sorting, 0.25, 10, Language::Swedish, "Sorterar personerna …\nUngefär 30 s kvar"},
        {BuildStage::Sorting, 0.25, 10, Language::English, "Sorting the persons …\nAbout 30 s left"},
        {BuildStage::Writing, 0.5, 61, Language::Swedish, "Skriver söklistorna …\nUngefär 1 min 1 s kvar"},
        {BuildStage::Reading, 0.1, 20, Language::English, "Reading the census …\nAbout 3 min 0 s left"},
        {BuildStage::Finishing, 1.0, 40, Language::English, "Finishing …\nAbout 0 s left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(buildProgressText(c.stage, c.done, c.elapsed, c.language).str(), c.text) << c.text;
}

}  // namespace
}  // namespace tessla
