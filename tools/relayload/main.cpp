// gulpwise-relayload: a load test of the relay server. Opens N rooms with two
// players each (2N WebSocket connections, all on one thread of this process),
// has every player send 20 small messages a second to the other, each
// carrying its send time, and measures the time from sending to receiving at
// the other player: the latency the relay adds on top of the network (here
// the loopback). Starts its own relay unless given --url, and then also
// reports the relay's share of a core.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "net/RelayProtocol.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int MessagesPerSecond = 20;  // per player, as a game in lockstep sends
constexpr int PayloadBytes = 16;       // the send time, then padding
constexpr auto TickInterval = std::chrono::milliseconds(1);
constexpr int TicksPerSend = 1000 / MessagesPerSecond;  // each player sends on one tick in 50
constexpr auto WarmUp = std::chrono::seconds(2);        // samples before this are not counted

std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

struct Load;

// One simulated player: a WebSocket to the relay, its queue of messages to send.
class Player {
public:
    Player(Load& load, asio::io_context& io, int index) : load(load), ws(io), index(index) {}
    void Start(const tcp::endpoint& relay, RelayRole role, const std::string& code);
    void SendTimed();
    std::string code;     // the room's code, once the relay said it
    bool joined = false;  // the other player is there
    bool failed = false;

private:
    void Read();
    void Write(std::vector<std::uint8_t> bytes);
    void WriteNext();

    Load& load;
    websocket::stream<tcp::socket> ws;
    beast::flat_buffer buffer;
    std::deque<std::vector<std::uint8_t>> queue;
    bool writing = false;
    int index;
};

struct Load {
    std::vector<std::int64_t> latencies;  // nanoseconds, after the warm-up
    std::int64_t countFrom = 0;           // Now() when the warm-up ends
    std::int64_t received = 0;            // messages received after the warm-up
    int failures = 0;
    std::string firstFailure;
};

void Player::Start(const tcp::endpoint& relay, RelayRole role, const std::string& roomCode)
{
    ws.next_layer().async_connect(relay, [this, role, roomCode](beast::error_code error) {
        if (error) {
            failed = true;
            ++load.failures;
            load.firstFailure = "connect: " + error.message();
            return;
        }
        ws.next_layer().set_option(tcp::no_delay(true));
        ws.binary(true);
        ws.secure_prng(false);  // masks from the fast generator: the tool's own cost stays small
        ws.async_handshake("127.0.0.1", "/", [this, role, roomCode](beast::error_code error) {
            if (error) {
                failed = true;
                ++load.failures;
                load.firstFailure = "handshake: " + error.message();
                return;
            }
            Write(RelayHello(role, roomCode));
            Read();
        });
    });
}

void Player::Read()
{
    ws.async_read(buffer, [this](beast::error_code error, std::size_t) {
        if (error) {
            if (!failed) {
                failed = true;
                ++load.failures;
                load.firstFailure = "read: " + error.message();
            }
            return;
        }
        RelayMessage message;
        if (DecodeRelayMessage(static_cast<const std::uint8_t*>(buffer.data().data()), buffer.size(),
                               message)) {
            if (message.kind == RelayKind::Room)
                code = message.code;
            else if (message.kind == RelayKind::PeerJoined)
                joined = true;
            else if (message.kind == RelayKind::Delivery && message.payload.size() >= sizeof(std::int64_t)) {
                std::int64_t sent = 0;
                std::memcpy(&sent, message.payload.data(), sizeof sent);
                if (sent >= load.countFrom && load.countFrom > 0) {
                    load.latencies.push_back(Now() - sent);
                    ++load.received;
                }
            } else if (message.kind == RelayKind::Error || message.kind == RelayKind::Closing) {
                failed = true;
                ++load.failures;
                load.firstFailure = "relay: " + message.text;
            }
        }
        buffer.consume(buffer.size());
        Read();
    });
}

void Player::SendTimed()
{
    if (!joined || failed)
        return;
    std::vector<std::uint8_t> payload(PayloadBytes, static_cast<std::uint8_t>(index));
    const std::int64_t now = Now();
    std::memcpy(payload.data(), &now, sizeof now);
    Write(RelayData(RelayFlag::ToPeer, payload));
}

void Player::Write(std::vector<std::uint8_t> bytes)
{
    queue.push_back(std::move(bytes));
    if (!writing)
        WriteNext();
}

void Player::WriteNext()
{
    if (queue.empty()) {
        writing = false;
        return;
    }
    writing = true;
    ws.async_write(asio::buffer(queue.front()), [this](beast::error_code error, std::size_t) {
        if (error) {
            writing = false;
            return;
        }
        queue.pop_front();
        WriteNext();
    });
}

// Processor seconds (user and system) a process has used, from /proc.
double ProcessSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    // After the name: state is field 3; utime and stime are fields 14 and 15.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14)
            user = std::stoull(field);
        if (number == 15)
            system = std::stoull(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Processor seconds (user and system) this process has used.
double OwnSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Starts gulpwise-relay on a port of the system's choosing; its pid, and the port.
pid_t StartRelay(int rooms, std::uint16_t& port)
{
    int ends[2];
    if (pipe(ends) != 0)
        return -1;
    const std::string maxRooms = std::to_string(rooms + 10);
    const std::string maxConnections = std::to_string(2 * rooms + 100);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        execl(GULPWISE_RELAY, GULPWISE_RELAY, "--port", "0", "--max-rooms", maxRooms.c_str(),
              "--max-connections", maxConnections.c_str(), "--max-per-address", maxConnections.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    std::string seen;
    char chunk[256];
    while (seen.find('\n') == std::string::npos) {
        const ssize_t got = read(ends[0], chunk, sizeof chunk);
        if (got <= 0)
            return -1;
        seen.append(chunk, static_cast<std::size_t>(got));
    }
    const auto colon = seen.rfind(':', seen.find('\n'));
    port = static_cast<std::uint16_t>(std::stoi(seen.substr(colon + 1)));
    // The room log goes on into the pipe: a thread-less drain would block the
    // relay once the pipe fills, so it is sent to /dev/null by a child that reads it.
    if (fork() == 0) {
        while (read(ends[0], chunk, sizeof chunk) > 0) {
        }
        _exit(0);
    }
    close(ends[0]);
    return pid;
}

// Runs the io_context until the condition holds or the time runs out.
bool RunUntil(asio::io_context& io, const std::function<bool()>& condition, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (!condition() && Clock::now() < deadline)
        io.run_one_until(deadline);
    return condition();
}

}  // namespace

int main(int argc, char** argv)
{
    int rooms = 1000;
    int seconds = 20;
    std::string url;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rooms")
            rooms = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--seconds")
            seconds = std::max(3, std::atoi(argv[i + 1]));
        else if (option == "--url")
            url = argv[i + 1];
    }
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
    signal(SIGPIPE, SIG_IGN);

    std::uint16_t port = 0;
    std::string host = "127.0.0.1";
    pid_t relay = -1;
    if (url.empty()) {
        relay = StartRelay(rooms, port);
        if (relay < 0) {
            std::cerr << "gulpwise-relayload: could not start " << GULPWISE_RELAY << "\n";
            return 1;
        }
    } else {
        const auto colon = url.rfind(':');
        if (url.rfind("ws://", 0) != 0 || colon < 5) {
            std::cerr << "gulpwise-relayload: --url ws://ADDRESS:PORT (an IP address)\n";
            return 2;
        }
        host = url.substr(5, colon - 5);
        port = static_cast<std::uint16_t>(std::atoi(url.c_str() + colon + 1));
    }
    const tcp::endpoint endpoint(asio::ip::make_address(host), port);

    asio::io_context io(1);
    Load load;
    std::vector<std::unique_ptr<Player>> creators, joiners;
    for (int i = 0; i < rooms; ++i) {
        creators.push_back(std::make_unique<Player>(load, io, 2 * i));
        creators.back()->Start(endpoint, RelayRole::Create, "");
    }
    const auto allCoded = [&] {
        return load.failures > 0 ||
               std::all_of(creators.begin(), creators.end(), [](auto& p) { return !p->code.empty(); });
    };
    if (!RunUntil(io, allCoded, std::chrono::seconds(60)) || load.failures > 0) {
        std::cerr << "gulpwise-relayload: rooms not opened: " << load.firstFailure << "\n";
        return 1;
    }
    for (int i = 0; i < rooms; ++i) {
        joiners.push_back(std::make_unique<Player>(load, io, 2 * i + 1));
        joiners.back()->Start(endpoint, RelayRole::Join, creators[i]->code);
    }
    const auto allJoined = [&] {
        const auto joined = [](auto& p) { return p->joined; };
        return load.failures > 0 || (std::all_of(creators.begin(), creators.end(), joined) &&
                                     std::all_of(joiners.begin(), joiners.end(), joined));
    };
    if (!RunUntil(io, allJoined, std::chrono::seconds(60)) || load.failures > 0) {
        std::cerr << "gulpwise-relayload: rooms not joined: " << load.firstFailure << "\n";
        return 1;
    }
    std::cout << rooms << " rooms open, " << 2 * rooms << " players, " << MessagesPerSecond
              << " messages a second each, " << seconds << " s" << std::endl;

    // One tick a millisecond; each player sends on its own tick of every 50.
    std::vector<Player*> players;
    for (int i = 0; i < rooms; ++i) {
        players.push_back(creators[i].get());
        players.push_back(joiners[i].get());
    }
    asio::steady_timer ticker(io);
    auto next = Clock::now();
    long long tick = 0;
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    load.countFrom = Now() + std::chrono::duration_cast<std::chrono::nanoseconds>(WarmUp).count();
    double relayStart = 0;
    double ownStart = -1;
    std::function<void()> onTick = [&] {
        const int slot = static_cast<int>(tick++ % TicksPerSend);
        for (std::size_t i = static_cast<std::size_t>(slot); i < players.size(); i += TicksPerSend)
            players[i]->SendTimed();
        if (ownStart < 0 && Clock::now() >= start + WarmUp) {
            ownStart = OwnSeconds();
            relayStart = relay > 0 ? ProcessSeconds(relay) : 0;
        }
        if (Clock::now() >= end)
            return;
        next += TickInterval;
        ticker.expires_at(next);
        ticker.async_wait([&](beast::error_code) { onTick(); });
    };
    onTick();
    RunUntil(io, [&] { return Clock::now() >= end; }, std::chrono::seconds(seconds + 5));
    const double measured = std::chrono::duration<double>(Clock::now() - start - WarmUp).count();
    const double relaySeconds = relay > 0 ? ProcessSeconds(relay) - relayStart : 0;
    const double ownSeconds = OwnSeconds() - ownStart;

    auto& samples = load.latencies;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double share) {
        if (samples.empty())
            return 0.0;
        const auto index = std::min(samples.size() - 1, static_cast<std::size_t>(share * samples.size()));
        return static_cast<double>(samples[index]) / 1e6;
    };
    std::cout.setf(std::ios::fixed);
    std::cout.precision(2);
    std::cout << "latency send to receive (ms): p50 " << at(0.50) << ", p99 " << at(0.99) << ", max "
              << (samples.empty() ? 0.0 : static_cast<double>(samples.back()) / 1e6) << "\n";
    std::cout << "messages received: " << load.received << " (" << load.received / measured
              << " a second, expected " << 2 * rooms * MessagesPerSecond << ")\n";
    if (relay > 0)
        std::cout << "relay CPU: " << 100 * relaySeconds / measured << " % of a core\n";
    std::cout << "load tool CPU: " << 100 * ownSeconds / measured << " % of a core\n";
    std::cout << "failures: " << load.failures << (load.failures ? " (" + load.firstFailure + ")" : "")
              << std::endl;
    if (relay > 0) {
        kill(relay, SIGTERM);
        waitpid(relay, nullptr, 0);
    }
    return load.failures == 0 ? 0 : 1;
}
