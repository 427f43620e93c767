// The game mode menu: choosing a campaign loads the level its menu shows,
// the custom game loads the configured map, and a campaign whose level
// cannot be read keeps the player on this menu.
#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

class GameModeMenuTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        WriteCampaign("gulper", {TestMazes::CornBesideGulper(), TestMazes::OpenRoom()},
                      Settings(Human, Computer, 3, 3.0, 2.0, 100));
        WriteCampaign("ghosts", {TestMazes::GhostBesideGulper(), TestMazes::OpenRoom()},
                      Settings(Computer, Human, 5, 2.5, 2.2, 80));
    }
    void SetUp() override
    {
        GameTest::SetUp();
        Click(PlayButton);
    }
};

TEST_F(GameModeMenuTest, TheGulpersCampaignShowsItsCurrentLevelLoaded)
{
    TheConfig->gulperLevel = 2;
    TheConfig->gulperMaxLevel = 2;

    EXPECT_FALSE(Click(GulperCampaignButton));

    EXPECT_EQ(GameState, GulperCampaignMenu);
    EXPECT_EQ(GameMode, GulperCampaignMode);
    EXPECT_EQ(TheMaze->cornLeft, 26 * 18 - 2);  // the open room of level 2
    EXPECT_EQ(TheConfig->ghostCount, 3);
}

TEST_F(GameModeMenuTest, TheGhostsCampaignReadsTheGhostsFiles)
{
    Click(GhostsCampaignButton);

    EXPECT_EQ(GameState, GhostsCampaignMenu);
    EXPECT_EQ(GameMode, GhostsCampaignMode);
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{1, 1}));
    EXPECT_EQ(TheMaze->ghostStart, (CellPos{2, 1}));
    EXPECT_EQ(TheConfig->ghostCount, 5);
    EXPECT_EQ(TheConfig->ghostsController, Human);
}

TEST_F(GameModeMenuTest, ACampaignWhoseLevelCannotBeReadKeepsThePlayerHere)
{
    sandbox->Remove("data/gulper_level_1.lev");
    const int cornBefore = TheMaze->cornLeft;

    CaptureOutput();
    const bool quit = Click(GulperCampaignButton);
    EXPECT_EQ(TakeOutput(), "Couldn't load maze level from file data/gulper_level_1.lev!");

    EXPECT_FALSE(quit);
    EXPECT_EQ(GameState, GameModeMenu);
    EXPECT_EQ(TheMaze->cornLeft, cornBefore);
    EXPECT_FALSE(RunFrames(2));
}

TEST_F(GameModeMenuTest, TheCustomGameOpensTheConfiguredMapSearchingBackward)
{
    WriteLevel("data/map_7.lev", TestMazes::CornBesideGulper());
    sandbox->Remove("data/map_8.lev");
    sandbox->Remove("data/map_9.lev");
    GameMode = GhostsCampaignMode;
    TheConfig->mapNumber = 9;

    Click(CustomGameButton);

    EXPECT_EQ(GameState, CustomGameMenu);
    EXPECT_EQ(GameMode, CustomMode);
    EXPECT_EQ(TheConfig->mapNumber, 7);
    EXPECT_EQ(TheMaze->cornLeft, 1);
}

TEST_F(GameModeMenuTest, CloseReturnsToTheMainMenu)
{
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(GameModeMenuTest, TheCustomGameCloseButtonReturnsToTheMainMenu)
{
    Click(CustomGameButton);
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

}  // namespace
