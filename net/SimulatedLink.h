// A network inside one process for tests: two connected endpoints
// (SimulatedLink, a NetTransport each) over a SimulatedNetwork that a test
// drives with its own clock, no sockets and no sleeps. Every raw delivery
// of a message can be late (latency and jitter), lost and sent again,
// duplicated or overtaken by a later one, yet each endpoint hands its
// session every message once and in order, as ENet's reliable channel does.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "net/Transport.h"

// The conditions of the simulated network, the same both ways.
struct SimulatedConditions {
    int latency = 0;       // milliseconds one way
    int jitter = 0;        // up to this many milliseconds more, drawn per raw delivery
    int lossPercent = 0;   // share of raw deliveries lost; the sender sends again
    int duplicatePercent = 0;  // share of raw deliveries that arrive twice
    int resendAfter = 0;   // milliseconds before a lost delivery is sent again; 0: twice the latency, at least 20
    std::uint32_t seed = 1;  // of the draws: the same seed, the same network
};

// The simulated clock at the start, in milliseconds: never 0, which the session reads as "not yet".
constexpr std::uint32_t SimulatedClockStart = 1000;

class SimulatedLink;

class SimulatedNetwork {
public:
    explicit SimulatedNetwork(const SimulatedConditions& conditions);
    ~SimulatedNetwork();
    SimulatedNetwork(const SimulatedNetwork&) = delete;
    SimulatedNetwork& operator=(const SimulatedNetwork&) = delete;

    // The two endpoints: 0 the host's, 1 the joiner's. They are owned by
    // whoever takes them (a NetSession) and must not outlive the network.
    std::unique_ptr<SimulatedLink> TakeEndpoint(int side);
    // Connects the endpoints: each hears Joined after the latency.
    void Connect();
    // The network's clock, in milliseconds; the test moves it.
    std::uint32_t Now() const { return now; }
    void Advance(int milliseconds) { now += static_cast<std::uint32_t>(milliseconds); }
    SimulatedConditions conditions;
    // How many raw deliveries were lost, duplicated or came out of order, for tests to see the conditions at work.
    int lost = 0, duplicated = 0, reordered = 0;

private:
    friend class SimulatedLink;
    // Raw deliveries of one message from one side to the other.
    void Carry(int from, std::uint64_t sequence, LinkEventKind kind,
               const std::vector<std::uint8_t>& bytes);
    int Draw(int below);

    std::uint32_t now = SimulatedClockStart;
    std::mt19937 random;
    SimulatedLink* ends[2] = {nullptr, nullptr};  // while taken and alive
};

class SimulatedLink : public NetTransport {
public:
    SimulatedLink(SimulatedNetwork& network, int side) : network(network), side(side) {}
    ~SimulatedLink() override;
    SimulatedLink(const SimulatedLink&) = delete;
    SimulatedLink& operator=(const SimulatedLink&) = delete;

    // The next event that has arrived by the network's clock; never waits.
    bool Poll(LinkEvent& event, int waitMilliseconds) override;
    void Send(const std::vector<std::uint8_t>& bytes) override;
    void Leave() override;
    void Drop() override;
    bool HasPeer() const override { return peer; }
    std::uint32_t Now() const override { return network.Now(); }

private:
    friend class SimulatedNetwork;
    struct Arrival {
        LinkEventKind kind = LinkEventKind::Message;
        std::vector<std::uint8_t> bytes;
        std::uint32_t at = 0;  // on the network's clock
    };
    // A raw delivery: the first copy of a sequence number counts, later ones are dropped.
    void Receive(std::uint64_t sequence, Arrival arrival);

    SimulatedNetwork& network;
    int side;
    bool peer = false;            // connected, and the peer has not left
    std::uint64_t nextSent = 0;   // the sequence number of the next message sent
    std::uint64_t nextGiven = 0;  // the sequence number the session is given next
    std::uint32_t latestArrival = 0;  // the latest arrival of the messages so far, to count overtaking
    std::map<std::uint64_t, Arrival> arrived;  // by sequence number, not yet given
};
