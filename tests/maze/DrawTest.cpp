// Drawing the maze: each cell's floor or wall tile, with corn, boosts and the
// two start cells laid over the floor; black in an overlay lets the floor show.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

class Draw : public MazeTest {
protected:
    static constexpr int Middle = 9;  // a pixel inside an overlay's coloured square
    static constexpr int Corner = 1;  // a pixel where an overlay is black

    void SetUp() override
    {
        MazeTest::SetUp();
        WriteMap(1, StandardRows());
        StartMaze();
    }
    static Uint32 At(int x, int y, int offset) { return PixelAt(x * 18 + offset, y * 18 + offset); }
    static int Variant(int x, int y) { return TheMaze->tileVariant[y * TheMaze->width + x]; }
};

TEST_F(Draw, FloorCellsShowTheirShadowTile)
{
    TheMaze->Draw();
    EXPECT_EQ(At(2, 1, Middle), TileColour(0, 2 + 4, 0));  // walls up-left and above
    EXPECT_EQ(At(3, 5, Middle), TileColour(0, 0, 0));      // open all round
    EXPECT_EQ(At(1, 2, Middle), TileColour(0, 1 + 2, 0));  // walls left and up-left
}

TEST_F(Draw, WallsShowTheirVariantFromTheSecondRow)
{
    TheMaze->Draw();
    for (const CellPos wall : {CellPos{0, 0}, CellPos{27, 10}, CellPos{13, 20}})
        EXPECT_EQ(At(wall.x, wall.y, Middle), TileColour(0, Variant(wall.x, wall.y), 1))
            << wall.x << ", " << wall.y;
}

TEST_F(Draw, ItemsAndStartCellsLieOverTheFloor)
{
    TheMaze->SetCell({2, 2}, Boost);
    TheMaze->Draw();
    EXPECT_EQ(At(1, 1, Middle), TileColour(0, 0, 2));  // corn
    EXPECT_EQ(At(1, 1, Corner), TileColour(0, 7, 0));  // its floor, walls left, up-left, above
    EXPECT_EQ(At(2, 2, Middle), TileColour(0, 1, 2));  // boost
    EXPECT_EQ(At(5, 3, Middle), TileColour(0, 2, 2));  // gulper start
    EXPECT_EQ(At(5, 3, Corner), TileColour(0, 0, 0));
    EXPECT_EQ(At(20, 15, Middle), TileColour(0, 3, 2));  // ghost start
}

TEST_F(Draw, AnotherSheetIsUsedFromTheNextDrawOn)
{
    WriteTileSheet(1);
    StartMaze();
    TheMaze->NextTileSet();
    TheMaze->Draw();
    EXPECT_EQ(At(3, 5, Middle), TileColour(1, 0, 0));
}

TEST_F(Draw, CellsBeyondTheWindowAreCut)
{
    std::vector<std::string> rows(40, std::string(60, '.'));
    rows[0][0] = 'P';
    rows[39][59] = 'G';
    WriteMap(2, rows);
    TheConfig->mapNumber = 2;
    StartMaze();
    TheMaze->Draw();
    EXPECT_EQ(PixelAt(503, 377), TileColour(0, 0, 0));
}
