// Not a check: saves the menus, a level in play, the pause and the end
// messages as pictures under /tmp, to be looked at after a change of layout
// or art. Run with --gtest_also_run_disabled_tests --gtest_filter='*Look*'.
#include <gtest/gtest.h>

#include "app/Clock.h"
#include "app/Config.h"
#include "app/Globals.h"
#include "gui/ButtonIds.h"
#include "input/KeyBindings.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int FarAway = 1000000;  // keeps an end pause from ending while it is pictured

class ScreensLookTest : public GameTest {
protected:
    static void ShowFrame(const std::string& name)
    {
        RunFrames(1);
        SaveWindow(name);
    }
    static void ShowEndState(int state, const std::string& name)
    {
        GameState = state;
        PauseUntil = Now() + FarAway;
        ShowFrame(name);
    }
};

TEST_F(ScreensLookTest, DISABLED_SaveTheScreens)
{
    TheConfig->gulperLevel = TheConfig->gulperMaxLevel = 2;
    ShowFrame("main-menu");
    Click(PlayButton);
    ShowFrame("game-mode");
    Click(GhostsCampaignButton);
    ShowFrame("ghosts-campaign");
    Click(CloseButton);
    Click(GulperCampaignButton);
    ShowFrame("gulper-campaign");

    ASSERT_TRUE(StartAndPlay());
    RunFrames(40);
    ShowFrame("playing");
    TapKey(PauseGame);
    ShowFrame("paused");
    ShowEndState(GulperWins, "gulper-wins");
    ShowEndState(GhostsWin, "ghosts-win");
    ShowEndState(CampaignComplete, "campaign-complete");
}

}  // namespace
