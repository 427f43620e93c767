// Reading and changing cells: everything outside the grid is wall and cannot be written.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

TEST(Grid, CellsAreStoredRowByRow)
{
    const auto maze = GridOf({"..C", "#PG"});
    EXPECT_EQ(maze->cellCount, 6);
    EXPECT_EQ(maze->CellAt(2, 0), Corn);
    EXPECT_EQ(maze->CellAt(0, 1), Wall);
    EXPECT_EQ(maze->CellAt(2, 1), GhostStart);
}

TEST(Grid, EverythingOutsideTheGridReadsAsWall)
{
    const auto maze = GridOf({"...", "..."});
    EXPECT_EQ(maze->CellAt(-1, 0), Wall);
    EXPECT_EQ(maze->CellAt(3, 0), Wall);  // x == width
    EXPECT_EQ(maze->CellAt(0, 2), Wall);  // y == height
    EXPECT_EQ(maze->CellAt(0, -1), Wall);
}

TEST(Grid, SetCellOutsideTheGridChangesNothing)
{
    const auto maze = GridOf({"...", "..."});
    for (const CellPos outside : {CellPos{-1, 0}, CellPos{3, 0}, CellPos{0, 2}, CellPos{3, -1}})
        maze->SetCell(outside, Corn);
    EXPECT_EQ(RowsOf(*maze), (std::vector<std::string>{"...", "..."}));
    maze->SetCell({2, 1}, Boost);
    EXPECT_EQ(RowsOf(*maze), (std::vector<std::string>{"...", "..B"}));
}

TEST(Grid, ClearCodeTurnsEveryCellOfThatCodeIntoTunnel)
{
    const auto maze = GridOf({"PCP", "#PG"});
    maze->ClearCode(GulperStart);
    EXPECT_EQ(RowsOf(*maze), (std::vector<std::string>{".C.", "#.G"}));
}
