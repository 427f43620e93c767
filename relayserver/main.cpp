// gulpwise-relay: the relay server of online play by room code (relayserver/RelayServer.h).
// Reads its options, listens, prints where, and runs until SIGTERM or SIGINT,
// when every game hears "the server is closing" and the program exits 0.
#include <sys/resource.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>

#include <charconv>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "relayserver/RelayServer.h"

namespace {

constexpr const char* Usage = R"(Usage: gulpwise-relay [OPTIONS]
The relay server of Gulpwise's online play: two players meet by a room code,
up to eight spectators watch. Games connect by WebSocket; /health answers
over plain HTTP on the same port.

  --port N                 the port to listen on (default 24863; 0: any free port)
  --bind ADDRESS           the address to listen on (default 127.0.0.1; 0.0.0.0: all)
  --max-rooms N            rooms open at once (default 2000)
  --max-connections N      connections at once (default 10000)
  --max-per-address N      connections at once from one address (default 64)
  --hello-timeout-ms N     time a new connection has to say hello (default 5000)
  --idle-timeout-ms N      a connection silent this long is closed (default 30000)
  --rate N                 messages a second per connection (default 60)
  --burst N                messages in a burst per connection (default 200)
  --site DIR               also serve the files of DIR over HTTP (the browser version)
  --code-prefix LETTERS    every room code starts with these (a relay's letter when
                           several relays run side by side; see docs/online.md)
  --help                   this text
)";

// Reads a whole number within the bounds; false when the text is not one.
bool ReadNumber(std::string_view text, long long low, long long high, long long& value)
{
    const auto end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && value >= low && value <= high;
}

// Raises the limit on open files to its hard limit: each connection is one.
void RaiseFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    RelayOptions options;
    options.log = &std::cout;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "-h") {
            std::cout << Usage;
            return 0;
        }
        if (i + 1 >= argc) {
            std::cerr << "gulpwise-relay: " << option << " needs a value, or is unknown (see --help)\n";
            return 2;
        }
        const std::string_view value = argv[++i];
        long long number = 0;
        bool good = true;
        if (option == "--port") {
            good = ReadNumber(value, 0, 65535, number);
            options.port = static_cast<std::uint16_t>(number);
        } else if (option == "--bind") {
            options.bind = value;
        } else if (option == "--site") {
            options.site = value;
        } else if (option == "--code-prefix") {
            options.codePrefix = value;
        } else if (option == "--max-rooms") {
            good = ReadNumber(value, 1, 1000000, number);
            options.maxRooms = static_cast<int>(number);
        } else if (option == "--max-connections") {
            good = ReadNumber(value, 1, 1000000, number);
            options.maxConnections = static_cast<int>(number);
        } else if (option == "--max-per-address") {
            good = ReadNumber(value, 1, 1000000, number);
            options.maxConnectionsPerAddress = static_cast<int>(number);
        } else if (option == "--hello-timeout-ms") {
            good = ReadNumber(value, 1, 3600000, number);
            options.helloTimeoutMs = static_cast<int>(number);
        } else if (option == "--idle-timeout-ms") {
            good = ReadNumber(value, 1, 3600000, number);
            options.idleTimeoutMs = static_cast<int>(number);
        } else if (option == "--rate") {
            good = ReadNumber(value, 1, 1000000, number);
            options.messagesPerSecond = static_cast<double>(number);
        } else if (option == "--burst") {
            good = ReadNumber(value, 1, 1000000, number);
            options.messageBurst = static_cast<double>(number);
        } else {
            std::cerr << "gulpwise-relay: unknown option " << option << " (see --help)\n";
            return 2;
        }
        if (!good) {
            std::cerr << "gulpwise-relay: " << option << " " << value << ": not a number it can take\n";
            return 2;
        }
    }
    RaiseFileLimit();
    std::signal(SIGPIPE, SIG_IGN);

    boost::asio::io_context io(1);
    RelayServer server(io, options);
    std::string error;
    if (!server.Start(error)) {
        std::cerr << "gulpwise-relay: " << error << "\n";
        return 1;
    }
    boost::asio::signal_set signals(io, SIGTERM, SIGINT);
    signals.async_wait([&](const boost::system::error_code& failed, int) {
        if (!failed)
            server.Stop();
    });
    std::cout << "gulpwise-relay listening on " << options.bind << ":" << server.Port() << std::endl;
    io.run();
    std::cout << "gulpwise-relay stopped" << std::endl;
    return 0;
}
