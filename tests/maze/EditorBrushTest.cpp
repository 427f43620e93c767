// The editor's brush: paints the chosen element into the cell under the
// mouse, once per cell in a row, never into the bottom row under the bar;
// there is only ever one gulper start and one ghost start.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

class Brush : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        StartMaze();
    }
    static void PaintCell(int x, int y) { TheBrush->PaintAt(x * 18 + 9, y * 18 + 9); }
    static void Choose(int element)
    {
        while (TheBrush->brush != element)
            TheBrush->NextElement();
    }
    static int Cell(int x, int y) { return TheMaze->CellAt(x, y); }
};

TEST_F(Brush, NextElementCyclesThroughAllSixNames)
{
    std::vector<std::string> names;
    for (int i = 0; i < 7; ++i) {
        names.push_back(TheBrush->elementNames[TheBrush->brush]);
        TheBrush->NextElement();
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Tunnel", "Wall", "Corn", "Boost", "Gulper",
                                               "Ghosts", "Tunnel"}));
}

TEST_F(Brush, PaintsTheCellUnderThePointOncePerCellInARow)
{
    EXPECT_FALSE(TheBrush->unsavedChanges);
    Choose(Boost);
    TheBrush->PaintAt(7 * 18, 4 * 18 + 17);  // both edges of cell (7, 4) belong to it
    EXPECT_EQ(Cell(7, 4), Boost);
    EXPECT_TRUE(TheBrush->unsavedChanges);
    EXPECT_EQ(TheMaze->cornLeft, 1);  // counts and starts change only when a file is read

    TheMaze->SetCell({7, 4}, Tunnel);
    TheBrush->PaintAt(7 * 18 + 2, 4 * 18 + 2);  // the same cell again: not painted
    EXPECT_EQ(Cell(7, 4), Tunnel);
    TheBrush->NextElement();
    PaintCell(7, 4);
    EXPECT_EQ(Cell(7, 4), GulperStart);

    Choose(Wall);
    for (int x = 2 * 18; x < 7 * 18; x += 3)  // a drag along row 6
        TheBrush->PaintAt(x, 6 * 18 + 5);
    for (int x = 1; x < 8; ++x)
        EXPECT_EQ(Cell(x, 6), x >= 2 && x < 7 ? Wall : Tunnel) << x;
}

TEST_F(Brush, NewStartCellReplacesTheOldOne)
{
    Choose(GulperStart);
    PaintCell(8, 8);
    EXPECT_EQ(Cell(5, 3), Tunnel);
    EXPECT_EQ(Cell(8, 8), GulperStart);
    Choose(GhostStart);
    PaintCell(9, 9);
    EXPECT_EQ(Cell(20, 15), Tunnel);
    EXPECT_EQ(Cell(9, 9), GhostStart);
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{5, 3}));
}

TEST_F(Brush, BottomRowAndOutsideAreNeverPainted)
{
    Choose(Corn);
    PaintCell(4, 4);
    PaintCell(4, 20);
    PaintCell(28, 4);
    TheBrush->PaintAt(-19, 4 * 18);
    EXPECT_EQ(Cell(4, 20), Wall);
    EXPECT_EQ(TheBrush->lastPainted, (CellPos{4, 4}));
    PaintCell(4, 19);
    EXPECT_EQ(Cell(4, 19), Corn);
}

TEST_F(Brush, ReloadingDropsUnsavedPaintingAndSavingRepairsIt)
{
    Choose(Wall);
    PaintCell(10, 10);
    TheMaze->LoadNumbered(TheConfig->mapNumber, true);
    EXPECT_EQ(RowsOf(*TheMaze), StandardRows());
    EXPECT_FALSE(TheBrush->unsavedChanges);

    PaintCell(5, 3);  // over the only gulper start
    ASSERT_TRUE(TheMaze->Save(TheConfig->mapNumber));
    EXPECT_EQ(TheMaze->cells[291], GulperStart);
    EXPECT_FALSE(TheBrush->unsavedChanges);
}
