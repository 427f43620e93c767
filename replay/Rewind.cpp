// Moving about in a replay being watched: snapshots every second, and jumps
// that restore one and tick silently to the frame asked for.
#include "replay/Rewind.h"

#include <algorithm>

#include "actors/GameEvents.h"
#include "rules/Tick.h"

namespace {

// Frames between snapshots: a second's, or as many as keep a long replay's
// snapshots within MaxReplaySnapshots.
int IntervalOf(const Replay& replay)
{
    const int second = std::max(1, replay.settings.framesPerSecond);
    const int spread = (replay.frameCount + MaxReplaySnapshots - 1) / MaxReplaySnapshots;
    return std::max(second, spread);
}

}  // namespace

ReplayTimeline::ReplayTimeline(const Replay& replay)
    : replay(replay), interval(IntervalOf(replay)), cursor(replay)
{
}

void ReplayTimeline::Prepare()
{
    const EventLog startEvents = GameEvents;
    snapshots.clear();
    cursor.MoveTo(0);
    snapshots.push_back(SavePlay());
    while (!cursor.AtEnd())
        Run(true);
    RestorePlay(snapshots.front());
    cursor.MoveTo(0);
    GameEvents = startEvents;
}

void ReplayTimeline::Run(bool silent)
{
    Tick(cursor.Next());
    if (silent)
        GameEvents.EndFrame();  // a re-run frame's sounds were heard, or are skipped over
    const int frame = cursor.Frame();
    if (frame % interval == 0 && frame / interval == SnapshotsKept())
        snapshots.push_back(SavePlay());
}

void ReplayTimeline::Step()
{
    Run(false);
}

void ReplayTimeline::SeekTo(int target)
{
    target = std::max(0, target);
    if (snapshots.empty())
        return;  // the start was never kept: nothing to go back to
    const int kept = std::min(target / interval, SnapshotsKept() - 1);
    const int from = kept * interval;
    if (Frame() < from || Frame() > target) {
        RestorePlay(snapshots[static_cast<std::size_t>(kept)]);
        cursor.MoveTo(from);
    }
    while (Frame() < target)
        Run(true);
}
