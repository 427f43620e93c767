// Finding the junctions around a cell: one walk per direction along the
// corridor, ending at the first cell that offers two or more ways on.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

using Cells = std::vector<CellPos>;

TEST(FindJunctions, CorridorBetweenTwoTJunctionsGivesRightThenLeft)
{
    const auto maze = GridOf({"#.####.#", "#......#", "#.####.#"});
    Cells junctions;
    maze->FindJunctions({3, 1}, junctions);
    EXPECT_EQ(junctions, (Cells{{6, 1}, {1, 1}}));
}

TEST(FindJunctions, EnclosedCellHasNone)
{
    const auto maze = GridOf({".#.", "#.#", ".#."});
    Cells junctions = {{9, 9}};
    maze->FindJunctions({1, 1}, junctions);
    EXPECT_TRUE(junctions.empty());
    maze->FindJunctions({-1, 1}, junctions);
    EXPECT_TRUE(junctions.empty());
}

TEST(FindJunctions, WalkFollowsABend)
{
    const auto maze = GridOf({"....#", "###.#", "#....", "###.#"});
    Cells junctions;
    maze->FindJunctions({0, 0}, junctions);
    EXPECT_EQ(junctions, (Cells{{3, 2}}));
}

TEST(FindJunctions, DeadEndsGiveNothing)
{
    const auto maze = GridOf({"#####", "#...#", "#####"});
    Cells junctions;
    maze->FindJunctions({2, 1}, junctions);
    EXPECT_TRUE(junctions.empty());
}

TEST(FindJunctions, WalksShareTheCellsTheyPassed)
{
    // A loop: the walk to the right goes round to the junction below; the
    // walk to the left then stops where it meets the cells already passed.
    const auto maze = GridOf({"#####", "#...#", "#.#.#", "#...#", "##.##"});
    Cells junctions;
    maze->FindJunctions({2, 1}, junctions);
    EXPECT_EQ(junctions, (Cells{{2, 3}}));
}
