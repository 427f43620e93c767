// Loading a named level file, as a campaign level is loaded.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

class LoadFile : public MazeTest {
protected:
    void SetUp() override
    {
        MazeTest::SetUp();
        WriteMap(1, StandardRows());
        StartMaze();
    }
};

TEST_F(LoadFile, ReadsTheNamedFile)
{
    sandbox->Write("data/gulper_level_3.lev", "P.C\nG..\n");
    EXPECT_TRUE(TheMaze->LoadFile("data/gulper_level_3.lev"));
    EXPECT_EQ(RowsOf(*TheMaze), (std::vector<std::string>{"P.C", "G.."}));
}

TEST_F(LoadFile, MissingOrUnreadableFileKeepsThePreviousLevel)
{
    sandbox->Write("data/ghosts_level_2.lev", "");
    for (const char* path : {"data/ghosts_level_9.lev", "data/ghosts_level_2.lev"}) {
        CaptureOutput();
        EXPECT_FALSE(TheMaze->LoadFile(path));
        EXPECT_EQ(TakeOutput(), std::string("Couldn't load maze level from file ") + path + "!");
        EXPECT_EQ(RowsOf(*TheMaze), StandardRows());
    }
}
