// Network play's mode: once its network is gone the frame loop's waits
// between frames sleep as in local play rather than spinning on a network
// that has nothing to wait for; leaving network play is asked once more.
#include <gtest/gtest.h>

#include "app/NetMode.h"
#include "platform/Clock.h"
#include "tests/game/GameTest.h"

namespace {

class NetModeTest : public GameTest {};

TEST_F(NetModeTest, OfflineNetworkPlayWaitsBetweenFramesInsteadOfSpinning)
{
    NetOptions options;
    options.role = NetRole::Watch;  // watching needs a relay: network play is offline at once
    NetMode mode(options, nullptr);
    ASSERT_EQ(mode.session.Phase(), NetPhase::Offline);
    const int before = Now();
    mode.Wait(40);
    EXPECT_EQ(Now() - before, 40) << "the wait returned at once";
    EXPECT_FALSE(mode.Update());
    mode.Draw();
}

TEST_F(NetModeTest, LeavingNetworkPlayIsAskedOnceMore)
{
    NetOptions options;
    options.role = NetRole::Host;
    options.address = "127.0.0.1";
    options.port = 0;  // any free port
    NetMode mode(options, nullptr);
    ASSERT_EQ(mode.session.Phase(), NetPhase::Listening);
    const int escape = KeyOf(ExitGame);

    // Escape once: the host is asked, and network play goes on.
    mode.Input().OnKeyDown(escape);
    mode.Input().OnKeyUp(escape);
    mode.Update();
    EXPECT_EQ(mode.session.Phase(), NetPhase::Listening);
    // The custom game menu's close button: asked again, the menu stays.
    Click(CloseButton);
    mode.Update();
    EXPECT_EQ(mode.session.Phase(), NetPhase::Offline);  // the second time within the question's time

    NetMode again(options, nullptr);
    Click(CloseButton);
    again.Update();
    EXPECT_EQ(GameState, CustomGameMenu);
    EXPECT_EQ(again.session.Phase(), NetPhase::Listening);
}

}  // namespace
