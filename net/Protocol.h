// The messages two machines exchange in network play, and their bytes. Every
// message is one packet: a type byte, then its fields, little-endian. The
// decoder is the only way into the game for bytes from the network, so it
// refuses anything that is not exactly a message of this protocol: a packet
// too short or too long, an unknown type, a value out of range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/Commands.h"
#include "platform/LevelSettings.h"

// Raised whenever the messages or their meaning change; both sides must agree.
// 2: the host tells the joining player its settings while they wait
// (LobbySettings), a level's start says lockstep or rollback, and machines
// out of step send each other their play state of the frame (Snapshot).
constexpr std::uint16_t NetProtocolVersion = 2;
// The UDP port a host listens on unless the player names another.
constexpr std::uint16_t DefaultNetPort = 24862;

// What a decoder accepts.
constexpr std::size_t MaxNetVersionBytes = 64;
constexpr std::size_t MaxNetMazeBytes = 1 << 20;
// A play state sent on a hash mismatch; within a relay's message (64 KiB).
constexpr std::size_t MaxNetSnapshotBytes = 60 * 1024;
constexpr int MinNetDelay = 2;  // frames between a command and its frame
constexpr int MaxNetDelay = 6;
constexpr int MaxRollbackDelay = 2;  // frames of input delay a rollback level may have
constexpr double MinNetSpeed = 0.5;  // pixels per frame, both sides
constexpr double MaxNetSpeed = 10.0;
constexpr int MinNetGhosts = 1, MaxNetGhosts = 8;
constexpr int MinNetTimeLimit = 1, MaxNetTimeLimit = 3600;  // seconds
constexpr int MinNetFrameRate = 5, MaxNetFrameRate = 100;
constexpr unsigned MaxNetMapNumber = 99;  // the custom maps are numbered 0 to 99
constexpr std::uint32_t MaxNetFrame = 1u << 30;

enum class NetMessageType : std::uint8_t {
    Hello = 1,   // the joining side's versions
    Welcome,     // the host's versions: the handshake agreed
    Refuse,      // the handshake failed or the host is busy; the sender disconnects
    StartLevel,  // the host starts a level: its settings, the delay and the maze
    Commands,    // one side's commands for one frame of the level
    Hash,        // the state hash after a frame of the level
    Ping,        // a stamp to send back at once, for the round trip
    Pong,
    LobbySettings,  // the host's settings for the next level, and the side the joiner would play
    Snapshot,    // the sender's play state after a frame whose hashes differ
};

enum class NetRefusal : std::uint8_t {
    Versions = 1,  // the protocol or the game's version differs
    Busy,          // the host already has a player
};

// The level's settings as the host sends them: of the level settings, the
// speeds, the ghosts, the time limit and the frame rate go over the network;
// the sides follow from joinerSide, and the rest is the joining machine's.
using NetSettings = LevelSettings;

// One message; only the fields of its type are read or written.
struct NetMessage {
    NetMessageType type = NetMessageType::Ping;
    std::uint16_t protocol = NetProtocolVersion;  // Hello, Welcome, Refuse: the sender's
    std::string gameVersion;                      // Hello, Welcome, Refuse: the sender's
    NetRefusal refusal = NetRefusal::Versions;    // Refuse
    NetSettings settings;                         // StartLevel, LobbySettings
    int delay = MinNetDelay;                      // StartLevel: lockstep's delay, or rollback's input delay
    bool rollback = false;                        // StartLevel: the level is played with rollback
    Side joinerSide = Side::Ghosts;               // StartLevel, LobbySettings: Gulper or Ghosts
    std::string mazeText;                         // StartLevel
    std::uint16_t level = 0;                      // StartLevel, Commands, Hash, Snapshot: the host's count of levels
    std::uint32_t frame = 0;                      // Commands, Hash, Snapshot: from the level's start
    FrameCommands commands;                       // Commands
    std::uint64_t value = 0;                      // Hash: the hash; Ping, Pong: the stamp
    std::string snapshot;                         // Snapshot: the play state's bytes (SavePlay)
    bool operator==(const NetMessage&) const = default;
};

void EncodeNetMessage(const NetMessage& message, std::vector<std::uint8_t>& out);
// Reads a whole packet; false when it is not exactly one valid message.
bool DecodeNetMessage(const std::uint8_t* bytes, std::size_t size, NetMessage& message);
