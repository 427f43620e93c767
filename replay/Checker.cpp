// Playing a replay back headless to check it against the hashes it holds,
// and the cursor that gives a replay's commands frame by frame.
#include "replay/Checker.h"

#include <algorithm>
#include <cstdio>

#include "replay/Recorder.h"
#include "rules/FrameSounds.h"
#include "rules/PlayState.h"
#include "rules/Tick.h"

namespace {

std::string Hex(std::uint64_t value)
{
    char text[20];
    snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The first difference between a replay and the one its playing back recorded.
void Compare(const Replay& recorded, const Replay& played, ReplayCheck& check)
{
    const std::size_t seconds =
        std::min(recorded.secondHashes.size(), played.secondHashes.size());
    for (std::size_t i = 0; i < seconds; ++i) {
        if (recorded.secondHashes[i] != played.secondHashes[i]) {
            check.second = static_cast<int>(i) + 1;
            check.frame = check.second * recorded.settings.framesPerSecond;
            check.recorded = recorded.secondHashes[i];
            check.played = played.secondHashes[i];
            check.difference = "second " + std::to_string(check.second) + " (frame of play " +
                               std::to_string(check.frame) + "): recorded hash " +
                               Hex(check.recorded) + ", played " + Hex(check.played);
            return;
        }
    }
    if (recorded.outcome.playFrames != played.outcome.playFrames ||
        recorded.frameCount != played.frameCount) {
        check.difference = "play lasted " + std::to_string(played.outcome.playFrames) + " of " +
                           std::to_string(played.frameCount) + " frames, recorded " +
                           std::to_string(recorded.outcome.playFrames) + " of " +
                           std::to_string(recorded.frameCount);
    } else if (recorded.endHash != played.endHash) {
        check.recorded = recorded.endHash;
        check.played = played.endHash;
        check.difference = "the last frame: recorded hash " + Hex(check.recorded) + ", played " +
                           Hex(check.played);
    } else if (!(recorded.outcome == played.outcome)) {
        check.difference = std::string("the outcome: recorded ") +
                           ReplayEndName(recorded.outcome.end) + ", played " +
                           ReplayEndName(played.outcome.end);
    }
}

}  // namespace

ReplayCursor::ReplayCursor(const Replay& replay) : replay(replay) {}

const FrameCommands& ReplayCursor::Next()
{
    const bool given = nextRecord < replay.records.size() &&
                       replay.records[nextRecord].frame == frame;
    ++frame;
    return given ? replay.records[nextRecord++].commands : none;
}

void ReplayCursor::MoveTo(int to)
{
    frame = std::max(0, to);
    const auto first = std::lower_bound(
        replay.records.begin(), replay.records.end(), frame,
        [](const ReplayRecord& record, int at) { return record.frame < at; });
    nextRecord = static_cast<std::size_t>(first - replay.records.begin());
}

ReplayCheck CheckReplay(const Replay& replay)
{
    ReplayCheck check;
    if (!StartReplayLevel(replay)) {
        check.difference = "the maze is not a level";
        return check;
    }
    ReplayRecorder played;
    played.Start(replay.mazeText, replay.settings);
    ReplayCursor cursor(replay);
    while (!cursor.AtEnd() && !played.Finished()) {
        const FrameCommands& commands = cursor.Next();
        Tick(commands);
        PlayFrameSounds();
        played.AddFrame(commands);
    }
    // A level cut short (the other player of a network game left) ends where its frames end.
    if (!played.Finished() && cursor.AtEnd() && replay.outcome.end == ReplayEnd::Left)
        played.Cut(HashGameState());
    check.outcome = played.replay.outcome;
    Compare(replay, played.replay, check);
    check.matches = check.difference.empty();
    return check;
}
