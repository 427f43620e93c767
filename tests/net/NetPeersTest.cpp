// Two headless game processes (gulpwise-netpeer) playing over the loopback:
// whole levels end alike on both, also with messages lost and delayed; a
// killed peer is survived; a second player and another version are refused.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

// A running peer whose standard output is collected.
struct Peer {
    pid_t pid = -1;
    int output = -1;
};

Peer Launch(std::vector<std::string> args)
{
    args.insert(args.begin(), GULPWISE_NETPEER);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    return {pid, pipeEnds[0]};
}

// Its output once it has ended, and its exit status.
std::string Finish(const Peer& peer, int& status)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(peer.output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(peer.output);
    int raw = 0;
    waitpid(peer.pid, &raw, 0);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return text;
}

// A port of its own for each test process, so that tests run side by side.
std::string Port(int offset)
{
    return std::to_string(30000 + (getpid() * 7 + offset) % 20000);
}

void PlayAlike(const std::vector<std::string>& extra, int levels, bool gulperWins = true)
{
    const std::string port = Port(0);
    std::vector<std::string> host = {"--host", port, "--levels", std::to_string(levels),
                                     "--time", "8", "--seed", "3"};
    std::vector<std::string> join = {"--join", "127.0.0.1:" + port, "--levels",
                                     std::to_string(levels), "--seed", "4"};
    host.insert(host.end(), extra.begin(), extra.end());
    join.insert(join.end(), extra.begin(), extra.end());
    const Peer hosting = Launch(host);
    const Peer joining = Launch(join);
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
    PlayAlike({}, 2);
}

// With rollback (the host's choice) over the loopback with latency and loss:
// the same confirmed levels on both machines.
TEST(NetPeers, RollbackPeersEndAlikeWithMessagesLostAndDelayed)
{
    PlayAlike({"--rollback", "--latency", "30", "--loss", "5"}, 2, false);
}

TEST(NetPeers, EndAlikeWithMessagesLostAndDelayed)
{
    PlayAlike({"--latency", "30", "--loss", "5"}, 1);
}

TEST(NetPeers, APeerKilledMidLevelIsSurvived)
{
    const std::string port = Port(1);
    const Peer hosting = Launch({"--host", port, "--paced"});
    const Peer joining = Launch({"--join", "127.0.0.1:" + port, "--paced"});
    std::this_thread::sleep_for(std::chrono::seconds(3));
    kill(joining.pid, SIGKILL);
    int status = 0;
    Finish(joining, status);
    const std::string hostOut = Finish(hosting, status);
    EXPECT_EQ(status, 3);
    EXPECT_NE(hostOut.find("left before the end"), std::string::npos) << hostOut;
    EXPECT_NE(hostOut.find("ended: The other player"), std::string::npos) << hostOut;
}

TEST(NetPeers, AnotherVersionIsRefusedOnBothSides)
{
    const std::string port = Port(2);
    const Peer hosting = Launch({"--host", port});
    const Peer joining = Launch({"--join", "127.0.0.1:" + port, "--version", "0.1"});
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
    const std::string port = Port(3);
    const Peer hosting = Launch({"--host", port, "--paced", "--time", "4"});
    const Peer first = Launch({"--join", "127.0.0.1:" + port, "--paced"});
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const Peer second = Launch({"--join", "127.0.0.1:" + port});
    int status = 0;
    const std::string secondOut = Finish(second, status);
    EXPECT_NE(secondOut.find("ended: The host already has a player"), std::string::npos)
        << secondOut;
    const std::string firstOut = Finish(first, status);
    const std::string hostOut = Finish(hosting, status);
    // The level played on undisturbed (the first player may then see the host leave).
    EXPECT_EQ(firstOut.substr(0, hostOut.size()), hostOut);
    EXPECT_NE(hostOut.find("level 1: gulper wins"), std::string::npos) << hostOut;
}

TEST(NetPeers, AHostPlaysASecondPlayerAfterTheFirstLeft)
{
    const std::string port = Port(4);
    // The host's end pause runs at its real pace: the first player has left by its end.
    const Peer hosting = Launch({"--host", port, "--levels", "2", "--time", "4", "--paced"});
    const Peer first = Launch({"--join", "127.0.0.1:" + port, "--levels", "1", "--leave-at-once"});
    int status = 0;
    const std::string firstOut = Finish(first, status);
    EXPECT_EQ(status, 0) << firstOut;
    const Peer second = Launch({"--join", "127.0.0.1:" + port, "--levels", "1"});
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
    const std::string port = Port(5);
    const Peer hosting = Launch({"--host", port, "--time", "20"});
    const Peer joining = Launch({"--join", "127.0.0.1:" + port, "--exit-after", "100"});
    int status = 0;
    const std::string joinOut = Finish(joining, status);
    const std::string hostOut = Finish(hosting, status);
    EXPECT_NE(hostOut.find("level 1: left before the end"), std::string::npos) << hostOut;
    EXPECT_NE(hostOut.find("notice: The other player left the level"), std::string::npos) << hostOut;
    EXPECT_EQ(joinOut.find("The other player left the level"), std::string::npos) << joinOut;
}
