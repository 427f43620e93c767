// The monkey: a random player hammering every screen of the game must never
// break a rule, and the same seed must give the same run.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/Program.h"
#include "tests/support/HeadlessTest.h"
#include "tools/sim/Match.h"
#include "tools/sim/Monkey.h"

namespace {

// A whole run on the first shipped mazes from a fresh game folder and fresh
// globals, as the simulator does it.
MonkeyReport RunMonkeyOnShippedMazes(uint32_t seed, int framesPerLevel, size_t mazeCount)
{
    Sandbox folder;
    folder.CopyAllShipped();
    std::vector<std::string> mazes = ShippedMazes();
    mazes.resize(std::min(mazes.size(), mazeCount));
    MonkeyOptions options;
    options.seed = seed;
    options.framesPerLevel = framesPerLevel;
    MonkeyReport report;
    Quietly([&] {
        CreateGlobals();
        report = RunMonkey(mazes, options);
        DestroyGlobals();
    });
    return report;
}

using MonkeyTest = HeadlessTest;

TEST_F(MonkeyTest, NoRuleIsEverBrokenOnAnyShippedMaze)
{
    const MonkeyReport report = RunMonkeyOnShippedMazes(3, 150, 1000);
    EXPECT_GE(report.levels, 124);
    EXPECT_GE(report.statesSeen, 10);  // the monkey gets around
    for (const std::string& violation : report.violations)
        ADD_FAILURE() << violation;
}

}  // namespace
