// How long filling a movement cost map takes: the game's breadth-first fill
// against the plain pass-by-pass scan, on a maze of the window's size and on
// a large one. A frame of 50 ms may need up to nine fills.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "maze/Maze.h"
#include "bench/ReferenceCostMap.h"

namespace {

constexpr double GhostSpeed = 2.4;  // pixels per frame: a step of 7
constexpr int ExtraWallPercent = 15;

// A maze of corridors between pillars, walled round, with some corridors
// closed at random (always the same ones).
Maze MakeMaze(int width, int height)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> percent(1, 100);
    std::vector<CellCode> cells(width * height, Tunnel);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            const bool pillar = x % 2 == 0 && y % 2 == 0;
            if (border || pillar || percent(random) <= ExtraWallPercent)
                cells[y * width + x] = Wall;
        }
    }
    return Maze(width, height, cells);
}

CellPos Middle(const Maze& maze)
{
    return {maze.width / 2 | 1, maze.height / 2 | 1};  // odd: never a pillar
}

void FillCostMap(benchmark::State& state)
{
    const Maze maze = MakeMaze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CostMap map;
    for (auto _ : state) {
        maze.FillCostMap(map, Middle(maze), GhostSpeed, false);
        benchmark::DoNotOptimize(map.data());
    }
    state.SetItemsProcessed(state.iterations() * maze.cellCount);
}

// The open cells of a maze, in index order.
std::vector<CellPos> OpenCells(const Maze& maze)
{
    std::vector<CellPos> open;
    for (int i = 0; i < maze.cellCount; ++i)
        if (maze.cells[i] != Wall)
            open.push_back({i % maze.width, i / maze.width});
    return open;
}

// Fills from every open cell in turn, as the characters' fills come in play:
// the processor cannot learn one fill's pattern of open and closed neighbours.
void FillCostMapEveryStart(benchmark::State& state)
{
    const Maze maze = MakeMaze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::vector<CellPos> starts = OpenCells(maze);
    CostMap map;
    size_t next = 0;
    for (auto _ : state) {
        maze.FillCostMap(map, starts[next], GhostSpeed, false);
        next = (next + 1) % starts.size();
        benchmark::DoNotOptimize(map.data());
    }
    state.SetItemsProcessed(state.iterations() * maze.cellCount);
}

void ReferenceScanEveryStart(benchmark::State& state)
{
    const Maze maze = MakeMaze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::vector<CellPos> starts = OpenCells(maze);
    const int step = CostStep(maze.cellSize, GhostSpeed);
    CostMap map;
    size_t next = 0;
    for (auto _ : state) {
        maze.PrepareCostMap(map, false);
        ReferenceFillCostMap(maze.cells, maze.width, maze.height, map, starts[next].x,
                             starts[next].y, step);
        next = (next + 1) % starts.size();
        benchmark::DoNotOptimize(map.data());
    }
    state.SetItemsProcessed(state.iterations() * maze.cellCount);
}

void ReferenceScan(benchmark::State& state)
{
    const Maze maze = MakeMaze(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const CellPos start = Middle(maze);
    const int step = CostStep(maze.cellSize, GhostSpeed);
    CostMap map;
    for (auto _ : state) {
        maze.PrepareCostMap(map, false);
        ReferenceFillCostMap(maze.cells, maze.width, maze.height, map, start.x, start.y, step);
        benchmark::DoNotOptimize(map.data());
    }
    state.SetItemsProcessed(state.iterations() * maze.cellCount);
}

}  // namespace

BENCHMARK(FillCostMap)->Args({28, 21})->Args({200, 200})->Unit(benchmark::kMicrosecond);
BENCHMARK(ReferenceScan)->Args({28, 21})->Args({200, 200})->Unit(benchmark::kMicrosecond);
BENCHMARK(FillCostMapEveryStart)->Args({28, 21})->Unit(benchmark::kMicrosecond);
BENCHMARK(ReferenceScanEveryStart)->Args({28, 21})->Unit(benchmark::kMicrosecond);
