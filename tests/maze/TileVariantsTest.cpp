// Which tile each cell is drawn with: floor cells show the shadow of the
// walls left, up-left and above them; walls keep a random look once chosen.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

namespace {
int VariantAt(const Maze& maze, int x, int y)
{
    return maze.tileVariant[y * maze.width + x];
}
}  // namespace

TEST(TileVariants, EdgesOfTheGridCastNoShadow)
{
    const auto maze = GridOf({"..", ".."});
    maze->RefreshTileVariants();
    EXPECT_EQ(maze->tileVariant, (std::vector<int>{0, 0, 0, 0}));
}

TEST(TileVariants, FloorMaskAddsLeftUpLeftAndAbove)
{
    const auto maze = GridOf({"#.#", "#C.", "###", "#P."});
    maze->RefreshTileVariants();
    EXPECT_EQ(VariantAt(*maze, 1, 1), 1 + 2);  // wall left and up-left, floor above
    EXPECT_EQ(VariantAt(*maze, 2, 1), 4);      // wall above only
    EXPECT_EQ(VariantAt(*maze, 1, 3), 1 + 2 + 4);
    EXPECT_EQ(VariantAt(*maze, 2, 3), 2 + 4);  // the gulper start to its left is floor
}

TEST(TileVariants, WallsLeftAndAboveButFloorUpLeftGiveFive)
{
    const auto maze = GridOf({"..#", ".#."});
    maze->RefreshTileVariants();
    EXPECT_EQ(VariantAt(*maze, 2, 1), 5);
}

TEST(TileVariants, WallsGetOneOfEightLooksAndKeepIt)
{
    const auto maze = GridOf({"########", "########", "########"});
    maze->RefreshTileVariants();
    const std::vector<int> first = maze->tileVariant;
    for (const int variant : first) {
        EXPECT_GE(variant, 0);
        EXPECT_LT(variant, 8);
    }
    maze->RefreshTileVariants();
    EXPECT_EQ(maze->tileVariant, first);
}

TEST(TileVariants, FloorPaintedIntoWallKeepsItsMaskAsWallVariant)
{
    const auto maze = GridOf({"##", "#."});
    maze->RefreshTileVariants();
    ASSERT_EQ(VariantAt(*maze, 1, 1), 7);
    maze->SetCell({1, 1}, Wall);
    maze->RefreshTileVariants();
    EXPECT_EQ(VariantAt(*maze, 1, 1), 7);
}

TEST(TileVariants, ListOfAnotherGridSizeIsStartedAfresh)
{
    const auto maze = GridOf({"..", ".."});
    maze->tileVariant = {3, 3};
    maze->RefreshTileVariants();
    EXPECT_EQ(maze->tileVariant, (std::vector<int>{0, 0, 0, 0}));
}
