// The "Exit game" key: one step back from every screen, out of a level to
// its menu with the level read afresh, nothing while a level is ending, and
// the end of the program from the main menu.
#include <gtest/gtest.h>

#include <SDL/SDL_mixer.h>

#include "app/Config.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;
constexpr int PlayFrames = 40;  // long enough for the computer gulper to eat some corn

class ExitKeyTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        const std::string settings = Settings(Computer, Computer, 2, 3.4, 2.4, 90);
        WriteCampaign("gulper", {TestMazes::OpenRoom()}, settings);
        WriteCampaign("ghosts", {TestMazes::OpenRoom()}, settings);
    }
    static bool Exit() { return TapKey(ExitGame); }
    static int FullRoom() { return 26 * 18 - 2; }
};

TEST_F(ExitKeyTest, OnTheMainMenuItEndsTheProgram)
{
    EXPECT_TRUE(Exit());
}

TEST_F(ExitKeyTest, TheGameModeHelpAndOptionsScreensGoBackToTheMainMenu)
{
    for (const int button : {PlayButton, HelpButton, OptionsButton}) {
        Click(button);
        ASSERT_NE(GameState, MainMenu);
        EXPECT_FALSE(Exit());
        EXPECT_EQ(GameState, MainMenu);
    }
}

TEST_F(ExitKeyTest, TheCampaignAndCustomGameMenusGoBackToTheGameModeMenu)
{
    for (const int button : {GulperCampaignButton, GhostsCampaignButton, CustomGameButton}) {
        Click(PlayButton);
        Click(button);
        ASSERT_NE(GameState, GameModeMenu);
        Exit();
        EXPECT_EQ(GameState, GameModeMenu);
        Exit();
    }
}

TEST_F(ExitKeyTest, TheControlsScreenGoesBackToTheOptionsKeepingItsEditsUnsaved)
{
    const std::string savedKeys = sandbox->Read("data/keys.cfg");
    Click(OptionsButton);
    Click(ControlsButton);
    ASSERT_EQ(GameState, ControlsMenu);
    ClickAt(MoveGulperRight);  // the key field of the first action
    TheGui->OnKeyUp(SDLK_F5);  // becomes its key

    Exit();

    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(KeyOf(MoveGulperRight), SDLK_F5);
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), savedKeys);
}

TEST_F(ExitKeyTest, APendingKeyCaptureTakesTheExitKeyInstead)
{
    Click(OptionsButton);
    Click(ControlsButton);
    ClickAt(PauseGame);  // the key field of "Pause" waits for a key

    EXPECT_FALSE(Exit());

    EXPECT_EQ(GameState, ControlsMenu);
    EXPECT_EQ(TheGui->keyBindings.keys[PauseGame], KeyOf(ExitGame));
    EXPECT_EQ(TheGui->keyBindings.captureIndex, NoValue);
}

TEST_F(ExitKeyTest, TheEditorGoesBackToTheMainMenuDroppingUnsavedPainting)
{
    Click(EditorButton);
    ASSERT_EQ(GameState, LevelEditor);
    const std::vector<int> before = TheMaze->cells;
    const int x = 5 * 18 + 9, y = 5 * 18 + 9;  // cell (5, 5)
    TheBrush->brush = TheMaze->CellAt(5, 5) == Wall ? Tunnel : Wall;
    TheGui->OnLeftDown(x, y);
    TheGui->OnLeftUp(x, y);
    ASSERT_NE(TheMaze->cells, before);

    Exit();

    EXPECT_EQ(GameState, MainMenu);
    EXPECT_EQ(TheMaze->cells, before);
}

TEST_F(ExitKeyTest, PlayGoesBackToTheCampaignMenuWithTheLevelReadAgainAndTheSoundStopped)
{
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    RunFrames(PlayFrames);
    ASSERT_LT(TheMaze->cornLeft, FullRoom());

    Exit();

    EXPECT_EQ(GameState, GulperCampaignMenu);
    EXPECT_EQ(TheMaze->cornLeft, FullRoom());
    for (int channel = 0; channel < MixerChannels; ++channel)
        EXPECT_FALSE(TheSounds->IsPlaying(channel));
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(ExitKeyTest, TheIntroAndTheAppearanceOfAGhostsLevelGoBackToItsMenu)
{
    EnterCampaignMenu(GhostsCampaignMode);
    Click(StartButton);
    ASSERT_EQ(GameState, LevelIntro);
    Exit();
    EXPECT_EQ(GameState, GhostsCampaignMenu);

    Click(StartButton);
    ASSERT_TRUE(RunUntilState(GulperAppearing, MaxFrames));
    Exit();
    EXPECT_EQ(GameState, GhostsCampaignMenu);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(ExitKeyTest, ACustomGameGoesBackToTheCustomGameMenu)
{
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());

    Exit();

    EXPECT_EQ(GameState, CustomGameMenu);
}

TEST_F(ExitKeyTest, PauseAndTheKeysHelpGoBackToPlay)
{
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    for (const int state : {Paused, ControlsInGame}) {
        GameState = state;
        Exit();
        EXPECT_EQ(GameState, Playing);
    }
}

TEST_F(ExitKeyTest, ALevelThatIsEndingCannotBeLeft)
{
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    for (const int state : {GulperDying, GulperWins, GhostsWin, CampaignComplete}) {
        GameState = state;
        EXPECT_FALSE(Exit());
        EXPECT_EQ(GameState, state);
    }
}

TEST_F(ExitKeyTest, AKeyBoundToPauseAndExitPausesAndResumesAtOnce)
{
    TheGui->keyBindings.keys[PauseGame] = KeyOf(ExitGame);
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());

    Exit();

    EXPECT_EQ(GameState, Playing);
}

TEST_F(ExitKeyTest, OnlyTheReleaseActsNotThePress)
{
    Click(PlayButton);
    EXPECT_FALSE(PressKey(ExitGame));
    EXPECT_EQ(GameState, GameModeMenu);
    ReleaseKey(ExitGame);
    EXPECT_EQ(GameState, MainMenu);
}

}  // namespace
