// The main menu: where each of its buttons leads, and the one button that
// ends the game.
#include <gtest/gtest.h>

#include "app/Config.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

using MainMenuTest = GameTest;

TEST_F(MainMenuTest, TheGameStartsOnTheMainMenuAndStaysThere)
{
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_FALSE(RunFrames(3));
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(MainMenuTest, PlayLeadsToTheGameModeMenu)
{
    EXPECT_FALSE(Click(PlayButton));
    EXPECT_EQ(GameState, GameModeMenu);
}

TEST_F(MainMenuTest, HelpLeadsToTheHelpScreenAndItsCloseButtonBack)
{
    Click(HelpButton);
    EXPECT_EQ(GameState, HelpScreen);
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(MainMenuTest, OptionsLeadsToTheOptionsScreenAndItsCloseButtonBack)
{
    Click(OptionsButton);
    EXPECT_EQ(GameState, OptionsMenu);
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(MainMenuTest, EditorOpensTheConfiguredMapSearchingBackwardPastMissingOnes)
{
    WriteLevel("data/map_3.lev", TestMazes::CornBesideGulper());
    sandbox->Remove("data/map_4.lev");
    sandbox->Remove("data/map_5.lev");
    GameMode = GulperCampaignMode;
    TheConfig->mapNumber = 5;

    Click(EditorButton);

    EXPECT_EQ(GameState, LevelEditor);
    EXPECT_EQ(GameMode, CustomMode);
    EXPECT_EQ(TheConfig->mapNumber, 3);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // map 3's single corn
}

TEST_F(MainMenuTest, ExitSaysSoAndEndsTheGame)
{
    CaptureOutput();
    const bool quit = Click(ExitButton);
    EXPECT_EQ(TakeOutput(), "exiting\n");
    EXPECT_TRUE(quit);
}

TEST_F(MainMenuTest, AClickBesideTheButtonsClicksNothing)
{
    const Panel& menu = *TheGui->mainMenu;
    const int x = menu.x + 3;  // left of the button column
    const int y = menu.y + 20;
    TheGui->OnLeftDown(x, y);
    EXPECT_FALSE(TheGui->OnLeftUp(x, y));
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_EQ(Played(ButtonClickSound), 0);
}

TEST_F(MainMenuTest, AButtonPressedAndReleasedOutsideItIsStillClicked)
{
    int x = 0, y = 0;
    CentreOf(ButtonOf(PlayButton), x, y);
    TheGui->OnLeftDown(x, y);
    EXPECT_EQ(Played(ButtonClickSound), 1);
    TheGui->OnLeftUp(400, 20);  // far away, over the maze
    EXPECT_EQ(GameState, GameModeMenu);
}

}  // namespace
