// Network play's mode, as the window runs it: a whole level against a
// headless machine ends alike on both, in lockstep and with rollback; once
// its network is gone the frame loop's waits between frames sleep as in
// local play rather than spinning on a network that has nothing to wait
// for; leaving network play is asked once more.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "app/NetMode.h"
#include "platform/Clock.h"
#include "rules/LevelTimer.h"
#include "rules/Tick.h"
#include "tests/game/GameTest.h"
#include "tests/net/Processes.h"

namespace {

class NetModeTest : public GameTest {};

constexpr int WaitMilliseconds = 10;   // between frames, as the frame loop waits on the network
constexpr int MaxWaitFrames = 3000;
constexpr int MaxLevelFrames = 20000;

// The window's host starts a level that a headless machine joins: the level
// is played to its end with the same end hash on both. (The host's start of
// a level once ran a tick of its own before the level's frames, so every
// window host was out of step with its player.)
TEST_F(NetModeTest, RollbackAndLockstepLevelsOfTheWindowEndAlikeWithAHeadlessPlayer)
{
    for (const bool rollback : {false, true}) {
        SCOPED_TRACE(rollback ? "rollback" : "lockstep");
        NetOptions options;
        options.role = NetRole::Host;
        options.address = "127.0.0.1";
        options.port = 0;  // any free port
        options.rollback = rollback;
        std::string joinOut;
        std::uint64_t hostEnd = 0;
        {
            NetMode mode(options, nullptr);
            ASSERT_EQ(mode.session.Phase(), NetPhase::Listening);
            Process joiner = Launch(GULPWISE_NETPEER,
                                    {"--join", "127.0.0.1:" + std::to_string(mode.session.Port()),
                                     "--seed", "5"});
            for (int frame = 0; frame < MaxWaitFrames && mode.session.Phase() != NetPhase::Lobby;
                 ++frame) {
                mode.Update();
                mode.Wait(WaitMilliseconds);  // on the network: returns once a message comes
            }
            ASSERT_EQ(mode.session.Phase(), NetPhase::Lobby) << mode.session.Notice();
            TheTick.timer->limit = 4;
            TheGui->request = GuiRequest::StartLevel;
            mode.Update();
            int frames = 0;
            const auto inLevel = [&] {
                return mode.session.Phase() == NetPhase::Level ||
                       mode.session.Phase() == NetPhase::LevelEnded;
            };
            for (; frames < MaxLevelFrames && inLevel(); ++frames) {
                if (mode.session.Phase() == NetPhase::Level && GameState == Playing && frames % 7 == 0)
                    TapKey(frames % 14 == 0 ? MoveGulperLeft : MoveGulperUp);
                mode.Update();
            }
            EXPECT_LT(frames, MaxLevelFrames) << mode.session.Notice();
            EXPECT_EQ(mode.session.Notice().find("Out of step"), std::string::npos)
                << mode.session.Notice();
            EXPECT_GT(mode.session.LastReplay().frameCount, 80);
            hostEnd = mode.session.LastReplay().endHash;
            int status = 0;
            std::string seen;
            ReadLineStarting(joiner, "level 1: ", seen);
            joinOut = seen;
            mode.session.Close();
            Finish(joiner, status);
        }
        char hash[32];
        std::snprintf(hash, sizeof hash, "end hash %016" PRIx64, hostEnd);
        EXPECT_NE(joinOut.find(hash), std::string::npos) << joinOut << " against " << hash;
    }
}

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
    EXPECT_EQ(TheGui->controllerNames[static_cast<int>(Computer)], "Peer");
    Click(CloseButton);
    again.Update();
    EXPECT_EQ(GameState, CustomGameMenu);
    EXPECT_EQ(again.session.Phase(), NetPhase::Listening);
    // Network play that ends by itself gives the computer its name back.
    again.session.Close();
    again.Update();
    EXPECT_EQ(TheGui->controllerNames[static_cast<int>(Computer)], "AI");
}

}  // namespace
