// The gulpwise-relay program itself: it prints the port it listens on, logs
// room events, and on SIGTERM tells every game that it is closing and exits 0.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/relay/RelaySupport.h"

using namespace relaytest;

namespace {

// The relay program as a child process, its standard output (and error) collected.
class RelayProcess {
public:
    explicit RelayProcess(std::vector<std::string> args)
    {
        args.insert(args.begin(), GULPWISE_RELAY);
        int ends[2];
        if (pipe(ends) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(ends[1], STDOUT_FILENO);
            dup2(ends[1], STDERR_FILENO);
            close(ends[0]);
            std::vector<char*> argv;
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(ends[1]);
        output = ends[0];
    }
    ~RelayProcess()
    {
        if (pid > 0 && !ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (output >= 0)
            close(output);
    }
    // Reads its output until the text appears in it or the patience runs out.
    bool WaitFor(const std::string& text)
    {
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while (text.empty() || seen.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd ready{output, POLLIN, 0};
            if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0)
                return false;
            char chunk[4096];
            const ssize_t got = read(output, chunk, sizeof chunk);
            if (got <= 0)
                return false;
            seen.append(chunk, static_cast<std::size_t>(got));
        }
        return true;
    }
    // The port from its "listening on ADDRESS:PORT" line; 0 when none came.
    std::uint16_t Port()
    {
        if (!WaitFor("\n") || !WaitFor("listening on 127.0.0.1:"))
            return 0;
        const auto at = seen.find("listening on 127.0.0.1:") + std::string("listening on 127.0.0.1:").size();
        WaitFor("\n");
        return static_cast<std::uint16_t>(std::stoi(seen.substr(at)));
    }
    // Waits for it to end: its exit status, -1 when it did not exit normally.
    int Wait()
    {
        WaitFor("\x01");  // reads to the end of its output
        int status = 0;
        waitpid(pid, &status, 0);
        ended = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    pid_t pid = -1;
    std::string seen;  // its output so far

private:
    int output = -1;
    bool ended = false;
};

}  // namespace

TEST(RelayProgram, SigtermTellsGamesTheServerIsClosingAndExitsZero)
{
    RelayProcess relay({"--port", "0"});
    const std::uint16_t port = relay.Port();
    ASSERT_NE(port, 0) << relay.seen;
    Room room;
    ASSERT_TRUE(OpenRoom("ws://127.0.0.1:" + std::to_string(port), room));
    EXPECT_TRUE(PlaysOn(room));
    EXPECT_TRUE(relay.WaitFor("room " + room.code + " created")) << relay.seen;
    EXPECT_TRUE(relay.WaitFor("room " + room.code + " joined")) << relay.seen;

    kill(relay.pid, SIGTERM);
    for (RelayLink* link : {&room.creator, &room.joiner}) {
        ASSERT_TRUE(Expect(*link, LinkEventKind::Left));
        EXPECT_EQ(link->LeftReason(), "the server is closing");
    }
    EXPECT_EQ(relay.Wait(), 0) << relay.seen;
    EXPECT_NE(relay.seen.find("room " + room.code + " closed"), std::string::npos) << relay.seen;
}

TEST(RelayProgram, BadOptionsAreExplained)
{
    RelayProcess unknown({"--colour", "blue"});
    EXPECT_EQ(unknown.Wait(), 2);
    EXPECT_NE(unknown.seen.find("unknown option --colour"), std::string::npos) << unknown.seen;
    RelayProcess port({"--port", "http"});
    EXPECT_EQ(port.Wait(), 2);
    EXPECT_NE(port.seen.find("--port http: not a number"), std::string::npos) << port.seen;
    RelayProcess help({"--help"});
    EXPECT_EQ(help.Wait(), 0);
    EXPECT_NE(help.seen.find("--max-rooms"), std::string::npos) << help.seen;
}
