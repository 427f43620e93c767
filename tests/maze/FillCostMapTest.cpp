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

TEST(CostStep, IsCellSizeOverSpeedTruncated)
{
    EXPECT_EQ(CostStep(18.0, 1.0), 18);
    EXPECT_EQ(CostStep(18.0, 2.4), 7);
    EXPECT_EQ(CostStep(18.0, 3.4), 5);
    EXPECT_EQ(CostStep(18.0, 18.0), 1);
    EXPECT_EQ(CostStep(18.0, 19.0), 0);  // faster than a cell per frame
    EXPECT_EQ(CostStep(18.0, std::numeric_limits<double>::infinity()), 0);
}

TEST(CostStep, SpeedsThatCannotMoveGiveTheLargestStep)
{
    EXPECT_EQ(CostStep(18.0, 0.0), MaxCostStep);
    EXPECT_EQ(CostStep(18.0, -2.0), MaxCostStep);
    EXPECT_EQ(CostStep(18.0, std::nan("")), MaxCostStep);
    EXPECT_EQ(CostStep(18.0, 1e-300), MaxCostStep);
    EXPECT_EQ(CostStep(18.0, 18.0 / MaxCostStep), MaxCostStep);
    EXPECT_EQ(CostStep(18.0, 0.001), MaxCostStep);
}

TEST(FillCostMap, CostGrowsByOneStepPerCell)
{
    const auto maze = GridOf({"#####", "....."});
    CostMap map;
    maze->FillCostMap(map, {0, 1}, 2.4, false);
    EXPECT_EQ(map, (CostMap{N, N, N, N, N, 0, 7, 14, 21, 28}));
}

TEST(FillCostMap, ShortestRouteCountsAroundWalls)
{
    const auto maze = GridOf({"...", ".#.", "..."});
    CostMap map;
    maze->FillCostMap(map, {0, 0}, 3.4, false);
    EXPECT_EQ(map, (CostMap{0, 5, 10, 5, N, 15, 10, 15, 20}));
}

TEST(FillCostMap, StartOnAWallSpreadsIntoItsOpenNeighbours)
{
    const auto maze = GridOf({"#.", ".."});
    CostMap map;
    maze->FillCostMap(map, {0, 0}, 1.0, false);
    EXPECT_EQ(map, (CostMap{0, 18, 18, 36}));
}

TEST(FillCostMap, CellsOutOfReachStayNoValue)
{
    const auto maze = GridOf({"..#..", "..#.."});
    CostMap map(3, 12345);  // whatever the map held before
    maze->FillCostMap(map, {1, 0}, 18.0, false);
    EXPECT_EQ(map, (CostMap{1, 0, N, N, N, 2, 1, N, N, N}));
}

TEST(FillCostMap, StepZeroGivesZeroEverywhereWithinReach)
{
    const auto maze = GridOf({"...#.", "##.#."});
    CostMap map;
    maze->FillCostMap(map, {0, 0}, 20.0, false);
    EXPECT_EQ(map, (CostMap{0, 0, 0, N, N, N, N, 0, N, N}));
}

TEST(FillCostMap, StartOutsideTheGridReachesNothing)
{
    const auto maze = GridOf({"..", ".."});
    CostMap map;
    for (const CellPos outside : {CellPos{-1, 0}, CellPos{2, 0}, CellPos{0, 2}, CellPos{0, -5}}) {
        maze->FillCostMap(map, outside, 1.0, false);
        EXPECT_EQ(map, (CostMap{N, N, N, N}));
    }
}

TEST(FillCostMap, KeptBlockedCellsAreNeverEntered)
{
    const auto maze = GridOf({"....", "#.##"});
    CostMap map = {5, X, 9, 9, N, 0, N, N};
    maze->FillCostMap(map, {0, 0}, 1.0, true);
    EXPECT_EQ(map, (CostMap{0, X, N, N, N, N, N, N}));
    maze->FillCostMap(map, {3, 0}, 1.0, false);  // without keeping, the mark is gone
    EXPECT_EQ(map, (CostMap{54, 36, 18, 0, N, 54, N, N}));
}

TEST(FillCostMap, BlockedStartIsStillTheStart)
{
    const auto maze = GridOf({"..."});
    CostMap map = {N, X, N};
    maze->FillCostMap(map, {1, 0}, 1.0, true);
    EXPECT_EQ(map, (CostMap{18, 0, 18}));
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
