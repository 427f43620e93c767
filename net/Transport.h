// What network play needs of a connection to the other machine, whatever
// carries it: ENet straight to the peer (NetLink) or WebSocket through a
// relay server (RelayLink). The game's single thread drives it by polling.
#pragma once

#include <cstdint>
#include <vector>

enum class LinkEventKind {
    Joined,    // the peer is connected (a spectator: the game's stream begins)
    Message,   // the peer sent bytes
    Left,      // the peer disconnected, timed out, or could not be reached
};

struct LinkEvent {
    LinkEventKind kind = LinkEventKind::Left;
    std::vector<std::uint8_t> bytes;  // Message
    int sender = 0;                   // which player sent the Message: 0 host (creator), 1 joiner
};

class NetTransport {
public:
    virtual ~NetTransport() = default;
    // The next event, waiting up to the given time for one; false when none came.
    virtual bool Poll(LinkEvent& event, int waitMilliseconds) = 0;
    // Sends a message to the peer, if there is one.
    virtual void Send(const std::vector<std::uint8_t>& bytes) = 0;
    // Disconnects once what was sent has gone.
    virtual void Leave() = 0;
    // Disconnects at once, without a word: for a peer that broke the protocol.
    virtual void Drop() = 0;
    virtual bool HasPeer() const = 0;
    // The clock the session measures round trips, silence and waits by, in
    // milliseconds: real time, or a simulated network's own.
    virtual std::uint32_t Now() const;
    // Poll can wait for an event to arrive. False in a web page, where
    // messages arrive only between the browser's frames: a caller that
    // would wait for one returns to the browser instead.
    virtual bool CanWait() const { return true; }
};
