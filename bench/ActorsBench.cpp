// How long the computer players take to plan: the computer gulper's Think
// with eight hunting ghosts on the board, and the ghost squad's whole frame
// (movement, cost-map refills, retargeting, meetings, sounds) with eight
// computer ghosts, measured frame by frame over real play on the shipped
// campaign levels.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "rules/Tick.h"
#include "platform/Globals.h"
#include "bench/AllocationCount.h"
#include "bench/BenchGame.h"
#include "bench/Stopwatch.h"
#include "maze/Maze.h"

namespace {

constexpr int MostWarmUpFrames = 2000;
constexpr int ClearOfHomeFrames = 150;  // by now the ghosts have spread out over the maze

bool AllGhostsHunting()
{
    return std::all_of(TheSquad->ghosts.begin(), TheSquad->ghosts.end(),
                       [](const GhostActor* ghost) { return ghost->state == Hunting; });
}

// Plays the first level until the ghosts have left home and all hunt; false
// when no such frame comes.
bool ReachAHunt()
{
    BenchGame& game = TheGame();
    game.StartNextLevel(FullSquad);
    for (int frame = 0; frame < MostWarmUpFrames; ++frame) {
        if (game.KeepPlaying(FullSquad))
            frame = 0;
        if (frame >= ClearOfHomeFrames && AllGhostsHunting() && TheGulper->state == GulperNormal)
            return true;
        RunPlayingLogic();
        GameEvents.EndFrame();
        BenchGame::PassFramePeriod();
    }
    return false;
}

// One plan from a fixed moment of play: the gulper's map and planning fields
// are put back before every plan, so that each one does the whole work
// (danger map, blocking, the refill, food and flight searches).
void GulperThink(benchmark::State& state)
{
    if (!ReachAHunt()) {
        state.SkipWithError("no frame with eight hunting ghosts");
        return;
    }
    GulperActor& gulper = *TheGulper;
    const CostMap map = gulper.costMap;
    const GulperState gulperState = gulper.state;
    const int64_t allocationsBefore = AllocationsSoFar();
    for (auto _ : state) {
        gulper.costMap = map;  // a copy into the same storage: no allocation
        gulper.state = gulperState;
        gulper.lastThinkCell.x = NoValue;
        gulper.Think();
        benchmark::DoNotOptimize(gulper.goal);
    }
    state.counters["allocs_per_plan"] = benchmark::Counter(
        static_cast<double>(AllocationsSoFar() - allocationsBefore), benchmark::Counter::kAvgIterations);
}

// The squad's frame as it runs in play; the rest of each frame runs untimed.
void SquadUpdate(benchmark::State& state)
{
    BenchGame& game = TheGame();
    game.StartNextLevel(FullSquad);
    Stopwatch stopwatch;
    for (auto _ : state) {
        game.KeepPlaying(FullSquad);
        state.SetIterationTime(stopwatch.Time([] { TheSquad->Update(); }));
        RunPlayingLogicAfterSquad();
        GameEvents.EndFrame();
        BenchGame::PassFramePeriod();
    }
    state.counters["allocs_per_frame"] = benchmark::Counter(
        static_cast<double>(stopwatch.allocations), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(GulperThink)->Unit(benchmark::kMicrosecond);
BENCHMARK(SquadUpdate)->UseManualTime()->Unit(benchmark::kMicrosecond);
