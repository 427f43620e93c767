// The files in gamedata/data are the ones the tool writes, and they pass
// every check: rerun the "levels" target after changing a source.
#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/levels/BlankCanvas.h"
#include "tools/levels/Campaigns.h"
#include "tools/levels/CustomMaps.h"
#include "tools/levels/HelpText.h"
#include "tools/levels/KeySets.h"
#include "tools/levels/LevelRules.h"
#include "tools/levels/MazeDesign.h"

namespace fs = std::filesystem;

namespace {

const fs::path DataFolder = fs::path(GULPWISE_DATA_DIR) / "data";
const fs::path Sources = GULPWISE_LEVEL_SOURCES;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

LevelRows Design(const std::string& name)
{
    LevelRows rows;
    std::string problem;
    EXPECT_TRUE(BuildDesign(ReadFile(Sources / "mazes" / (name + ".txt")), rows, problem))
        << name << ": " << problem;
    return rows;
}

// A shipped level file, checked against the rules and against its source.
void ExpectLevel(const std::string& file, const LevelRows& source)
{
    LevelRows rows;
    std::string problem;
    ASSERT_TRUE(ParseLevel(ReadFile(DataFolder / file), rows, problem)) << file << ": " << problem;
    const auto problems = CheckLevel(rows);
    EXPECT_TRUE(problems.empty()) << file << ": " << problems.front();
    EXPECT_EQ(rows, source) << file << " is out of date";
}

}  // namespace

TEST(ShippedData, EveryDesignIsAValidLevel)
{
    for (const auto& entry : fs::directory_iterator(Sources / "mazes")) {
        const auto problems = CheckLevel(Design(entry.path().stem().string()));
        EXPECT_TRUE(problems.empty()) << entry.path() << ": " << problems.front();
    }
}

TEST(ShippedData, AllHundredCustomMapsExist)
{
    ASSERT_GE(DesignedCustomMaps().size(), 12u);
    for (int number = 0; number < CustomMapCount; ++number) {
        const std::string design = CustomMapDesign(number);
        ExpectLevel("map_" + std::to_string(number) + ".lev",
                    design.empty() ? MakeBlankCanvas() : Design(design));
    }
}

TEST(ShippedData, CampaignFilesMatchTheTableAndEndWithIt)
{
    for (const Campaign& campaign : Campaigns()) {
        const std::string side = campaign.side;
        for (std::size_t i = 0; i < campaign.levels.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            ExpectLevel(side + "_level_" + number + ".lev", Design(campaign.levels[i].design));
            EXPECT_EQ(ReadFile(DataFolder / (side + "_settings_" + number + ".lev")),
                      FormatSettings(campaign, campaign.levels[i]));
        }
        // The first missing maze file ends a campaign.
        const std::string beyond = std::to_string(campaign.levels.size() + 1);
        EXPECT_FALSE(fs::exists(DataFolder / (side + "_level_" + beyond + ".lev")));
    }
}

TEST(ShippedData, KeyFilesHoldTheStockSets)
{
    EXPECT_EQ(ReadFile(DataFolder / "default_keys.cfg"), FormatKeyFile(SinglePlayerKeys()));
    EXPECT_EQ(ReadFile(DataFolder / "default_hotseat_keys.cfg"), FormatKeyFile(HotseatKeys()));
    EXPECT_EQ(ReadFile(DataFolder / "keys.cfg"), FormatKeyFile(SinglePlayerKeys()));
}

TEST(ShippedData, HelpPageFitsThePanel)
{
    const std::string text = ReadFile(DataFolder / "help_text.cfg");
    EXPECT_EQ(text, ReadFile(Sources / "help_text.txt"));
    std::ifstream widthFile(DataFolder / "font10_chars_w.cfg");
    const FontWidths font = widthFile ? ReadFontWidths(widthFile) : AssumedFontWidths();
    const auto problems = CheckHelpText(text, font);
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(ShippedData, KeyNamesFitTheirButtonsInTheRealFont)
{
    std::ifstream widthFile(DataFolder / "font10_chars_w.cfg");
    if (!widthFile)
        GTEST_SKIP() << "no small font widths yet";
    const FontWidths font = ReadFontWidths(widthFile);
    const auto name = [](int key) { return std::string(SDL_GetKeyName(static_cast<SDLKey>(key))); };
    EXPECT_TRUE(CheckKeySet(SinglePlayerKeys(), font, name).empty());
    EXPECT_TRUE(CheckKeySet(HotseatKeys(), font, name).empty());
}
