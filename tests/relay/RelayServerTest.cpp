// The relay server with games on RelayLink: rooms, forwarding, spectators and
// their backlog, the limits, bad clients (each time with a room in play that
// must play on unharmed), the timeouts, /health, the site, and the stop.
#include <sys/socket.h>

#include <boost/beast/http.hpp>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "tests/relay/RelaySupport.h"

using namespace relaytest;
namespace http = beast::http;

namespace {

// An HTTP GET on the relay's port: the status and the body, with the content type.
struct Answer {
    int status = 0;
    std::string type;
    std::string body;
};

Answer Get(std::uint16_t port, const std::string& target)
{
    asio::io_context io;
    tcp::socket socket(io);
    socket.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
    http::request<http::empty_body> request(http::verb::get, target, 11);
    request.set(http::field::host, "127.0.0.1");
    http::write(socket, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    beast::error_code error;
    http::read(socket, buffer, response, error);
    if (error)
        return {};
    return {static_cast<int>(response.result_int()), std::string(response[http::field::content_type]),
            response.body()};
}

// A raw client that has said hello as a creator and read its room code.
std::unique_ptr<RawClient> RawCreator(std::uint16_t port)
{
    auto client = std::make_unique<RawClient>(port);
    RelayMessage room;
    EXPECT_TRUE(client->Handshake());
    EXPECT_TRUE(client->Send(RelayHello(RelayRole::Create, "")));
    EXPECT_TRUE(client->Read(room));
    EXPECT_EQ(room.kind, RelayKind::Room);
    return client;
}

}  // namespace

TEST(RelayServer, PlayersMeetByCodeAndMessagesGoAcross)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    EXPECT_TRUE(IsRelayCode(room.code)) << room.code;
    EXPECT_EQ(room.joiner.RoomCode(), room.code);
    EXPECT_TRUE(PlaysOn(room, 50));
    EXPECT_EQ(server.Counts().rooms, 1);

    // The joiner leaves: the creator hears it, and the room takes another joiner.
    room.joiner.Leave();
    LinkEvent left;
    ASSERT_TRUE(Expect(room.creator, LinkEventKind::Left, &left));
    EXPECT_EQ(room.creator.LeftReason(), "the other player left");
    EXPECT_FALSE(room.creator.HasPeer());
    std::string error;
    ASSERT_TRUE(room.joiner.Join(server.Url(), room.code, error));
    ASSERT_TRUE(Expect(room.joiner, LinkEventKind::Joined));
    ASSERT_TRUE(Expect(room.creator, LinkEventKind::Joined));
    EXPECT_TRUE(PlaysOn(room));

    // The creator leaves: the room closes.
    room.creator.Leave();
    ASSERT_TRUE(Expect(room.joiner, LinkEventKind::Left));
    EXPECT_EQ(room.joiner.LeftReason(), "the host left");
    EXPECT_TRUE(WaitUntil([&] { return server.Counts().rooms == 0; }));
}

TEST(RelayServer, CodePrefixNamesTheRelay)
{
    RelayOptions options;
    options.codePrefix = "K";
    ServerThread server(options);
    for (int i = 0; i < 5; ++i) {
        Room room;
        ASSERT_TRUE(OpenRoom(server.Url(), room));
        EXPECT_EQ(room.code[0], 'K') << room.code;
        EXPECT_TRUE(PlaysOn(room, 2));
    }
    options.codePrefix = "0";
    asio::io_context io;
    RelayServer bad(io, options);
    std::string error;
    EXPECT_FALSE(bad.Start(error));
    EXPECT_NE(error.find("code prefix"), std::string::npos) << error;
}

TEST(RelayServer, RelayRefusesUnknownRoomsFullRoomsAndTooManyRooms)
{
    RelayOptions options;
    options.maxRooms = 2;
    ServerThread server(options);
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    std::string error;

    RelayLink third;
    ASSERT_TRUE(third.Join(server.Url(), room.code, error));
    ASSERT_TRUE(Expect(third, LinkEventKind::Left));
    EXPECT_EQ(third.LeftReason(), "room " + room.code + " is full");

    const std::string unknown = room.code == "ABC234" ? "ABC235" : "ABC234";
    ASSERT_TRUE(third.Join(server.Url(), unknown, error));
    ASSERT_TRUE(Expect(third, LinkEventKind::Left));
    EXPECT_EQ(third.LeftReason(), "no room with code " + unknown);

    RelayLink second, overCap;
    ASSERT_TRUE(second.Create(server.Url(), error));
    ASSERT_TRUE(WaitUntil([&] {
        LinkEvent ignored;
        second.Poll(ignored, 10);
        return !second.RoomCode().empty();
    }));
    ASSERT_TRUE(overCap.Create(server.Url(), error));
    ASSERT_TRUE(Expect(overCap, LinkEventKind::Left));
    EXPECT_EQ(overCap.LeftReason(), "the server is full");
    EXPECT_EQ(server.Counts().rooms, 2);

    EXPECT_FALSE(third.Join(server.Url(), "OIL", error));
    EXPECT_FALSE(third.Join("http://127.0.0.1:1", room.code, error));
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, LateSpectatorGetsBacklogThenLiveMessages)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    using namespace RelayFlag;
    // Each step waits until the relay has passed on the one before: the two
    // players' messages reach the relay in the order they are meant to.
    room.creator.Send({0}, ToPeer | ToSpectators);                 // before the history: not kept
    room.creator.Send({1}, ToPeer | ToSpectators | HistoryStart);  // the history starts
    EXPECT_EQ(NextMessage(room.joiner).bytes, Bytes{0});
    EXPECT_EQ(NextMessage(room.joiner).bytes, Bytes{1});
    room.joiner.Send({2});
    EXPECT_EQ(NextMessage(room.creator).bytes, Bytes{2});
    room.creator.Send({4}, ToSpectators);
    room.creator.Send({3}, ToPeer);  // for the other player only
    EXPECT_EQ(NextMessage(room.joiner).bytes, Bytes{3});

    RelayLink spectator;
    std::string error;
    ASSERT_TRUE(spectator.Watch(server.Url(), room.code, error));
    std::vector<LinkEvent> before;
    ASSERT_TRUE(Expect(spectator, LinkEventKind::Joined, nullptr, &before));
    EXPECT_TRUE(before.empty());
    EXPECT_TRUE(spectator.HasPeer());
    const std::vector<std::pair<int, int>> backlog = {{1, 0}, {2, 1}, {4, 0}};
    for (const auto& [byte, sender] : backlog) {
        const LinkEvent event = NextMessage(spectator);
        EXPECT_EQ(event.bytes, Bytes{static_cast<std::uint8_t>(byte)});
        EXPECT_EQ(event.sender, sender);
    }
    room.joiner.Send({5});
    const LinkEvent live = NextMessage(spectator);
    EXPECT_EQ(live.bytes, Bytes{5});
    EXPECT_EQ(live.sender, 1);
    spectator.Send({6});  // a spectator's messages go nowhere
    EXPECT_EQ(NextMessage(room.creator).bytes, Bytes{5});

    // A new history start: a spectator who comes now sees only what follows it.
    room.creator.Send({7}, ToSpectators | HistoryStart);
    RelayLink second;
    ASSERT_TRUE(second.Watch(server.Url(), room.code, error));
    ASSERT_TRUE(Expect(second, LinkEventKind::Joined));
    EXPECT_EQ(NextMessage(second).bytes, Bytes{7});
    EXPECT_EQ(NextMessage(spectator).bytes, Bytes{7});
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, SpectatorBeforeTheHistoryWaitsForItsStart)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    RelayLink spectator;
    std::string error;
    ASSERT_TRUE(spectator.Watch(server.Url(), room.code, error));
    std::vector<LinkEvent> before;
    ASSERT_TRUE(WaitUntil([&] {
        LinkEvent event;
        if (spectator.Poll(event, 10))
            before.push_back(event);
        return server.Counts().connections == 3;
    }));
    room.creator.Send({1}, RelayFlag::ToSpectators);
    room.creator.Send({2}, RelayFlag::ToSpectators | RelayFlag::HistoryStart);
    ASSERT_TRUE(Expect(spectator, LinkEventKind::Joined, nullptr, &before));
    EXPECT_TRUE(before.empty());
    EXPECT_EQ(NextMessage(spectator).bytes, Bytes{2});
}

TEST(RelayServer, RelayTakesEightSpectatorsAndNoMore)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    room.creator.Send({1}, RelayFlag::ToSpectators | RelayFlag::HistoryStart);
    std::vector<std::unique_ptr<RelayLink>> spectators;
    std::string error;
    for (int i = 0; i < 8; ++i) {
        spectators.push_back(std::make_unique<RelayLink>());
        ASSERT_TRUE(spectators.back()->Watch(server.Url(), room.code, error));
        ASSERT_TRUE(Expect(*spectators.back(), LinkEventKind::Joined));
    }
    RelayLink ninth;
    ASSERT_TRUE(ninth.Watch(server.Url(), room.code, error));
    ASSERT_TRUE(Expect(ninth, LinkEventKind::Left));
    EXPECT_EQ(ninth.LeftReason(), "room " + room.code + " has no seat for another spectator");
    room.joiner.Send({2}, RelayFlag::ToSpectators);
    for (auto& spectator : spectators) {
        EXPECT_EQ(NextMessage(*spectator).bytes, Bytes{1});
        EXPECT_EQ(NextMessage(*spectator).bytes, Bytes{2});
    }
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, RandomBytesAreAnsweredAndTheRoomPlaysOn)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    std::mt19937 random(22);
    for (int attempt = 0; attempt < 20; ++attempt) {
        RawClient client(server.Port());
        ASSERT_TRUE(client.connected);
        std::vector<std::uint8_t> noise(4096);
        for (auto& byte : noise)
            byte = static_cast<std::uint8_t>(random());
        beast::error_code error;
        asio::write(client.Socket(), asio::buffer(noise), error);
        const std::string answer = client.ReadRawUntilClosed();
        EXPECT_EQ(answer.rfind("HTTP/1.1 400", 0), 0u) << answer;
    }
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, PlainHttpOnTheWebSocketPathGetsAClearAnswer)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    const Answer answer = Get(server.Port(), "/");
    EXPECT_EQ(answer.status, 404);
    EXPECT_NE(answer.body.find("Gulpwise relay"), std::string::npos) << answer.body;
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, MessageOverTheLimitClosesTheConnection)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    // A message of the largest size is forwarded...
    const Bytes largest(RelayMaxMessageBytes - 2, 7);
    room.creator.Send(largest);
    EXPECT_EQ(NextMessage(room.joiner).bytes, largest);
    // ...and one byte more ends the sender's connection.
    auto client = RawCreator(server.Port());
    client->Send(RelayData(RelayFlag::ToPeer, Bytes(RelayMaxMessageBytes - 1, 7)));
    EXPECT_TRUE(client->ClosedByRelay());
    EXPECT_TRUE(WaitUntil([&] { return server.Counts().connections == 2; }));
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, BurstOfTenThousandMessagesClosesTheFlooder)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    Room flooded;
    ASSERT_TRUE(OpenRoom(server.Url(), flooded));
    flooded.joiner.Leave();
    ASSERT_TRUE(Expect(flooded.creator, LinkEventKind::Left));
    const auto start = std::chrono::steady_clock::now();
    auto client = std::make_unique<RawClient>(server.Port());
    ASSERT_TRUE(client->Handshake());
    ASSERT_TRUE(client->Send(RelayHello(RelayRole::Join, flooded.code)));
    int sent = 0;
    for (; sent < 10000; ++sent)
        if (!client->Send(RelayData(RelayFlag::ToPeer, {1, 2, 3})))
            break;
    EXPECT_EQ(client->ReadUntilText(), "too many messages: at most 60 a second");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The flooder's peer got no more than the burst and the rate since the start allow.
    int received = 0;
    LinkEvent event;
    while (flooded.creator.Poll(event, 200))
        received += event.kind == LinkEventKind::Message;
    EXPECT_LE(received, 200 + static_cast<int>(60 * seconds) + 1);
    EXPECT_GT(received, 100);
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, FiveHundredIdleConnectionsAreClosedAndTheRoomPlaysOn)
{
    RelayOptions options;
    options.helloTimeoutMs = 300;
    options.maxConnectionsPerAddress = 1000;
    ServerThread server(options);
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    std::vector<std::unique_ptr<RawClient>> idle;
    for (int i = 0; i < 500; ++i) {
        idle.push_back(std::make_unique<RawClient>(server.Port()));
        ASSERT_TRUE(idle.back()->connected);
    }
    EXPECT_TRUE(PlaysOn(room));
    ASSERT_TRUE(WaitUntil([&] { return server.Counts().connections == 2; }));
    for (auto& client : idle)
        EXPECT_EQ(client->ReadRawUntilClosed(), "");
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, ConnectionsOverTheLimitsAreTurnedAway)
{
    RelayOptions options;
    options.maxConnectionsPerAddress = 6;
    ServerThread server(options);
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < 4; ++i)
        held.push_back(std::make_unique<RawClient>(server.Port()));
    ASSERT_TRUE(WaitUntil([&] { return server.Counts().connections == 6; }));
    RawClient over(server.Port());
    EXPECT_EQ(over.ReadRawUntilClosed(), "");
    EXPECT_EQ(server.Counts().refused, 1);
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, ConnectionsOverTheTotalAreTurnedAway)
{
    RelayOptions options;
    options.maxConnections = 4;
    ServerThread server(options);
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    RawClient third(server.Port()), fourth(server.Port());
    ASSERT_TRUE(WaitUntil([&] { return server.Counts().connections == 4; }));
    RawClient over(server.Port());
    EXPECT_EQ(over.ReadRawUntilClosed(), "");
    EXPECT_EQ(server.Counts().refused, 1);
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, ClientThatNeverReadsIsDroppedAndTheRoomPlaysOn)
{
    RelayOptions options;
    options.sendQueueBytes = 256 * 1024;
    options.messagesPerSecond = 100000;
    options.messageBurst = 100000;
    ServerThread server(options);
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    // A spectator with a small receive buffer that never reads.
    RawClient sleeper(server.Port());
    const int small = 4096;
    setsockopt(sleeper.Socket().native_handle(), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    ASSERT_TRUE(sleeper.Handshake());
    ASSERT_TRUE(sleeper.Send(RelayHello(RelayRole::Watch, room.code)));
    ASSERT_TRUE(WaitUntil([&] { return server.Counts().connections == 3; }));
    const Bytes big(32 * 1024, 1);
    int sent = 0;
    const bool dropped = WaitUntil([&] {
        room.creator.Send(big, RelayFlag::ToSpectators | (sent == 0 ? RelayFlag::HistoryStart : 0));
        ++sent;
        LinkEvent ignored;
        room.creator.Poll(ignored, 0);
        return server.Counts().connections == 2;
    });
    EXPECT_TRUE(dropped) << sent << " messages sent";
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, HelloTimeoutClosesSilentConnections)
{
    RelayOptions options;
    options.helloTimeoutMs = 200;
    ServerThread server(options);
    RawClient websocket(server.Port());
    ASSERT_TRUE(websocket.Handshake());
    EXPECT_EQ(websocket.ReadUntilText(), "no hello within 200 ms");
    RawClient bare(server.Port());
    EXPECT_EQ(bare.ReadRawUntilClosed(), "");
    EXPECT_TRUE(WaitUntil([&] { return server.Counts().connections == 0; }));
}

TEST(RelayServer, IdleTimeoutClosesSilentPlayers)
{
    RelayOptions options;
    options.idleTimeoutMs = 300;
    ServerThread server(options);
    auto creator = RawCreator(server.Port());
    EXPECT_EQ(creator->ReadUntilText(), "silent for 300 ms");
    EXPECT_TRUE(WaitUntil([&] { return server.Counts().rooms == 0 && server.Counts().connections == 0; }));
}

// A browser cannot ping: a room waiting for its second player and a spectator
// waiting for a level stay by sending keepalives, and a spectator may send nothing else.
TEST(RelayServer, KeepAlivesKeepAWaitingRoomAndASpectator)
{
    RelayOptions options;
    options.idleTimeoutMs = 300;
    constexpr auto Pace = std::chrono::milliseconds(100);  // a third of the idle time
    constexpr int KeepAlives = 9;                          // three idle times in all
    ServerThread server(options);
    RawClient creator(server.Port());
    RelayMessage room;
    ASSERT_TRUE(creator.Handshake());
    ASSERT_TRUE(creator.Send(RelayHello(RelayRole::Create, "")));
    ASSERT_TRUE(creator.Read(room));
    RawClient spectator(server.Port());
    ASSERT_TRUE(spectator.Handshake());
    ASSERT_TRUE(spectator.Send(RelayHello(RelayRole::Watch, room.code)));
    for (int i = 0; i < KeepAlives; ++i) {
        std::this_thread::sleep_for(Pace);  // the clients' pace, not a wait for the relay
        ASSERT_TRUE(creator.Send(RelayKeepAlive()));
        ASSERT_TRUE(spectator.Send(RelayKeepAlive()));
    }
    EXPECT_EQ(server.Counts().rooms, 1);
    EXPECT_EQ(server.Counts().connections, 2);
    ASSERT_TRUE(creator.Send(RelayData(RelayFlag::ToSpectators | RelayFlag::HistoryStart, {7})));
    RelayMessage message;
    ASSERT_TRUE(spectator.Read(message));
    EXPECT_EQ(message.kind, RelayKind::PeerJoined);
    ASSERT_TRUE(spectator.Read(message));
    EXPECT_EQ(message.payload, Bytes{7});
    spectator.Send(RelayData(RelayFlag::ToPeer, {1}));
    EXPECT_EQ(spectator.ReadUntilText(), "a spectator cannot send");
}

TEST(RelayServer, MalformedAndMisplacedMessagesAreRefused)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    RawClient data(server.Port());
    ASSERT_TRUE(data.Handshake());
    data.Send(RelayData(RelayFlag::ToPeer, {1}));
    EXPECT_EQ(data.ReadUntilText(), "the first message must be a hello");
    RawClient garbage(server.Port());
    ASSERT_TRUE(garbage.Handshake());
    garbage.Send({1, 1, 7});
    EXPECT_EQ(garbage.ReadUntilText(), "a malformed message");
    RawClient old(server.Port());
    ASSERT_TRUE(old.Handshake());
    old.Send({1, 9, 0});
    EXPECT_EQ(old.ReadUntilText(), "this relay speaks relay protocol 1, the game speaks 9: update the older one");
    EXPECT_TRUE(PlaysOn(room));
}

TEST(RelayServer, StopSendsClosingToEveryGame)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    RelayLink spectator;
    std::string error;
    ASSERT_TRUE(spectator.Watch(server.Url(), room.code, error));
    ASSERT_TRUE(WaitUntil([&] {
        LinkEvent event;
        spectator.Poll(event, 10);
        return server.Counts().connections == 3;
    }));
    server.Stop();  // returns once the server's thread has ended
    for (RelayLink* link : {&room.creator, &room.joiner, &spectator}) {
        ASSERT_TRUE(Expect(*link, LinkEventKind::Left));
        EXPECT_EQ(link->LeftReason(), "the server is closing");
    }
}

TEST(RelayServer, HealthTellsRoomsAndConnections)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    const Answer answer = Get(server.Port(), "/health");
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.type, "application/json");
    EXPECT_NE(answer.body.find("\"rooms\":1,"), std::string::npos) << answer.body;
    EXPECT_NE(answer.body.find("\"players\":2,"), std::string::npos) << answer.body;
    EXPECT_NE(answer.body.find("\"connections\":3,"), std::string::npos) << answer.body;
}

TEST(RelayServer, SiteIsServedWithoutLeavingItsFolder)
{
    namespace fs = std::filesystem;
    const fs::path top = fs::temp_directory_path() / ("relay-site-" + std::to_string(getpid()));
    fs::remove_all(top);
    fs::create_directories(top / "site" / "sub");
    const auto write = [](const fs::path& path, const std::string& text) { std::ofstream(path) << text; };
    write(top / "secret.txt", "secret");
    write(top / "site" / "index.html", "<p>game</p>");
    write(top / "site" / "gulpwise.wasm", "wasm");
    write(top / "site" / "gulpwise.data", "data");
    write(top / "site" / "gulpwise.js", "js");
    write(top / "site" / "sub" / "index.html", "sub");
    fs::create_symlink(top / "secret.txt", top / "site" / "link.txt");

    RelayOptions options;
    options.site = (top / "site").string();
    ServerThread server(options);
    const auto check = [&](const std::string& target, int status, const std::string& type,
                           const std::string& body) {
        const Answer answer = Get(server.Port(), target);
        EXPECT_EQ(answer.status, status) << target;
        if (status == 200) {
            EXPECT_EQ(answer.type, type) << target;
            EXPECT_EQ(answer.body, body) << target;
        }
        EXPECT_EQ(answer.body.find("secret"), std::string::npos) << target;
    };
    check("/", 200, "text/html; charset=utf-8", "<p>game</p>");
    check("/index.html?v=2", 200, "text/html; charset=utf-8", "<p>game</p>");
    check("/gulpwise.wasm", 200, "application/wasm", "wasm");
    check("/gulpwise.data", 200, "application/octet-stream", "data");
    check("/gulpwise.js", 200, "text/javascript; charset=utf-8", "js");
    check("/sub/", 200, "text/html; charset=utf-8", "sub");
    check("/../secret.txt", 400, "", "");
    check("/sub/../../secret.txt", 400, "", "");
    check("/%2e%2e/secret.txt", 400, "", "");
    check("/..%2fsecret.txt", 400, "", "");
    check("/link.txt", 404, "", "");
    check("/missing.html", 404, "", "");
    check("/health", 200, "application/json", Get(server.Port(), "/health").body);
    fs::remove_all(top);
}

TEST(RelayLink, OfflineLinkWaitsInPollInsteadOfSpinning)
{
    RelayLink link;
    LinkEvent event;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link.Poll(event, 30));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    EXPECT_FALSE(link.HasPeer());
    link.Send({1});  // goes nowhere, harms nothing
}

TEST(RelayLink, UnreachableRelayEndsWithAReason)
{
    std::uint16_t port = 0;
    {
        // A port nobody listens on: one the system just gave out, closed again.
        asio::io_context io;
        tcp::acceptor acceptor(io, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0));
        port = acceptor.local_endpoint().port();
    }
    RelayLink link;
    std::string error;
    ASSERT_TRUE(link.Create("ws://127.0.0.1:" + std::to_string(port), error));
    ASSERT_TRUE(Expect(link, LinkEventKind::Left));
    EXPECT_EQ(link.LeftReason().rfind("cannot reach the relay at 127.0.0.1:" + std::to_string(port), 0), 0u)
        << link.LeftReason();
}

TEST(RelayLink, RoundTripIsMeasured)
{
    ServerThread server;
    Room room;
    ASSERT_TRUE(OpenRoom(server.Url(), room));
    EXPECT_TRUE(WaitUntil([&] {
        LinkEvent ignored;
        room.creator.Poll(ignored, 10);
        return room.creator.RoundTripMilliseconds() >= 0;
    }));
    EXPECT_LT(room.creator.RoundTripMilliseconds(), PatienceMs);
}
