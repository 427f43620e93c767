// The key bindings as the game uses them: the key file read at start (short
// files and a last line without its line break), rebinding by clicking an
// action's key field and releasing a key, a key file that cannot be
// written, and one key bound to several actions.
#include <gtest/gtest.h>

#include <filesystem>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int MaxFrames = 500;
constexpr int NoKey = 0;  // what an action holds when no file bound it

// The key file text of a flag and some keys, one per line.
std::string KeyFile(int count, bool finalLineBreak)
{
    std::string text = "1";
    for (int action = 0; action < count; ++action)
        text += "\n" + std::to_string(SDLK_a + action);
    return finalLineBreak ? text + "\n" : text;
}

using KeyBindingsInGameTest = GameTest;

class ShortKeyFileTest : public GameTest {
protected:
    void PrepareGameFiles() override { sandbox->Write("data/keys.cfg", KeyFile(9, true)); }
};

TEST_F(ShortKeyFileTest, AFileEndingAfterLineTenBindsTheFirstNineActionsOnly)
{
    EXPECT_EQ(KeyOf(MoveGulperRight), SDLK_a);
    EXPECT_EQ(KeyOf(MoveGhostDown), SDLK_a + 8);
    EXPECT_EQ(KeyOf(StopGhosts), NoKey);
    EXPECT_EQ(KeyOf(ExitGame), NoKey);
}

class UnfinishedKeyFileTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        sandbox->Write("data/keys.cfg", KeyFile(ActionCount, false));
    }
};

TEST_F(UnfinishedKeyFileTest, ALastNumberWithoutItsLineBreakIsNotRead)
{
    EXPECT_EQ(KeyOf(KeysHelpScreen), SDLK_a + int{KeysHelpScreen});
    EXPECT_EQ(KeyOf(ExitGame), NoKey);
}

class MissingKeyFileTest : public GameTest {
protected:
    void PrepareGameFiles() override
    {
        sandbox->Remove("data/keys.cfg");
        CaptureOutput();
    }
};

TEST_F(MissingKeyFileTest, TheGameStartsWithNoKeysAndSaysSo)
{
    const std::string output = TakeOutput();
    EXPECT_NE(output.find("Couldn't open file data/keys.cfg, You will need to redefine keys"),
              std::string::npos);
    EXPECT_EQ(KeyOf(ExitGame), NoKey);
    EXPECT_FALSE(RunFrames(2));
}

TEST_F(KeyBindingsInGameTest, AClickedKeyFieldWaitsShowingAQuestionMarkForTheNextKeyReleased)
{
    Click(OptionsButton);
    Click(ControlsButton);

    ClickAt(PauseGame);
    EXPECT_EQ(KeyOf(PauseGame), UnknownKey);

    TheGui->OnKeyDown(SDLK_F7);
    EXPECT_EQ(KeyOf(PauseGame), UnknownKey);  // not on the press
    EXPECT_FALSE(TheGui->OnKeyUp(SDLK_F7));
    EXPECT_EQ(KeyOf(PauseGame), SDLK_F7);
    EXPECT_EQ(TheGui->keyBindings.captureIndex, NoValue);
    EXPECT_EQ(GameState, ControlsMenu);
}

TEST_F(KeyBindingsInGameTest, AWaitingFieldTakesTheNextReleaseEvenInPlay)
{
    WriteCampaign("gulper", {TestMazes::OpenRoom()}, Settings(Human, Computer, 1, 3.4, 2.4, 90));
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    const int pauseKey = KeyOf(PauseGame);
    TapKey(KeysHelpScreen);
    ASSERT_EQ(GameState, ControlsInGame);
    ClickAt(StopGulper);
    Click(CloseButton);  // back to play; the field is still waiting
    ASSERT_EQ(GameState, Playing);

    TheGui->OnKeyUp(pauseKey);

    EXPECT_EQ(GameState, Playing);  // the release bound the key and did nothing else
    EXPECT_EQ(KeyOf(StopGulper), pauseKey);
}

TEST_F(KeyBindingsInGameTest, AKeyFileThatCannotBeWrittenIsReportedAndTheGameGoesOn)
{
    std::filesystem::create_directory(std::filesystem::path(sandbox->path) / "data/keys.cfg.tmp");
    const std::string keysBefore = sandbox->Read("data/keys.cfg");
    Click(OptionsButton);
    Click(ControlsButton);
    ClickAt(StopGulper);
    TheGui->OnKeyUp(SDLK_F8);

    CaptureOutput();
    const bool quit = Click(OkButton);
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/keys.cfg");

    EXPECT_FALSE(quit);
    EXPECT_EQ(GameState, OptionsMenu);
    EXPECT_EQ(KeyOf(StopGulper), SDLK_F8);  // still in use for this run
    EXPECT_EQ(sandbox->Read("data/keys.cfg"), keysBefore);
    EXPECT_FALSE(RunFrames(2));
}

TEST_F(KeyBindingsInGameTest, AKeyBoundToTwoActionsDoesBoth)
{
    WriteCampaign("gulper", {TestMazes::OpenRoom()}, Settings(Human, Human, 2, 3.4, 2.4, 90));
    EnterCampaignMenu(GulperCampaignMode);
    ASSERT_TRUE(StartAndPlay());
    TheGui->keyBindings.keys[SelectGhost1] = KeyOf(MoveGulperUp);

    PressKey(MoveGulperUp);

    EXPECT_EQ(TheGulper->wantedDirection, Up);
    EXPECT_TRUE(TheSquad->ghosts[0]->selected);
    EXPECT_EQ(Played(SelectingGhostSound), 1);
}

}  // namespace
