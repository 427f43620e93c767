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

TEST(MazeDesign, DesignsBuildTwentyRowsAndTheWallUnderTheBarOrSayWhatIsWrong)
{
    const std::string half = "##############", full(28, '#');
    const struct {
        std::string source, problem;  // problem empty: the design builds
    } cases[] = {
        {Repeat(half, PlayRows), ""},
        {"; a comment\n" + Repeat(half, 10) + "; another\n" + Repeat(full, 10), ""},
        {Repeat(half + "\r", PlayRows), ""},
        {Repeat(half, 5) + "###\n" + Repeat(half, 14), "design row 5 has 3 characters"},
        {Repeat(half, 19), "19 rows"},
    };
    for (const auto& c : cases) {
        LevelRows rows;
        std::string problem;
        EXPECT_EQ(BuildDesign(c.source, rows, problem), c.problem.empty()) << problem;
        if (c.problem.empty()) {
            ASSERT_EQ(rows.size(), 21u);
            EXPECT_EQ(rows.back(), full);
            EXPECT_EQ(rows[0].size(), 28u);
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        }
    }
}
