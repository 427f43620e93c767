// A campaign played level after level: a won level moves the side's level
// counter on and raises its highest level reached, a lost level is played
// again, and the first level without a maze file completes the campaign.
#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;

class CampaignProgressTest : public GameTest {
protected:
    // Computer against computer, one ghost.
    static std::string BothComputer() { return Settings(Computer, Computer, 1, 3.4, 2.4, 90); }
};

TEST_F(CampaignProgressTest, WinningALevelStartsTheNextAndRaisesBothCounters)
{
    WriteCampaign("gulper", {TestMazes::CornBesideGulper(), TestMazes::CornBesideGulper(),
                             TestMazes::OpenRoom()}, BothComputer());
    TheConfig->gulperLevel = 2;
    TheConfig->gulperMaxLevel = 2;
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));

    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(TheConfig->gulperLevel, 3);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 3);
    EXPECT_EQ(TheMaze->cornLeft, 26 * 18 - 2);  // the open room of level 3
    EXPECT_EQ(Played(StartingLevelMusic), 2);
}

TEST_F(CampaignProgressTest, WinningAnEarlierLevelAgainKeepsTheHighestLevelReached)
{
    WriteCampaign("gulper", {TestMazes::CornBesideGulper(), TestMazes::CornBesideGulper()},
                  BothComputer());
    TheConfig->gulperLevel = 1;
    TheConfig->gulperMaxLevel = 2;
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));
    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 2);
}

TEST_F(CampaignProgressTest, ALostLevelIsPlayedAgainWithoutTheMenu)
{
    WriteCampaign("gulper", {TestMazes::GhostBesideGulper(), TestMazes::OpenRoom()},
                  BothComputer());
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));

    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(TheConfig->gulperLevel, 1);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 1);
    EXPECT_EQ(TheMaze->ghostStart, (CellPos{2, 1}));  // still level 1
    EXPECT_EQ(Played(StartingLevelMusic), 2);
}

TEST_F(CampaignProgressTest, TheGhostsCampaignIsWonByCatchingTheGulper)
{
    WriteCampaign("ghosts", {TestMazes::GhostBesideGulper(), TestMazes::GhostBesideGulper()},
                  BothComputer());
    EnterCampaignMenu(GhostsCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));

    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(TheConfig->ghostsLevel, 2);
    EXPECT_EQ(TheConfig->ghostsMaxLevel, 2);
    EXPECT_EQ(TheConfig->gulperLevel, 1);
}

TEST_F(CampaignProgressTest, TheGhostsCampaignIsLostWhenTheGulperEatsEverything)
{
    WriteCampaign("ghosts", {TestMazes::CornBesideGulper(), TestMazes::CornBesideGulper()},
                  BothComputer());
    EnterCampaignMenu(GhostsCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));

    ASSERT_TRUE(RunUntilState(LevelIntro, MaxFrames));

    EXPECT_EQ(TheConfig->ghostsLevel, 1);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // the level is read again
}

TEST_F(CampaignProgressTest, WinningTheLastLevelCompletesTheCampaign)
{
    WriteCampaign("gulper", {TestMazes::CornBesideGulper(), TestMazes::CornBesideGulper()},
                  BothComputer());
    TheConfig->gulperLevel = 2;
    TheConfig->gulperMaxLevel = 2;
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GulperWins, MaxFrames));
    const int won = LastFrameTime();

    CaptureOutput();
    ASSERT_TRUE(RunUntilState(CampaignComplete, MaxFrames));
    EXPECT_EQ(TakeOutput(),
              "Couldn't load campaign settings from file data/gulper_settings_3.lev, loading "
              "default settings!Couldn't load maze level from file data/gulper_level_3.lev!");

    EXPECT_EQ(LastFrameTime() - won, 4500);
    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 2);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // the last level is shown again
    EXPECT_EQ(Played(GameEndMusic), 2);  // once for the level, again for the campaign
}

TEST_F(CampaignProgressTest, TheCompleteCampaignReturnsToTheGameModeMenu)
{
    WriteCampaign("gulper", {TestMazes::CornBesideGulper()}, BothComputer());
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(CampaignComplete, MaxFrames));
    const int complete = LastFrameTime();

    ASSERT_TRUE(RunUntilState(GameModeMenu, MaxFrames));

    EXPECT_EQ(LastFrameTime() - complete, 4500);
    EXPECT_EQ(TheConfig->gulperLevel, 1);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 1);
}

TEST_F(CampaignProgressTest, ALostLevelWhoseMazeHasGoneLeavesThePlayerOnTheCampaignMenu)
{
    WriteCampaign("gulper", {TestMazes::GhostBesideGulper()}, BothComputer());
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    ASSERT_TRUE(RunUntilState(GhostsWin, MaxFrames));
    sandbox->Remove("data/gulper_level_1.lev");

    CaptureOutput();
    bool quit = false;
    while (GameState == GhostsWin && !quit)
        quit = RunFrames(1);
    EXPECT_EQ(TakeOutput(), "Couldn't load maze level from file data/gulper_level_1.lev!");

    EXPECT_FALSE(quit);
    EXPECT_EQ(GameState, GulperCampaignMenu);
}

}  // namespace
