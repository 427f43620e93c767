// Support of the relay tests: a relay server running in the test process on
// its own thread (port 0), games on RelayLink, and raw clients that misbehave.
// Everything waits on its condition with a deadline, never a fixed sleep.
#pragma once

#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/RelayLink.h"
#include "relayserver/RelayServer.h"

namespace relaytest {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Bytes = std::vector<std::uint8_t>;

// How long a test waits for something that should come at once.
constexpr auto Patience = std::chrono::seconds(10);
constexpr int PatienceMs = 10000;

// Checks the condition until it holds or the patience runs out; between
// checks of a condition that does not wait itself, the core is given back.
inline bool WaitUntil(const std::function<bool()>& condition)
{
    constexpr auto CheckInterval = std::chrono::milliseconds(1);
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(CheckInterval);
    }
    return true;
}

// A relay server on a thread of its own.
class ServerThread {
public:
    explicit ServerThread(RelayOptions options = {})
    {
        options.port = 0;
        options.bind = "127.0.0.1";
        server = std::make_unique<RelayServer>(io, options);
        std::string error;
        started = server->Start(error);
        EXPECT_TRUE(started) << error;
        thread = std::thread([this] { io.run(); });
    }
    ~ServerThread() { Stop(); }
    // Stops the server as SIGTERM does and waits for its thread to end.
    void Stop()
    {
        if (!thread.joinable())
            return;
        asio::post(io, [this] { server->Stop(); });
        thread.join();
    }
    std::string Url() const { return "ws://127.0.0.1:" + std::to_string(server->Port()); }
    std::uint16_t Port() const { return server->Port(); }
    const RelayCounts& Counts() const { return server->Counts(); }
    bool Running() const { return thread.joinable(); }

private:
    asio::io_context io;
    std::unique_ptr<RelayServer> server;
    std::thread thread;
    bool started = false;
};

// Polls a link until an event of the kind comes (others before it are kept in skipped).
inline bool Expect(RelayLink& link, LinkEventKind kind, LinkEvent* got = nullptr,
                   std::vector<LinkEvent>* skipped = nullptr)
{
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    LinkEvent event;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!link.Poll(event, 50))
            continue;
        if (event.kind == kind) {
            if (got)
                *got = event;
            return true;
        }
        if (skipped)
            skipped->push_back(event);
    }
    return false;
}

// The next message on a link, or an empty one with a failure.
inline LinkEvent NextMessage(RelayLink& link)
{
    LinkEvent event;
    EXPECT_TRUE(Expect(link, LinkEventKind::Message, &event));
    return event;
}

// Two players in a room, created and joined.
struct Room {
    RelayLink creator;
    RelayLink joiner;
    std::string code;
};

inline bool OpenRoom(const std::string& url, Room& room)
{
    std::string error;
    if (!room.creator.Create(url, error))
        return false;
    bool ended = false;
    const bool known = WaitUntil([&] {
        LinkEvent event;
        ended = ended || (room.creator.Poll(event, 10) && event.kind == LinkEventKind::Left);
        return ended || !room.creator.RoomCode().empty();
    });
    if (!known || ended) {
        ADD_FAILURE() << "no room: " << room.creator.LeftReason();
        return false;
    }
    room.code = room.creator.RoomCode();
    return room.joiner.Join(url, room.code, error) && Expect(room.joiner, LinkEventKind::Joined) &&
           Expect(room.creator, LinkEventKind::Joined);
}

// The two players send each other a few messages: true when each came, in order, from the right sender.
inline bool PlaysOn(Room& room, int messages = 20)
{
    for (int i = 0; i < messages; ++i) {
        room.creator.Send({static_cast<std::uint8_t>(i), 0});
        room.joiner.Send({static_cast<std::uint8_t>(i), 1});
    }
    for (int i = 0; i < messages; ++i) {
        const LinkEvent atJoiner = NextMessage(room.joiner);
        const LinkEvent atCreator = NextMessage(room.creator);
        if (atJoiner.bytes != Bytes{static_cast<std::uint8_t>(i), 0} || atJoiner.sender != 0 ||
            atCreator.bytes != Bytes{static_cast<std::uint8_t>(i), 1} || atCreator.sender != 1)
            return false;
    }
    return room.creator.HasPeer() && room.joiner.HasPeer();
}

// A raw connection to the relay, for clients that misbehave. Reads wait at
// most the patience; writes are plain blocking writes.
class RawClient {
public:
    explicit RawClient(std::uint16_t port)
    {
        beast::error_code error;
        ws.next_layer().connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port), error);
        connected = !error;
    }
    bool Handshake()
    {
        beast::error_code error;
        ws.handshake("127.0.0.1", "/", error);
        ws.binary(true);
        return !error;
    }
    tcp::socket& Socket() { return ws.next_layer(); }
    // Sends a relay message; false when the connection is gone.
    bool Send(const Bytes& bytes)
    {
        beast::error_code error;
        ws.write(asio::buffer(bytes), error);
        return !error;
    }
    // The next relay message; false when the connection closed (or nothing came in time).
    bool Read(RelayMessage& message)
    {
        beast::flat_buffer buffer;
        beast::error_code error;
        bool done = false;
        ws.async_read(buffer, [&](beast::error_code got, std::size_t) {
            error = got;
            done = true;
        });
        RunUntilDone(done);
        if (!done || error)
            return false;
        return DecodeRelayMessage(static_cast<const std::uint8_t*>(buffer.data().data()), buffer.size(),
                                  message);
    }
    // Reads until the relay's Error (or Closing), returning its text; empty when none came.
    std::string ReadUntilText()
    {
        RelayMessage message;
        while (Read(message))
            if (message.kind == RelayKind::Error || message.kind == RelayKind::Closing)
                return message.text;
        return {};
    }
    // True when the relay closes the connection (after whatever it sends first).
    bool ClosedByRelay()
    {
        RelayMessage message;
        const auto deadline = std::chrono::steady_clock::now() + Patience;
        while (std::chrono::steady_clock::now() < deadline) {
            if (!Read(message))
                return std::chrono::steady_clock::now() < deadline;
        }
        return false;
    }
    // Everything the relay sends on the bare TCP connection until it closes it.
    std::string ReadRawUntilClosed()
    {
        std::string text;
        char chunk[4096];
        bool closed = false;
        std::function<void()> next = [&] {
            Socket().async_read_some(asio::buffer(chunk), [&](beast::error_code error, std::size_t got) {
                text.append(chunk, got);
                if (error)
                    closed = true;
                else
                    next();
            });
        };
        next();
        RunUntilDone(closed);
        return closed ? text : "(not closed) " + text;
    }
    bool connected = false;

private:
    void RunUntilDone(bool& done)
    {
        io.restart();
        io.run_for(Patience);
        if (!done) {
            beast::error_code ignored;
            Socket().cancel(ignored);
            io.restart();
            io.run();
        }
    }

    asio::io_context io;
    websocket::stream<tcp::socket> ws{io};
};

}  // namespace relaytest
