// Loading a numbered custom map "data/map_N.lev": missing or unreadable files
// are skipped in the search direction, wrapping between 0 and 99; with no
// readable map at all the built-in maze is played.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

namespace {
std::vector<std::string> RowsWithGulperAt(int x)
{
    std::vector<std::string> rows = StandardRows();
    rows[3][5] = '.';
    rows[3][x] = 'P';
    return rows;
}
}  // namespace

class LoadNumbered : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        WriteMap(1, StandardRows());
        StartMaze();
    }
    // Loads from `number` and returns the number the search ended on.
    int Load(int number, bool forward)
    {
        TheConfig->mapNumber = number;
        TheMaze->LoadNumbered(TheConfig->mapNumber, forward);
        return TheConfig->mapNumber;
    }
};

TEST_F(LoadNumbered, TheMazeStartsWithTheConfiguredMap)
{
    EXPECT_EQ(TheConfig->mapNumber, 1);
    EXPECT_EQ(RowsOf(*TheMaze), StandardRows());
}

TEST_F(LoadNumbered, ForwardSearchSkipsAMissingFile)
{
    WriteMap(6, RowsWithGulperAt(6));
    CaptureOutput();
    EXPECT_EQ(Load(5, true), 6);
    EXPECT_EQ(TakeOutput(), "File with data for level 5 is missing!\n");
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{6, 3}));
}

TEST_F(LoadNumbered, BackwardSearchSkipsAMissingFile)
{
    WriteMap(4, RowsWithGulperAt(4));
    WriteMap(6, RowsWithGulperAt(6));
    EXPECT_EQ(Load(5, false), 4);
    EXPECT_EQ(TheMaze->gulperStart, (CellPos{4, 3}));
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

TEST_F(LoadNumbered, UnreadableFileIsSkippedLikeAMissingOne)
{
    sandbox->Write("data/map_2.lev", "no line break at all");
    WriteMap(3, RowsWithGulperAt(3));
    CaptureOutput();
    EXPECT_EQ(Load(2, true), 3);
    EXPECT_EQ(TakeOutput(), "File with data for level 2 is missing!\n");
}

TEST_F(LoadNumbered, NumberOutsideTheSlotsIsWrappedIntoThem)
{
    WriteMap(4, RowsWithGulperAt(4));
    EXPECT_EQ(Load(104, true), 4);
    EXPECT_EQ(Load(-96, true), 4);
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
    const std::vector<std::string> asRead = RowsOf(*TheMaze);
    TheMaze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*TheMaze), asRead);
    EXPECT_GT(TheMaze->cornLeft, 0);
    EXPECT_EQ(TheMaze->CellAt(TheMaze->gulperStart.x, TheMaze->gulperStart.y), GulperStart);
    EXPECT_EQ(TheMaze->CellAt(TheMaze->ghostStart.x, TheMaze->ghostStart.y), GhostStart);
}

TEST_F(LoadNumbered, TheGameStartsWithoutAnyMap)
{
    sandbox->Remove("data/map_1.lev");
    CaptureOutput();
    StartMaze();
    TakeOutput();
    EXPECT_EQ(TheConfig->mapNumber, 1);
    EXPECT_EQ(TheMaze->cellCount, 28 * 21);
}
