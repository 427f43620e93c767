// Replays: how fast a replay is played back and checked headless (frames per
// second, eight ghosts on the shipped campaign levels), and what recording
// costs a frame (the recorder's part alone, with its hash every second), and
// saving plus restoring the play state.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "app/HeadlessGame.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"
#include "rules/PlayState.h"
#include "bench/Stopwatch.h"
#include "tests/support/Sandbox.h"
#include "tools/sim/Match.h"
#include "tools/sim/Recording.h"

namespace {

constexpr int CampaignLevels = 12;  // shipped levels of each campaign
constexpr int FullSquad = 8;
constexpr std::uint32_t MeddlerSeed = 7;  // commands now and then, as a player gives them

// Both campaigns' levels with eight ghosts, recorded once in a throw-away
// copy of the shipped data.
const std::vector<Replay>& EightGhostReplays()
{
    static std::unique_ptr<Sandbox> folder;
    static std::vector<Replay> replays;
    if (folder)
        return replays;
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    StartSimulation(folder->path);
    for (const bool ghosts : {false, true}) {
        for (int level = 1; level <= CampaignLevels; ++level) {
            LevelSettings settings;
            std::string maze;
            if (!CampaignLevelSettings(ghosts, level, settings) ||
                !ReadTextFile(std::string("data/") + (ghosts ? "ghosts" : "gulper") + "_level_" +
                                  std::to_string(level) + ".lev",
                              maze))
                continue;
            settings.ghostCount = FullSquad;
            Replay replay;
            if (RecordMatch(maze, settings, MeddlerSeed, replay))
                replays.push_back(replay);
        }
    }
    return replays;
}

void VerifyReplay(benchmark::State& state)
{
    const std::vector<Replay>& replays = EightGhostReplays();
    std::size_t next = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        const Replay& replay = replays[next++ % replays.size()];
        bool matches = false;
        state.SetIterationTime(SecondsOf([&] { matches = CheckReplay(replay).matches; }));
        if (!matches)
            state.SkipWithError("a replay did not play back as recorded");
        frames += replay.frameCount;
    }
    state.SetItemsProcessed(frames);  // items per second: frames checked per second
}

void RecordFrame(benchmark::State& state)
{
    const std::vector<Replay>& replays = EightGhostReplays();
    std::size_t next = 0;
    for (auto _ : state) {
        const Replay& replay = replays[next++ % replays.size()];
        StartReplayLevel(replay);
        ReplayRecorder recorder;
        recorder.Start(replay.mazeText, replay.settings);
        ReplayCursor cursor(replay);
        double seconds = 0;
        while (!cursor.AtEnd()) {
            const FrameCommands& commands = cursor.Next();
            RunHeadlessFrame(commands, false);
            seconds += SecondsOf([&] { recorder.AddFrame(commands); });
        }
        // One iteration reports the recorder's time for one frame.
        state.SetIterationTime(seconds / replay.frameCount);
    }
}

// Saving and restoring the play state in the middle of a level with eight
// ghosts (what rollback does for every frame it plays again); the counter
// snapshot_bytes is the size of one snapshot.
void SaveAndRestorePlay(benchmark::State& state)
{
    const std::vector<Replay>& replays = EightGhostReplays();
    std::size_t next = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Replay& replay = replays[next++ % replays.size()];
        StartReplayLevel(replay);
        ReplayCursor cursor(replay);
        while (cursor.Frame() < replay.frameCount / 2)
            RunHeadlessFrame(cursor.Next(), false);
        state.SetIterationTime(SecondsOf([&] {
            const PlaySnapshot snapshot = SavePlay();
            RestorePlay(snapshot);
            bytes = snapshot.bytes.size();
        }));
    }
    state.counters["snapshot_bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK(SaveAndRestorePlay)->UseManualTime()->Iterations(48)->Unit(benchmark::kMicrosecond);
BENCHMARK(VerifyReplay)->UseManualTime()->Iterations(48)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordFrame)->UseManualTime()->Iterations(24)->Unit(benchmark::kMicrosecond);
