// How a level ends in the gulper's favour: the last corn eaten, or the time
// limit used up; both on the same frame end it once, and the frame that ends
// it does not tick the timer.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

// A human gulper heads right from its start at 3.4 pixels a frame and
// enters the corn's cell, the next one, on the third frame of play.
constexpr int FramesToTheCorn = 3;

class LevelEndTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        WriteCampaign("gulper", {TestMazes::CornBesideGulper()},
                      Settings(Human, Human, 1, 3.4, 2.4, 90));
        EnterCampaignMenu(GulperCampaignMode);
        ASSERT_TRUE(StartAndPlay());
    }
    static int& FramesLeft() { return TheGui->timer->framesLeft; }
};

TEST_F(LevelEndTest, TheGulperReachesTheCornOnTheThirdFrame)
{
    RunFrames(FramesToTheCorn - 1);
    EXPECT_EQ(TheMaze->cornLeft, 1);
    RunFrames(1);
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(GameState, GulperWins);
}

TEST_F(LevelEndTest, TheLastCornEatenAsTheTimeRunsOutEndsTheLevelOnce)
{
    FramesLeft() = FramesToTheCorn - 1;  // used up by the frame before the corn
    RunFrames(FramesToTheCorn - 1);
    ASSERT_EQ(GameState, Playing);
    ASSERT_EQ(FramesLeft(), 0);

    RunFrames(1);

    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(TheMaze->cornLeft, 0);
    EXPECT_EQ(FramesLeft(), 0);
    EXPECT_EQ(Played(GameEndMusic), 1);
}

TEST_F(LevelEndTest, TheFrameThatEatsTheLastCornDoesNotTickTheTimer)
{
    FramesLeft() = FramesToTheCorn;  // the corn's frame would use up the last one
    RunFrames(FramesToTheCorn);

    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(FramesLeft(), 1);
}

TEST_F(LevelEndTest, TimeUsedUpIsNoticedOnTheFollowingFrame)
{
    FramesLeft() = 1;
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
    EXPECT_EQ(FramesLeft(), 0);
    RunFrames(1);
    EXPECT_EQ(GameState, GulperWins);
    EXPECT_EQ(TheMaze->cornLeft, 1);
}

}  // namespace
