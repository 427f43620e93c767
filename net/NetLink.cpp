#include "net/NetLink.h"

#include <enet/enet.h>

#include <algorithm>
#include <random>

namespace {

constexpr int Channels = 1;
constexpr int ReliableChannel = 0;
constexpr int PeerSlots = 2;  // the peer, and one more to turn away
constexpr std::uint32_t NoData = 0;
constexpr enet_uint32 FarewellMilliseconds = 250;  // the longest a leave waits for its farewell to go
constexpr enet_uint32 FarewellSliceMilliseconds = 10;

// ENet's interception hook is given only the host. The host's compressor
// context, which ENet reads only when a compressor's functions are set (and
// none is), carries the link whose simulated loss it applies.
int LoseSome(ENetHost* host, ENetEvent*)
{
    auto* link = static_cast<NetLink*>(host->compressor.context);
    return link && link->LosesADatagram() ? 1 : 0;
}

// ENet is set up once per process and taken down at exit.
bool StartEnet()
{
    static const bool started = enet_initialize() == 0 && std::atexit(enet_deinitialize) == 0;
    return started;
}

}  // namespace

NetLink::~NetLink()
{
    if (host) {
        if (peer)
            enet_peer_disconnect_now(peer, NoData);
        enet_host_destroy(host);
    }
}

bool NetLink::CreateHost(const void* address, std::string& error)
{
    if (!StartEnet()) {
        error = "the network library could not start";
        return false;
    }
    host = enet_host_create(static_cast<const ENetAddress*>(address), PeerSlots, Channels, 0, 0);
    if (!host) {
        error = "the port is in use or cannot be opened";
        return false;
    }
    host->compressor = ENetCompressor{this, nullptr, nullptr, nullptr};
    host->intercept = LoseSome;
    return true;
}

bool NetLink::Listen(const char* address, std::uint16_t port, std::string& error)
{
    ENetAddress bound{};
    bound.host = ENET_HOST_ANY;
    bound.port = port;
    if (!StartEnet() || (address && enet_address_set_host_ip(&bound, address) != 0)) {
        error = "not an address of this machine";
        return false;
    }
    return CreateHost(&bound, error);
}

std::uint16_t NetLink::ListeningPort() const
{
    ENetAddress bound{};
    if (!host || enet_socket_get_address(host->socket, &bound) != 0)
        return 0;
    return bound.port;
}

bool NetLink::Connect(const std::string& name, std::uint16_t port, std::string& error)
{
    if (!CreateHost(nullptr, error))
        return false;
    ENetAddress address{};
    address.port = port;
    if (enet_address_set_host(&address, name.c_str()) != 0) {
        error = "unknown host " + name;
        return false;
    }
    peer = enet_host_connect(host, &address, Channels, NoData);
    if (!peer) {
        error = "cannot connect";
        return false;
    }
    enet_peer_timeout(peer, 0, NetSilenceMilliseconds, NetSilenceMilliseconds);
    return true;
}

void NetLink::SimulateLoss(int percent, std::uint32_t seed)
{
    lossPercent = percent;
    lossRandom.seed(seed);
}

bool NetLink::LosesADatagram()
{
    return lossPercent > 0 && static_cast<int>(lossRandom() % 100) < lossPercent;
}

void NetLink::Send(const std::vector<std::uint8_t>& bytes)
{
    if (!peer)
        return;
    if (latency > 0)
        held.push_back({enet_time_get() + static_cast<std::uint32_t>(latency), bytes});
    else
        SendNow(bytes);
}

void NetLink::SendNow(const std::vector<std::uint8_t>& bytes)
{
    if (!peer || !connected)
        return;
    ENetPacket* packet =
        enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE);
    if (packet && enet_peer_send(peer, ReliableChannel, packet) != 0)
        enet_packet_destroy(packet);
}

void NetLink::SendDue()
{
    const std::uint32_t now = enet_time_get();
    while (!held.empty() && static_cast<std::int32_t>(now - held.front().due) >= 0) {
        SendNow(held.front().bytes);
        held.pop_front();
    }
}

bool NetLink::Poll(LinkEvent& out, int waitMilliseconds)
{
    if (!host)
        return false;
    SendDue();
    if (!held.empty()) {
        const auto untilDue = static_cast<std::int32_t>(held.front().due - enet_time_get());
        waitMilliseconds = std::clamp(untilDue, 0, waitMilliseconds);
    }
    ENetEvent event;
    while (enet_host_service(host, &event, static_cast<enet_uint32>(waitMilliseconds)) > 0) {
        waitMilliseconds = 0;
        switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            if (peer && peer != event.peer) {
                // One peer at a time: the newcomer hears why and is let go.
                ENetPacket* packet = enet_packet_create(busyReply.data(), busyReply.size(),
                                                        ENET_PACKET_FLAG_RELIABLE);
                if (packet && enet_peer_send(event.peer, ReliableChannel, packet) != 0)
                    enet_packet_destroy(packet);
                enet_peer_disconnect_later(event.peer, NoData);
                continue;
            }
            peer = event.peer;
            connected = true;
            enet_peer_timeout(peer, 0, NetSilenceMilliseconds, NetSilenceMilliseconds);
            out = {LinkEventKind::Joined, {}};
            return true;
        case ENET_EVENT_TYPE_RECEIVE:
            if (event.peer != peer) {
                enet_packet_destroy(event.packet);
                continue;  // a turned-away machine still talking
            }
            out.kind = LinkEventKind::Message;
            out.bytes.assign(event.packet->data, event.packet->data + event.packet->dataLength);
            enet_packet_destroy(event.packet);
            return true;
        case ENET_EVENT_TYPE_DISCONNECT:
            if (event.peer != peer)
                continue;
            peer = nullptr;
            connected = false;
            held.clear();
            out = {LinkEventKind::Left, {}};
            return true;
        default:
            break;
        }
    }
    return false;
}

void NetLink::Leave()
{
    if (!peer)
        return;
    for (const Held& message : held)
        SendNow(message.bytes);
    held.clear();
    enet_peer_disconnect_later(peer, NoData);
    // The farewell goes once what was sent has been received: wait for that,
    // a moment at most, so that the peer hears of it even when the program
    // is about to end.
    const enet_uint32 until = enet_time_get() + FarewellMilliseconds;
    ENetEvent event;
    while (static_cast<std::int32_t>(until - enet_time_get()) > 0 &&
           enet_host_service(host, &event, FarewellSliceMilliseconds) >= 0) {
        if (event.type == ENET_EVENT_TYPE_RECEIVE)
            enet_packet_destroy(event.packet);
        if (event.type == ENET_EVENT_TYPE_DISCONNECT && event.peer == peer)
            break;
    }
    peer = nullptr;
    connected = false;
}

void NetLink::Drop()
{
    if (!peer)
        return;
    enet_peer_disconnect_now(peer, NoData);
    peer = nullptr;
    connected = false;
    held.clear();
}
