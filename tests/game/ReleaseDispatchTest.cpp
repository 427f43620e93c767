// The release of the left button: it takes the pressed button of the panel
// of the state current at the release, wherever it was pressed; with no
// button pressed it does nothing on any screen; outside the menus and play
// the mouse does nothing at all.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"
#include "tests/game/GameTest.h"

namespace {

using ReleaseDispatchTest = GameTest;

TEST_F(ReleaseDispatchTest, AReleaseWithNoButtonPressedDoesNothingOnAnyScreen)
{
    for (int state = MainMenu; state <= CampaignComplete; ++state) {
        GameState = state;
        EXPECT_FALSE(TheGui->OnLeftUp(250, 200)) << "state " << state;
        EXPECT_EQ(GameState, state);
    }
}

TEST_F(ReleaseDispatchTest, AButtonPressedOnAnotherScreenWaitsForAReleaseOnItsOwn)
{
    Click(PlayButton);
    int x = 0, y = 0;
    CentreOf(ButtonOf(CloseButton), x, y);
    TheGui->OnLeftDown(x, y);  // "x" of the game mode menu
    TapKey(ExitGame);          // back to the main menu before the release
    ASSERT_EQ(GameState, MainMenu);

    TheGui->OnLeftUp(x, y);
    EXPECT_EQ(GameState, MainMenu);
    EXPECT_EQ(ButtonOf(PlayButton).state, ButtonIdle);

    Click(PlayButton);
    ASSERT_EQ(GameState, GameModeMenu);
    TheGui->OnLeftUp(0, 0);  // the game mode menu's "x" was still down
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(ReleaseDispatchTest, OutsideTheMenusAndPlayTheMouseDoesNothing)
{
    for (const int state : {LevelIntro, Paused, GulperAppearing, GulperDying, GulperWins,
                            GhostsWin, CampaignComplete}) {
        GameState = state;
        EXPECT_FALSE(TheGui->OnLeftDown(250, 200));
        EXPECT_FALSE(TheGui->OnLeftDrag(260, 220));
        EXPECT_FALSE(TheGui->OnRightDown(250, 200));
        EXPECT_FALSE(TheGui->OnLeftUp(260, 220));
        EXPECT_EQ(GameState, state);
    }
    EXPECT_EQ(Played(ButtonClickSound), 0);
}

TEST_F(ReleaseDispatchTest, PlainMouseMotionIsIgnored)
{
    EXPECT_FALSE(TheGui->OnMouseIgnored(10, 10));
    EXPECT_EQ(GameState, MainMenu);
}

}  // namespace
