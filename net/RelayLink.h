// The connection to the other player through a relay server (relayserver/), by
// WebSocket: a game creates a room and gets its code, the other player joins
// by that code, spectators watch it. Like NetLink it is driven by polling
// from the game's single thread, and it never blocks longer than asked.
// Two implementations: Boost.Beast on the desktop (RelayLink.cpp), the
// browser's WebSocket in the web build (browser/WebRelayLink.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/RelayProtocol.h"
#include "net/Transport.h"

class RelayLink : public NetTransport {
public:
    RelayLink();
    ~RelayLink() override;
    RelayLink(const RelayLink&) = delete;
    RelayLink& operator=(const RelayLink&) = delete;

    // Each starts connecting to the relay at the URL (ws://HOST[:PORT][/PATH];
    // the port is 24863 when not given): false with the reason in error when
    // the URL or the code is not one. The outcome comes by Poll: for Create,
    // RoomCode() once the relay has opened the room, then Joined when the
    // other player is there; for Join, Joined at once; for Watch, Joined when
    // the game's stream begins (its backlog first, then live). A refusal
    // ("no room with code ABC234", "room ABC234 is full", "the server is
    // full") comes as Left, with the relay's text in LeftReason().
    bool Create(const std::string& url, std::string& error);
    bool Join(const std::string& url, const std::string& code, std::string& error);
    bool Watch(const std::string& url, const std::string& code, std::string& error);

    // The next event, waiting up to the given time for one; false when none
    // came. It waits the whole time even when there is no connection, so a
    // loop of Polls never spins. Message events carry the sender (0 creator,
    // 1 joiner); a spectator gets both players' messages.
    bool Poll(LinkEvent& event, int waitMilliseconds) override;
    // Sends a message with sendFlags (by default to the other player and to the spectators).
    void Send(const std::vector<std::uint8_t>& bytes) override;
    // Sends a message where the flags say (RelayFlag): ToPeer, ToSpectators,
    // and HistoryStart on the message from which a late spectator must see
    // the game (say, a level's start), which the relay keeps for them.
    void Send(const std::vector<std::uint8_t>& bytes, std::uint8_t flags);
    // Sends what is queued, closes the connection and waits a moment (at
    // most a quarter second) for the close to go out. No event follows.
    void Leave() override;
    // Closes the connection at once. No event follows.
    void Drop() override;
    // Connected with the other player there (a spectator: with the stream begun).
    bool HasPeer() const override;
    // On the desktop Poll waits; in a web page (browser/WebRelayLink.cpp) it cannot.
    bool CanWait() const override;

    // The room's code, once the relay has said it (Create, Join, Watch); empty before.
    std::string RoomCode() const;
    // Why the link ended: the relay's Error or Closing text, or what the network did.
    std::string LeftReason() const;
    std::string LastError() const { return LeftReason(); }
    // The last round trip to the relay and back (a WebSocket ping); -1 until known.
    int RoundTripMilliseconds() const;

    // The flags of Send without flags.
    std::uint8_t sendFlags = RelayFlag::ToPeer | RelayFlag::ToSpectators;

    struct Impl;

private:
    bool Start(const std::string& url, RelayRole role, const std::string& code, std::string& error);

    std::unique_ptr<Impl> impl;
};

// Reads ws://HOST[:PORT][/PATH]; false when it is not such a URL.
bool ParseRelayUrl(const std::string& url, std::string& host, std::string& port, std::string& path);
