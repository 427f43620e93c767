// Tracing a route back from the goal over a filled cost map: the marks cover
// the goal and every cell on the way, but not the start.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

namespace {

// The marks as rows: '*' marked, '-' not.
std::vector<std::string> Marked(const Maze& maze, const PathMarks& marks)
{
    std::vector<std::string> rows(maze.height, std::string(maze.width, '-'));
    for (int i = 0; i < maze.cellCount; ++i)
        if (marks[i])
            rows[i / maze.width][i % maze.width] = '*';
    return rows;
}

using Rows = std::vector<std::string>;

}  // namespace

TEST(TracePath, MarksEveryCellFromTheGoalBackToTheStart)
{
    const auto maze = GridOf({"....", "##.#", "...."});
    CostMap map;
    PathMarks marks;
    maze->FillCostMap(map, {0, 0}, 2.4, false);
    maze->TracePath({0, 0}, {3, 2}, map, marks, 2.4);
    EXPECT_EQ(Marked(*maze, marks), (Rows{"-**-", "--*-", "--**"}));
}

TEST(TracePath, AmongEqualRoutesTheWalkBackPrefersLeftThenRightThenUpThenDown)
{
    const auto open = GridOf({"...", "...", "..."});
    CostMap map;
    PathMarks marks;
    open->FillCostMap(map, {0, 0}, 1.0, false);
    open->TracePath({0, 0}, {1, 1}, map, marks, 1.0);
    EXPECT_EQ(Marked(*open, marks), (Rows{"---", "**-", "---"}));  // left before up
    open->FillCostMap(map, {2, 2}, 1.0, false);
    open->TracePath({2, 2}, {1, 1}, map, marks, 1.0);
    EXPECT_EQ(Marked(*open, marks), (Rows{"---", "-**", "---"}));  // right before down

    const auto ring = GridOf({"...", ".#.", "..."});
    ring->FillCostMap(map, {1, 2}, 1.0, false);
    ring->TracePath({1, 2}, {1, 0}, map, marks, 1.0);
    EXPECT_EQ(Marked(*ring, marks), (Rows{"**-", "*--", "*--"}));  // left before right
    ring->FillCostMap(map, {0, 1}, 1.0, false);
    ring->TracePath({0, 1}, {2, 1}, map, marks, 1.0);
    EXPECT_EQ(Marked(*ring, marks), (Rows{"***", "--*", "---"}));  // up before down
}

TEST(TracePath, GoalAtTheStartMarksNothing)
{
    const auto maze = GridOf({"..."});
    CostMap map;
    PathMarks marks = {true, true, true};
    maze->FillCostMap(map, {1, 0}, 1.0, false);
    maze->TracePath({1, 0}, {1, 0}, map, marks, 1.0);
    EXPECT_EQ(marks, (PathMarks{false, false, false}));
}

TEST(TracePath, GoalOutOfReachMarksNothing)
{
    const auto maze = GridOf({".#..", "##.."});
    CostMap map;
    PathMarks marks;
    maze->FillCostMap(map, {0, 0}, 1.0, false);
    for (const CellPos goal : {CellPos{3, 1}, CellPos{1, 0}, CellPos{4, 0}, CellPos{0, -1}}) {
        maze->TracePath({0, 0}, goal, map, marks, 1.0);
        EXPECT_EQ(marks, PathMarks(8, false));
    }
    map[3] = BlockedMark;
    maze->TracePath({0, 0}, {3, 0}, map, marks, 1.0);
    EXPECT_EQ(marks, PathMarks(8, false));
}

TEST(TracePath, MapOfAnotherSpeedEndsTheWalk)
{
    const auto maze = GridOf({"....."});
    CostMap map;
    PathMarks marks;
    maze->FillCostMap(map, {0, 0}, 1.0, false);
    maze->TracePath({0, 0}, {4, 0}, map, marks, 100.0);  // step 0: no way back
    EXPECT_EQ(Marked(*maze, marks), (Rows{"----*"}));
    maze->TracePath({0, 0}, {4, 0}, map, marks, 3.4);  // 72 is no multiple of 5
    EXPECT_EQ(Marked(*maze, marks), (Rows{"----*"}));
}
