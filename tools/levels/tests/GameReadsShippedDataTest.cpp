// The shipped levels as the game itself reads them: its level reader and the
// repair that follows it must leave every cell as the file has it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "maze/Maze.h"
#include "tools/levels/Campaigns.h"
#include "tools/levels/CustomMaps.h"
#include "tools/levels/LevelGrid.h"

namespace fs = std::filesystem;

namespace {

const fs::path DataFolder = fs::path(GULPWISE_DATA_DIR) / "data";
constexpr const char* CodeMarks = ".#CBPG";  // the level character of each cell code

// Reads the file with the game's reader and compares the maze with the file's text.
void ExpectReadUnchanged(const std::string& file)
{
    std::ifstream in(DataFolder / file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    LevelRows expected;
    for (std::string line; std::getline(in, line);)
        expected.push_back(line.substr(0, line.size() - 1));  // without the CR
    in.clear();
    in.seekg(0);

    Maze maze(1, 1, {});
    ASSERT_TRUE(maze.ReadLevel(in)) << file;
    ASSERT_EQ(maze.width, LevelWidth) << file;
    ASSERT_EQ(maze.height, LevelHeight) << file;
    LevelRows read(LevelHeight);
    for (int i = 0; i < maze.cellCount; ++i)
        read[i / LevelWidth] += CodeMarks[IndexOf(maze.cells[i])];
    EXPECT_EQ(read, expected) << file << " was changed by the repair";
    EXPECT_EQ(maze.cornLeft, CountMarks(expected, CornMark)) << file;
    EXPECT_EQ(expected[maze.gulperStart.y][maze.gulperStart.x], GulperMark) << file;
    EXPECT_EQ(expected[maze.ghostStart.y][maze.ghostStart.x], GhostMark) << file;
}

}  // namespace

TEST(GameReadsShippedData, CustomMapsPassTheRepairUnchanged)
{
    for (int number = 0; number < CustomMapCount; ++number)
        ExpectReadUnchanged("map_" + std::to_string(number) + ".lev");
}

TEST(GameReadsShippedData, CampaignLevelsPassTheRepairUnchanged)
{
    for (const Campaign& campaign : Campaigns())
        for (std::size_t level = 1; level <= campaign.levels.size(); ++level)
            ExpectReadUnchanged(std::string(campaign.side) + "_level_" + std::to_string(level) +
                                ".lev");
}
