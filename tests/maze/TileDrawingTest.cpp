// Drawing the maze from its tile sheets. Floor cells show the shadow of the
// walls left (1), up-left (2) and above (4) them; walls keep a random look
// once chosen; corn, boosts and the start cells lie over the floor. The sheets
// "images/tiles0.bmp", "images/tiles1.bmp", ... load up to the first missing
// one, and the configuration names the one in use. Around a maze smaller
// than the play area the window is black.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/maze/MazeTestSupport.h"

namespace {

int Count(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(TileVariants, FloorMaskAddsLeftUpLeftAndAbove)
{
    const auto maze = GridOf({"#.#", "#C.", "###", "#P.", "..#", ".#."});
    maze->RefreshTileVariants();
    auto variant = [&](int x, int y) { return maze->tileVariant[y * maze->width + x]; };
    EXPECT_EQ(variant(1, 1), 1 + 2);      // wall left and up-left, floor above
    EXPECT_EQ(variant(2, 1), 4);          // wall above only
    EXPECT_EQ(variant(1, 3), 1 + 2 + 4);
    EXPECT_EQ(variant(2, 3), 2 + 4);      // the gulper start to its left is floor
    EXPECT_EQ(variant(2, 5), 1 + 4);      // walls left and above, floor up-left
    EXPECT_EQ(variant(0, 4), 4);          // the grid's edge casts no shadow
}

class TileDrawing : public MazeTest {
protected:
    static constexpr int Middle = 9;  // a pixel inside an overlay's coloured square
    static constexpr int Corner = 1;  // a pixel where an overlay is black

    static Uint32 At(int x, int y, int offset) { return PixelAt(x * 18 + offset, y * 18 + offset); }
    static int Variant(int x, int y) { return TheMaze->tileVariant[y * TheMaze->width + x]; }
};

TEST_F(TileDrawing, FloorsWallsAndItemsShowTheirTiles)
{
    StartMaze();
    TheMaze->SetCell({2, 2}, Boost);
    TheMaze->Draw();
    EXPECT_EQ(At(2, 1, Middle), TileColour(0, 2 + 4, 0));  // walls up-left and above
    EXPECT_EQ(At(3, 5, Middle), TileColour(0, 0, 0));      // open all round
    EXPECT_EQ(At(1, 2, Middle), TileColour(0, 1 + 2, 0));  // walls left and up-left
    for (const CellPos wall : {CellPos{0, 0}, CellPos{27, 10}, CellPos{13, 20}})
        EXPECT_EQ(At(wall.x, wall.y, Middle), TileColour(0, Variant(wall.x, wall.y), 1))
            << wall.x << ", " << wall.y;
    EXPECT_EQ(At(1, 1, Middle), TileColour(0, 0, 2));  // corn
    EXPECT_EQ(At(1, 1, Corner), TileColour(0, 7, 0));  // its floor, walls left, up-left, above
    EXPECT_EQ(At(2, 2, Middle), TileColour(0, 1, 2));  // boost
    EXPECT_EQ(At(5, 3, Middle), TileColour(0, 2, 2));  // gulper start
    EXPECT_EQ(At(5, 3, Corner), TileColour(0, 0, 0));
    EXPECT_EQ(At(20, 15, Middle), TileColour(0, 3, 2));  // ghost start
}

TEST_F(TileDrawing, SheetsLoadUpToTheFirstMissingOneAndTheConfiguredOneIsUsed)
{
    WriteTileSheet(1);
    TheConfig->tileSet = 1;
    CaptureOutput();
    StartMaze();
    const std::string output = TakeOutput();
    EXPECT_EQ(TheMaze->tileSets.size(), 2u);
    EXPECT_EQ(Count(output, "Failed to load image"), 1);
    EXPECT_EQ(Count(output, "Failed to load image images/tiles2.bmp."), 1);
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[1]);
    TheMaze->Draw();
    EXPECT_EQ(At(3, 5, Middle), TileColour(1, 0, 0));
}

TEST_F(TileDrawing, NextSheetWrapsToTheFirstAndIsStoredInTheConfiguration)
{
    WriteTileSheet(1);
    WriteTileSheet(2);
    TheConfig->tileSet = 2;
    StartMaze();
    TheMaze->NextTileSet();
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[0]);
    EXPECT_EQ(TheConfig->tileSet, 0);
    TheMaze->NextTileSet();
    EXPECT_EQ(TheConfig->tileSet, 1);
    TheMaze->Draw();
    EXPECT_EQ(At(3, 5, Middle), TileColour(1, 0, 0));  // from the next drawing on
}

TEST_F(TileDrawing, WithoutAnySheetTheGameRunsAndDrawsNoMaze)
{
    sandbox->Remove("images/tiles0.bmp");
    CaptureOutput();
    StartMaze();
    TheMaze->Draw();
    TheMaze->NextTileSet();
    TheMaze->Draw();
    EXPECT_EQ(Count(TakeOutput(), "Failed to load image"), 1);
    EXPECT_EQ(TheMaze->tiles, nullptr);
    EXPECT_EQ(TheConfig->tileSet, 0);
    EXPECT_EQ(TheMaze->width, 28);  // the level itself was read
}

// A maze smaller than the play area (the window but its bottom row) leaves no
// trace of what was drawn before around it, drawn from the cached background
// or tile by tile; a maze that fills the window has nothing around it.
TEST_F(TileDrawing, AroundASmallMazeTheWindowIsClearedToBlack)
{
    constexpr Uint32 Leftover = 0x123456;  // what the frames before left
    constexpr Uint32 Black = 0x000000;
    StartMaze();
    for (const bool cached : {true, false}) {
        TheMaze->useBackgroundCache = cached;
        std::istringstream small(LevelText({"#####", "#P.C#", "#.G.#", "#####"}));
        ASSERT_TRUE(TheMaze->ReadLevel(small));
        FillWindow(Leftover);
        TheMaze->Draw();
        EXPECT_EQ(CountPixels(Leftover), 0) << "cached " << cached;
        const int mazeRight = 5 * TilePixels, mazeBottom = 4 * TilePixels;
        EXPECT_EQ(CountPixels(Black), TheScreen->width * TheScreen->height - mazeRight * mazeBottom);
        EXPECT_EQ(PixelAt(mazeRight - 1, mazeBottom - 1), TileColour(0, Variant(4, 3), 1));
        EXPECT_EQ(PixelAt(mazeRight, 0), Black);
        EXPECT_EQ(PixelAt(0, mazeBottom), Black);
    }
    std::istringstream full(LevelText(StandardRows()));
    ASSERT_TRUE(TheMaze->ReadLevel(full));
    FillWindow(Leftover);
    TheMaze->Draw();
    EXPECT_EQ(CountPixels(Black), 0);

    // A maze of the play area leaves the window's bottom row to the interface.
    Rows play = StandardRows();
    play.pop_back();
    std::istringstream playArea(LevelText(play));
    ASSERT_TRUE(TheMaze->ReadLevel(playArea));
    FillWindow(Leftover);
    TheMaze->Draw();
    EXPECT_EQ(CountPixels(Leftover), TheScreen->width * TilePixels);
}
