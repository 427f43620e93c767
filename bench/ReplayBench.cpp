// Replays: how fast a replay is played back and checked headless (frames per
// second, eight ghosts on the shipped campaign levels), and what recording
// costs a frame (the recorder's part alone, with its hash every second),
// saving plus restoring the play state, and seeking in a ten-minute replay
// being watched.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "actors/GameEvents.h"
#include "app/HeadlessGame.h"
#include "net/Rollback.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"
#include "replay/Rewind.h"
#include "rules/PlayState.h"
#include "bench/Stopwatch.h"
#include "tests/support/Sandbox.h"
#include "tools/sim/Match.h"
#include "tools/sim/Recording.h"

namespace {

constexpr int CampaignLevels = 12;  // shipped levels of each campaign
constexpr int FullSquad = 8;
constexpr std::uint32_t MeddlerSeed = 7;  // commands now and then, as a player gives them

constexpr int TenMinutes = 600;              // seconds of the long replay's level
constexpr std::uint32_t SeekSeed = 11;        // where the seeks go
constexpr double SeekTargetSeconds = 0.050;   // a seek anywhere in ten minutes takes at most this
constexpr double SlowestSpeed = 0.1;          // pixels a frame: the slowest the game allows

// The game started headless once, in a throw-away copy of the shipped data.
void StartGameOnce()
{
    static std::unique_ptr<Sandbox> folder;
    if (folder)
        return;
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    StartSimulation(folder->path);
}

// Both campaigns' levels with eight ghosts, recorded once.
const std::vector<Replay>& EightGhostReplays()
{
    static std::vector<Replay> replays;
    if (!replays.empty())
        return replays;
    StartGameOnce();
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

// One rollback of the whole window in the middle of a level with eight
// ghosts: eight frames run ahead of the other side (its commands predicted
// as none, each frame's start kept, as network play runs them), then the
// other side's commands for the oldest of them come and differ, and the
// schedule restores that frame's start and runs all eight again.
void EightFrameRollback(benchmark::State& state)
{
    const std::vector<Replay>& replays = EightGhostReplays();
    std::size_t next = 0;
    int rerun = 0;
    for (auto _ : state) {
        const Replay& replay = replays[next++ % replays.size()];
        StartReplayLevel(replay);
        ReplayCursor cursor(replay);
        while (cursor.Frame() < replay.frameCount / 2)
            RunHeadlessFrame(cursor.Next(), false);
        RollbackSchedule schedule(Side::Gulper, 0);
        while (schedule.CanRun()) {
            schedule.ScheduleLocal(FrameCommands());
            schedule.KeepStart(SavePlay(), TheTick.deferred);
            Tick(schedule.Commands(schedule.Frame()));
            GameEvents.EndFrame();
            schedule.Ran(ReadFrameFacts(true));
        }
        FrameCommands late;
        late.Add(CommandType::SelectAll);
        schedule.AcceptRemote(0, late);
        state.SetIterationTime(SecondsOf([&] { rerun = schedule.Correct(); }));
    }
    state.counters["frames_run_again"] = rerun;
}

// A level that lasts its whole ten-minute time limit, recorded once: the
// first campaign level, eight computer ghosts, a meddler's commands now
// and then, and both sides at the slowest speed the game allows (so that
// the gulper can neither eat all the corn nor be caught in ten minutes).
const Replay& TenMinuteReplay()
{
    static Replay replay;
    if (replay.frameCount > 0)
        return replay;
    StartGameOnce();
    std::string maze;
    LevelSettings settings;
    if (!ReadTextFile("data/gulper_level_1.lev", maze) || !CampaignLevelSettings(false, 1, settings))
        return replay;
    settings.ghostCount = FullSquad;
    settings.timeLimit = TenMinutes;
    settings.gulperSpeed = SlowestSpeed;
    settings.ghostSpeed = SlowestSpeed;
    RecordMatch(maze, settings, MeddlerSeed, replay);
    return replay;
}

// Jumps to frames anywhere in a ten-minute replay being watched, as its
// keys and its progress bar ask: each restores the nearest snapshot kept
// and ticks silently up to its frame. Counters: the greatest seek in ms
// (an error when it misses the target), the replay's minutes and the
// snapshots' megabytes.
void SeekInTenMinuteReplay(benchmark::State& state)
{
    const Replay& replay = TenMinuteReplay();
    if (replay.frameCount < TenMinutes * replay.settings.framesPerSecond) {
        state.SkipWithError("the long replay does not last ten minutes");
        return;
    }
    StartReplayLevel(replay);
    ReplayTimeline timeline(replay);
    timeline.Prepare();
    std::mt19937 random(SeekSeed);
    std::uniform_int_distribution<int> frames(0, replay.frameCount);
    double worst = 0;
    for (auto _ : state) {
        const int target = frames(random);
        const double seconds = SecondsOf([&] { timeline.SeekTo(target); });
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        if (timeline.Frame() != target)
            state.SkipWithError("a seek missed its frame");
    }
    if (worst > SeekTargetSeconds)
        state.SkipWithError("a seek took more than its target of 50 ms");
    state.counters["worst_ms"] = worst * 1000;
    state.counters["minutes"] = replay.frameCount / 60.0 / replay.settings.framesPerSecond;
    state.counters["snapshot_MB"] = timeline.SnapshotsKept() * SavePlay().bytes.size() / 1e6;
}

// What watching a ten-minute replay costs at its start, once: the whole
// replay run silently, a snapshot kept every second.
void PrepareTenMinuteReplay(benchmark::State& state)
{
    const Replay& replay = TenMinuteReplay();
    if (replay.frameCount < TenMinutes * replay.settings.framesPerSecond) {
        state.SkipWithError("the long replay does not last ten minutes");
        return;
    }
    for (auto _ : state) {
        StartReplayLevel(replay);
        ReplayTimeline timeline(replay);
        state.SetIterationTime(SecondsOf([&] { timeline.Prepare(); }));
        if (timeline.Frame() != 0 || timeline.SnapshotsKept() * timeline.Interval() <= replay.frameCount)
            state.SkipWithError("the replay was not prepared to its end");
    }
}

}  // namespace

BENCHMARK(SeekInTenMinuteReplay)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(PrepareTenMinuteReplay)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveAndRestorePlay)->UseManualTime()->Iterations(48)->Unit(benchmark::kMicrosecond);
BENCHMARK(EightFrameRollback)->UseManualTime()->Iterations(48)->Unit(benchmark::kMicrosecond);
BENCHMARK(VerifyReplay)->UseManualTime()->Iterations(48)->Unit(benchmark::kMillisecond);
BENCHMARK(RecordFrame)->UseManualTime()->Iterations(24)->Unit(benchmark::kMicrosecond);
