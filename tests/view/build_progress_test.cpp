#include "view/build_progress.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(BuildProgress, StagesByTheStepsText) {
    const struct {
        const char* what;
        BuildStage stage;
    } cases[] = {
        {"generating the census", BuildStage::Generating}, {"reading the census", BuildStage::Reading},
        {"sorting 200000 persons", BuildStage::Sorting},   {"writing the master list", BuildStage::Writing},
        {"writing tessls41", BuildStage::Writing},         {"writing the help texts", BuildStage::Finishing},
        {"writing the pictures", BuildStage::Finishing},   {"finishing", BuildStage::Finishing},
    };
    for (const auto& c : cases) EXPECT_EQ(buildStageOf(c.what), c.stage) << c.what;
}

TEST(BuildProgress, SecondsLeftFromThePartDoneOnceItSaysEnough) {
    EXPECT_EQ(secondsLeft(0.25, 10), 30);
    EXPECT_EQ(secondsLeft(0.5, 61), 61);
    EXPECT_EQ(secondsLeft(1.0, 5), 0);
    EXPECT_EQ(secondsLeft(0.005, 10), std::nullopt);  // too little done
    EXPECT_EQ(secondsLeft(0.5, 0.4), std::nullopt);   // too soon
}

}  // namespace
}  // namespace tessla
