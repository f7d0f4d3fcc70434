#include "view/busy_gate.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessla {
namespace {

TEST(BusyGate, AFreeGateRunsAtOnceAndAHeldOneWhenItIsFreeInOrder) {
    BusyGate gate;
    std::vector<std::string> ran;
    gate.whenFree("search", [&] { ran.push_back("search now"); });
    EXPECT_EQ(ran, std::vector<std::string>{"search now"});
    ran.clear();
    {
        BusyGate::Hold outer(gate);
        {
            BusyGate::Hold inner(gate);
            gate.whenFree("print", [&] { ran.push_back("print"); });
        }
        EXPECT_TRUE(gate.busy()) << "holds nest";
        gate.whenFree("search", [&] { ran.push_back("search"); });
        gate.whenFree("print", [&] { ran.push_back("print again"); });
        gate.runWaiting();
        EXPECT_TRUE(ran.empty()) << "nothing runs while the gate is held";
    }
    EXPECT_EQ(gate.waiting(), 2U);
    gate.runWaiting();
    // A second press of one kind replaces the first and keeps its place.
    EXPECT_EQ(ran, (std::vector<std::string>{"print again", "search"}));
    EXPECT_EQ(gate.waiting(), 0U);
}

TEST(BusyGate, AnActionThatHoldsTheGateAgainLeavesTheRestWaiting) {
    BusyGate gate;
    std::vector<std::string> ran;
    std::optional<BusyGate::Hold> work;
    {
        BusyGate::Hold hold(gate);
        gate.whenFree("build", [&] {
            ran.push_back("build");
            work.emplace(gate);
        });
        gate.whenFree("close", [&] { ran.push_back("close"); });
    }
    gate.runWaiting();
    EXPECT_EQ(ran, std::vector<std::string>{"build"});
    work.reset();
    gate.runWaiting();
    EXPECT_EQ(ran, (std::vector<std::string>{"build", "close"}));
}

}  // namespace
}  // namespace tessla
