// Carving a corridor: walls on the way become floor, first along the start's
// row to the goal's column, then along that column to the goal.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

using Rows = std::vector<std::string>;

TEST(CarveCorridor, GoesAlongTheRowThenAlongTheColumn)
{
    const auto maze = GridOf({"#####", "#####", "#####"});
    maze->CarveCorridor({0, 0}, {3, 2});
    EXPECT_EQ(RowsOf(*maze), (Rows{"....#", "###.#", "#####"}));  // the goal itself stays
    maze->CarveCorridor({4, 2}, {1, 0});
    EXPECT_EQ(RowsOf(*maze), (Rows{"....#", "#.#.#", "#...."}));
}

TEST(CarveCorridor, OnlyWallsChange)
{
    const auto maze = GridOf({"PC#B#G"});
    maze->CarveCorridor({0, 0}, {5, 0});
    EXPECT_EQ(RowsOf(*maze), (Rows{"PC.B.G"}));
}

TEST(CarveCorridor, CarvedCellsGetFloorTiles)
{
    const auto maze = GridOf({"###", "###"});
    maze->RefreshTileVariants();
    maze->CarveCorridor({0, 1}, {2, 1});
    EXPECT_EQ(maze->tileVariant[3], 4);      // the wall above
    EXPECT_EQ(maze->tileVariant[4], 2 + 4);  // walls up-left and above
}

TEST(CarveCorridor, EndsOutsideTheGridCarveNothing)
{
    const auto maze = GridOf({"###", "###"});
    maze->CarveCorridor({-1, 0}, {2, 1});
    maze->CarveCorridor({0, 0}, {2, 9});
    EXPECT_EQ(RowsOf(*maze), (Rows{"###", "###"}));
}
