// The controls screen: the key bound to each of the 26 actions, rebinding by
// clicking an action's key and releasing a new key, the two stock key sets,
// and keeping ("OK") or dropping ("Cancel", "x") the changes, from the
// options or from within a game.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <array>
#include <filesystem>
#include <sstream>

#include "app/GameState.h"
#include "app/GameTypes.h"
#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"
#include "tests/game/GameTest.h"

namespace {

using KeySet = std::array<int, ActionCount>;

class ControlsScreenTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Click(OptionsButton);
        Click(ControlsButton);
        ASSERT_EQ(GameState, ControlsMenu);
    }

    static KeyBindings& Bindings() { return TheGui->keyBindings; }

    static KeySet BoundKeys()
    {
        KeySet keys{};
        std::copy(std::begin(Bindings().keys), std::end(Bindings().keys), keys.begin());
        return keys;
    }

    // The keys of a key file in the game folder (the flag on its first line skipped).
    KeySet KeysInFile(const std::string& path) const
    {
        std::istringstream text(sandbox->Read(path));
        int flag = 0;
        text >> flag;
        KeySet keys{};
        for (int& key : keys)
            text >> key;
        return keys;
    }

    // Presses the mouse in the middle of an action's key button.
    static void PressKeyButton(int action)
    {
        int x = 0, y = 0;
        CentreOf(*TheGui->controlsMenu->buttons.at(action), x, y);
        TheGui->OnLeftDown(x, y);
    }

    static void ReleaseMouse(int x, int y) { TheGui->OnLeftUp(x, y); }

    // The key name an action's button showed when the screen was last drawn.
    static std::string Shown(int action)
    {
        RunFrames(1);
        return TheGui->controlsMenu->buttons.at(action)->label->text;
    }

    // Opens the keys help in a custom game being played.
    static void OpenFromGame()
    {
        Click(CloseButton);  // back to the options
        Click(CloseButton);  // back to the main menu
        Click(PlayButton);
        Click(CustomGameButton);
        ASSERT_TRUE(StartAndPlay());
        TapKey(KeysHelpScreen);
        ASSERT_EQ(GameState, ControlsInGame);
    }
};

TEST_F(ControlsScreenTest, EveryActionHasItsKeyButtonInTwoColumns)
{
    const Panel& panel = *TheGui->controlsMenu;
    const struct {
        int action, x, y;
    } rows[] = {{MoveGulperRight, 126, 27}, {SelectPrevGhost, 126, 261},
                {SelectGhost1, 342, 27}, {ExitGame, 342, 225}};
    for (const auto& row : rows) {
        const Button& button = *panel.buttons.at(row.action);
        EXPECT_EQ(button.x, row.x) << ActionNames[row.action];
        EXPECT_EQ(button.y, row.y) << ActionNames[row.action];
        EXPECT_EQ(button.id, KeyButton);
    }
    // The names beside them, after the title.
    EXPECT_EQ(panel.widgets.at(0)->text, "Controls configuration");
    EXPECT_EQ(panel.widgets.at(1 + MoveGulperRight)->text, "Move gulper right");
    EXPECT_EQ(panel.widgets.at(1 + ExitGame)->x, 225);
    EXPECT_EQ(panel.widgets.at(1 + ExitGame)->text, "Exit game");
}

TEST_F(ControlsScreenTest, EachKeyButtonShowsTheNameOfTheBoundKey)
{
    for (int action = 0; action < ActionCount; ++action) {
        EXPECT_EQ(Shown(action), SDL_GetKeyName(static_cast<SDLKey>(Bindings().keys[action])))
            << ActionNames[action];
    }
}

TEST_F(ControlsScreenTest, ClickingAKeyThenReleasingAKeyRebindsTheAction)
{
    PressKeyButton(StopGulper);
    EXPECT_EQ(Bindings().captureIndex, StopGulper);
    int x = 0, y = 0;
    CentreOf(*TheGui->controlsMenu->buttons.at(StopGulper), x, y);
    ReleaseMouse(x, y);
    EXPECT_EQ(Bindings().keys[StopGulper], UnknownKey);
    EXPECT_EQ(Shown(StopGulper), "?");

    TheGui->OnKeyUp(SDLK_k);
    EXPECT_EQ(Bindings().keys[StopGulper], SDLK_k);
    EXPECT_EQ(Bindings().captureIndex, NoValue);
    EXPECT_EQ(Shown(StopGulper), SDL_GetKeyName(SDLK_k));
    EXPECT_EQ(GameState, ControlsMenu);
}

TEST_F(ControlsScreenTest, AMouseReleaseOutsideTheButtonStillAwaitsTheKey)
{
    PressKeyButton(PauseGame);
    ReleaseMouse(0, 0);
    EXPECT_EQ(Bindings().keys[PauseGame], UnknownKey);
    EXPECT_EQ(Bindings().captureIndex, PauseGame);
}

TEST_F(ControlsScreenTest, AKeyReleasedBeforeTheMouseButtonIsKept)
{
    PressKeyButton(MoveGhostUp);
    TheGui->OnKeyUp(SDLK_i);
    ReleaseMouse(0, 0);
    EXPECT_EQ(Bindings().keys[MoveGhostUp], SDLK_i);
    EXPECT_EQ(Bindings().captureIndex, NoValue);
}

TEST_F(ControlsScreenTest, ASecondKeyButtonTakesOverTheWait)
{
    PressKeyButton(MoveGulperUp);
    ReleaseMouse(0, 0);
    PressKeyButton(MoveGulperDown);
    ReleaseMouse(0, 0);
    TheGui->OnKeyUp(SDLK_j);
    EXPECT_EQ(Bindings().keys[MoveGulperUp], UnknownKey);  // until rebound or reloaded
    EXPECT_EQ(Bindings().keys[MoveGulperDown], SDLK_j);
}

TEST_F(ControlsScreenTest, TheExitKeyCanBeBoundWithoutLeaving)
{
    const int exitKey = KeyOf(ExitGame);
    PressKeyButton(SelectAllGhosts);
    ReleaseMouse(0, 0);
    TheGui->OnKeyUp(exitKey);
    EXPECT_EQ(Bindings().keys[SelectAllGhosts], exitKey);
    EXPECT_EQ(GameState, ControlsMenu);
}

TEST_F(ControlsScreenTest, OtherButtonsDoNotStartAWait)
{
    int x = 0, y = 0;
    CentreOf(ButtonOf(DefaultKeysButton), x, y);
    TheGui->OnLeftDown(x, y);
    EXPECT_EQ(Bindings().captureIndex, NoValue);
    ReleaseMouse(x, y);
}

TEST_F(ControlsScreenTest, DefaultAndDefHotseatLoadTheStockSetsAndStay)
{
    Click(DefaultHotseatKeysButton);
    EXPECT_EQ(BoundKeys(), KeysInFile("data/default_hotseat_keys.cfg"));
    EXPECT_EQ(GameState, ControlsMenu);
    Click(DefaultKeysButton);
    EXPECT_EQ(BoundKeys(), KeysInFile("data/default_keys.cfg"));
    EXPECT_EQ(GameState, ControlsMenu);
}

TEST_F(ControlsScreenTest, DefaultThenCancelLeavesEverythingAsItWas)
{
    const std::string fileBefore = sandbox->Read("data/keys.cfg");
    const KeySet keysBefore = BoundKeys();
    Click(DefaultHotseatKeysButton);
    ASSERT_NE(BoundKeys(), keysBefore);
    Click(CancelButton);
    EXPECT_EQ(BoundKeys(), keysBefore);
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), fileBefore);
    EXPECT_EQ(GameState, OptionsMenu);
}

TEST_F(ControlsScreenTest, CloseDropsTheChangesLikeCancel)
{
    const KeySet keysBefore = BoundKeys();
    PressKeyButton(MoveGulperLeft);
    ReleaseMouse(0, 0);
    TheGui->OnKeyUp(SDLK_z);
    Click(CloseButton);
    EXPECT_EQ(BoundKeys(), keysBefore);
    EXPECT_EQ(GameState, OptionsMenu);
}

TEST_F(ControlsScreenTest, OkKeepsTheChangesInTheKeyFile)
{
    PressKeyButton(MoveGulperLeft);
    ReleaseMouse(0, 0);
    TheGui->OnKeyUp(SDLK_z);
    Click(OkButton);
    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(KeysInFile("data/keys.cfg"), BoundKeys());
    EXPECT_EQ(KeysInFile("data/keys.cfg")[MoveGulperLeft], SDLK_z);
}

TEST_F(ControlsScreenTest, AKeyFileThatCannotBeWrittenLeavesTheGameGoingOn)
{
    // The key file is written beside itself first; a folder in the way stops that.
    std::filesystem::create_directory(sandbox->path + "/data/keys.cfg.tmp");
    const std::string fileBefore = sandbox->Read("data/keys.cfg");
    Click(DefaultHotseatKeysButton);
    CaptureOutput();
    Click(OkButton);
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg");
    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(BoundKeys(), KeysInFile("data/default_hotseat_keys.cfg"));  // in use for this run
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), fileBefore);
}

TEST_F(ControlsScreenTest, OpenedDuringPlayOkReturnsToTheGame)
{
    OpenFromGame();
    Click(OkButton);
    EXPECT_EQ(GameState, Playing);
}

TEST_F(ControlsScreenTest, OpenedDuringPlayCancelAndCloseReturnToTheGame)
{
    OpenFromGame();
    Click(CancelButton);
    EXPECT_EQ(GameState, Playing);
    TapKey(KeysHelpScreen);
    Click(CloseButton);
    EXPECT_EQ(GameState, Playing);
}

TEST_F(ControlsScreenTest, RebindingDuringPlayDoesNotResumeTheGame)
{
    OpenFromGame();
    PressKeyButton(PauseGame);
    ReleaseMouse(0, 0);
    TheGui->OnKeyUp(SDLK_o);
    EXPECT_EQ(GameState, ControlsInGame);
    EXPECT_EQ(Bindings().keys[PauseGame], SDLK_o);
}

}  // namespace
