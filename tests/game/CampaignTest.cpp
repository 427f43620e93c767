// The campaigns: choosing one loads the level its menu shows with its
// settings; "+" and "-" step between the first and the highest level reached;
// a won level moves on and raises the highest level, a lost one is played
// again, and the first level without a maze completes the campaign.
#include <gtest/gtest.h>

#include <limits>

#include "tests/game/GameTest.h"

namespace {

// Levels 1 to 3 of both campaigns, each told apart by its ghost count, which equals its number.
class CampaignMenuTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        for (const char* side : {"gulper", "ghosts"}) {
            RemoveCampaign(side);
            for (int level = 1; level <= 3; ++level)
                WriteCampaignLevel(side, level, TestMazes::CornBesideGulper(),
                                   Settings(Human, Computer, level, 3.4, 2.4, 90));
        }
    }
    void SetUp() override
    {
        GameTest::SetUp();
        TheConfig->gulperLevel = 2;
        TheConfig->gulperMaxLevel = 3;
        EnterCampaignMenu(GulperCampaignMode);
    }
    static int LevelLoaded() { return TheConfig->ghostCount; }
};

TEST_F(CampaignMenuTest, PlusAndMinusStepWithinTheLevelsReachedLoadingEachOne)
{
    const struct {
        int button, level, loaded;  // loaded 0: nothing was loaded
    } steps[] = {
        {PlusButton, 3, 3}, {PlusButton, 3, 0},  // the highest level reached
        {MinusButton, 2, 2}, {MinusButton, 1, 1}, {MinusButton, 1, 0},  // the first level
    };
    for (const auto& step : steps) {
        TheConfig->ghostCount = 0;  // overwritten by a load
        EXPECT_FALSE(Click(step.button));
        EXPECT_EQ(TheConfig->gulperLevel, step.level);
        EXPECT_EQ(LevelLoaded(), step.loaded);
    }
    TheConfig->gulperLevel = std::numeric_limits<int>::max();  // a hand-edited configuration
    Click(PlusButton);
    EXPECT_EQ(TheConfig->gulperLevel, 3);

    Click(CloseButton);  // the ghosts' menu steps the ghosts' level
    TheConfig->ghostsLevel = 1;
    TheConfig->ghostsMaxLevel = 2;
    Click(GhostsCampaignButton);
    Click(PlusButton);
    EXPECT_EQ(TheConfig->ghostsLevel, 2);
    EXPECT_EQ(TheConfig->gulperLevel, 3);
    EXPECT_EQ(LevelLoaded(), 2);
}

TEST_F(CampaignMenuTest, ALevelWhoseMazeIsMissingIsNeitherChosenNorSteppedTo)
{
    sandbox->Remove("data/gulper_level_3.lev");
    CaptureOutput();
    EXPECT_FALSE(Click(PlusButton));
    EXPECT_EQ(TakeOutput(), "Couldn't load maze level from file data/gulper_level_3.lev!");
    EXPECT_EQ(GameState, GulperCampaignMenu);
    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(LevelLoaded(), 2);  // level 2's settings are back in use

    Click(CloseButton);
    sandbox->Remove("data/gulper_level_2.lev");
    CaptureOutput();
    EXPECT_FALSE(Click(GulperCampaignButton));
    EXPECT_EQ(TakeOutput(), "Couldn't load maze level from file data/gulper_level_2.lev!");
    EXPECT_EQ(GameState, GameModeMenu);
    EXPECT_EQ(TheMaze->cornLeft, 1);
    EXPECT_FALSE(RunFrames(2));
}

// The settings file: who plays each side, the ghost count, both speeds and
// the time limit, separated by any white space.
class CampaignSettingsTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        RemoveCampaign("gulper");
        RemoveCampaign("ghosts");
    }
    void ChooseLevelWithSettings(const std::string& settings)
    {
        WriteCampaignLevel("gulper", 1, TestMazes::OpenRoom(), settings);
        GameState = GameModeMenu;
        Click(GulperCampaignButton);
    }
};

TEST_F(CampaignSettingsTest, SixValuesSetBothSidesAndTheTimeLimitAtTwentyFramesASecond)
{
    TheConfig->framesPerSecond = 30;
    TheScreen->SetFramesPerSecond(30);
    ChooseLevelWithSettings("1 0\t6\r\n 2.5   1.5\n\n75");
    EXPECT_EQ(TheConfig->gulperController, Computer);
    EXPECT_EQ(TheConfig->ghostsController, Human);
    EXPECT_EQ(TheConfig->ghostCount, 6);
    EXPECT_DOUBLE_EQ(TheConfig->gulperSpeed, 2.5);
    EXPECT_DOUBLE_EQ(TheConfig->ghostSpeed, 1.5);
    EXPECT_EQ(TheConfig->framesPerSecond, 20);
    EXPECT_EQ(TheScreen->framePeriod, 50);
    EXPECT_EQ(TheGui->timer->framesLeft, 75 * 20);
}

// Computer against computer, one ghost: the level's maze decides who wins.
class CampaignProgressTest : public GameTest {
protected:
    // Plays the campaign of a side from a level until it has ended and the next state is reached.
    void Play(const std::string& side, const std::vector<Rows>& levels, int level, int maxLevel,
              GameStateId ending, GameStateId next)
    {
        WriteCampaign(side, levels, Settings(Computer, Computer, 1, 3.4, 2.4, 90));
        const bool ghosts = side == "ghosts";
        (ghosts ? TheConfig->ghostsLevel : TheConfig->gulperLevel) = level;
        (ghosts ? TheConfig->ghostsMaxLevel : TheConfig->gulperMaxLevel) = maxLevel;
        GameState = MainMenu;
        EnterCampaignMenu(ghosts ? GhostsCampaignMode : GulperCampaignMode);
        ASSERT_TRUE(StartAndPlay());
        ASSERT_TRUE(RunUntilState(ending));
        ended = LastFrameTime();
        ASSERT_TRUE(RunUntilState(next));
    }
    int ended = 0;  // the time of the level's last frame
};

TEST_F(CampaignProgressTest, AWonLevelMovesOnAndRaisesTheHighestLevelALostOneIsPlayedAgain)
{
    const Rows corn = TestMazes::CornBesideGulper(), ghost = TestMazes::GhostBesideGulper();
    const Rows room = TestMazes::OpenRoom();  // told apart by its corn
    const struct {
        const char* side;
        std::vector<Rows> levels;
        int level, maxLevel;
        GameStateId ending;
        int levelAfter, maxLevelAfter, cornAfter;
    } cases[] = {
        {"gulper", {corn, corn, room}, 2, 2, GulperWins, 3, 3, 26 * 18 - 2},
        {"gulper", {corn, corn}, 1, 2, GulperWins, 2, 2, 1},  // an earlier level won again
        {"gulper", {ghost, room}, 1, 1, GhostsWin, 1, 1, 1},
        {"ghosts", {ghost, room}, 1, 1, GhostsWin, 2, 2, 26 * 18 - 2},
        {"ghosts", {corn, room}, 1, 1, GulperWins, 1, 1, 1},
    };
    for (const auto& c : cases) {
        const bool ghosts = std::string(c.side) == "ghosts";
        const int otherSide = ghosts ? TheConfig->gulperLevel : TheConfig->ghostsLevel;
        const int intros = Played(StartingLevelMusic);
        Play(c.side, c.levels, c.level, c.maxLevel, c.ending, LevelIntro);
        EXPECT_EQ(LastFrameTime() - ended, 4500);
        EXPECT_EQ(Played(StartingLevelMusic), intros + 2);  // no menu in between
        EXPECT_EQ(ghosts ? TheConfig->ghostsLevel : TheConfig->gulperLevel, c.levelAfter);
        EXPECT_EQ(ghosts ? TheConfig->ghostsMaxLevel : TheConfig->gulperMaxLevel, c.maxLevelAfter);
        EXPECT_EQ(ghosts ? TheConfig->gulperLevel : TheConfig->ghostsLevel, otherSide);
        EXPECT_EQ(TheMaze->cornLeft, c.cornAfter) << c.side << " from level " << c.level;
        TapKey(ExitGame);
        RunFrames(1);
    }
}

TEST_F(CampaignProgressTest, WinningTheLastLevelCompletesTheCampaignThenTheGameModeMenu)
{
    CaptureOutput();
    Play("gulper", {TestMazes::CornBesideGulper(), TestMazes::CornBesideGulper()}, 2, 2,
         GulperWins, CampaignComplete);
    EXPECT_EQ(TakeOutput(),
              "Couldn't load campaign settings from file data/gulper_settings_3.lev, loading "
              "default settings!Couldn't load maze level from file data/gulper_level_3.lev!");
    EXPECT_EQ(LastFrameTime() - ended, 4500);
    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(TheConfig->gulperMaxLevel, 2);
    EXPECT_EQ(TheMaze->cornLeft, 1);     // the last level is shown again
    EXPECT_EQ(Played(GameEndMusic), 2);  // once for the level, again for the campaign
    const int complete = LastFrameTime();
    ASSERT_TRUE(RunUntilState(GameModeMenu));
    EXPECT_EQ(LastFrameTime() - complete, 4500);
}

}  // namespace
