// The monkey: a random player hammering every screen of the game must never
// break a rule, and the same seed must give the same run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/Globals.h"
#include "app/Program.h"
#include "tests/support/HeadlessTest.h"
#include "tools/sim/Match.h"
#include "tools/sim/Monkey.h"

namespace {

namespace fs = std::filesystem;

class MonkeyTest : public HeadlessTest {
protected:
    // A whole run from a fresh game folder and fresh globals, as the simulator does it.
    MonkeyReport Run(const MonkeyOptions& options, size_t mazeCount)
    {
        Sandbox folder;
        folder.CopyAllShipped();
        std::vector<std::string> mazes;
        for (const auto& entry : fs::directory_iterator("data")) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("map_") || name.find("_level_") != std::string::npos)
                mazes.push_back("data/" + name);
        }
        std::sort(mazes.begin(), mazes.end());
        mazes.resize(std::min(mazes.size(), mazeCount));
        MonkeyReport report;
        Quietly([&] {
            CreateGlobals();
            report = RunMonkey(mazes, options);
            DestroyGlobals();
        });
        return report;
    }
};

TEST_F(MonkeyTest, NoRuleIsEverBrokenOnAnyShippedMaze)
{
    MonkeyOptions options;
    options.seed = 3;
    options.framesPerLevel = 150;
    const MonkeyReport report = Run(options, 1000);
    EXPECT_GE(report.levels, 124);
    EXPECT_GE(report.statesSeen, 10);  // the monkey gets around
    for (const std::string& violation : report.violations)
        ADD_FAILURE() << violation;
}

TEST_F(MonkeyTest, TheSameSeedGivesTheSameRun)
{
    MonkeyOptions options;
    options.seed = 11;
    options.framesPerLevel = 120;
    const MonkeyReport first = Run(options, 20);
    const MonkeyReport second = Run(options, 20);
    EXPECT_EQ(first.trace, second.trace);
    EXPECT_EQ(first.events, second.events);
    options.seed = 12;
    EXPECT_NE(Run(options, 20).trace, first.trace);
}

}  // namespace
