// Repairing a level: a missing gulper start, ghost start or corn is added
// (at cells 291, 292 and 290, or on grids too small for them at the first
// spare cells), recorded, and never put in the place of a start the level
// already has; then the ghost start and every corn the gulper cannot reach
// get an L-shaped corridor from the gulper start, first along its row, then
// along the target's column. The last two levels were found by fuzzing the
// level reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/maze/MazeTestSupport.h"

namespace {

int CountOf(const Maze& maze, CellCode code)
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

TEST(RepairKeepsLevelsPlayable, MissingGulperStartGoesToCell291AndCorridorsJoinTheRest)
{
    Rows rows(11, std::string(28, '#'));
    rows[1][1] = 'C';
    rows[2][25] = 'G';
    rows[5][20] = 'C';
    const auto maze = GridOf(rows);
    maze->EnsurePlayable();
    EXPECT_EQ(RowsOf(*maze), (Rows{
                                 "############################",
                                 "#C##########################",
                                 "#.#######################G##",
                                 "#.#######################.##",
                                 "#.#######################.##",
                                 "#.##################C####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#.##################.####.##",
                                 "#..........P..............##",
                             }));
    EXPECT_EQ(maze->gulperStart, (CellPos{11, 10}));  // cell 291
}

TEST(RepairKeepsLevelsPlayable, AnEmptyLevelReadGetsCorn290Gulper291Ghost292)
{
    const auto maze = GridOf({"P.G.C"});
    std::istringstream in(LevelText(Rows(12, std::string(28, '.'))));
    ASSERT_TRUE(maze->ReadLevel(in));
    EXPECT_EQ(RowsOf(*maze)[10], "..........CPG...............");
    EXPECT_EQ(maze->gulperStart, (CellPos{11, 10}));  // not (0, 0) of the previous level
    EXPECT_EQ(maze->ghostStart, (CellPos{12, 10}));
    EXPECT_EQ(maze->cornLeft, 1);
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
    // walled in: 10,000 corridors, repaired in one go.
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
