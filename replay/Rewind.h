// Moving about in a replay being watched: its frames run forward one by one,
// a snapshot of the play state is kept every second (further apart in a
// replay longer than MaxReplaySnapshots seconds), and a jump to any frame
// restores the nearest earlier snapshot and ticks silently up to it.
#pragma once

#include <vector>

#include "replay/Checker.h"
#include "replay/ReplayFile.h"
#include "rules/PlayState.h"

// The most snapshots a replay keeps: every second of twenty minutes, about
// 40 MB with eight ghosts; a longer replay keeps them as far apart as it must.
constexpr int MaxReplaySnapshots = 1200;

class ReplayTimeline {
public:
    // The replay must outlive the timeline.
    explicit ReplayTimeline(const Replay& replay);
    // Call it right after the replay's level started: runs the whole replay
    // silently once, keeping its snapshots, then puts the level's start back
    // (with the events its start emitted, still to be heard). Every jump
    // then ticks at most one interval's frames.
    void Prepare();
    // Ticks the next frame with its commands; the caller plays its sounds (or
    // ends its events). A second's first frame reached for the first time is kept.
    void Step();
    // Puts the game at a frame (frames ticked from the level's start; at
    // least 0): from the nearest snapshot at or before it, or from where it
    // is when that is nearer, ticking silently (every re-run frame's events
    // are ended unheard). The cursor moves with it.
    void SeekTo(int target);

    int Frame() const { return cursor.Frame(); }
    // The frames the replay recorded: the end of its bar.
    int Frames() const { return replay.frameCount; }
    bool AtEnd() const { return cursor.AtEnd(); }
    // Frames between two snapshots kept: the replay's frames a second, or more in a long replay.
    int Interval() const { return interval; }
    int SnapshotsKept() const { return static_cast<int>(snapshots.size()); }

private:
    // Ticks one frame; silent ends its events unheard.
    void Run(bool silent);

    const Replay& replay;
    const int interval;                 // frames from one snapshot to the next
    ReplayCursor cursor;                // the replay's next frame
    std::vector<PlaySnapshot> snapshots;  // the i-th: the state at frame i * interval
};
