// Tile sheets: "images/tiles0.bmp", "images/tiles1.bmp", ... are loaded once,
// up to the first one missing; the configuration names the one in use.
#include <gtest/gtest.h>

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

class TileSets : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        WriteMap(1, StandardRows());
    }
};

TEST_F(TileSets, SheetsLoadUpToTheFirstMissingOne)
{
    WriteTileSheet(1);
    CaptureOutput();
    StartMaze();
    const std::string output = TakeOutput();
    EXPECT_EQ(TheMaze->tileSets.size(), 2u);
    EXPECT_EQ(Count(output, "Failed to load image"), 1);
    EXPECT_EQ(Count(output, "Failed to load image images/tiles2.bmp."), 1);
}

TEST_F(TileSets, ConfiguredSheetIsSelected)
{
    WriteTileSheet(1);
    TheConfig->tileSet = 1;
    StartMaze();
    EXPECT_EQ(TheMaze->tileSetIndex, 1);
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[1]);
}

TEST_F(TileSets, NextSheetWrapsToTheFirstAndIsStoredInTheConfiguration)
{
    WriteTileSheet(1);
    WriteTileSheet(2);
    TheConfig->tileSet = 2;
    StartMaze();
    TheMaze->NextTileSet();
    EXPECT_EQ(TheMaze->tileSetIndex, 0);
    EXPECT_EQ(TheMaze->tiles, TheMaze->tileSets[0]);
    EXPECT_EQ(TheConfig->tileSet, 0);
    TheMaze->NextTileSet();
    EXPECT_EQ(TheConfig->tileSet, 1);
}

TEST_F(TileSets, StoredChoiceBeyondTheLoadedSheetsSelectsTheFirst)
{
    for (const int stored : {1, 7, -1}) {
        TheConfig->tileSet = stored;
        Maze maze(TheConfig->mapNumber, 28, 20);
        EXPECT_EQ(maze.tileSetIndex, 0) << stored;
        EXPECT_EQ(maze.tiles, maze.tileSets.at(0)) << stored;
    }
}

TEST_F(TileSets, WithoutAnySheetTheGameRunsAndDrawsNoMaze)
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
