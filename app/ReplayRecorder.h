// Replays made and played: the recorder that follows a level frame by frame,
// starting a replay's level, and playing a replay back headless to check it
// against the hashes it holds.
#pragma once

#include <cstdint>
#include <string>

#include "app/Replay.h"

// Records one level. Start it before the level starts; after every frame
// (the tick and its sounds, so that the frame's events are
// GameEvents.lastFrame) hand it the commands the tick was given.
class ReplayRecorder {
public:
    void Start(const std::string& mazeText, const ReplaySettings& settings);
    // Records the frame: its commands, a hash each second of play, what it
    // ate, and the outcome once the level has ended or been left.
    void AddFrame(const FrameCommands& commands);
    bool Finished() const { return finished; }

    Replay replay;

private:
    bool finished = false;  // the level is over: later frames are not recorded
};

// The settings in force now, as a replay keeps them.
ReplaySettings CurrentReplaySettings();

// Puts the settings in force: the configuration's, the frame rate, the time
// limit and the game mode (the level number is only kept).
void ApplyReplaySettings(const ReplaySettings& settings);
// Reads the replay's maze into the game, applies its settings and starts its
// level; false (nothing started) when the maze text is not a level.
bool StartReplayLevel(const Replay& replay);

// What playing a replay back found.
struct ReplayCheck {
    bool matches = false;
    ReplayOutcome outcome;     // of the game played back
    int second = 0;            // the first second of play whose hash differs; 0: none
    int frame = 0;             // that second's last frame of play
    std::uint64_t recorded = 0, played = 0;  // the two hashes that differ
    std::string difference;    // what differs, in words; empty when it matches
};

// Plays the replay from its level's start with its commands, frame by frame
// through RunHeadlessFrame (the game must be started headless), and compares
// the hashes, the frames and the outcome with the recording.
ReplayCheck CheckReplay(const Replay& replay);
