// Reading and changing cells: stored row by row; everything outside the grid
// is wall and cannot be written.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

TEST(Grid, CellsAreStoredRowByRowAndOutsideIsWall)
{
    const auto maze = GridOf({"..C", "#PG"});
    EXPECT_EQ(maze->cellCount, 6);
    EXPECT_EQ(maze->CellAt(2, 0), Corn);
    EXPECT_EQ(maze->CellAt(0, 1), Wall);
    EXPECT_EQ(maze->CellAt(2, 1), GhostStart);
    for (const CellPos outside : {CellPos{-1, 0}, CellPos{3, 0}, CellPos{0, 2}, CellPos{0, -1}})
        EXPECT_EQ(maze->CellAt(outside.x, outside.y), Wall) << outside.x << ", " << outside.y;
}

TEST(Grid, OnlyCellsInsideTheGridAreWritten)
{
    const auto maze = GridOf({"...", "..."});
    for (const CellPos outside : {CellPos{-1, 0}, CellPos{3, 0}, CellPos{0, 2}, CellPos{3, -1}})
        maze->SetCell(outside, Corn);
    maze->SetCell({2, 1}, Boost);
    EXPECT_EQ(RowsOf(*maze), (Rows{"...", "..B"}));
}

TEST(Grid, ClearCodeTurnsEveryCellOfThatCodeIntoTunnel)
{
    const auto maze = GridOf({"PCP", "#PG"});
    maze->ClearCode(GulperStart);
    EXPECT_EQ(RowsOf(*maze), (Rows{".C.", "#.G"}));
}
