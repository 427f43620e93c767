// Online play through the relay, with headless game processes
// (gulpwise-netpeer) and a relay process (gulpwise-relay) on a port the OS
// chooses: two players end a level alike and their replays verify, a
// spectator who comes in the middle of a level reaches the same end, and a
// relay that dies mid-level leaves both players with a message and their
// replays.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/net/Processes.h"
#include "tests/support/Sandbox.h"

namespace fs = std::filesystem;

namespace {

// Peers are faster than real time unless paced: the relay lets them send as
// fast as they play.
const std::vector<std::string> FastRelay = {"--port", "0", "--rate", "100000", "--burst", "100000"};

class RelayPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        relay = Launch(GULPWISE_RELAY, FastRelay);
        std::string seen;
        const std::string line = ReadLineStarting(relay, "gulpwise-relay listening on", seen);
        ASSERT_FALSE(line.empty()) << seen;
        url = "ws://" + line.substr(line.rfind(' ') + 1);
    }
    void TearDown() override
    {
        if (relay.pid > 0) {
            kill(relay.pid, SIGTERM);
            int status = 0;
            Finish(relay, status);
        }
    }

    // A host that opens a room, and the room's code.
    Process Create(std::vector<std::string> args, std::string& code)
    {
        args.insert(args.begin(), {std::string("--relay"), url, std::string("--create")});
        Process host = Launch(GULPWISE_NETPEER, args);
        std::string seen;
        const std::string line = ReadLineStarting(host, "room ", seen);
        code = line.empty() ? "" : line.substr(5);
        return host;
    }
    Process Enter(const char* how, const std::string& code, std::vector<std::string> args)
    {
        args.insert(args.begin(), {std::string("--relay"), url, std::string(how), code});
        return Launch(GULPWISE_NETPEER, args);
    }
    // The replay files of a folder, each checked by the match simulator.
    static void ExpectReplaysVerify(const fs::path& folder, int count)
    {
        int found = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            ++found;
            Process sim = Launch(GULPWISE_SIM, {"--verify", entry.path().string()});
            int status = 0;
            const std::string out = Finish(sim, status);
            EXPECT_EQ(status, 0) << out;
            EXPECT_NE(out.find(": OK"), std::string::npos) << out;
        }
        EXPECT_EQ(found, count) << folder;
    }
    // The output without the line that names the room.
    static std::string WithoutRoom(std::string out)
    {
        if (out.rfind("room ", 0) == 0)
            out.erase(0, out.find('\n') + 1);
        return out;
    }

    Process relay;
    std::string url;
    Sandbox folders;
};

TEST_F(RelayPlayTest, RelayPeersPlayLevelsToTheSameEndAndTheirReplaysVerify)
{
    const fs::path hostReplays = fs::path(folders.path) / "host";
    const fs::path joinReplays = fs::path(folders.path) / "join";
    fs::create_directories(hostReplays);
    fs::create_directories(joinReplays);
    std::string code;
    Process host = Create(
        {"--levels", "2", "--time", "6", "--seed", "3", "--replays", hostReplays.string()}, code);
    ASSERT_EQ(code.size(), 6u);
    Process join = Enter(
        "--join-code", code,
        {"--levels", "2", "--seed", "4", "--side", "ghosts", "--replays", joinReplays.string()});
    int hostStatus = 0, joinStatus = 0;
    const std::string joinOut = Finish(join, joinStatus);
    const std::string hostOut = WithoutRoom(Finish(host, hostStatus));
    EXPECT_EQ(hostStatus, 0) << hostOut;
    EXPECT_EQ(joinStatus, 0) << joinOut;
    EXPECT_EQ(hostOut, joinOut);
    EXPECT_NE(hostOut.find("level 2: gulper wins"), std::string::npos) << hostOut;
    ExpectReplaysVerify(hostReplays, 2);
    ExpectReplaysVerify(joinReplays, 2);
}

TEST_F(RelayPlayTest, RelaySpectatorWhoComesMidLevelReachesTheSameEnd)
{
    std::string code;
    Process host = Create({"--time", "6", "--seed", "5", "--paced"}, code);
    Process join = Enter("--join-code", code, {"--seed", "6", "--paced"});
    std::string seen;
    ASSERT_FALSE(ReadLineStarting(join, "level 1 started", seen).empty()) << seen;
    Process watch = Enter("--watch-code", code, {});
    int status = 0;
    const std::string watchOut = Finish(watch, status);
    EXPECT_EQ(status, 0) << watchOut;
    const std::string joinOut = seen + Finish(join, status);
    const std::string hostOut = WithoutRoom(Finish(host, status));
    EXPECT_EQ(joinOut, hostOut);
    EXPECT_EQ(watchOut, hostOut);
    EXPECT_NE(watchOut.find("level 1: gulper wins"), std::string::npos) << watchOut;
}

TEST_F(RelayPlayTest, RelayKilledMidLevelLeavesBothPlayersAMessageAndTheirReplays)
{
    const fs::path hostReplays = fs::path(folders.path) / "host";
    const fs::path joinReplays = fs::path(folders.path) / "join";
    fs::create_directories(hostReplays);
    fs::create_directories(joinReplays);
    std::string code;
    Process host = Create({"--time", "20", "--paced", "--replays", hostReplays.string()}, code);
    Process join = Enter("--join-code", code, {"--paced", "--replays", joinReplays.string()});
    std::string seen;
    // Killed in the level's play, once both players' frames have come.
    ASSERT_FALSE(ReadLineStarting(join, "in play", seen).empty()) << seen;
    kill(relay.pid, SIGKILL);
    int status = 0;
    Finish(relay, status);
    relay.pid = -1;
    const std::string joinOut = seen + Finish(join, status);
    EXPECT_EQ(status, 3) << joinOut;
    const std::string hostOut = Finish(host, status);
    EXPECT_EQ(status, 3) << hostOut;
    for (const std::string& out : {hostOut, joinOut}) {
        EXPECT_NE(out.find("left before the end"), std::string::npos) << out;
        EXPECT_NE(out.find("ended: "), std::string::npos) << out;
    }
    ExpectReplaysVerify(hostReplays, 1);
    ExpectReplaysVerify(joinReplays, 1);
}

}  // namespace
