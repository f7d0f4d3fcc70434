#include "view/window_placement.h"

#include <gtest/gtest.h>

namespace tessla {
namespace {

TEST(WindowPlacement, AModalWindowCentresOverItsOwnerWhenItFitsElseOnTheScreen) {
    const LayoutRect screen{0, 0, 1920, 1080};
    const struct {
        const char* name;
        LayoutRect owner;
        int width, height;
        WindowPoint expected;
    } cases[] = {
        {"inside the owner", {100, 50, 800, 600}, 400, 300, {300, 200}},
        {"as large as the owner", {100, 50, 800, 600}, 800, 600, {100, 50}},
        {"odd differences halve toward zero", {0, 0, 801, 601}, 400, 300, {200, 150}},
        {"wider than the owner", {100, 50, 800, 600}, 801, 300, {559, 390}},
        {"taller than the owner", {100, 50, 800, 600}, 400, 601, {760, 239}},
        {"an owner partly off the screen", {-300, -100, 800, 600}, 400, 300, {-100, 50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(modalPlacement(c.owner, c.width, c.height, screen), c.expected) << c.name;
}

}  // namespace
}  // namespace tessla
