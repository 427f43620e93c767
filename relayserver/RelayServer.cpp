// The relay server's connections and rooms on Boost.Asio and Boost.Beast.
//
// Everything runs on one thread, the thread of the io_context: the rooms,
// the connection counts and every connection's state are then touched by
// one thread only and need no locks, and one core forwards the messages of
// thousands of rooms (docs/performance.md). A relay that needs more grows
// sideways: relays side by side, each with its own rooms (docs/online.md).
#include "relayserver/RelayServer.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

namespace {

constexpr int MaxSpectators = 8;
constexpr int Creator = 0;
constexpr int Joiner = 1;
// What a queued message costs beyond its bytes, so that a flood of tiny
// messages is bounded too.
constexpr std::size_t MessageOverheadBytes = 64;
// The longest HTTP request head; requests carry no body.
constexpr std::uint32_t MaxRequestHeadBytes = 8192;
// After an accept fails (out of file descriptors), this long before the next try.
constexpr auto AcceptRetryDelay = std::chrono::milliseconds(100);
constexpr int RandomCodeAttempts = 100;

std::size_t Cost(const Bytes& bytes)
{
    return bytes->size() + MessageOverheadBytes;
}

Bytes Encode(const RelayMessage& message)
{
    auto bytes = std::make_shared<std::vector<std::uint8_t>>();
    EncodeRelayMessage(message, *bytes);
    return bytes;
}

Bytes Simple(RelayKind kind, std::uint8_t player = 0)
{
    RelayMessage message;
    message.kind = kind;
    message.player = player;
    return Encode(message);
}

std::string ContentType(const std::filesystem::path& path)
{
    static const std::map<std::string, std::string> types = {
        {".html", "text/html; charset=utf-8"}, {".htm", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"}, {".mjs", "text/javascript; charset=utf-8"},
        {".wasm", "application/wasm"}, {".data", "application/octet-stream"},
        {".css", "text/css; charset=utf-8"}, {".json", "application/json"},
        {".png", "image/png"}, {".jpg", "image/jpeg"}, {".svg", "image/svg+xml"},
        {".ico", "image/x-icon"}, {".txt", "text/plain; charset=utf-8"},
        {".webmanifest", "application/manifest+json"}};
    const auto found = types.find(path.extension().string());
    return found == types.end() ? "application/octet-stream" : found->second;
}

// The path of a request's target with %XX decoded; nullopt when it is malformed.
std::optional<std::string> DecodeTarget(std::string_view target)
{
    target = target.substr(0, target.find_first_of("?#"));
    std::string path;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] != '%') {
            path += target[i];
            continue;
        }
        if (i + 2 >= target.size() || !std::isxdigit(static_cast<unsigned char>(target[i + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(target[i + 2])))
            return std::nullopt;
        path += static_cast<char>(std::stoi(std::string(target.substr(i + 1, 2)), nullptr, 16));
        i += 2;
    }
    if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos ||
        path.find('\\') != std::string::npos)
        return std::nullopt;
    return path;
}

// True when a request path climbs out of its folder ("..") anywhere.
bool Climbs(const std::string& path)
{
    std::istringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '/'))
        if (part == "..")
            return true;
    return false;
}

}  // namespace

struct Room;
class Connection;

struct RelayServer::Impl : std::enable_shared_from_this<RelayServer::Impl> {
    Impl(asio::io_context& io, RelayOptions options)
        : io(io), options(std::move(options)), acceptor(io), retry(io), random(std::random_device{}())
    {
    }

    void Accept();
    void Stop();
    std::string NewCode();
    void Log(const std::string& line)
    {
        if (options.log)
            *options.log << line << std::endl;  // flushed: operators follow it live
    }
    std::string Health() const;

    asio::io_context& io;
    RelayOptions options;
    tcp::acceptor acceptor;
    asio::steady_timer retry;  // waits before accepting again after a failure
    std::mt19937_64 random;    // draws the room codes
    std::set<std::shared_ptr<Connection>> connections;
    std::map<asio::ip::address, int> perAddress;  // open connections from each source address
    std::unordered_map<std::string, std::shared_ptr<Room>> rooms;
    int spectators = 0;
    bool stopping = false;
    std::uint16_t port = 0;
    std::filesystem::path site;  // canonical; empty: no site
    RelayCounts counts;
};

struct Room {
    std::string code;
    std::shared_ptr<Connection> players[2];  // the creator and the joiner
    std::vector<std::shared_ptr<Connection>> spectators;
    std::deque<Bytes> backlog;     // Delivery messages for spectators since the history start
    std::size_t backlogBytes = 0;  // their cost (Cost)
    bool backlogValid = false;     // a history start came and the backlog has not overflowed since
};

class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(RelayServer::Impl& server, tcp::socket socket, asio::ip::address address)
        : server(server), ws(std::move(socket)), timer(server.io), address(std::move(address)),
          tokens(server.options.messageBurst)
    {
    }

    void Start();
    // Queues a message; drops the connection when its queue is over the bound.
    void Send(const Bytes& bytes);
    // Sends an Error with the text, then closes.
    void Fail(const std::string& text);
    // Sends the message (if any), then closes; the connection leaves its room at once.
    void CloseAfter(const Bytes& last);
    // Closes the socket at once.
    void Drop();
    bool IsWebSocket() const { return state != State::Http && state != State::Closed; }

    enum class State {
        Http,       // reading HTTP requests (or the WebSocket upgrade)
        Greeting,   // a WebSocket, waiting for the hello
        Player,     // in a room as its creator or joiner
        Spectator,  // watching a room
        Closing,    // sending its last messages, then the close
        Closed,
    };
    State state = State::Http;
    bool streaming = false;  // a spectator who is getting the game's messages

private:
    void ReadRequest();
    void Answer();
    template <class Body>
    void Respond(std::shared_ptr<http::response<Body>> response);
    void SimpleResponse(http::status status, std::string body, std::string type);
    void ServeFile(const std::string& path);
    void ReadMessage();
    void Handle();
    void Hello(const RelayMessage& message);
    void Data(const RelayMessage& message);
    void LeaveRoom();
    void WriteNext();
    void ArmTimer();
    // Sets when the connection's time runs out, from now.
    void SetExpiry(int milliseconds);
    void Expire();
    bool TakeToken();

    RelayServer::Impl& server;
    websocket::stream<tcp::socket> ws;
    beast::flat_buffer buffer;
    std::optional<http::request_parser<http::empty_body>> parser;
    asio::steady_timer timer;
    Clock::time_point expiry;      // when the hello, idle or closing time runs out
    asio::ip::address address;     // the source address, for the per-address limit
    std::shared_ptr<Room> room;
    int seat = 0;                  // Creator or Joiner, for a player
    std::deque<Bytes> queue;       // messages to send, the first one being written
    std::size_t queuedBytes = 0;   // their cost (Cost)
    bool writing = false;
    bool closeWhenSent = false;    // close the WebSocket once the queue is empty
    double tokens;                 // the rate limit's bucket
    Clock::time_point refilled = Clock::now();
    bool timerArmed = false;
    Clock::time_point armedFor;    // when the armed timer fires
};

void Connection::SetExpiry(int milliseconds)
{
    expiry = Clock::now() + std::chrono::milliseconds(milliseconds);
    if (timerArmed && expiry < armedFor)
        timer.cancel();  // its handler arms it again for the nearer time
}

void Connection::Start()
{
    SetExpiry(server.options.helloTimeoutMs);
    ArmTimer();
    ReadRequest();
}

void Connection::ArmTimer()
{
    if (timerArmed)
        return;
    timerArmed = true;
    armedFor = expiry;
    timer.expires_at(expiry);
    timer.async_wait([self = shared_from_this()](beast::error_code) {
        self->timerArmed = false;
        self->Expire();
    });
}

void Connection::Expire()
{
    if (state == State::Closed)
        return;
    if (Clock::now() < expiry) {
        ArmTimer();  // the time was extended since the timer was set
        return;
    }
    switch (state) {
    case State::Http:
    case State::Closing:
        Drop();
        break;
    case State::Greeting:
        Fail("no hello within " + std::to_string(server.options.helloTimeoutMs) + " ms");
        break;
    case State::Player:
    case State::Spectator:
        Fail("silent for " + std::to_string(server.options.idleTimeoutMs) + " ms");
        break;
    case State::Closed:
        break;
    }
}

void Connection::ReadRequest()
{
    parser.emplace();
    parser->header_limit(MaxRequestHeadBytes);
    parser->body_limit(0);
    http::async_read(ws.next_layer(), buffer, *parser,
                     [self = shared_from_this()](beast::error_code error, std::size_t) {
                         if (self->state == State::Closed)
                             return;
                         if (error == http::error::end_of_stream || error == asio::error::eof) {
                             self->Drop();
                         } else if (error) {
                             self->SimpleResponse(http::status::bad_request,
                                                  "Bad request: this is a Gulpwise relay.\n",
                                                  "text/plain; charset=utf-8");
                         } else {
                             self->Answer();
                         }
                     });
}

void Connection::Answer()
{
    const auto& request = parser->get();
    if (websocket::is_upgrade(request)) {
        ws.binary(true);
        ws.read_message_max(RelayMaxMessageBytes);
        ws.set_option(websocket::stream_base::decorator([](websocket::response_type& response) {
            response.set(http::field::server, "gulpwise-relay");
        }));
        ws.control_callback([this](websocket::frame_type, beast::string_view) {
            // A ping or pong counts as life, as a message does.
            if (state == State::Player || state == State::Spectator)
                SetExpiry(server.options.idleTimeoutMs);
        });
        ws.async_accept(request, [self = shared_from_this()](beast::error_code error) {
            if (self->state == State::Closed)
                return;
            if (error) {
                self->Drop();
                return;
            }
            self->state = State::Greeting;
            self->buffer.consume(self->buffer.size());  // the hello time runs from the connection's start
            self->ReadMessage();
        });
        return;
    }
    const auto target = request.target();
    const auto path = DecodeTarget(std::string_view(target.data(), target.size()));
    if (request.method() != http::verb::get) {
        SimpleResponse(http::status::method_not_allowed, "Only GET is served here.\n",
                       "text/plain; charset=utf-8");
    } else if (!path || Climbs(*path)) {
        SimpleResponse(http::status::bad_request, "Bad path.\n", "text/plain; charset=utf-8");
    } else if (*path == "/health") {
        SimpleResponse(http::status::ok, server.Health(), "application/json");
    } else if (!server.site.empty()) {
        ServeFile(*path);
    } else {
        SimpleResponse(http::status::not_found,
                       "This is a Gulpwise relay: games connect to it by WebSocket.\n",
                       "text/plain; charset=utf-8");
    }
}

void Connection::SimpleResponse(http::status status, std::string body, std::string type)
{
    auto response = std::make_shared<http::response<http::string_body>>(status, 11);
    response->set(http::field::server, "gulpwise-relay");
    response->set(http::field::content_type, type);
    response->keep_alive(parser && parser->is_header_done() && parser->get().keep_alive() &&
                         status == http::status::ok);
    response->body() = std::move(body);
    response->prepare_payload();
    Respond(response);
}

void Connection::ServeFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path file = server.site / fs::path(path.substr(1));
    if (fs::is_directory(file, error))
        file /= "index.html";
    file = fs::weakly_canonical(file, error);
    // Only files inside the folder: a link pointing out of it is refused too.
    const auto inside = std::mismatch(server.site.begin(), server.site.end(), file.begin(), file.end());
    if (error || inside.first != server.site.end() || !fs::is_regular_file(file, error)) {
        SimpleResponse(http::status::not_found, "Not found.\n", "text/plain; charset=utf-8");
        return;
    }
    http::file_body::value_type body;
    beast::error_code openError;
    body.open(file.c_str(), beast::file_mode::scan, openError);
    if (openError) {
        SimpleResponse(http::status::not_found, "Not found.\n", "text/plain; charset=utf-8");
        return;
    }
    const auto size = body.size();
    auto response = std::make_shared<http::response<http::file_body>>(http::status::ok, 11);
    response->set(http::field::server, "gulpwise-relay");
    response->set(http::field::content_type, ContentType(file));
    response->keep_alive(parser->get().keep_alive());
    response->body() = std::move(body);
    response->content_length(size);
    Respond(response);
}

template <class Body>
void Connection::Respond(std::shared_ptr<http::response<Body>> response)
{
    SetExpiry(server.options.idleTimeoutMs);
    http::async_write(ws.next_layer(), *response,
                      [self = shared_from_this(), response](beast::error_code error, std::size_t) {
                          if (self->state == State::Closed)
                              return;
                          if (error || !response->keep_alive()) {
                              beast::error_code ignored;
                              self->ws.next_layer().shutdown(tcp::socket::shutdown_send, ignored);
                              self->Drop();
                              return;
                          }
                          // The next request on the same connection must come soon.
                          self->SetExpiry(self->server.options.helloTimeoutMs);
                          self->ReadRequest();
                      });
}

void Connection::ReadMessage()
{
    ws.async_read(buffer, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (self->state == State::Closed)
            return;
        if (error) {
            self->Drop();  // closed by the game, the network, or a message over the limit
            return;
        }
        self->Handle();
        self->buffer.consume(self->buffer.size());
        if (self->state != State::Closed)
            self->ReadMessage();
    });
}

bool Connection::TakeToken()
{
    const auto now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - refilled).count();
    refilled = now;
    tokens = std::min(server.options.messageBurst, tokens + seconds * server.options.messagesPerSecond);
    if (tokens < 1)
        return false;
    tokens -= 1;
    return true;
}

void Connection::Handle()
{
    if (state == State::Closing)
        return;  // the last messages are on their way; what it says now is not heard
    if (!TakeToken()) {
        std::ostringstream text;
        text << "too many messages: at most " << server.options.messagesPerSecond << " a second";
        Fail(text.str());
        return;
    }
    const auto data = static_cast<const std::uint8_t*>(buffer.data().data());
    RelayMessage message;
    if (!ws.got_binary() || !DecodeRelayMessage(data, buffer.size(), message)) {
        Fail("a malformed message");
        return;
    }
    if (state == State::Greeting) {
        if (message.kind != RelayKind::Hello) {
            Fail("the first message must be a hello");
            return;
        }
        Hello(message);
        return;
    }
    SetExpiry(server.options.idleTimeoutMs);
    if (state == State::Spectator) {
        // A keepalive is all a spectator may send: a browser cannot ping.
        if (!IsRelayKeepAlive(message))
            Fail("a spectator cannot send");
        return;
    }
    if (message.kind != RelayKind::Data) {
        Fail("only data may follow the hello");
        return;
    }
    Data(message);
}

void Connection::Hello(const RelayMessage& message)
{
    if (message.version != RelayProtocolVersion) {
        Fail("this relay speaks relay protocol " + std::to_string(RelayProtocolVersion) +
             ", the game speaks " + std::to_string(message.version) + ": update the older one");
        return;
    }
    if (server.stopping) {
        Fail("the server is closing");
        return;
    }
    SetExpiry(server.options.idleTimeoutMs);
    if (message.role == RelayRole::Create) {
        if (static_cast<int>(server.rooms.size()) >= server.options.maxRooms) {
            Fail("the server is full");
            return;
        }
        const std::string code = server.NewCode();
        if (code.empty()) {
            Fail("the server is full");
            return;
        }
        room = std::make_shared<Room>();
        room->code = code;
        room->players[Creator] = shared_from_this();
        server.rooms[code] = room;
        server.counts.rooms = static_cast<int>(server.rooms.size());
        state = State::Player;
        seat = Creator;
        RelayMessage reply;
        reply.kind = RelayKind::Room;
        reply.code = code;
        Send(Encode(reply));
        server.Log("room " + code + " created (" + std::to_string(server.rooms.size()) + " open)");
        return;
    }
    const auto found = server.rooms.find(message.code);
    if (found == server.rooms.end()) {
        Fail("no room with code " + message.code);
        return;
    }
    const std::shared_ptr<Room> target = found->second;
    if (message.role == RelayRole::Join) {
        if (target->players[Joiner]) {
            Fail("room " + message.code + " is full");
            return;
        }
        room = target;
        seat = Joiner;
        state = State::Player;
        target->players[Joiner] = shared_from_this();
        const Bytes joined = Simple(RelayKind::PeerJoined);
        Send(joined);
        target->players[Creator]->Send(joined);
        server.Log("room " + target->code + " joined");
        return;
    }
    if (static_cast<int>(target->spectators.size()) >= MaxSpectators) {
        Fail("room " + message.code + " has no seat for another spectator");
        return;
    }
    room = target;
    state = State::Spectator;
    room->spectators.push_back(shared_from_this());
    ++server.spectators;
    if (room->backlogValid) {
        streaming = true;
        Send(Simple(RelayKind::PeerJoined));
        for (const Bytes& bytes : room->backlog)
            Send(bytes);
    }
    server.Log("room " + target->code + " watched (" + std::to_string(target->spectators.size()) +
               " watching)");
}

void Connection::Data(const RelayMessage& message)
{
    RelayMessage delivery;
    delivery.kind = RelayKind::Delivery;
    delivery.player = static_cast<std::uint8_t>(seat);
    delivery.payload = message.payload;
    const Bytes bytes = Encode(delivery);
    // Held here: a peer dropped for its full queue may close the room.
    const std::shared_ptr<Room> room = this->room;
    if ((message.flags & RelayFlag::ToPeer) && room->players[1 - seat])
        room->players[1 - seat]->Send(bytes);
    if (state != State::Player)
        return;
    if (message.flags & RelayFlag::HistoryStart) {
        room->backlog.clear();
        room->backlogBytes = 0;
        room->backlogValid = true;
        const Bytes begins = Simple(RelayKind::PeerJoined);
        for (const auto& spectator : room->spectators) {
            if (!spectator->streaming) {
                spectator->streaming = true;
                spectator->Send(begins);
            }
        }
    }
    if (!(message.flags & RelayFlag::ToSpectators))
        return;
    if (room->backlogValid) {
        room->backlog.push_back(bytes);
        room->backlogBytes += Cost(bytes);
        if (room->backlogBytes > server.options.backlogBytes) {
            // Too long to replay: spectators who come now wait for the next history start.
            room->backlog.clear();
            room->backlogBytes = 0;
            room->backlogValid = false;
        }
    }
    // Copied: a spectator dropped for its full queue leaves the list.
    const auto spectators = room->spectators;
    for (const auto& spectator : spectators)
        if (spectator->streaming)
            spectator->Send(bytes);
}

void Connection::LeaveRoom()
{
    if (!room)
        return;
    const std::shared_ptr<Room> left = room;
    room = nullptr;
    const bool tell = !server.stopping;
    auto& spectators = left->spectators;
    const auto me = std::find(spectators.begin(), spectators.end(), shared_from_this());
    if (me != spectators.end()) {
        spectators.erase(me);
        --server.spectators;
        server.Log("room " + left->code + ": a spectator left");
        return;
    }
    left->players[seat] = nullptr;
    const Bytes peerLeft = Simple(RelayKind::PeerLeft, static_cast<std::uint8_t>(seat));
    if (seat == Joiner) {
        // Copied: one dropped for its full queue leaves the lists.
        std::vector<std::shared_ptr<Connection>> others = left->spectators;
        if (left->players[Creator])
            others.push_back(left->players[Creator]);
        for (const auto& other : others)
            if (tell)
                other->Send(peerLeft);
        server.Log("room " + left->code + ": the joiner left");
        return;
    }
    // The creator's leaving closes the room: the others hear it, then are let go.
    server.rooms.erase(left->code);
    server.counts.rooms = static_cast<int>(server.rooms.size());
    std::vector<std::shared_ptr<Connection>> others = left->spectators;
    if (left->players[Joiner])
        others.push_back(left->players[Joiner]);
    for (const auto& other : others) {
        other->room = nullptr;
        if (other->state == State::Spectator)
            --server.spectators;
        if (tell)
            other->CloseAfter(peerLeft);
    }
    server.Log("room " + left->code + " closed (" + std::to_string(server.rooms.size()) + " open)");
}

void Connection::Send(const Bytes& bytes)
{
    if (state == State::Closed || state == State::Http)
        return;
    queuedBytes += Cost(bytes);
    if (queuedBytes > server.options.sendQueueBytes) {
        server.Log(room ? "room " + room->code + ": dropped a connection that does not read"
                        : "dropped a connection that does not read");
        Drop();
        return;
    }
    queue.push_back(bytes);
    if (!writing)
        WriteNext();
}

void Connection::WriteNext()
{
    if (queue.empty()) {
        writing = false;
        if (closeWhenSent && state == State::Closing) {
            closeWhenSent = false;
            ws.async_close(websocket::close_code::normal,
                           [self = shared_from_this()](beast::error_code) { self->Drop(); });
        }
        return;
    }
    writing = true;
    ws.async_write(asio::buffer(*queue.front()),
                   [self = shared_from_this()](beast::error_code error, std::size_t) {
                       if (self->state == State::Closed)
                           return;
                       if (error) {
                           self->Drop();
                           return;
                       }
                       self->queuedBytes -= Cost(self->queue.front());
                       self->queue.pop_front();
                       self->WriteNext();
                   });
}

void Connection::Fail(const std::string& text)
{
    std::string shown = text.substr(0, RelayMaxTextBytes);
    CloseAfter(Encode([&] {
        RelayMessage message;
        message.kind = RelayKind::Error;
        message.text = shown;
        return message;
    }()));
}

void Connection::CloseAfter(const Bytes& last)
{
    if (state == State::Closed || state == State::Closing)
        return;
    LeaveRoom();
    state = State::Closing;
    SetExpiry(server.options.closeGraceMs);
    if (!timerArmed)
        ArmTimer();
    closeWhenSent = true;
    if (last)
        Send(last);
    else if (!writing)
        WriteNext();
}

void Connection::Drop()
{
    if (state == State::Closed)
        return;
    LeaveRoom();
    state = State::Closed;
    beast::error_code ignored;
    ws.next_layer().close(ignored);
    timer.cancel();
    queue.clear();
    if (--server.perAddress[address] == 0)
        server.perAddress.erase(address);
    server.connections.erase(shared_from_this());
    server.counts.connections = static_cast<int>(server.connections.size());
}

void RelayServer::Impl::Accept()
{
    if (stopping)
        return;
    acceptor.async_accept([self = shared_from_this()](beast::error_code error, tcp::socket socket) {
        if (self->stopping)
            return;
        if (error) {
            // Out of descriptors, most likely: wait a little rather than spin.
            self->retry.expires_after(AcceptRetryDelay);
            self->retry.async_wait([self](beast::error_code) { self->Accept(); });
            return;
        }
        beast::error_code ignored;
        const auto remote = socket.remote_endpoint(ignored);
        if (ignored) {
            self->Accept();
            return;
        }
        const auto address = remote.address();
        if (static_cast<int>(self->connections.size()) >= self->options.maxConnections ||
            self->perAddress[address] >= self->options.maxConnectionsPerAddress) {
            ++self->counts.refused;
            socket.close(ignored);
        } else {
            socket.set_option(tcp::no_delay(true), ignored);
            ++self->perAddress[address];
            auto connection = std::make_shared<Connection>(*self, std::move(socket), address);
            self->connections.insert(connection);
            self->counts.connections = static_cast<int>(self->connections.size());
            connection->Start();
        }
        self->Accept();
    });
}

std::string RelayServer::Impl::NewCode()
{
    std::uniform_int_distribution<std::size_t> pick(0, RelayCodeAlphabet.size() - 1);
    for (int attempt = 0; attempt < RandomCodeAttempts; ++attempt) {
        std::string code = options.codePrefix;
        while (code.size() < RelayCodeLength)
            code += RelayCodeAlphabet[pick(random)];
        if (!rooms.contains(code))
            return code;
    }
    return {};
}

std::string RelayServer::Impl::Health() const
{
    int players = 0;
    for (const auto& [code, room] : rooms)
        players += (room->players[Creator] ? 1 : 0) + (room->players[Joiner] ? 1 : 0);
    std::ostringstream body;
    body << "{\"status\":\"" << (stopping ? "closing" : "ok") << "\",\"rooms\":" << rooms.size()
         << ",\"max_rooms\":" << options.maxRooms << ",\"players\":" << players
         << ",\"spectators\":" << spectators << ",\"connections\":" << connections.size()
         << ",\"refused_connections\":" << counts.refused << "}\n";
    return body.str();
}

void RelayServer::Impl::Stop()
{
    if (stopping)
        return;
    stopping = true;
    beast::error_code ignored;
    acceptor.close(ignored);
    retry.cancel();
    for (const auto& room : rooms)
        Log("room " + room.first + " closed (the server is closing)");
    const Bytes closing = Encode([] {
        RelayMessage message;
        message.kind = RelayKind::Closing;
        message.text = "the server is closing";
        return message;
    }());
    const auto all = connections;
    for (const auto& connection : all) {
        if (connection->IsWebSocket())
            connection->CloseAfter(closing);
        else
            connection->Drop();
    }
}

RelayServer::RelayServer(asio::io_context& io, RelayOptions options)
    : impl(std::make_shared<Impl>(io, std::move(options)))
{
}

RelayServer::~RelayServer()
{
    // Connections hold the server by reference: they go first.
    const auto all = impl->connections;
    for (const auto& connection : all)
        connection->Drop();
}

bool RelayServer::Start(std::string& error)
{
    const std::string& prefix = impl->options.codePrefix;
    if (prefix.size() >= RelayCodeLength ||
        prefix.find_first_not_of(RelayCodeAlphabet) != std::string::npos) {
        error = "a code prefix is at most " + std::to_string(RelayCodeLength - 1) + " characters of " +
                std::string(RelayCodeAlphabet);
        return false;
    }
    if (!impl->options.site.empty()) {
        std::error_code fileError;
        impl->site = std::filesystem::canonical(impl->options.site, fileError);
        if (fileError || !std::filesystem::is_directory(impl->site)) {
            error = "no folder " + impl->options.site + " to serve";
            return false;
        }
    }
    beast::error_code netError;
    const auto address = asio::ip::make_address(impl->options.bind, netError);
    if (netError) {
        error = "not an address: " + impl->options.bind;
        return false;
    }
    const tcp::endpoint endpoint(address, impl->options.port);
    auto& acceptor = impl->acceptor;
    acceptor.open(endpoint.protocol(), netError);
    if (!netError)
        acceptor.set_option(tcp::acceptor::reuse_address(true), netError);
    if (!netError)
        acceptor.bind(endpoint, netError);
    if (!netError)
        acceptor.listen(asio::socket_base::max_listen_connections, netError);
    if (netError) {
        error = "cannot listen on " + impl->options.bind + ":" + std::to_string(impl->options.port) +
                ": " + netError.message();
        return false;
    }
    impl->port = acceptor.local_endpoint().port();
    impl->Accept();
    return true;
}

std::uint16_t RelayServer::Port() const
{
    return impl->port;
}

void RelayServer::Stop()
{
    impl->Stop();
}

const RelayCounts& RelayServer::Counts() const
{
    return impl->counts;
}
