// Level files as the game writes them: one row per line, each ended by CR LF.
#include <gtest/gtest.h>

#include "tools/levels/LevelGrid.h"

TEST(LevelFile, RowsEndWithCarriageReturnAndLineFeed)
{
    EXPECT_EQ(FormatLevel({"#P#", "#G#"}), "#P#\r\n#G#\r\n");
}

TEST(LevelFile, ReadsBackWhatWasWritten)
{
    const LevelRows rows = {"####", "#PC#", "#G.#", "####"};
    LevelRows read;
    std::string problem;
    ASSERT_TRUE(ParseLevel(FormatLevel(rows), read, problem)) << problem;
    EXPECT_EQ(read, rows);
}

TEST(LevelFile, BareLineFeedIsRejected)
{
    LevelRows rows;
    std::string problem;
    EXPECT_FALSE(ParseLevel("####\r\n#PC#\n", rows, problem));
    EXPECT_NE(problem.find("line 2"), std::string::npos);
}

TEST(LevelFile, LastLineWithoutLineBreakIsRejected)
{
    // The game would not read such a line at all.
    LevelRows rows;
    std::string problem;
    EXPECT_FALSE(ParseLevel("####\r\n####", rows, problem));
}

