// The WebSocket connection to a relay server (net/RelayLink.h) on Boost.Beast:
// a private io_context that Poll runs for the time it is given.
#include "net/RelayLink.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <chrono>
#include <deque>
#include <optional>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

// Reaching the relay (name, connection, WebSocket handshake) may take this long.
constexpr auto ConnectTimeout = std::chrono::seconds(10);
// A ping to the relay this often: it measures the round trip and keeps the connection alive.
constexpr auto PingInterval = std::chrono::seconds(1);
// A relay that has not answered a ping this long is gone.
constexpr auto SilenceTimeout = std::chrono::seconds(10);
// Leave waits at most this long for the close to go out.
constexpr auto LeaveTimeout = std::chrono::milliseconds(250);
// Unsent messages beyond this mean the relay does not take them: the link ends.
constexpr std::size_t MaxQueuedBytes = 8 << 20;
constexpr const char* DefaultPath = "/";

}  // namespace

bool ParseRelayUrl(const std::string& url, std::string& host, std::string& port, std::string& path)
{
    const std::string scheme = "ws://";
    if (url.compare(0, scheme.size(), scheme) != 0)
        return false;
    std::string rest = url.substr(scheme.size());
    const auto slash = rest.find('/');
    path = slash == std::string::npos ? DefaultPath : rest.substr(slash);
    rest = rest.substr(0, slash);
    std::size_t colon = std::string::npos;
    if (!rest.empty() && rest[0] == '[') {  // [IPv6 address]
        const auto close = rest.find(']');
        if (close == std::string::npos)
            return false;
        host = rest.substr(1, close - 1);
        if (close + 1 < rest.size() && rest[close + 1] != ':')
            return false;
        colon = close + 1 < rest.size() ? close + 1 : std::string::npos;
    } else {
        colon = rest.find(':');
        host = rest.substr(0, colon);
    }
    port = colon == std::string::npos ? std::to_string(RelayDefaultPort) : rest.substr(colon + 1);
    if (host.empty() || port.empty() || port.size() > 5 ||
        port.find_first_not_of("0123456789") != std::string::npos || std::stoi(port) > 65535 ||
        std::stoi(port) == 0)
        return false;
    return true;
}

struct RelayLink::Impl {
    enum class State { Idle, Connecting, Open, Closing, Closed };

    Impl() : work(asio::make_work_guard(io)), resolver(io), timer(io) {}

    void Connect(const std::string& host, const std::string& port, const std::string& path);
    void Read();
    void Receive(const RelayMessage& message);
    void Queue(std::vector<std::uint8_t> bytes);
    void WriteNext();
    void Tick();
    void Lost(const std::string& why);
    void Push(LinkEventKind kind, std::vector<std::uint8_t> bytes = {}, int sender = 0);
    void Close();

    asio::io_context io;
    asio::executor_work_guard<asio::io_context::executor_type> work;  // Poll waits even with nothing to do
    tcp::resolver resolver;
    asio::steady_timer timer;  // the connect timeout, then the pings
    std::optional<websocket::stream<tcp::socket>> ws;
    beast::flat_buffer buffer;
    State state = State::Idle;
    RelayRole role = RelayRole::Create;
    std::string code;      // the room's code, once known
    std::string reason;    // why the link ended
    std::deque<std::vector<std::uint8_t>> outgoing;  // relay messages to send, the first being written
    std::size_t queuedBytes = 0;
    bool writing = false;
    bool peer = false;          // the other player is there (a spectator: the stream has begun)
    bool leftLast = false;      // the last event given was Left: another would say nothing new
    std::deque<LinkEvent> events;
    Clock::time_point pingSent;
    bool pinging = false;       // a ping is out, its pong not back
    int roundTrip = -1;         // milliseconds
    int generation = 0;         // counts connections: handlers of an old one do nothing
};

void RelayLink::Impl::Push(LinkEventKind kind, std::vector<std::uint8_t> bytes, int sender)
{
    if (kind == LinkEventKind::Left && leftLast)
        return;
    leftLast = kind == LinkEventKind::Left;
    LinkEvent event;
    event.kind = kind;
    event.bytes = std::move(bytes);
    event.sender = sender;
    events.push_back(std::move(event));
}

void RelayLink::Impl::Close()
{
    ++generation;
    beast::error_code ignored;
    resolver.cancel();
    timer.cancel();
    if (ws)
        ws->next_layer().close(ignored);
    state = State::Closed;
    peer = false;
    outgoing.clear();
    queuedBytes = 0;
    writing = false;
    pinging = false;
}

void RelayLink::Impl::Lost(const std::string& why)
{
    if (state == State::Closed || state == State::Idle)
        return;
    if (reason.empty())
        reason = why;
    Close();
    Push(LinkEventKind::Left);
}

void RelayLink::Impl::Connect(const std::string& host, const std::string& port, const std::string& path)
{
    const int current = generation;
    state = State::Connecting;
    ws.emplace(io);
    ws->binary(true);
    ws->read_message_max(RelayMaxMessageBytes);
    const std::string where = host + ":" + port;
    timer.expires_after(ConnectTimeout);
    timer.async_wait([this, current, where](beast::error_code error) {
        if (!error && current == generation && state == State::Connecting)
            Lost("cannot reach the relay at " + where + ": no answer");
    });
    resolver.async_resolve(host, port, [this, current, where, path](beast::error_code error,
                                                                    tcp::resolver::results_type found) {
        if (current != generation)
            return;
        if (error) {
            Lost("cannot reach the relay at " + where + ": " + error.message());
            return;
        }
        asio::async_connect(ws->next_layer(), found, [this, current, where, path](beast::error_code error,
                                                                                 const tcp::endpoint&) {
            if (current != generation)
                return;
            if (error) {
                Lost("cannot reach the relay at " + where + ": " + error.message());
                return;
            }
            beast::error_code ignored;
            ws->next_layer().set_option(tcp::no_delay(true), ignored);
            ws->control_callback([this](websocket::frame_type kind, beast::string_view) {
                if (kind == websocket::frame_type::pong && pinging) {
                    pinging = false;
                    roundTrip = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                     Clock::now() - pingSent)
                                                     .count());
                }
            });
            ws->async_handshake(where, path, [this, current, where](beast::error_code error) {
                if (current != generation)
                    return;
                if (error) {
                    Lost("the relay at " + where + " refused the connection: " + error.message());
                    return;
                }
                state = State::Open;
                timer.cancel();
                Tick();
                Read();
                WriteNext();
            });
        });
    });
}

void RelayLink::Impl::Tick()
{
    const int current = generation;
    if (pinging && Clock::now() - pingSent > SilenceTimeout) {
        Lost("the relay stopped answering");
        return;
    }
    if (!pinging && state == State::Open) {
        pinging = true;
        pingSent = Clock::now();
        ws->async_ping({}, [this, current](beast::error_code error) {
            if (current == generation && error)
                Lost("the connection to the relay was lost");
        });
    }
    timer.expires_after(PingInterval);
    timer.async_wait([this, current](beast::error_code error) {
        if (!error && current == generation && state == State::Open)
            Tick();
    });
}

void RelayLink::Impl::Read()
{
    const int current = generation;
    ws->async_read(buffer, [this, current](beast::error_code error, std::size_t) {
        if (current != generation)
            return;
        if (error) {
            Lost("the connection to the relay was lost");
            return;
        }
        RelayMessage message;
        const bool good = DecodeRelayMessage(static_cast<const std::uint8_t*>(buffer.data().data()),
                                             buffer.size(), message);
        buffer.consume(buffer.size());
        if (!good) {
            Lost("the relay sent a malformed message");
            return;
        }
        Receive(message);
        if (current == generation)
            Read();
    });
}

void RelayLink::Impl::Receive(const RelayMessage& message)
{
    switch (message.kind) {
    case RelayKind::Room:
        code = message.code;
        break;
    case RelayKind::PeerJoined:
        peer = true;
        Push(LinkEventKind::Joined);
        break;
    case RelayKind::Delivery:
        Push(LinkEventKind::Message, message.payload, message.player);
        break;
    case RelayKind::PeerLeft:
        reason = message.player == 0 ? "the host left" : "the other player left";
        if (role != RelayRole::Watch)
            peer = false;
        Push(LinkEventKind::Left, {}, message.player);
        if (role == RelayRole::Watch)
            leftLast = false;  // a spectator goes on watching the one who stays
        break;
    case RelayKind::Error:
    case RelayKind::Closing:
        reason = message.text;
        peer = false;
        Push(LinkEventKind::Left);
        break;
    default:
        Lost("the relay sent a message meant for it");
        break;
    }
}

void RelayLink::Impl::Queue(std::vector<std::uint8_t> bytes)
{
    if (state == State::Closed || state == State::Closing || state == State::Idle)
        return;
    if (bytes.size() > RelayMaxMessageBytes) {
        Lost("a message too long for the relay");
        return;
    }
    queuedBytes += bytes.size();
    if (queuedBytes > MaxQueuedBytes) {
        Lost("the relay does not take the messages");
        return;
    }
    outgoing.push_back(std::move(bytes));
    if (state == State::Open && !writing)
        WriteNext();
}

void RelayLink::Impl::WriteNext()
{
    if (writing)
        return;
    if (outgoing.empty()) {
        if (state == State::Closing) {
            const int current = generation;
            ws->async_close(websocket::close_code::normal, [this, current](beast::error_code) {
                if (current == generation)
                    Close();
            });
        }
        return;
    }
    writing = true;
    const int current = generation;
    ws->async_write(asio::buffer(outgoing.front()), [this, current](beast::error_code error, std::size_t) {
        if (current != generation)
            return;
        writing = false;
        if (error) {
            Lost("the connection to the relay was lost");
            return;
        }
        queuedBytes -= outgoing.front().size();
        outgoing.pop_front();
        WriteNext();
    });
}

RelayLink::RelayLink() : impl(std::make_unique<Impl>()) {}

RelayLink::~RelayLink()
{
    impl->Close();
    impl->io.stop();
}

bool RelayLink::Start(const std::string& url, RelayRole role, const std::string& typed, std::string& error)
{
    std::string host, port, path;
    if (!ParseRelayUrl(url, host, port, path)) {
        error = "not a relay address: " + url + " (ws://HOST:PORT)";
        return false;
    }
    const std::string code = NormalizeRelayCode(typed);
    if (role != RelayRole::Create && !IsRelayCode(code)) {
        error = "not a room code: " + typed;
        return false;
    }
    impl->Close();
    impl->events.clear();
    impl->reason.clear();
    impl->leftLast = false;
    impl->roundTrip = -1;
    impl->role = role;
    impl->code = role == RelayRole::Create ? std::string() : code;
    impl->Connect(host, port, path);
    impl->Queue(RelayHello(role, code));
    return true;
}

bool RelayLink::Create(const std::string& url, std::string& error)
{
    return Start(url, RelayRole::Create, "", error);
}

bool RelayLink::Join(const std::string& url, const std::string& code, std::string& error)
{
    return Start(url, RelayRole::Join, code, error);
}

bool RelayLink::Watch(const std::string& url, const std::string& code, std::string& error)
{
    return Start(url, RelayRole::Watch, code, error);
}

bool RelayLink::Poll(LinkEvent& event, int waitMilliseconds)
{
    impl->io.poll();
    if (impl->events.empty() && waitMilliseconds > 0) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(waitMilliseconds);
        while (impl->events.empty() && Clock::now() < deadline)
            impl->io.run_one_until(deadline);
    }
    if (impl->events.empty())
        return false;
    event = std::move(impl->events.front());
    impl->events.pop_front();
    return true;
}

void RelayLink::Send(const std::vector<std::uint8_t>& bytes)
{
    Send(bytes, sendFlags);
}

void RelayLink::Send(const std::vector<std::uint8_t>& bytes, std::uint8_t flags)
{
    if (impl->role == RelayRole::Watch)
        return;  // the relay takes nothing from a spectator
    impl->Queue(RelayData(flags & RelayFlag::All, bytes));
    impl->io.poll();  // the write starts now, not at the next Poll
}

void RelayLink::Leave()
{
    if (impl->state != Impl::State::Open) {
        impl->Close();
        return;
    }
    impl->state = Impl::State::Closing;
    impl->peer = false;
    impl->leftLast = true;  // no event follows
    impl->WriteNext();
    const auto deadline = Clock::now() + LeaveTimeout;
    while (impl->state != Impl::State::Closed && Clock::now() < deadline)
        impl->io.run_one_until(deadline);
    impl->Close();
    impl->events.clear();
}

void RelayLink::Drop()
{
    impl->Close();
    impl->events.clear();
}

bool RelayLink::CanWait() const
{
    return true;
}

bool RelayLink::HasPeer() const
{
    return impl->state == Impl::State::Open && impl->peer;
}

std::string RelayLink::RoomCode() const
{
    return impl->code;
}

std::string RelayLink::LeftReason() const
{
    return impl->reason;
}

int RelayLink::RoundTripMilliseconds() const
{
    return impl->roundTrip;
}
