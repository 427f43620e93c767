// Saving a custom map: the maze is repaired first, then written whole, one
// line per row with CR LF, so the file is always complete and playable.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/maze/MazeTestSupport.h"

class Save : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        StartMaze();
    }
};

TEST_F(Save, WritesEveryRowWithCrLfAndOtherCharactersAsWalls)
{
    ASSERT_TRUE(TheMaze->Save(7));
    EXPECT_EQ(sandbox->Read("data/map_7.lev"), LevelText(StandardRows()));
    EXPECT_FALSE(sandbox->Exists("data/map_7.lev.tmp"));

    sandbox->Write("data/map_2.lev", "P.x\n.c \nG.C\n");
    ASSERT_TRUE(TheMaze->LoadFile("data/map_2.lev"));
    ASSERT_TRUE(TheMaze->Save(2));
    EXPECT_EQ(sandbox->Read("data/map_2.lev"), "P.#\r\n.##\r\nG.C\r\n");
}

TEST_F(Save, RepairsTheMazeBeforeWritingAndClearsTheUnsavedMark)
{
    TheMaze->ClearCode(GulperStart);
    TheBrush->unsavedChanges = true;
    ASSERT_TRUE(TheMaze->Save(1));
    EXPECT_EQ(TheMaze->cells[291], GulperStart);  // shown in the editor at once
    EXPECT_EQ(sandbox->Read("data/map_1.lev")[291 + 2 * (291 / 28)], 'P');
    EXPECT_FALSE(TheBrush->unsavedChanges);
    TheBrush->unsavedChanges = true;
    TheMaze->LoadNumbered(TheConfig->mapNumber, true);  // reading clears it too
    EXPECT_FALSE(TheBrush->unsavedChanges);
}

TEST_F(Save, UnwritableFileIsReportedAndTheGameGoesOn)
{
    // A folder in the file's place cannot be replaced by the new file.
    std::filesystem::create_directories(sandbox->path + "/data/map_3.lev/in_the_way");
    TheMaze->SetCell({2, 2}, Boost);
    TheBrush->unsavedChanges = true;
    CaptureOutput();
    EXPECT_FALSE(TheMaze->Save(3));
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/map_3.lev");
    EXPECT_EQ(TheMaze->CellAt(2, 2), Boost);
    EXPECT_TRUE(TheBrush->unsavedChanges);
}
