// The editor's brush: paints the chosen element into the cell under the
// mouse, once per cell in a row, never outside the grid nor into the bottom
// row under the bar. (The editor as the player uses it, with the start cells
// kept unique and the repair on saving: tests/game/EditorScreenTest.cpp.)
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

class Brush : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        StartMaze();
        while (TheBrush->brush != IndexOf(Boost))
            TheBrush->NextElement();
    }
    static CellCode Cell(int x, int y) { return TheMaze->CellAt(x, y); }
};

TEST_F(Brush, PaintsTheCellUnderThePointOnceUntilAnotherCellOrElement)
{
    EXPECT_FALSE(TheBrush->unsavedChanges);
    TheBrush->PaintAt(7 * 18, 4 * 18 + 17);  // both edges of cell (7, 4) belong to it
    EXPECT_EQ(Cell(7, 4), Boost);
    EXPECT_EQ(TheBrush->lastPainted, (CellPos{7, 4}));
    EXPECT_TRUE(TheBrush->unsavedChanges);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // counts and starts change only when a file is read
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{5, 3}));

    TheMaze->SetCell({7, 4}, Tunnel);
    TheBrush->PaintAt(7 * 18 + 2, 4 * 18 + 2);  // the same cell again: not painted
    EXPECT_EQ(Cell(7, 4), Tunnel);
    TheBrush->NextElement();
    TheBrush->PaintAt(7 * 18 + 2, 4 * 18 + 2);
    EXPECT_EQ(Cell(7, 4), GulperStart);
    EXPECT_EQ(Cell(5, 3), Tunnel);  // the only gulper start
}

TEST_F(Brush, TheBottomRowAndOutsideAreNeverPainted)
{
    TheBrush->PaintAt(4 * 18 + 9, 20 * 18 + 9);
    TheBrush->PaintAt(28 * 18 + 9, 4 * 18);
    TheBrush->PaintAt(-19, 4 * 18);
    EXPECT_EQ(Cell(4, 20), Wall);
    EXPECT_EQ(TheBrush->lastPainted, (CellPos{NoValue, NoValue}));
    EXPECT_FALSE(TheBrush->unsavedChanges);
    TheBrush->PaintAt(4 * 18 + 9, 19 * 18 + 9);
    EXPECT_EQ(Cell(4, 19), Boost);
}
