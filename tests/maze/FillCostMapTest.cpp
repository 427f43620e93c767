// Movement cost maps: frames to reach each cell from one start at one speed,
// step * moves along a shortest route; NoValue where no route goes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <unistd.h>

#include "tests/maze/MazeTestSupport.h"

namespace {
constexpr int N = NoValue;
constexpr int X = BlockedMark;
}  // namespace

// The step is the cell size over the speed, truncated; speeds that cannot
// move (or barely) give the largest step, speeds above a cell per frame 0.
TEST(CostStep, IsCellSizeOverSpeedTruncatedWithinItsLimits)
{
    const std::pair<double, int> cases[] = {
        {1.0, 18}, {2.4, 7}, {3.4, 5}, {18.0, 1}, {19.0, 0},
        {std::numeric_limits<double>::infinity(), 0}, {0.0, MaxCostStep}, {-2.0, MaxCostStep},
        {std::nan(""), MaxCostStep}, {1e-300, MaxCostStep}, {18.0 / MaxCostStep, MaxCostStep},
        {0.001, MaxCostStep},
    };
    for (const auto& [speed, step] : cases)
        EXPECT_EQ(CostStep(18.0, speed), step) << speed;
}

TEST(FillCostMap, CostIsTheStepTimesTheMovesOfAShortestRoute)
{
    const struct {
        Rows rows;
        CellPos start;
        double speed;
        CostMap expected;
    } cases[] = {
        {{"#####", "....."}, {0, 1}, 2.4, {N, N, N, N, N, 0, 7, 14, 21, 28}},
        {{"...", ".#.", "..."}, {0, 0}, 3.4, {0, 5, 10, 5, N, 15, 10, 15, 20}},  // round a wall
        {{"#.", ".."}, {0, 0}, 1.0, {0, 18, 18, 36}},                          // from a wall
        {{"..#..", "..#.."}, {1, 0}, 18.0, {1, 0, N, N, N, 2, 1, N, N, N}},    // out of reach
        {{"...#.", "##.#."}, {0, 0}, 20.0, {0, 0, 0, N, N, N, N, 0, N, N}},    // step 0
        {{"..", ".."}, {-1, 0}, 1.0, {N, N, N, N}},                            // start outside
        {{"..", ".."}, {2, 0}, 1.0, {N, N, N, N}},
        {{"..", ".."}, {0, 2}, 1.0, {N, N, N, N}},
    };
    for (const auto& c : cases) {
        CostMap map(3, 12345);  // whatever the map held before
        GridOf(c.rows)->FillCostMap(map, c.start, c.speed, false);
        EXPECT_EQ(map, c.expected) << c.rows[0] << " from " << c.start.x << ", " << c.start.y;
    }
}

TEST(FillCostMap, KeptBlockedCellsAreNeverEnteredButABlockedStartIsStillTheStart)
{
    const auto maze = GridOf({"....", "#.##"});
    CostMap map = {5, X, 9, 9, N, 0, N, N};
    maze->FillCostMap(map, {0, 0}, 1.0, true);
    EXPECT_EQ(map, (CostMap{0, X, N, N, N, N, N, N}));
    maze->FillCostMap(map, {3, 0}, 1.0, false);  // without keeping, the mark is gone
    EXPECT_EQ(map, (CostMap{54, 36, 18, 0, N, 54, N, N}));

    map = {N, X, N, N, N, N, N, N};
    maze->FillCostMap(map, {1, 0}, 1.0, true);
    EXPECT_EQ(map, (CostMap{18, 0, 18, 36, N, 18, N, N}));
}

TEST(FillCostMapDeathTest, KeptMapOfTheWrongSizeEndsTheProgram)
{
    const auto maze = GridOf({"...", "..."});
    for (const size_t size : {size_t{0}, size_t{5}, size_t{7}}) {
        CostMap map(size, N);
        // The message goes to standard output; show it where the death test looks.
        EXPECT_EXIT(
            {
                dup2(STDERR_FILENO, STDOUT_FILENO);
                maze->FillCostMap(map, {0, 0}, 1.0, true);
            },
            ::testing::ExitedWithCode(1), "^Passed movement cost map of wrong size!\n$")
            << size;
    }
}
