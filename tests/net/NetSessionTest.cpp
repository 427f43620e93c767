// The network session's host straight on the network (ENet), in this
// process: a machine that connects and never says hello is turned away so
// that a real player can come, and a host that ends network play lets its
// port go so that it can host again. And a host online whose relay cannot
// be reached says so, not that a player left.
#include <gtest/gtest.h>

#include <enet/enet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>

#include "net/NetSession.h"

namespace {

constexpr int GiveUpSeconds = 20;  // a condition not met by then fails the test

// A UDP port free on the loopback now: the OS chooses it for a socket that is then closed.
std::uint16_t FreeUdpPort()
{
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);
    return ntohs(address.sin_port);
}

NetOptions HostOn(std::uint16_t port)
{
    NetOptions options;
    options.role = NetRole::Host;
    options.address = "127.0.0.1";
    options.port = port;
    return options;
}

bool TimeLeft(std::chrono::steady_clock::time_point start)
{
    return std::chrono::steady_clock::now() - start < std::chrono::seconds(GiveUpSeconds);
}

TEST(NetSessionHost, AMachineThatNeverSaysHelloIsTurnedAway)
{
    const std::uint16_t port = FreeUdpPort();
    NetSession host(HostOn(port));
    ASSERT_TRUE(host.Open()) << host.Notice();

    // A client that connects and then says nothing.
    ASSERT_EQ(enet_initialize(), 0);
    ENetHost* client = enet_host_create(nullptr, 1, 1, 0, 0);
    ASSERT_NE(client, nullptr);
    ENetAddress address{};
    enet_address_set_host(&address, "127.0.0.1");
    address.port = port;
    ASSERT_NE(enet_host_connect(client, &address, 1, 0), nullptr);

    bool connected = false, turnedAway = false;
    const auto start = std::chrono::steady_clock::now();
    while (!turnedAway && TimeLeft(start)) {
        host.Service(5);
        ENetEvent event;
        while (enet_host_service(client, &event, 5) > 0) {
            connected = connected || event.type == ENET_EVENT_TYPE_CONNECT;
            turnedAway = turnedAway || event.type == ENET_EVENT_TYPE_DISCONNECT;
            if (event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
        }
    }
    EXPECT_TRUE(connected);
    EXPECT_TRUE(turnedAway) << "the silent machine kept the host's place";
    EXPECT_EQ(host.Phase(), NetPhase::Listening);
    EXPECT_EQ(host.Notice(), "Turned away a machine that did not say hello");
    enet_host_destroy(client);
    enet_deinitialize();
}

TEST(NetSessionHost, AHostThatEndsNetworkPlayLetsItsPortGo)
{
    const std::uint16_t port = FreeUdpPort();
    NetSession first(HostOn(port));
    ASSERT_TRUE(first.Open()) << first.Notice();
    first.Close();
    NetSession again(HostOn(port));
    EXPECT_TRUE(again.Open()) << again.Notice();
}

}  // namespace

TEST(NetSessionHost, AnOnlineHostWhoseRelayCannotBeReachedSaysSo)
{
    // A TCP port nobody listens on: one the system just gave out, closed again.
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    close(probe);
    NetOptions options;
    options.role = NetRole::Host;
    options.online = true;
    options.relayUrl = "ws://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    NetSession host(options);
    ASSERT_TRUE(host.Open()) << host.Notice();
    const auto start = std::chrono::steady_clock::now();
    while (host.Phase() != NetPhase::Offline && TimeLeft(start))
        host.Service(10);
    EXPECT_EQ(host.Phase(), NetPhase::Offline);
    EXPECT_EQ(host.Notice().rfind("Online: cannot reach the relay at 127.0.0.1:", 0), 0u) << host.Notice();
}
