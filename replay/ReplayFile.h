// A replay: one level as it was played, kept as what decides it (the maze
// as read, the settings and every frame's commands) and checked by the state
// hash of every second of play. The file is little-endian binary:
//
//   "GWRP", format version (u16), the game's version (u16 length, bytes)
//   settings: gulper and ghosts controllers (u8 each), gulper and ghost
//     speeds (f64 bits), ghosts (u8), time limit in seconds (u32), frame
//     rate (u16), game mode (u8), campaign level or custom map number (u32)
//   outcome: how the level ended (u8), frames of play, corn, boosts and
//     ghosts eaten (u32 each)
//   the maze file's text (u32 length, bytes)
//   frames of the level (u32), records (u32), then each record as the
//     empty frames before it (LEB128) and the frame's commands (EncodeCommands)
//   hashes (u32), each a u64; the hash after the last frame (u64)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "actors/GameEvents.h"
#include "input/Commands.h"
#include "platform/GameTypes.h"
#include "platform/LevelSettings.h"

constexpr char ReplayMagic[4] = {'G', 'W', 'R', 'P'};
constexpr std::uint16_t ReplayFormatVersion = 1;

// What a reader accepts, checked before anything is allocated for it.
constexpr int MaxReplayFramesPerSecond = 1000;  // a frame period of at least a millisecond
constexpr int MaxReplayFrames = 2 * 3600 * 60;  // two hours at 60 frames a second
constexpr std::uint32_t MaxReplayMazeBytes = 1 << 20;
constexpr std::size_t MaxReplayFileBytes = 64 << 20;
constexpr int MaxReplayVersionBytes = 64;
constexpr int MaxReplayTimeLimit = 24 * 3600;  // seconds

// How a level ended.
enum class ReplayEnd : std::uint8_t {
    LastCorn,  // the gulper ate the last corn
    TimeOut,   // the gulper survived the time limit
    Caught,    // the ghosts caught the gulper
    Left,      // a player left the level before it ended
};
constexpr int ReplayEndCount = static_cast<int>(ReplayEnd::Left) + 1;
// "gulper wins: last corn" and so on.
const char* ReplayEndName(ReplayEnd end);
// How the last frame's events say the level ended, if they say it: end is
// changed only then.
void NoteEnding(ReplayEnd& end);
// The same from a frame's events kept.
void NoteEnding(ReplayEnd& end, const std::vector<GameEvent>& events);

struct ReplayOutcome {
    ReplayEnd end = ReplayEnd::Left;
    int playFrames = 0;  // frames of play (the Playing state)
    int cornEaten = 0;
    int boostsEaten = 0;
    int ghostsEaten = 0;  // counting a ghost each time it is eaten
    bool operator==(const ReplayOutcome&) const = default;
};

// The commands of one frame that had any; frames not listed had none.
struct ReplayRecord {
    int frame = 0;  // from 0, the first frame after the level's start
    FrameCommands commands;
    bool operator==(const ReplayRecord&) const = default;
};

struct Replay {
    std::string gameVersion;
    LevelSettings settings;
    ReplayOutcome outcome;
    std::string mazeText;  // the level file as read
    int frameCount = 0;    // frames from the level's start to its end
    std::vector<ReplayRecord> records;  // by frame, each frame once
    // The state hash after every framesPerSecond-th frame of play.
    std::vector<std::uint64_t> secondHashes;
    std::uint64_t endHash = 0;  // the state hash after the last frame
    bool operator==(const Replay&) const = default;
};

// The bytes of the file.
std::string EncodeReplay(const Replay& replay);
// Writes the file atomically; false (old file untouched) when it cannot be written.
bool WriteReplay(const char* path, const Replay& replay);
// Reads a replay from bytes; false with the reason in error when the bytes
// are not a complete replay of this format. The replay is then unspecified.
bool DecodeReplay(const std::uint8_t* bytes, std::size_t size, Replay& replay, std::string& error);
bool ReadReplay(const char* path, Replay& replay, std::string& error);
