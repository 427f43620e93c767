// The key bindings as the game uses them: the controls screen with the key of
// every action, rebinding by clicking an action's key and releasing a new
// key, the two stock key sets, keeping ("OK") or dropping ("Cancel", "x") the
// changes, from the options or from within a game. (The key files
// themselves: tests/gui/KeyBindingsTest.cpp.)
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <array>
#include <sstream>

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
    }
    static KeySet BoundKeys()
    {
        KeySet keys{};
        std::copy(std::begin(TheGui->keyBindings.keys), std::end(TheGui->keyBindings.keys), keys.begin());
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
    static void PressKeyButton(int action)
    {
        int x = 0, y = 0;
        CentreOf(*TheGui->controlsMenu->buttons.at(action), x, y);
        TheGui->OnLeftDown(x, y);
    }
    // The key name an action's button showed when the screen was last drawn.
    static std::string Shown(int action)
    {
        RunFrames(1);
        return TheGui->controlsMenu->buttons.at(action)->label->text;
    }
    static int Awaited() { return TheGui->keyBindings.captureIndex; }
};

// The key button shows "?" from the mouse release on, and the next key
// released anywhere (even the exit key, even in play) becomes the action's key.
TEST_F(ControlsScreenTest, AKeyReleasedAfterOrBeforeTheMouseButtonIsBound)
{
    PressKeyButton(StopGulper);
    EXPECT_EQ(Awaited(), StopGulper);
    TheGui->OnLeftUp(0, 0);  // outside the button: still awaited
    EXPECT_EQ(Shown(StopGulper), "?");
    TheGui->OnKeyDown(SDLK_k);
    EXPECT_EQ(KeyOf(StopGulper), UnknownKey);  // not on the press
    EXPECT_FALSE(TheGui->OnKeyUp(SDLK_k));
    EXPECT_EQ(KeyOf(StopGulper), SDLK_k);
    EXPECT_EQ(Awaited(), NoValue);
    EXPECT_EQ(Shown(StopGulper), SDL_GetKeyName(SDLK_k));

    PressKeyButton(MoveGhostUp);
    TapSymbol(SDLK_i);
    TheGui->OnLeftUp(0, 0);
    EXPECT_EQ(KeyOf(MoveGhostUp), SDLK_i);
    EXPECT_EQ(Awaited(), NoValue);

    PressKeyButton(MoveGulperUp);  // a second key button takes over the wait
    TheGui->OnLeftUp(0, 0);
    PressKeyButton(SelectAllGhosts);
    TheGui->OnLeftUp(0, 0);
    const int exitKey = KeyOf(ExitGame);
    EXPECT_FALSE(TapSymbol(exitKey));
    EXPECT_EQ(KeyOf(MoveGulperUp), UnknownKey);  // until rebound or reloaded
    EXPECT_EQ(KeyOf(SelectAllGhosts), exitKey);
    EXPECT_EQ(GameState, ControlsMenu);

    int x = 0, y = 0;  // other buttons start no wait
    CentreOf(ButtonOf(DefaultKeysButton), x, y);
    TheGui->OnLeftDown(x, y);
    EXPECT_EQ(Awaited(), NoValue);
}

TEST_F(ControlsScreenTest, StockSetsAndCancelOrCloseLeaveTheKeyFileAsItWas)
{
    const std::string fileBefore = sandbox->Read("data/keys.cfg");
    const KeySet keysBefore = BoundKeys();
    Click(DefaultHotseatKeysButton);
    EXPECT_EQ(BoundKeys(), KeysInFile("data/default_hotseat_keys.cfg"));
    Click(DefaultKeysButton);
    EXPECT_EQ(BoundKeys(), KeysInFile("data/default_keys.cfg"));
    EXPECT_EQ(GameState, ControlsMenu);
    Click(DefaultHotseatKeysButton);
    ASSERT_NE(BoundKeys(), keysBefore);
    Click(CancelButton);
    EXPECT_EQ(BoundKeys(), keysBefore);
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), fileBefore);
    EXPECT_EQ(GameState, OptionsMenu);

    Click(ControlsButton);
    ClickAt(MoveGulperLeft);
    TapSymbol(SDLK_z);
    Click(CloseButton);
    EXPECT_EQ(BoundKeys(), keysBefore);
    EXPECT_EQ(GameState, OptionsMenu);

    Click(ControlsButton);  // the exit key goes back keeping the edits, unsaved
    ClickAt(MoveGulperRight);
    TapSymbol(SDLK_F5);
    TapKey(ExitGame);
    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(KeyOf(MoveGulperRight), SDLK_F5);
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), fileBefore);
}

TEST_F(ControlsScreenTest, OkKeepsTheChangesInTheKeyFile)
{
    ClickAt(MoveGulperLeft);
    TapSymbol(SDLK_z);
    Click(OkButton);
    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(KeysInFile("data/keys.cfg"), BoundKeys());
    EXPECT_EQ(KeysInFile("data/keys.cfg")[MoveGulperLeft], SDLK_z);
}

// The keys help: every way out returns to the game, and a wait still open
// when play resumes takes the next key release and does nothing else.
TEST_F(ControlsScreenTest, OpenedDuringPlayEveryButtonReturnsToTheGame)
{
    GameState = MainMenu;
    Click(PlayButton);
    Click(CustomGameButton);
    ASSERT_TRUE(StartAndPlay());
    for (const int button : {OkButton, CancelButton, CloseButton}) {
        TapKey(KeysHelpScreen);
        RunFrames(1);
        ASSERT_EQ(GameState, ControlsInGame);
        ClickAt(PauseGame);
        TapSymbol(SDLK_o);  // rebinding does not resume the game
        EXPECT_EQ(GameState, ControlsInGame);
        EXPECT_EQ(KeyOf(PauseGame), SDLK_o);
        Click(button);
        RunFrames(1);  // closing is a command of the next tick
        EXPECT_EQ(GameState, Playing);
    }
    const int pauseKey = KeyOf(PauseGame);
    TapKey(KeysHelpScreen);
    RunFrames(1);
    ClickAt(StopGulper);
    Click(CloseButton);
    TapSymbol(pauseKey);
    RunFrames(1);
    EXPECT_EQ(GameState, Playing);
    EXPECT_EQ(KeyOf(StopGulper), pauseKey);
}

}  // namespace
