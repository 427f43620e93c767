// The connection to a relay server (net/RelayLink.h) in a web page: the
// browser's WebSocket through Emscripten's WebSocket API, speaking the same
// relay protocol (net/RelayProtocol.h) as the desktop's Boost.Beast link.
// The browser delivers the socket's events between frames, into a queue that
// Poll empties; Poll never waits (CanWait is false), so the page never blocks.
#include "net/RelayLink.h"

#include <emscripten/emscripten.h>
#include <emscripten/websocket.h>

#include <deque>

#include "platform/OnlineConfig.h"

namespace {

// Unsent bytes beyond this in the browser's buffer mean the relay does not take them: the link ends.
constexpr unsigned long long MaxBufferedBytes = 8 << 20;
// A game with nothing else to send says something this often, so that the
// relay's idle timeout (30 s) never closes a room that waits for its second
// player, nor a spectator that waits for a level.
constexpr double KeepAliveMilliseconds = 10000;
constexpr unsigned short NormalClose = 1000;  // the WebSocket close code of a deliberate close
constexpr const char* SecureScheme = "wss://";

}  // namespace

struct RelayLink::Impl {
    enum class State { Idle, Connecting, Open, Closed };

    ~Impl() { Close(); }

    void Receive(const RelayMessage& message);
    void Write(const std::vector<std::uint8_t>& bytes);
    void Lost(const std::string& why);
    void Push(LinkEventKind kind, std::vector<std::uint8_t> bytes = {}, int sender = 0);
    // Closes the socket (gracefully: what the browser holds still goes out)
    // and stops hearing from it.
    void Close();

    EMSCRIPTEN_WEBSOCKET_T socket = 0;  // the browser's socket; 0: none
    State state = State::Idle;
    RelayRole role = RelayRole::Create;
    std::string url;       // the relay's address, for messages
    std::string code;      // the room's code, once known
    std::string reason;    // why the link ended
    std::vector<std::uint8_t> hello;  // sent once the socket opens
    bool peer = false;          // the other player is there (a spectator: the stream has begun)
    bool leftLast = false;      // the last event given was Left: another would say nothing new
    double lastSent = 0;        // when this side last sent, in the page's milliseconds
    std::deque<LinkEvent> events;
};

namespace {

EM_BOOL OnOpen(int, const EmscriptenWebSocketOpenEvent*, void* data)
{
    auto& impl = *static_cast<RelayLink::Impl*>(data);
    impl.state = RelayLink::Impl::State::Open;
    impl.Write(impl.hello);
    return EM_TRUE;
}

EM_BOOL OnMessage(int, const EmscriptenWebSocketMessageEvent* event, void* data)
{
    auto& impl = *static_cast<RelayLink::Impl*>(data);
    RelayMessage message;
    if (event->isText || !DecodeRelayMessage(event->data, event->numBytes, message)) {
        impl.Lost("the relay sent a malformed message");
        return EM_TRUE;
    }
    impl.Receive(message);
    return EM_TRUE;
}

EM_BOOL OnError(int, const EmscriptenWebSocketErrorEvent*, void* data)
{
    auto& impl = *static_cast<RelayLink::Impl*>(data);
    impl.Lost(impl.state == RelayLink::Impl::State::Connecting
                  ? "cannot reach the relay at " + impl.url
                  : "the connection to the relay was lost");
    return EM_TRUE;
}

EM_BOOL OnClose(int, const EmscriptenWebSocketCloseEvent*, void* data)
{
    auto& impl = *static_cast<RelayLink::Impl*>(data);
    impl.Lost(impl.state == RelayLink::Impl::State::Connecting
                  ? "cannot reach the relay at " + impl.url
                  : "the connection to the relay was lost");
    return EM_TRUE;
}

}  // namespace

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
    if (socket > 0) {
        unsigned short readyState = 0;
        emscripten_websocket_get_ready_state(socket, &readyState);
        if (readyState <= 1)  // connecting or open
            emscripten_websocket_close(socket, NormalClose, "");
        emscripten_websocket_delete(socket);  // no more callbacks
    }
    socket = 0;
    state = State::Closed;
    peer = false;
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
        Close();
        Push(LinkEventKind::Left);
        break;
    default:
        Lost("the relay sent a message meant for it");
        break;
    }
}

void RelayLink::Impl::Write(const std::vector<std::uint8_t>& bytes)
{
    if (state != State::Open)
        return;
    if (bytes.size() > RelayMaxMessageBytes) {
        Lost("a message too long for the relay");
        return;
    }
    unsigned long long buffered = 0;
    emscripten_websocket_get_buffered_amount(socket, &buffered);
    if (buffered > MaxBufferedBytes) {
        Lost("the relay does not take the messages");
        return;
    }
    // The browser copies the bytes before it returns.
    if (emscripten_websocket_send_binary(socket, const_cast<std::uint8_t*>(bytes.data()),
                                         static_cast<std::uint32_t>(bytes.size())) !=
        EMSCRIPTEN_RESULT_SUCCESS) {
        Lost("the connection to the relay was lost");
        return;
    }
    lastSent = emscripten_get_now();
}

RelayLink::RelayLink() : impl(std::make_unique<Impl>()) {}

RelayLink::~RelayLink() = default;

bool ParseRelayUrl(const std::string& url, std::string& host, std::string& port, std::string& path)
{
    // The browser reads the address itself; here only its form is checked.
    const std::string plain = RelayUrlScheme, secure = SecureScheme;
    const bool isPlain = url.compare(0, plain.size(), plain) == 0;
    if (!isPlain && url.compare(0, secure.size(), secure) != 0)
        return false;
    std::string rest = url.substr(isPlain ? plain.size() : secure.size());
    const auto slash = rest.find('/');
    path = slash == std::string::npos ? "/" : rest.substr(slash);
    rest = rest.substr(0, slash);
    const auto colon = rest.rfind(':');
    const bool hasPort = colon != std::string::npos && rest.find(']', colon) == std::string::npos;
    host = hasPort ? rest.substr(0, colon) : rest;
    port = hasPort ? rest.substr(colon + 1) : std::string();
    return !host.empty() && rest.find_first_of(" \t") == std::string::npos;
}

bool RelayLink::Start(const std::string& url, RelayRole role, const std::string& typed, std::string& error)
{
    std::string host, port, path;
    if (!ParseRelayUrl(url, host, port, path)) {
        error = "not a relay address: " + url + " (ws://HOST:PORT or wss://HOST)";
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
    impl->role = role;
    impl->url = url;
    impl->code = role == RelayRole::Create ? std::string() : code;
    // "ws://HOST" alone is the relay's default port, as on the desktop; with
    // a path ("ws://HOST/") the browser takes the scheme's own, as for a page's host.
    const std::size_t hostStart = url.find("//") + 2;
    const bool bare = port.empty() && url.find('/', hostStart) == std::string::npos;
    const std::string address = bare ? url + ":" + std::to_string(RelayDefaultPort) : url;
    EmscriptenWebSocketCreateAttributes attributes;
    emscripten_websocket_init_create_attributes(&attributes);
    attributes.url = address.c_str();
    attributes.protocols = nullptr;
    attributes.createOnMainThread = EM_TRUE;
    const EMSCRIPTEN_WEBSOCKET_T socket = emscripten_websocket_new(&attributes);
    if (socket <= 0) {
        error = "the browser cannot open a connection to " + url;
        impl->state = Impl::State::Closed;
        return false;
    }
    impl->socket = socket;
    impl->state = Impl::State::Connecting;
    impl->hello = RelayHello(role, code);
    Impl* const data = impl.get();
    emscripten_websocket_set_onopen_callback(socket, data, OnOpen);
    emscripten_websocket_set_onmessage_callback(socket, data, OnMessage);
    emscripten_websocket_set_onerror_callback(socket, data, OnError);
    emscripten_websocket_set_onclose_callback(socket, data, OnClose);
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

bool RelayLink::Poll(LinkEvent& event, int)
{
    // A game with nothing to send (a player waiting for the other, a
    // spectator) says something now and then, so that the relay keeps it.
    if (impl->state == Impl::State::Open && emscripten_get_now() - impl->lastSent > KeepAliveMilliseconds)
        impl->Write(RelayKeepAlive());
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
    impl->Write(RelayData(flags & RelayFlag::All, bytes));
}

void RelayLink::Leave()
{
    impl->Close();
    impl->events.clear();
    impl->leftLast = true;  // no event follows
}

void RelayLink::Drop()
{
    impl->Close();
    impl->events.clear();
}

bool RelayLink::HasPeer() const
{
    return impl->state == Impl::State::Open && impl->peer;
}

bool RelayLink::CanWait() const
{
    return false;
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
    return -1;  // the browser's WebSocket has no ping; the session measures its own round trip
}
