// The relay protocol: the binary WebSocket messages between a game and the
// relay server (relayserver/), which pairs two players by a room code and lets
// spectators watch. The first byte of a message is its kind. The relay reads
// only this framing, never the game's messages inside Data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr std::uint8_t RelayProtocolVersion = 1;
// The largest message either side may send; the relay closes a connection that sends more.
constexpr std::size_t RelayMaxMessageBytes = 64 * 1024;
// Room codes: six characters from an alphabet without look-alikes (no 0/O, 1/I/L).
constexpr std::size_t RelayCodeLength = 6;
constexpr std::string_view RelayCodeAlphabet = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
// The longest text of an Error or Closing message.
constexpr std::size_t RelayMaxTextBytes = 200;
// The port a relay listens on unless told otherwise.
constexpr std::uint16_t RelayDefaultPort = 24863;

enum class RelayKind : std::uint8_t {
    // A game to the relay.
    Hello = 1,  // version, role, and for Join and Watch the room code
    Data = 2,   // flags, then the game's bytes
    // The relay to a game.
    Room = 16,        // the code of the room just created (to its creator)
    PeerJoined = 17,  // the other player is there; a spectator: the game's stream begins
    Delivery = 18,    // who sent it (0 creator, 1 joiner), then the game's bytes
    PeerLeft = 19,    // a player (0 creator, 1 joiner) left
    Error = 20,       // why the relay refuses or closes; the connection ends
    Closing = 21,     // the relay shuts down; the connection ends
};

enum class RelayRole : std::uint8_t {
    Create = 0,  // opens a room and plays in it as its creator
    Join = 1,    // plays in a room as the second player
    Watch = 2,   // watches a room's game
};

// The flags of a Data message: where the relay sends it.
namespace RelayFlag {
constexpr std::uint8_t ToPeer = 1;        // to the other player
constexpr std::uint8_t ToSpectators = 2;  // to the spectators, and into the room's backlog
constexpr std::uint8_t HistoryStart = 4;  // the backlog for late spectators starts anew here
constexpr std::uint8_t All = ToPeer | ToSpectators | HistoryStart;
}  // namespace RelayFlag

struct RelayMessage {
    RelayKind kind = RelayKind::Error;
    std::uint8_t version = RelayProtocolVersion;  // Hello
    RelayRole role = RelayRole::Create;           // Hello
    std::string code;                             // Hello (Join, Watch), Room
    std::uint8_t flags = 0;                       // Data
    std::uint8_t player = 0;                      // Delivery (sender), PeerLeft
    std::string text;                             // Error, Closing
    std::vector<std::uint8_t> payload;            // Data, Delivery
};

// A Data message with no flags and no bytes goes nowhere: a game that has
// nothing to send sends it now and then so that the relay's idle timeout
// keeps it (a browser's WebSocket cannot ping). Spectators may send it too.
bool IsRelayKeepAlive(const RelayMessage& message);
std::vector<std::uint8_t> RelayKeepAlive();

// True when the text is a well-formed room code (upper case, from the alphabet).
bool IsRelayCode(std::string_view code);
// A code typed by a player, made upper case with spaces and dashes removed.
std::string NormalizeRelayCode(std::string_view typed);

// Reads one message; false for anything malformed (unknown kind, bad length,
// unknown flags, a bad code or text, trailing bytes).
bool DecodeRelayMessage(const std::uint8_t* data, std::size_t size, RelayMessage& message);
// Writes a message as DecodeRelayMessage reads it.
void EncodeRelayMessage(const RelayMessage& message, std::vector<std::uint8_t>& bytes);

// Shorthands for the messages with few fields.
std::vector<std::uint8_t> RelayHello(RelayRole role, std::string_view code);
std::vector<std::uint8_t> RelayData(std::uint8_t flags, const std::vector<std::uint8_t>& payload);
std::vector<std::uint8_t> RelayText(RelayKind kind, std::string_view text);
