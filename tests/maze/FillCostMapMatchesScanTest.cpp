// The game fills cost maps with a breadth-first queue; it must give exactly
// the map of the plain pass-by-pass scan around the start, on every kind of
// maze: thin and large grids, starts on walls, barred cells, steps of 0.
#include <gtest/gtest.h>

#include <random>

#include "tests/maze/MazeTestSupport.h"
#include "tests/support/ReferenceCostMap.h"

namespace {

constexpr int MazeCount = 10000;
constexpr int LargeEvery = 500;  // one maze in this many is large
constexpr double Speeds[] = {1.0, 2.4, 3.4, 0.7, 5.0, 9.5, 18.0, 19.0, 40.0, 0.0};

struct RandomCase {
    int width;
    int height;
    std::vector<int> cells;
    std::vector<int> map;  // the map handed in: NoValue, BlockedMark and leftovers
    CellPos start;
    double speed;
    bool keepBlocked;
};

RandomCase MakeCase(std::mt19937& random, int round)
{
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    RandomCase c;
    const bool large = round % LargeEvery == 0;
    c.width = large ? pick(150, 200) : (pick(0, 4) == 0 ? 1 : pick(1, 30));
    c.height = large ? pick(150, 200) : (pick(0, 4) == 0 ? 1 : pick(1, 30));
    const int count = c.width * c.height;
    const int wallPercent = pick(0, 60);
    const int blockedPercent = pick(0, 2) == 0 ? 0 : pick(1, 15);
    for (int i = 0; i < count; ++i)
        c.cells.push_back(pick(1, 100) <= wallPercent ? Wall : pick(0, 5) == 1 ? Tunnel : pick(0, 5));
    c.keepBlocked = pick(0, 1) == 1;
    for (int i = 0; i < count; ++i)
        c.map.push_back(pick(1, 100) <= blockedPercent ? BlockedMark : pick(0, 1) ? NoValue : pick(0, 99));
    // Now and then a start just outside the grid.
    c.start = pick(0, 20) == 0 ? CellPos{pick(-1, 0) == 0 ? c.width : -1, pick(0, c.height - 1)}
                               : CellPos{pick(0, c.width - 1), pick(0, c.height - 1)};
    c.speed = Speeds[pick(0, static_cast<int>(std::size(Speeds)) - 1)];
    return c;
}

}  // namespace

TEST(FillCostMapMatchesScan, OnTenThousandRandomMazes)
{
    std::mt19937 random(20240611);
    // One maze and one map for every round, as a character reuses its own.
    Maze maze(1, 1, {Tunnel});
    CostMap fast;
    int reachedCells = 0;
    for (int round = 0; round < MazeCount; ++round) {
        const RandomCase c = MakeCase(random, round);
        maze.width = c.width;
        maze.height = c.height;
        maze.cellCount = c.width * c.height;
        maze.cells = c.cells;

        CostMap slow = c.map;
        maze.PrepareCostMap(slow, c.keepBlocked);
        ReferenceFillCostMap(c.cells, c.width, c.height, slow, c.start.x, c.start.y,
                             CostStep(maze.cellSize, c.speed));
        if (c.keepBlocked)
            fast = c.map;
        maze.FillCostMap(fast, c.start, c.speed, c.keepBlocked);

        ASSERT_EQ(fast, slow) << "round " << round << ": " << c.width << " x " << c.height
                              << " from (" << c.start.x << ", " << c.start.y << ") at speed "
                              << c.speed << (c.keepBlocked ? " keeping blocked cells" : "");
        for (const int value : fast)
            reachedCells += value != NoValue && value != BlockedMark;
    }
    // The rounds are not trivial: far more cells are reached than there are starts.
    EXPECT_GT(reachedCells, 20 * MazeCount);
}
