// The recorder that follows a level frame by frame into a replay, and
// starting a replay's level.
#pragma once

#include <cstdint>
#include <string>

#include "actors/GameEvents.h"
#include "platform/GameState.h"
#include "replay/ReplayFile.h"

// What a frame's tick left that its record needs, read right after the tick
// (and its sounds): network play with rollback records a frame only once
// both players' commands for it are known, frames after it having run meanwhile.
struct FrameFacts {
    std::vector<GameEvent> events;    // the frame's events
    GameStateId frameState = MainMenu;  // the tick's frame state
    GameStateId state = MainMenu;       // the state after the tick
    std::uint64_t hash = 0;             // the state hash after the tick, when hashed
    bool hashed = false;                // false: the state now is the frame's, hashed when needed
};
// The facts of the frame that just ran; hashing costs a walk over the state.
FrameFacts ReadFrameFacts(bool hash);

// Records one level. Start it before the level starts; after every frame
// (the tick and its sounds, so that the frame's events are
// GameEvents.lastFrame) hand it the commands the tick was given.
class ReplayRecorder {
public:
    void Start(const std::string& mazeText, const LevelSettings& settings);
    // Records the frame: its commands, a hash each second of play, what it
    // ate, and the outcome once the level has ended or been left.
    void AddFrame(const FrameCommands& commands);
    // The same from facts read when the frame ran.
    void AddFrame(const FrameCommands& commands, const FrameFacts& facts);
    // Ends the replay where it is: the level was cut short (the other
    // player left); the last hash is that of the last frame recorded, given.
    void Cut(std::uint64_t lastHash);
    bool Finished() const { return finished; }

    Replay replay;

private:
    bool finished = false;  // the level is over: later frames are not recorded
};

// The settings in force now, as a replay keeps them.
LevelSettings CurrentLevelSettings();

// Puts the settings in force: the configuration's, the frame rate, the time
// limit and the game mode (the level number is only kept).
void ApplyLevelSettings(const LevelSettings& settings);
// Reads the replay's maze into the game, applies its settings and starts its
// level; false (nothing started) when the maze text is not a level.
bool StartReplayLevel(const Replay& replay);
