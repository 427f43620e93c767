// The in-process network of tests: raw deliveries with their latency,
// jitter, losses, duplicates and overtaking, put back in order per endpoint.
#include "net/SimulatedLink.h"

#include <algorithm>

namespace {

constexpr int MinResendMilliseconds = 20;  // ENet does not send again sooner
constexpr int JoinSequence = 0;            // Joined is every endpoint's first event

}  // namespace

SimulatedNetwork::SimulatedNetwork(const SimulatedConditions& conditions)
    : conditions(conditions), random(conditions.seed)
{
}

SimulatedNetwork::~SimulatedNetwork()
{
    for (SimulatedLink* end : ends)
        if (end)
            end->peer = false;
}

std::unique_ptr<SimulatedLink> SimulatedNetwork::TakeEndpoint(int side)
{
    auto end = std::make_unique<SimulatedLink>(*this, side);
    ends[side] = end.get();
    return end;
}

int SimulatedNetwork::Draw(int below)
{
    return below <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(below));
}

void SimulatedNetwork::Connect()
{
    for (int from = 0; from < 2; ++from)
        if (ends[from]) {
            ends[from]->nextSent = JoinSequence + 1;
            Carry(from, JoinSequence, LinkEventKind::Joined, {});
        }
}

void SimulatedNetwork::Carry(int from, std::uint64_t sequence, LinkEventKind kind,
                             const std::vector<std::uint8_t>& bytes)
{
    SimulatedLink* to = ends[1 - from];
    if (!to)
        return;
    const int resend = conditions.resendAfter > 0
                           ? conditions.resendAfter
                           : std::max(2 * conditions.latency, MinResendMilliseconds);
    // Each lost delivery costs one wait for the resend.
    int delay = 0;
    while (Draw(100) < conditions.lossPercent) {
        ++lost;
        delay += resend;
    }
    const int copies = Draw(100) < conditions.duplicatePercent ? 2 : 1;
    duplicated += copies - 1;
    for (int copy = 0; copy < copies; ++copy) {
        SimulatedLink::Arrival arrival;
        arrival.kind = kind;
        arrival.bytes = bytes;
        arrival.at = now + static_cast<std::uint32_t>(conditions.latency + delay +
                                                      Draw(conditions.jitter + 1));
        to->Receive(sequence, std::move(arrival));
    }
}

SimulatedLink::~SimulatedLink()
{
    if (network.ends[side] == this)
        network.ends[side] = nullptr;
}

void SimulatedLink::Receive(std::uint64_t sequence, Arrival arrival)
{
    if (sequence < nextGiven)
        return;
    auto [place, fresh] = arrived.try_emplace(sequence, arrival);
    if (!fresh) {
        place->second.at = std::min(place->second.at, arrival.at);  // the first copy counts
        return;
    }
    // Raw deliveries overtaken: sent before one that arrives sooner.
    if (static_cast<int>(latestArrival - place->second.at) > 0)
        ++network.reordered;
    latestArrival = std::max(latestArrival, place->second.at);
}

bool SimulatedLink::Poll(LinkEvent& event, int)
{
    // In order: the next sequence number once it and all before it are here.
    const auto next = arrived.find(nextGiven);
    if (next == arrived.end() || static_cast<int>(network.Now() - next->second.at) < 0)
        return false;
    event.kind = next->second.kind;
    event.bytes = std::move(next->second.bytes);
    event.sender = 1 - side;
    arrived.erase(next);
    ++nextGiven;
    if (event.kind == LinkEventKind::Joined)
        peer = true;
    if (event.kind == LinkEventKind::Left) {
        peer = false;
        arrived.clear();
    }
    return true;
}

void SimulatedLink::Send(const std::vector<std::uint8_t>& bytes)
{
    if (peer)
        network.Carry(side, nextSent++, LinkEventKind::Message, bytes);
}

void SimulatedLink::Leave()
{
    // The farewell goes after what was sent, in order.
    if (peer)
        network.Carry(side, nextSent++, LinkEventKind::Left, {});
    peer = false;
}

void SimulatedLink::Drop()
{
    Leave();
}
