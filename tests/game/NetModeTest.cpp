// Network play's mode once its network is gone: the frame loop's waits
// between frames sleep as in local play rather than spinning on a network
// that has nothing to wait for.
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

}  // namespace
