// Repairing a level: a missing gulper start, ghost start or corn is added,
// and the ghost start and every corn the gulper cannot reach get an L-shaped
// corridor from the gulper start, first along its row, then along the
// target's column.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/maze/MazeTestSupport.h"

using Rows = std::vector<std::string>;

TEST(EnsurePlayable, MissingGulperStartGoesToCell291AndCorridorsJoinTheRest)
{
    const auto maze = GridOf({
        "############################",
        "#C##########################",
        "#########################G##",
        "############################",
        "############################",
        "####################C#######",
        "############################",
        "############################",
        "############################",
        "############################",
        "############################",
    });
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), (Rows{
                                 "############################",
                                 "#C##########################",
                                 "#.#######################G##",
                                 "#.#######################.##",
                                 "#.#######################.##",
                                 "#.##################C####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#..........P..............##",
                             }));
    EXPECT_EQ(maze->gulperStart, (CellPos{11, 10}));  // cell 291
}

TEST(EnsurePlayable, EmptyLevelGetsCorn290Gulper291Ghost292)
{
    const auto maze = GridOf(Rows(11, std::string(28, '.')));
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze)[10], "..........CPG...............");
    EXPECT_EQ(maze->gulperStart, (CellPos{11, 10}));
    EXPECT_EQ(maze->ghostStart, (CellPos{12, 10}));
    EXPECT_EQ(maze->cornLeft, 1);
}

TEST(EnsurePlayable, ReadingALevelWithoutStartsUsesTheAddedOnes)
{
    const auto maze = GridOf({"P.G.C"});
    std::istringstream in(LevelText(Rows(12, std::string(28, '.'))));
    ASSERT_TRUE(maze->ReadLevel(in));
    EXPECT_EQ(maze->gulperStart, (CellPos{11, 10}));  // not (0, 0) of the previous level
    EXPECT_EQ(maze->ghostStart, (CellPos{12, 10}));
    EXPECT_EQ(maze->cornLeft, 1);
}

TEST(EnsurePlayable, CornAlreadyJoinedByAnEarlierCorridorStillGetsItsOwn)
{
    // The gulper's reach is measured once, before any carving.
    const auto maze = GridOf({"##C##", "###C#", "G####", "P####"});
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), (Rows{"##C##", "##.C#", "G#..#", "P...#"}));
}

TEST(EnsurePlayable, SmallGridsUseTheirFirstFreeCells)
{
    const auto maze = GridOf({"#####", "#...#", "#####"});
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), (Rows{"#####", "#PGC#", "#####"}));
    EXPECT_EQ(maze->gulperStart, (CellPos{1, 1}));
    EXPECT_EQ(maze->ghostStart, (CellPos{2, 1}));
    EXPECT_EQ(maze->cornLeft, 1);

    const auto walls = GridOf({"###", "###", "###"});
    walls->EnsurePlayable();
    EXPECT_EQ(RowsOf(*walls), (Rows{"PGC", "###", "###"}));
}

TEST(EnsurePlayable, SpareCornMakesRoomInAFullGrid)
{
    const auto maze = GridOf({"#"});
    std::istringstream in("CCC\n");
    ASSERT_TRUE(maze->ReadLevel(in));
    EXPECT_EQ(RowsOf(*maze), (Rows{"PGC"}));
    EXPECT_EQ(maze->cornLeft, 1);
}

TEST(EnsurePlayable, OneCellGridStaysInsideTheGrid)
{
    const auto maze = GridOf({"#"});
    maze->ghostStart = maze->gulperStart = {40, 40};
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), (Rows{"P"}));
    EXPECT_EQ(maze->gulperStart, (CellPos{0, 0}));
    EXPECT_EQ(maze->ghostStart, (CellPos{0, 0}));  // no room of its own: it shares the cell
    EXPECT_EQ(maze->cornLeft, 0);
}
