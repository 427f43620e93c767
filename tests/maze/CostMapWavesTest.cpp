// The cost map has two waves: the plain one, and a faster one for mazes walled
// all round that never checks the grid's edges. Whichever runs, every cell
// holds the step times its fewest moves from the start, on random mazes with
// the start anywhere (inside, on a wall, on the edge) and barred cells kept
// or not.
#include <gtest/gtest.h>

#include <queue>
#include <random>

#include "tests/maze/MazeTestSupport.h"

namespace {

constexpr int Rounds = 2000;
constexpr double Speeds[] = {1.0, 2.4, 3.4, 0.7, 9.5, 40.0, 0.0};

// The step times the fewest moves to each cell, never entering a wall or a
// barred cell; the start counts 0 whatever it holds.
CostMap FewestMoves(const Maze& maze, CostMap map, CellPos start, int step)
{
    std::queue<CellPos> wave;
    map[start.y * maze.width + start.x] = 0;
    wave.push(start);
    while (!wave.empty()) {
        const CellPos at = wave.front();
        wave.pop();
        const int reached = map[at.y * maze.width + at.x] + step;
        for (const CellPos next : {CellPos{at.x - 1, at.y}, CellPos{at.x + 1, at.y},
                                   CellPos{at.x, at.y - 1}, CellPos{at.x, at.y + 1}}) {
            const int i = next.y * maze.width + next.x;
            if (next.x >= 0 && next.y >= 0 && next.x < maze.width && next.y < maze.height &&
                map[i] == NoValue && maze.cells[i] != Wall) {
                map[i] = reached;
                wave.push(next);
            }
        }
    }
    return map;
}

}  // namespace

TEST(CostMapWaves, EveryCellCostsTheStepTimesItsFewestMovesOnRandomMazes)
{
    std::mt19937 random(20240611);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Maze maze(1, 1, {Tunnel});  // one maze for every round, as a character reuses its own
    for (int round = 0; round < Rounds; ++round) {
        const bool walled = round % 2 == 0;  // every edge cell a wall: the fast wave's mazes
        maze.width = pick(3, 30);
        maze.height = pick(3, 30);
        maze.cellCount = maze.width * maze.height;
        const int wallPercent = pick(0, 50);
        CostMap handedIn;  // NoValue, barred cells and what an earlier fill left
        maze.cells.assign(maze.cellCount, Wall);
        for (int i = 0; i < maze.cellCount; ++i) {
            const int x = i % maze.width, y = i / maze.width;
            const bool edge = x == 0 || y == 0 || x == maze.width - 1 || y == maze.height - 1;
            if (!(walled && edge) && pick(1, 100) > wallPercent)
                maze.cells[i] = CellCodeOf(pick(0, 5));
            handedIn.push_back(pick(1, 100) <= 10 ? BlockedMark : pick(0, 1) ? NoValue : pick(0, 99));
        }
        const CellPos start = {pick(0, maze.width - 1), pick(0, maze.height - 1)};
        const double speed = Speeds[pick(0, static_cast<int>(std::size(Speeds)) - 1)];
        const bool keepBlocked = pick(0, 1) == 1;

        CostMap expected = handedIn;
        maze.PrepareCostMap(expected, keepBlocked);
        expected = FewestMoves(maze, expected, start, CostStep(maze.cellSize, speed));
        CostMap filled = handedIn;
        maze.FillCostMap(filled, start, speed, keepBlocked);
        ASSERT_EQ(filled, expected) << "round " << round << ": " << maze.width << " x "
                                    << maze.height << " from (" << start.x << ", " << start.y
                                    << ") at speed " << speed;
    }
}
