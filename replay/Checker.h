// Playing a replay back headless to check it, and the cursor over its frames
// that every player of replays uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "replay/ReplayFile.h"

// Gives a replay's commands frame by frame from its level's start: the
// frame's record, or no commands for a frame that has none.
class ReplayCursor {
public:
    explicit ReplayCursor(const Replay& replay);
    // The next frame's commands; the cursor moves on one frame.
    const FrameCommands& Next();
    // Puts the cursor before a frame (at least 0): Next gives that frame.
    void MoveTo(int frame);
    bool AtEnd() const { return frame >= replay.frameCount; }
    int Frame() const { return frame; }  // frames given so far

private:
    const Replay& replay;
    const FrameCommands none;
    int frame = 0;               // the frame Next gives
    std::size_t nextRecord = 0;  // the first record not given yet
};

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
// through the tick (the game must be made, as headless), and compares
// the hashes, the frames and the outcome with the recording.
ReplayCheck CheckReplay(const Replay& replay);
