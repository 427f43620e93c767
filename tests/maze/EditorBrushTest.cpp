// The editor's brush never paints outside the grid nor into the bottom row
// under the bar. (Painting as the player does it: tests/game/EditorScreenTest.cpp.)
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
