// Whole matches, computer against computer, on every shipped maze: every match
// ends, no character ever stands in a wall, the corn count stays true, and
// the same match played twice is the same match.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Globals.h"
#include "app/Program.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"
#include "tools/sim/Match.h"

namespace {

class MatchTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        sandbox->CopyAllShipped();
        Quietly([] { CreateGlobals(); });  // start-up notes about files a match does not need
    }
    void TearDown() override
    {
        DestroyGlobals();
        HeadlessTest::TearDown();
    }

    static bool InWall(const Actor& actor)
    {
        return TheMaze->CellAt(static_cast<int>(actor.posX / TheMaze->cellSize),
                               static_cast<int>(actor.posY / TheMaze->cellSize)) == Wall;
    }
    // Checked after every frame: what must always hold in play.
    static bool Invariants(const std::string& maze, int frame)
    {
        EXPECT_FALSE(InWall(*TheGulper)) << maze << " frame " << frame;
        for (const GhostActor* ghost : TheSquad->ghosts)
            EXPECT_FALSE(InWall(*ghost)) << maze << " frame " << frame;
        EXPECT_EQ(TheMaze->cornLeft, std::count(TheMaze->cells.begin(), TheMaze->cells.end(), Corn))
            << maze << " frame " << frame;
        return !::testing::Test::HasFailure();
    }
};

TEST_F(MatchTest, EveryShippedMazePlaysToAnEndWithEveryRuleKept)
{
    const LevelSettings settingsToTry[] = {
        {Computer, Computer, 3.4, 2.4, 4, 60, 20},  // the defaults, one minute
        {Computer, Computer, 5.0, 4.0, 8, 45, 20},  // the fastest the custom game offers, eight ghosts
        {Computer, Computer, 1.0, 1.0, 1, 30, 20},  // the slowest, one ghost
    };
    const std::vector<std::string> mazes = ShippedMazes();
    ASSERT_GE(mazes.size(), 100u);
    int endings[3] = {};  // how many matches ended each way
    for (const std::string& maze : mazes) {
        for (const LevelSettings& settings : settingsToTry) {
            ASSERT_TRUE(LoadMatchMaze(maze)) << maze;
            const MatchResult result =
                PlayMatch(settings, [&](int frame) { return Invariants(maze, frame); });
            ASSERT_FALSE(HasFailure()) << maze;
            // The time limit ends every match.
            EXPECT_LE(result.frames, settings.timeLimit * settings.framesPerSecond + 1) << maze;
            EXPECT_EQ(result.cornEaten, result.cornTotal - TheMaze->cornLeft) << maze;
            if (result.end == ReplayEnd::LastCorn) {
                EXPECT_EQ(TheMaze->cornLeft, 0) << maze;
            }
            ++endings[static_cast<int>(result.end)];
        }
    }
    // The settings cover every way a level can end.
    for (int count : endings)
        EXPECT_GT(count, 0);
}

}  // namespace
