// The relay server: pairs two players of Gulpwise by a room code and lets up
// to eight spectators watch, forwarding the games' messages over WebSocket
// without reading them. Also answers /health and, when given a folder,
// serves the browser version's files over plain HTTP on the same port.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include <boost/asio/io_context.hpp>

#include "net/RelayProtocol.h"

struct RelayOptions {
    std::string bind = "127.0.0.1";         // the address to listen on
    std::uint16_t port = RelayDefaultPort;  // 0: any free port (see RelayServer::Port)
    int maxRooms = 2000;                    // rooms open at once
    int maxConnections = 10000;             // connections at once, all addresses together
    int maxConnectionsPerAddress = 64;      // connections at once from one source address
    int helloTimeoutMs = 5000;              // from accepting a connection to its hello (or HTTP request)
    int idleTimeoutMs = 30000;              // a connection silent this long (no message, no ping) is closed
    int closeGraceMs = 2000;                // how long a closing connection may take to say goodbye
    double messagesPerSecond = 60;          // the rate limit per connection (a token bucket)...
    double messageBurst = 200;              // ...and the burst it allows
    std::size_t sendQueueBytes = 4 << 20;   // a connection whose unsent messages exceed this is dropped
    std::size_t backlogBytes = 1 << 20;     // the most a room keeps for spectators who join late
    std::string site;                       // a folder to serve over HTTP; empty: none
    std::string codePrefix;                 // what every room code starts with (a relay's letter); may be empty
    std::ostream* log = nullptr;            // where room events go, one line each; null: nowhere
};

// What the server holds now; readable from any thread.
struct RelayCounts {
    std::atomic<int> rooms{0};
    std::atomic<int> connections{0};
    std::atomic<int> refused{0};  // connections turned away by the connection limits
};

class RelayServer {
public:
    RelayServer(boost::asio::io_context& io, RelayOptions options);
    ~RelayServer();
    RelayServer(const RelayServer&) = delete;
    RelayServer& operator=(const RelayServer&) = delete;

    // Binds and starts accepting; false with the reason in error.
    bool Start(std::string& error);
    // The port it listens on (the one the system chose for port 0).
    std::uint16_t Port() const;
    // Stops accepting, tells every game "the server is closing" and closes
    // each connection; the io_context's run() returns once all are gone.
    // Call on the io_context's thread (post it from elsewhere).
    void Stop();
    const RelayCounts& Counts() const;

    struct Impl;

private:
    std::shared_ptr<Impl> impl;
};
