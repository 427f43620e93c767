// The repair of a level, on levels found by fuzzing the level reader: an
// element it adds never takes the place of a start cell the level already
// has, and a large level with thousands of walled-in corn is repaired in one
// go (the tiles are refreshed once, not once per corridor).
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/maze/MazeTestSupport.h"

using Rows = std::vector<std::string>;

namespace {

constexpr int Width = 28;
constexpr int Height = 11;

// An open 28 x 11 level with one corn in its top-left corner.
Rows OpenRows()
{
    Rows rows(Height, std::string(Width, '.'));
    rows[0][0] = 'C';
    return rows;
}

int CountOf(const Maze& maze, int code)
{
    return static_cast<int>(std::count(maze.cells.begin(), maze.cells.end(), code));
}

// Every corn and the ghost start can be reached from the gulper start.
void ExpectAllReachable(const Maze& maze)
{
    CostMap reach;
    maze.FillCostMap(reach, maze.gulperStart, 1.0, false);
    for (int i = 0; i < maze.cellCount; ++i) {
        if (maze.cells[i] == Corn || maze.cells[i] == GhostStart) {
            ASSERT_NE(reach[i], NoValue) << "cell " << i << " cut off";
        }
    }
}

}  // namespace

TEST(RepairKeepsLevelsPlayable, AGhostStartAddedAt292LeavesTheOnlyGulperStartThere)
{
    Rows rows = OpenRows();
    rows[10][12] = 'P';  // cell 292, where a missing ghost start would go
    const auto maze = GridOf(rows);
    maze->gulperStart = {12, 10};  // as the reader records it
    maze->EnsurePlayable();

    EXPECT_EQ(maze->CellAt(12, 10), GulperStart);
    EXPECT_EQ(CountOf(*maze, GhostStart), 1);
    EXPECT_EQ(maze->CellAt(maze->ghostStart.x, maze->ghostStart.y), GhostStart);
    EXPECT_NE(maze->ghostStart, maze->gulperStart);
}

TEST(RepairKeepsLevelsPlayable, ACornAddedAt290LeavesTheStartsThere)
{
    Rows rows(Height, std::string(Width, '.'));
    rows[10][10] = 'P';  // cell 290, where a missing corn would go
    rows[10][12] = 'G';
    const auto gulperThere = GridOf(rows);
    gulperThere->EnsurePlayable();
    EXPECT_EQ(gulperThere->CellAt(10, 10), GulperStart);
    EXPECT_EQ(CountOf(*gulperThere, Corn), 1);

    std::swap(rows[10][10], rows[10][12]);  // now the ghost start is at 290
    const auto ghostThere = GridOf(rows);
    ghostThere->EnsurePlayable();
    EXPECT_EQ(ghostThere->CellAt(10, 10), GhostStart);
    EXPECT_EQ(CountOf(*ghostThere, Corn), 1);
}

TEST(RepairKeepsLevelsPlayable, TheFuzzedLevelReadsWithBothStartsAndNeedsNoSecondRepair)
{
    // The input that found the fault: rows of different lengths (the longest
    // gives the width, 66), the only P at cell 292, no G, and bytes that read
    // as walls.
    const std::string text =
        "###\xff###########C#C#C###C##\r\n"
        "#C#CCCCCCCCC#CCC#C#C#C#B#C##\r\n"
        "#C#C###C###C#CCCCCCCCCcC#C##\r\n"
        "#C#C#C#C#C###C#C#####C###C##\r\n"
        "#C#CCCCC#CCCCCCCCCCC#CCC#C##P" + std::string(7, '\0') +
        "###############C#C#C##\r#######\r\n"
        "#BCCCCCCCCC######CCCCCCACCB#\r\n"
        "#CCCCCCCCCC######C#CC####\r\n"
        "#CCCCC##\r\n";
    const auto maze = GridOf({"#"});
    std::istringstream in(text);
    ASSERT_TRUE(maze->ReadLevel(in));
    ASSERT_EQ(maze->width, 66);
    EXPECT_EQ(maze->CellAt(28, 4), GulperStart);
    EXPECT_EQ(maze->gulperStart, (CellPos{28, 4}));
    EXPECT_EQ(CountOf(*maze, GhostStart), 1);
    EXPECT_NE(maze->ghostStart, maze->gulperStart);
    ExpectAllReachable(*maze);

    const Rows repaired = RowsOf(*maze);
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), repaired);
}

TEST(RepairKeepsLevelsPlayable, ALargeLevelOfWalledInCornGetsACorridorToEveryCorn)
{
    // 200 x 200 cells, a corn on every other cell of every other row, each
    // walled in: 10,000 corridors.
    constexpr int Side = 200;
    Rows rows(Side, std::string(Side, '#'));
    for (int y = 0; y < Side; y += 2)
        for (int x = 0; x < Side; x += 2)
            rows[y][x] = 'C';
    rows[1][1] = 'P';
    rows[Side - 1][Side - 1] = 'G';
    const auto maze = GridOf({"#"});
    std::istringstream in(LevelText(rows));
    ASSERT_TRUE(maze->ReadLevel(in));

    EXPECT_EQ(maze->cornLeft, (Side / 2) * (Side / 2));
    ExpectAllReachable(*maze);
    EXPECT_EQ(maze->tileVariant.size(), maze->cells.size());
}
