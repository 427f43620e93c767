// The game fills cost maps with a breadth-first queue, and with a faster wave
// that never checks the grid's edges in mazes walled all round (as every
// shipped maze is) when started inside the walls. Either must give exactly
// the map of the plain pass-by-pass scan around the start, on every kind of
// maze: thin and large grids, walled or not, starts on walls or outside,
// barred cells kept or not, steps of 0.
#include <gtest/gtest.h>

#include <random>

#include "tests/maze/MazeTestSupport.h"
#include "tests/support/ReferenceCostMap.h"

namespace {

constexpr int MazeCount = 10000;
constexpr int LargeEvery = 500;  // one maze in this many is large
constexpr double Speeds[] = {1.0, 2.4, 3.4, 0.7, 5.0, 9.5, 18.0, 19.0, 40.0, 0.0};

// Fills the map handed in from the start both ways and compares them.
void ExpectSameAsScan(Maze& maze, const CostMap& handedIn, CellPos start, double speed,
                      bool keepBlocked, int round)
{
    CostMap slow = handedIn;
    maze.PrepareCostMap(slow, keepBlocked);
    ReferenceFillCostMap(maze.cells, maze.width, maze.height, slow, start.x, start.y,
                         CostStep(maze.cellSize, speed));
    CostMap fast = handedIn;
    maze.FillCostMap(fast, start, speed, keepBlocked);
    ASSERT_EQ(fast, slow) << "round " << round << ": " << maze.width << " x " << maze.height
                          << " from (" << start.x << ", " << start.y << ") at speed " << speed
                          << (keepBlocked ? " keeping blocked cells" : "");
}

}  // namespace

TEST(FillCostMapMatchesScan, OnTenThousandRandomMazes)
{
    std::mt19937 random(20240611);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Maze maze(1, 1, {Tunnel});  // one maze for every round, as a character reuses its own
    int reachedCells = 0;
    for (int round = 0; round < MazeCount; ++round) {
        const bool large = round % LargeEvery == 0;
        const bool walled = round % 3 == 0;  // walls on every edge cell, the start inside
        const int least = walled ? 3 : 1;
        maze.width = large ? pick(150, 200) : (pick(0, 4) == 0 ? least : pick(least, 30));
        maze.height = large ? pick(150, 200) : (pick(0, 4) == 0 ? least : pick(least, 30));
        maze.cellCount = maze.width * maze.height;
        const int wallPercent = pick(0, 60);
        maze.cells.assign(maze.cellCount, Wall);
        for (int i = 0; i < maze.cellCount; ++i) {
            const int x = i % maze.width, y = i / maze.width;
            const bool edge = x == 0 || y == 0 || x == maze.width - 1 || y == maze.height - 1;
            if (!(walled && edge) && pick(1, 100) > wallPercent)
                maze.cells[i] = CellCodeOf(pick(0, 5));
        }
        const int blockedPercent = pick(0, 2) == 0 ? 0 : pick(1, 15);
        CostMap handedIn;  // NoValue, BlockedMark and leftovers
        for (int i = 0; i < maze.cellCount; ++i)
            handedIn.push_back(pick(1, 100) <= blockedPercent ? BlockedMark
                               : pick(0, 1)                   ? NoValue
                                                              : pick(0, 99));
        CellPos start = {pick(0, maze.width - 1), pick(0, maze.height - 1)};
        if (walled)
            start = {pick(1, maze.width - 2), pick(1, maze.height - 2)};
        else if (pick(0, 20) == 0)  // now and then just outside the grid
            start.x = pick(0, 1) == 0 ? maze.width : -1;
        const double speed = Speeds[pick(0, static_cast<int>(std::size(Speeds)) - 1)];
        ExpectSameAsScan(maze, handedIn, start, speed, pick(0, 1) == 1, round);

        CostMap map;
        maze.FillCostMap(map, start, speed, false);
        for (const int value : map)
            reachedCells += value != NoValue;
    }
    // The rounds are not trivial: far more cells are reached than there are starts.
    EXPECT_GT(reachedCells, 20 * MazeCount);
}

TEST(FillCostMapMatchesScan, AStartOnTheEdgeOrGapsInItTakeTheCheckingWave)
{
    // A corridor round the inside of the walls.
    std::unique_ptr<Maze> maze = GridOf({
        "##########",
        "#........#",
        "#.######.#",
        "#........#",
        "##########",
    });
    const CostMap none(maze->cellCount, NoValue);
    ExpectSameAsScan(*maze, none, {0, 1}, 1.0, false, 0);  // on the edge, a wall

    // Gaps at the right end of row 1 and the left end of row 2: a wave that
    // skipped the edge checks would step straight from one to the other.
    maze->SetCell({9, 1}, Tunnel);
    maze->SetCell({0, 2}, Tunnel);
    ExpectSameAsScan(*maze, none, {8, 1}, 1.0, false, 1);
    CostMap map;
    maze->FillCostMap(map, {8, 1}, 1.0, false);
    EXPECT_EQ(map[2 * 10 + 0], 18 * 9);  // round the corridor: nine moves
}
