// Two headless game processes (gulpwise-netpeer) playing over the loopback:
// whole levels end alike on both, also with messages lost and delayed; a
// killed peer is survived; a second player and another version are refused.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Processes.h"

namespace fs = std::filesystem;

namespace {

// A host on a port the system chooses, and that port, once it listens.
Process Host(std::vector<std::string> args, std::string& port)
{
    args.insert(args.begin(), {std::string("--host"), std::string("0")});
    Process host = Launch(GULPWISE_NETPEER, args);
    std::string seen;
    const std::string line = ReadLineStarting(host, "port ", seen);
    port = line.empty() ? "" : line.substr(5);
    return host;
}

Process Join(const std::string& port, std::vector<std::string> args)
{
    args.insert(args.begin(), {std::string("--join"), "127.0.0.1:" + port});
    return Launch(GULPWISE_NETPEER, args);
}

void PlayAlike(const std::vector<std::string>& extra, int levels, bool gulperWins = true)
{
    std::vector<std::string> host = {"--levels", std::to_string(levels), "--time", "8", "--seed", "3"};
    std::vector<std::string> join = {"--levels", std::to_string(levels), "--seed", "4"};
    host.insert(host.end(), extra.begin(), extra.end());
    join.insert(join.end(), extra.begin(), extra.end());
    std::string port;
    Process hosting = Host(host, port);
    ASSERT_FALSE(port.empty());
    Process joining = Join(port, join);
    int hostStatus = 0, joinStatus = 0;
    const std::string hostOut = Finish(hosting, hostStatus);
    const std::string joinOut = Finish(joining, joinStatus);
    EXPECT_EQ(hostStatus, 0) << hostOut;
    EXPECT_EQ(joinStatus, 0) << joinOut;
    EXPECT_EQ(hostOut, joinOut);
    EXPECT_NE(hostOut.find("level " + std::to_string(levels) + (gulperWins ? ": gulper wins" : ": ")),
              std::string::npos) << hostOut;
}

}  // namespace

TEST(NetPeers, PlayWholeLevelsToTheSameEndAndHashes)
{
    PlayAlike({}, 2);  // with rollback, the default
}

// With rollback (the host's choice) over the loopback with latency and loss:
// the same confirmed levels on both machines.
TEST(NetPeers, RollbackPeersEndAlikeWithMessagesLostAndDelayed)
{
    PlayAlike({"--rollback", "--latency", "30", "--loss", "5"}, 2, false);
}

TEST(NetPeers, LockstepPeersEndAlikeWithMessagesLostAndDelayed)
{
    PlayAlike({"--lockstep", "--latency", "30", "--loss", "5"}, 1);
}

// A joining machine killed in the middle of a level, in lockstep and with
// rollback: the host ends the level, says why, and its replay of the level
// cut short verifies.
TEST(NetPeers, APeerKilledMidLevelIsSurvivedAlsoWithRollback)
{
    for (const char* schedule : {"--lockstep", "--rollback"}) {
        SCOPED_TRACE(schedule);
        const fs::path replays = fs::temp_directory_path() /
                                 ("gulpwise-killed-" + std::to_string(getpid()) + schedule);
        fs::create_directories(replays);
        std::string port, seen;
        Process hosting = Host({"--paced", schedule, "--replays", replays.string()}, port);
        Process joining = Join(port, {"--paced"});
        // Killed once the level's play has begun on both (past its intro).
        // With rollback the host may not yet have the joiner's commands of
        // its frames of play, but of the intro's.
        ASSERT_FALSE(ReadLineStarting(joining, "level 1 started", seen).empty()) << seen;
        ASSERT_FALSE(ReadLineStarting(hosting, "level 1 started", seen).empty()) << seen;
        ASSERT_FALSE(ReadLineStarting(hosting, "in play", seen).empty()) << seen;
        kill(joining.pid, SIGKILL);
        int status = 0;
        Finish(joining, status);
        const std::string hostOut = Finish(hosting, status);
        EXPECT_EQ(status, 3);
        EXPECT_NE(hostOut.find("left before the end"), std::string::npos) << hostOut;
        EXPECT_NE(hostOut.find("ended: The other player"), std::string::npos) << hostOut;
        Process sim = Launch(GULPWISE_SIM, {"--verify", (replays / "level_1.gwr").string()});
        const std::string verified = Finish(sim, status);
        EXPECT_EQ(status, 0) << verified;
        EXPECT_NE(verified.find(": OK"), std::string::npos) << verified;
        fs::remove_all(replays);
    }
}

TEST(NetPeers, AnotherVersionIsRefusedOnBothSides)
{
    std::string port;
    Process hosting = Host({}, port);
    Process joining = Join(port, {"--version", "0.1"});
    int hostStatus = 0, joinStatus = 0;
    const std::string joinOut = Finish(joining, joinStatus);
    const std::string hostOut = Finish(hosting, hostStatus);
    EXPECT_NE(joinOut.find("ended: Refused: the host runs version 1.5"), std::string::npos)
        << joinOut;
    EXPECT_NE(hostOut.find("ended: Refused a player of version 0.1"), std::string::npos)
        << hostOut;
}

TEST(NetPeers, ASecondPlayerIsRefusedWhileTheFirstPlays)
{
    std::string port, firstSeen;
    Process hosting = Host({"--paced", "--time", "4"}, port);
    Process first = Join(port, {"--paced"});
    ASSERT_FALSE(ReadLineStarting(first, "level 1 started", firstSeen).empty()) << firstSeen;
    Process second = Join(port, {});
    int status = 0;
    const std::string secondOut = Finish(second, status);
    EXPECT_NE(secondOut.find("ended: The host already has a player"), std::string::npos)
        << secondOut;
    const std::string firstOut = firstSeen + Finish(first, status);
    const std::string hostOut = Finish(hosting, status);
    // The level played on undisturbed (the first player may then see the host leave).
    EXPECT_EQ(firstOut.substr(0, hostOut.size()), hostOut);
    EXPECT_NE(hostOut.find("level 1: gulper wins"), std::string::npos) << hostOut;
}

TEST(NetPeers, AHostPlaysASecondPlayerAfterTheFirstLeft)
{
    std::string port;
    // The host's end pause runs at its real pace: the first player has left by its end.
    Process hosting = Host({"--levels", "2", "--time", "4", "--paced"}, port);
    Process first = Join(port, {"--levels", "1", "--leave-at-once"});
    int status = 0;
    const std::string firstOut = Finish(first, status);
    EXPECT_EQ(status, 0) << firstOut;
    Process second = Join(port, {"--levels", "1"});
    const std::string secondOut = Finish(second, status);
    EXPECT_EQ(status, 0) << secondOut;
    const std::string hostOut = Finish(hosting, status);
    EXPECT_EQ(status, 0) << hostOut;
    // The second player's first level is the host's second, counted from 1 again.
    EXPECT_NE(secondOut.find("level 1: gulper wins"), std::string::npos) << secondOut;
    const std::size_t secondLevel = hostOut.find("level 2: ");
    ASSERT_NE(secondLevel, std::string::npos) << hostOut;
    EXPECT_EQ(hostOut.substr(secondLevel + 9, hostOut.find('\n', secondLevel) - secondLevel - 9),
              secondOut.substr(secondOut.find("level 1: ") + 9,
                               secondOut.find('\n', secondOut.find("level 1: ")) -
                                   secondOut.find("level 1: ") - 9));
}

TEST(NetPeers, AHostIsToldThatTheOtherPlayerLeftTheLevel)
{
    std::string port;
    Process hosting = Host({"--time", "20"}, port);
    Process joining = Join(port, {"--exit-after", "100"});
    int status = 0;
    const std::string joinOut = Finish(joining, status);
    const std::string hostOut = Finish(hosting, status);
    EXPECT_NE(hostOut.find("level 1: left before the end"), std::string::npos) << hostOut;
    EXPECT_NE(hostOut.find("notice: The other player left the level"), std::string::npos) << hostOut;
    EXPECT_EQ(joinOut.find("The other player left the level"), std::string::npos) << joinOut;
}
