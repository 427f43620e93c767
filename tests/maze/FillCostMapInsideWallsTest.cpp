// Mazes walled all round, as every shipped maze is, get their cost maps from a
// faster wave that never checks the grid's edges. Started inside the walls,
// it must give exactly the plain scan's map, whatever the walls, barred cells,
// speeds and starts inside (walls included); a start on the edge itself, or a
// gap in the edge, takes the wave that checks every neighbour.
#include <gtest/gtest.h>

#include <random>

#include "tests/maze/MazeTestSupport.h"
#include "tests/support/ReferenceCostMap.h"

namespace {

constexpr int MazeCount = 3000;
constexpr int LargeEvery = 300;  // one maze in this many is large
constexpr double Speeds[] = {1.0, 2.4, 3.4, 0.7, 5.0, 18.0, 19.0};

// A grid with walls on every edge cell and random cells inside.
std::vector<int> WalledGrid(std::mt19937& random, int width, int height, int wallPercent)
{
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<int> cells(width * height, Wall);
    for (int y = 1; y < height - 1; ++y)
        for (int x = 1; x < width - 1; ++x)
            cells[y * width + x] = pick(1, 100) <= wallPercent ? Wall : pick(0, 5);
    return cells;
}

// Fills the maze's map from the start both ways and compares them.
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

TEST(FillCostMapInsideWalls, MatchesTheScanOnRandomWalledMazes)
{
    std::mt19937 random(20240612);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Maze maze(1, 1, {Tunnel});
    for (int round = 0; round < MazeCount; ++round) {
        const bool large = round % LargeEvery == 0;
        maze.width = large ? pick(100, 200) : pick(3, 40);
        maze.height = large ? pick(100, 200) : pick(3, 30);
        maze.cellCount = maze.width * maze.height;
        maze.cells = WalledGrid(random, maze.width, maze.height, pick(0, 50));

        const int blockedPercent = pick(0, 1) == 0 ? 0 : pick(1, 15);
        CostMap handedIn;
        for (int i = 0; i < maze.cellCount; ++i)
            handedIn.push_back(pick(1, 100) <= blockedPercent ? BlockedMark : NoValue);
        const CellPos start = {pick(1, maze.width - 2), pick(1, maze.height - 2)};
        const double speed = Speeds[pick(0, static_cast<int>(std::size(Speeds)) - 1)];
        ExpectSameAsScan(maze, handedIn, start, speed, pick(0, 1) == 1, round);
    }
}

TEST(FillCostMapInsideWalls, AStartOnTheEdgeOrGapsInItTakeTheCheckingWave)
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
