// How long one frame takes, piece by piece: the logic of a Playing frame,
// the whole Playing frame as drawn (maze, ghosts, gulper, interface), the
// maze's drawing alone, a menu frame, and presenting the window. Play runs
// computer against computer with eight ghosts over the shipped campaign
// levels; the frame budget at 20 frames per second is 50 ms.
#include <benchmark/benchmark.h>

#include "rules/FrameSounds.h"
#include "app/PlayMode.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "bench/BenchGame.h"
#include "bench/Stopwatch.h"
#include "maze/Maze.h"

namespace {

// Chooses between the maze's cached background and drawing every tile. The
// benchmarks also build against code without the cache (for before-and-after
// figures); there the maze always draws every tile.
template <typename AnyMaze>
void UseBackgroundCache(AnyMaze& maze, bool use)
{
    if constexpr (requires { maze.useBackgroundCache; })
        maze.useBackgroundCache = use;
}

// Reports the allocations per frame of the timed work.
void CountAllocations(benchmark::State& state, const Stopwatch& stopwatch)
{
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(stopwatch.allocations), benchmark::Counter::kAvgIterations);
}

// The tick of a Playing frame with its sounds, as the headless step runs it:
// the squad, the gulper, the timer, the end of the level and the animations.
void PlayingLogic(benchmark::State& state)
{
    BenchGame& game = TheGame();
    game.StartNextLevel(FullSquad);
    Stopwatch stopwatch;
    const FrameCommands none;
    for (auto _ : state) {
        game.KeepPlaying(FullSquad);
        state.SetIterationTime(stopwatch.Time([&none] {
            Tick(none);
            PlayFrameSounds();
        }));
        BenchGame::PassFramePeriod();
    }
    CountAllocations(state, stopwatch);
}

// UpdateGameFrame in the Playing state: the logic, then the maze, the
// ghosts, the gulper and the interface drawn into the window.
void PlayingFrame(benchmark::State& state, bool cached)
{
    BenchGame& game = TheGame();
    UseBackgroundCache(*TheMaze, cached);
    game.StartNextLevel(FullSquad);
    Stopwatch stopwatch;
    for (auto _ : state) {
        game.KeepPlaying(FullSquad);
        state.SetIterationTime(stopwatch.Time([] { UpdateGameFrame(); }));
        BenchGame::PassFramePeriod();
    }
    CountAllocations(state, stopwatch);
}

// Maze::Draw of a level in play, with nothing changed since the last frame.
void MazeDraw(benchmark::State& state, bool cached)
{
    BenchGame& game = TheGame();
    UseBackgroundCache(*TheMaze, cached);
    game.StartNextLevel(FullSquad);
    for (auto _ : state)
        TheMaze->Draw();
}

// Maze::Draw right after the tile set changed: every cell is drawn anew.
void MazeDrawNewTileSet(benchmark::State& state)
{
    BenchGame& game = TheGame();
    UseBackgroundCache(*TheMaze, true);
    game.StartNextLevel(FullSquad);
    for (auto _ : state) {
        TheMaze->NextTileSet();
        TheMaze->Draw();
    }
}

// A frame of the main menu: the maze and the menu's panel.
void MenuFrame(benchmark::State& state)
{
    TheGame();
    UseBackgroundCache(*TheMaze, true);
    GameState = MainMenu;
    for (auto _ : state) {
        UpdateGameFrame();
        BenchGame::PassFramePeriod();
    }
}

// Showing the whole window, as the frame loop does once per frame.
void Present(benchmark::State& state)
{
    TheGame();
    UpdateGameFrame();
    for (auto _ : state)
        TheScreen->Present();
}

}  // namespace

BENCHMARK(PlayingLogic)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlayingFrame, cached, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlayingFrame, every_tile, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MazeDraw, cached, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MazeDraw, every_tile, false)->Unit(benchmark::kMicrosecond);
BENCHMARK(MazeDrawNewTileSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(MenuFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(Present)->Unit(benchmark::kMicrosecond);
