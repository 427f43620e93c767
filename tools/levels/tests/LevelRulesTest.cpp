// The rules of a shipped level: the game's repair must find nothing to change.
#include <gtest/gtest.h>

#include "tools/levels/BlankCanvas.h"
#include "tools/levels/LevelRules.h"

namespace {

// True when some problem mentions the text.
bool Mentions(const std::vector<std::string>& problems, const std::string& text)
{
    for (const std::string& problem : problems)
        if (problem.find(text) != std::string::npos)
            return true;
    return false;
}

// A blank canvas with a wall row across the middle, cutting the level in two.
LevelRows CutInTwo()
{
    LevelRows rows = MakeBlankCanvas();
    rows[10] = std::string(LevelWidth, WallMark);
    return rows;
}

}  // namespace

TEST(LevelRules, BlankCanvasIsAValidLevel)
{
    const LevelRows canvas = MakeBlankCanvas();
    EXPECT_TRUE(CheckLevel(canvas).empty());
    EXPECT_EQ(CountMarks(canvas, GulperMark), 1);
    EXPECT_EQ(CountMarks(canvas, GhostMark), 1);
    EXPECT_EQ(CountMarks(canvas, CornMark), 1);
}

TEST(LevelRules, SizeMustBe28By21)
{
    LevelRows rows = MakeBlankCanvas();
    rows.pop_back();
    EXPECT_TRUE(Mentions(CheckLevel(rows), "20 rows"));
    rows = MakeBlankCanvas();
    rows[3] += '#';
    EXPECT_TRUE(Mentions(CheckLevel(rows), "row 3 has 29 cells"));
}

TEST(LevelRules, OnlyLevelCharactersAreAllowed)
{
    LevelRows rows = MakeBlankCanvas();
    rows[2][2] = 'c';  // the game would read it as a wall
    EXPECT_TRUE(Mentions(CheckLevel(rows), "unknown character at column 2, row 2"));
}

TEST(LevelRules, RowUnderTheBarMustBeWall)
{
    LevelRows rows = MakeBlankCanvas();
    rows[LevelHeight - 1][5] = CornMark;
    EXPECT_TRUE(Mentions(CheckLevel(rows), "under the in-game bar"));
}

TEST(LevelRules, LevelMustBeWalledAllAround)
{
    LevelRows rows = MakeBlankCanvas();
    rows[0][4] = FloorMark;
    rows[7][LevelWidth - 1] = FloorMark;
    const auto problems = CheckLevel(rows);
    EXPECT_TRUE(Mentions(problems, "top row"));
    EXPECT_TRUE(Mentions(problems, "row 7 is open"));
}

TEST(LevelRules, ExactlyOneOfEachStart)
{
    LevelRows rows = MakeBlankCanvas();
    rows[2][2] = GulperMark;  // a second gulper start
    for (std::string& row : rows)
        for (char& cell : row)
            if (cell == GhostMark)
                cell = FloorMark;  // and no ghost start
    const auto problems = CheckLevel(rows);
    EXPECT_TRUE(Mentions(problems, "one gulper start P, has 2"));
    EXPECT_TRUE(Mentions(problems, "one ghost start G, has 0"));
}

TEST(LevelRules, AtLeastOneCorn)
{
    LevelRows rows = MakeBlankCanvas();
    for (std::string& row : rows)
        for (char& cell : row)
            if (cell == CornMark)
                cell = BoostMark;  // boosts do not count as corn
    EXPECT_TRUE(Mentions(CheckLevel(rows), "no corn"));
}

TEST(LevelRules, CornAndGhostStartMustBeReachableFromTheGulper)
{
    LevelRows rows = CutInTwo();  // the ghost start (row 6) above the cut, the gulper below
    rows[3][20] = CornMark;
    const auto problems = CheckLevel(rows);
    EXPECT_TRUE(Mentions(problems, "the ghost start at column 13, row 6 cannot be reached"));
    EXPECT_TRUE(Mentions(problems, "corn at column 20, row 3 cannot be reached"));
}

TEST(LevelRules, CornBehindABoostOrStartIsReachable)
{
    // Only walls block: the way may lead over boosts and the ghost start.
    LevelRows rows = CutInTwo();
    rows[10][5] = BoostMark;
    EXPECT_TRUE(CheckLevel(rows).empty());
}

TEST(LevelRules, DisconnectedFloorWithoutCornIsAllowed)
{
    // The repair only cares about corn and the ghost start.
    LevelRows rows = MakeBlankCanvas();
    rows[2] = "#.##########################";
    rows[3] = "############################";
    EXPECT_TRUE(CheckLevel(rows).empty());
}
