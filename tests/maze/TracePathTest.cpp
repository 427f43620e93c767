// Tracing a route back from the goal over a filled cost map: the marks cover
// the goal and every cell on the way, but not the start.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

namespace {

// Fills the map from `from` and traces to `to`; the marks as rows, '*' marked.
Rows Traced(const Maze& maze, CellPos from, CellPos to, double speed)
{
    CostMap map;
    PathMarks marks(maze.cellCount, true);
    maze.FillCostMap(map, from, speed, false);
    maze.TracePath(from, to, map, marks, speed);
    Rows rows(maze.height, std::string(maze.width, '-'));
    for (int i = 0; i < maze.cellCount; ++i)
        if (marks[i])
            rows[i / maze.width][i % maze.width] = '*';
    return rows;
}

}  // namespace

TEST(TracePath, MarksEveryCellFromTheGoalBackToTheStart)
{
    EXPECT_EQ(Traced(*GridOf({"....", "##.#", "...."}), {0, 0}, {3, 2}, 2.4),
              (Rows{"-**-", "--*-", "--**"}));
    EXPECT_EQ(Traced(*GridOf({"..."}), {1, 0}, {1, 0}, 1.0), (Rows{"---"}));  // goal at the start
}

TEST(TracePath, AmongEqualRoutesTheWalkBackPrefersLeftThenRightThenUpThenDown)
{
    const auto open = GridOf({"...", "...", "..."});
    EXPECT_EQ(Traced(*open, {0, 0}, {1, 1}, 1.0), (Rows{"---", "**-", "---"}));  // left before up
    EXPECT_EQ(Traced(*open, {2, 2}, {1, 1}, 1.0), (Rows{"---", "-**", "---"}));  // right before down
    const auto ring = GridOf({"...", ".#.", "..."});
    EXPECT_EQ(Traced(*ring, {1, 2}, {1, 0}, 1.0), (Rows{"**-", "*--", "*--"}));  // left before right
    EXPECT_EQ(Traced(*ring, {0, 1}, {2, 1}, 1.0), (Rows{"***", "--*", "---"}));  // up before down
}

TEST(TracePath, GoalOutOfReachMarksNothing)
{
    const auto maze = GridOf({".#..", "##.."});
    for (const CellPos goal : {CellPos{3, 1}, CellPos{1, 0}, CellPos{4, 0}, CellPos{0, -1}})
        EXPECT_EQ(Traced(*maze, {0, 0}, goal, 1.0), (Rows{"----", "----"}));
    CostMap map;
    PathMarks marks;
    maze->FillCostMap(map, {2, 0}, 1.0, false);
    map[3] = BlockedMark;
    maze->TracePath({2, 0}, {3, 0}, map, marks, 1.0);
    EXPECT_EQ(marks, PathMarks(8, false));
}

TEST(TracePath, MapOfAnotherSpeedEndsTheWalk)
{
    const auto maze = GridOf({"....."});
    CostMap map;
    PathMarks marks;
    maze->FillCostMap(map, {0, 0}, 1.0, false);
    maze->TracePath({0, 0}, {4, 0}, map, marks, 100.0);  // step 0: no way back
    EXPECT_EQ(marks, (PathMarks{false, false, false, false, true}));
    maze->TracePath({0, 0}, {4, 0}, map, marks, 3.4);  // 72 is no multiple of 5
    EXPECT_EQ(marks, (PathMarks{false, false, false, false, true}));
}
