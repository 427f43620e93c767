// The connection between two machines, on ENet over UDP: one peer at a
// time, every message reliable and in order on one channel. A host listens
// on its one port; a joining machine connects to it. For tests it can hold
// back what it sends and lose what it receives.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "net/Transport.h"

struct _ENetHost;
struct _ENetPeer;

// A peer that stays silent this long is gone.
constexpr int NetSilenceMilliseconds = 10000;

class NetLink : public NetTransport {
public:
    NetLink() = default;
    ~NetLink() override;
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;

    // Listens on the port of the given address (null: every address of this
    // machine); false with the reason in error when the port cannot be had.
    // Port 0 takes any free port, which ListeningPort then tells.
    bool Listen(const char* address, std::uint16_t port, std::string& error);
    std::uint16_t ListeningPort() const;
    // Starts connecting to a host; the outcome comes as Joined or Left.
    bool Connect(const std::string& host, std::uint16_t port, std::string& error);
    // The next event, waiting up to the given time for one; false when none came.
    bool Poll(LinkEvent& event, int waitMilliseconds) override;
    // Sends a message to the peer, if there is one.
    void Send(const std::vector<std::uint8_t>& bytes) override;
    // Disconnects the peer once what was sent has gone; a host then waits for another.
    void Leave() override;
    // Disconnects the peer at once, without a word: for a peer that broke the protocol.
    void Drop() override;
    bool HasPeer() const override { return peer != nullptr; }
    // What a host sends a second machine that tries to connect, before turning it away.
    std::vector<std::uint8_t> busyReply;

    // Test conditions: each message sent is held back this long, and this
    // share of the datagrams received is lost (ENet sends them again).
    void SimulateLatency(int milliseconds) { latency = milliseconds; }
    void SimulateLoss(int percent, std::uint32_t seed);
    // Draws whether the next datagram received is lost.
    bool LosesADatagram();

private:
    bool CreateHost(const void* address, std::string& error);
    void SendNow(const std::vector<std::uint8_t>& bytes);
    void SendDue();

    struct Held {
        std::uint32_t due;  // milliseconds on ENet's clock
        std::vector<std::uint8_t> bytes;
    };

    _ENetHost* host = nullptr;
    _ENetPeer* peer = nullptr;  // the one peer, connecting or connected
    bool connected = false;     // the peer's connection is made
    int latency = 0;
    int lossPercent = 0;        // share of the datagrams received that the test conditions lose
    std::mt19937 lossRandom;    // draws which
    std::deque<Held> held;      // messages held back by the simulated latency
};
