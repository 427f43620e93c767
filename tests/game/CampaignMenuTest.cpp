// The campaign menus: stepping between the first level and the highest one
// reached, each step loading the level shown; starting it; closing.
#include <gtest/gtest.h>

#include <limits>

#include "app/Config.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

// Each level is told apart by its ghost count, which equals its number.
class CampaignMenuTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        RemoveCampaign("gulper");
        RemoveCampaign("ghosts");
        for (int level = 1; level <= 3; ++level) {
            for (const char* side : {"gulper", "ghosts"}) {
                WriteCampaignLevel(side, level, TestMazes::CornBesideGulper(),
                                   Settings(Human, Computer, level, 3.4, 2.4, 90));
            }
        }
    }
    void SetUp() override
    {
        GameTest::SetUp();
        TheConfig->gulperLevel = 2;
        TheConfig->gulperMaxLevel = 3;
        EnterCampaignMenu(GulperCampaignMode);
    }
    static int LevelShown() { return TheConfig->ghostCount; }
};

TEST_F(CampaignMenuTest, PlusLoadsTheNextLevel)
{
    EXPECT_FALSE(Click(PlusButton));
    EXPECT_EQ(TheConfig->gulperLevel, 3);
    EXPECT_EQ(LevelShown(), 3);
    EXPECT_EQ(GameState, GulperCampaignMenu);
}

TEST_F(CampaignMenuTest, PlusAtTheHighestLevelReachedLoadsNothing)
{
    Click(PlusButton);
    TheConfig->ghostCount = 0;  // would be overwritten by a load

    Click(PlusButton);

    EXPECT_EQ(TheConfig->gulperLevel, 3);
    EXPECT_EQ(LevelShown(), 0);
}

TEST_F(CampaignMenuTest, MinusLoadsThePreviousLevel)
{
    Click(MinusButton);
    EXPECT_EQ(TheConfig->gulperLevel, 1);
    EXPECT_EQ(LevelShown(), 1);
}

TEST_F(CampaignMenuTest, MinusAtTheFirstLevelLoadsNothing)
{
    Click(MinusButton);
    TheConfig->ghostCount = 0;

    Click(MinusButton);

    EXPECT_EQ(TheConfig->gulperLevel, 1);
    EXPECT_EQ(LevelShown(), 0);
}

TEST_F(CampaignMenuTest, ALevelAboveTheHighestReachedIsBroughtBackByPlus)
{
    TheConfig->gulperLevel = std::numeric_limits<int>::max();  // a hand-edited configuration
    Click(PlusButton);
    EXPECT_EQ(TheConfig->gulperLevel, 3);
}

TEST_F(CampaignMenuTest, ALevelWhoseMazeIsMissingIsNotSteppedTo)
{
    sandbox->Remove("data/gulper_level_3.lev");

    CaptureOutput();
    const bool quit = Click(PlusButton);
    EXPECT_EQ(TakeOutput(), "Couldn't load maze level from file data/gulper_level_3.lev!");

    EXPECT_FALSE(quit);
    EXPECT_EQ(GameState, GulperCampaignMenu);
    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(LevelShown(), 2);  // level 2's settings are back in use
}

TEST_F(CampaignMenuTest, AMissingSettingsFileAloneDoesNotStopTheStep)
{
    sandbox->Remove("data/gulper_settings_3.lev");
    CaptureOutput();
    Click(PlusButton);
    TakeOutput();
    EXPECT_EQ(TheConfig->gulperLevel, 3);
}

TEST_F(CampaignMenuTest, TheGhostsMenuStepsTheGhostsLevel)
{
    Click(CloseButton);
    TheConfig->ghostsLevel = 1;
    TheConfig->ghostsMaxLevel = 2;
    Click(GhostsCampaignButton);

    Click(PlusButton);

    EXPECT_EQ(TheConfig->ghostsLevel, 2);
    EXPECT_EQ(TheConfig->gulperLevel, 2);
    EXPECT_EQ(LevelShown(), 2);
}

TEST_F(CampaignMenuTest, StartBeginsTheLevelWithItsIntroMusic)
{
    Click(StartButton);
    EXPECT_EQ(GameState, LevelIntro);
    EXPECT_EQ(Played(StartingLevelMusic), 1);
}

TEST_F(CampaignMenuTest, CloseReturnsToTheGameModeMenuFromEitherCampaign)
{
    Click(CloseButton);
    EXPECT_EQ(GameState, GameModeMenu);
    Click(GhostsCampaignButton);
    Click(CloseButton);
    EXPECT_EQ(GameState, GameModeMenu);
}

}  // namespace
