// Maze design sources: half rows mirrored, full rows as they are.
#include <gtest/gtest.h>

#include "tools/levels/MazeDesign.h"
#include "tools/levels/Symmetry.h"

namespace {

std::string Repeat(const std::string& row, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += row + "\n";
    return text;
}

}  // namespace

TEST(MazeDesign, HalfRowIsMirrored)
{
    EXPECT_EQ(MirrorHalfRow("#BC.#CCCCCCCCC"), "#BC.#CCCCCCCCCCCCCCCCCC#.CB#");
}

TEST(MazeDesign, StartCellsAreNotDoubledByTheMirror)
{
    EXPECT_EQ(MirrorHalfRow("#CCCCCCCCCCCCP"), "#CCCCCCCCCCCCP.CCCCCCCCCCCC#");
    EXPECT_EQ(MirrorHalfRow("#G############"), "#G########################.#");
}

TEST(MazeDesign, BuildsTwentyRowsAndAddsTheWallUnderTheBar)
{
    LevelRows rows;
    std::string problem;
    ASSERT_TRUE(BuildDesign(Repeat("##############", PlayRows), rows, problem)) << problem;
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows.back(), std::string(28, '#'));
    EXPECT_EQ(rows[0].size(), 28u);
}

TEST(MazeDesign, FullWidthRowsAndCommentsMix)
{
    const std::string full(28, '#');
    const std::string source = "; a comment\n" + Repeat("##############", 10) + "; another\n" +
                               Repeat(full, 10);
    LevelRows rows;
    std::string problem;
    ASSERT_TRUE(BuildDesign(source, rows, problem)) << problem;
    EXPECT_EQ(rows.size(), 21u);
}

TEST(MazeDesign, WindowsLineEndsAreAccepted)
{
    LevelRows rows;
    std::string problem;
    std::string source = Repeat("##############\r", PlayRows);
    EXPECT_TRUE(BuildDesign(source, rows, problem)) << problem;
}

TEST(MazeDesign, OddRowWidthIsRejected)
{
    LevelRows rows;
    std::string problem;
    EXPECT_FALSE(BuildDesign(Repeat("##############", 5) + "###\n" +
                                 Repeat("##############", 14), rows, problem));
    EXPECT_NE(problem.find("design row 5 has 3 characters"), std::string::npos);
}

TEST(MazeDesign, WrongRowCountIsRejected)
{
    LevelRows rows;
    std::string problem;
    EXPECT_FALSE(BuildDesign(Repeat("##############", 19), rows, problem));
    EXPECT_NE(problem.find("19 rows"), std::string::npos);
}
