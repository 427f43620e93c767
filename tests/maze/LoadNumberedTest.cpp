// Loading levels: a numbered custom map "data/map_N.lev", where missing or
// unreadable files are skipped in the search direction, wrapping between 0
// and 99, and with no readable map at all the built-in maze is played; and a
// named file, as a campaign level is loaded.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

namespace {

Rows RowsWithGulperAt(int x)
{
    Rows rows = StandardRows();
    rows[3][5] = '.';
    rows[3][x] = 'P';
    return rows;
}

class LoadNumbered : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        StartMaze();
    }
    // Loads from `number` and returns the number the search ended on.
    static int Load(int number, bool forward)
    {
        TheConfig->mapNumber = number;
        TheMaze->LoadNumbered(TheConfig->mapNumber, forward);
        return TheConfig->mapNumber;
    }
};

}  // namespace

TEST_F(LoadNumbered, MissingOrUnreadableFilesAreSkippedInTheSearchDirection)
{
    EXPECT_EQ(RowsOf(*TheMaze), StandardRows());  // the configured map at start
    WriteMap(4, RowsWithGulperAt(4));
    WriteMap(6, RowsWithGulperAt(6));
    sandbox->Write("data/map_7.lev", "no line break at all");
    WriteMap(8, RowsWithGulperAt(8));
    CaptureOutput();
    EXPECT_EQ(Load(5, true), 6);
    EXPECT_EQ(TakeOutput(), "File with data for level 5 is missing!\n");
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{6, 3}));
    EXPECT_EQ(Load(5, false), 4);
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{4, 3}));
    CaptureOutput();
    EXPECT_EQ(Load(7, true), 8);
    EXPECT_EQ(TakeOutput(), "File with data for level 7 is missing!\n");
    EXPECT_EQ(Load(104, true), 4);  // a number outside the slots is wrapped into them
    EXPECT_EQ(Load(-96, true), 4);
}

TEST_F(LoadNumbered, SearchesWrapAroundBetweenZeroAndNinetyNine)
{
    WriteMap(0, RowsWithGulperAt(7));
    WriteMap(99, RowsWithGulperAt(8));
    sandbox->Remove("data/map_1.lev");
    CaptureOutput();
    EXPECT_EQ(Load(98, true), 99);
    EXPECT_EQ(Load(1, false), 0);
    EXPECT_EQ(Load(1, true), 99);  // 1 to 98 are missing
    sandbox->Remove("data/map_99.lev");
    EXPECT_EQ(Load(99, true), 0);
    sandbox->Remove("data/map_0.lev");
    WriteMap(99, RowsWithGulperAt(8));
    EXPECT_EQ(Load(0, false), 99);
    TakeOutput();
}

TEST_F(LoadNumbered, WithoutAnyReadableMapTheBuiltInMazeIsPlayed)
{
    sandbox->Remove("data/map_1.lev");
    CaptureOutput();
    EXPECT_EQ(Load(42, false), 42);
    const std::string output = TakeOutput();
    EXPECT_NE(output.find("File with data for level 43 is missing!\n"), std::string::npos);
    const std::string last = output.substr(output.rfind("missing!\n") + 9);
    EXPECT_NE(last.find("built-in maze"), std::string::npos);
    EXPECT_EQ(last.find('\n'), last.size() - 1);  // one line

    EXPECT_EQ(TheMaze->width, 28);
    EXPECT_EQ(TheMaze->height, 21);
    EXPECT_EQ(RowsOf(*TheMaze).back(), std::string(28, '#'));
    // Playable as it is: the repair found nothing to add or carve.
    const Rows asRead = RowsOf(*TheMaze);
    TheMaze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*TheMaze), asRead);
    EXPECT_GT(TheMaze->cornLeft, 0);
    EXPECT_EQ(TheMaze->CellAt(TheMaze->gulperStart.x, TheMaze->gulperStart.y), GulperStart);
    EXPECT_EQ(TheMaze->CellAt(TheMaze->ghostStart.x, TheMaze->ghostStart.y), GhostStart);

    CaptureOutput();
    StartMaze();  // the game starts on it
    TakeOutput();
    EXPECT_EQ(TheConfig->mapNumber, 42);
    EXPECT_EQ(TheMaze->cellCount, 28 * 21);
}

TEST_F(LoadNumbered, ANamedFileIsReadOrTheLevelBeforeIsKept)
{
    sandbox->Write("data/gulper_level_3.lev", "P.C\nG..\n");
    sandbox->Write("data/ghosts_level_2.lev", "");
    for (const char* path : {"data/ghosts_level_9.lev", "data/ghosts_level_2.lev"}) {
        CaptureOutput();
        EXPECT_FALSE(TheMaze->LoadFile(path));
        EXPECT_EQ(TakeOutput(), std::string("Couldn't load maze level from file ") + path + "!");
        EXPECT_EQ(RowsOf(*TheMaze), StandardRows());
    }
    EXPECT_TRUE(TheMaze->LoadFile("data/gulper_level_3.lev"));
    EXPECT_EQ(RowsOf(*TheMaze), (Rows{"P.C", "G.."}));
}
