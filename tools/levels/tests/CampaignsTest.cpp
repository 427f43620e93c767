// The campaign table: who plays which side, and difficulty rising level by level.
#include <gtest/gtest.h>

#include "tools/levels/Campaigns.h"

namespace {

const Campaign& Side(const std::string& side)
{
    for (const Campaign& campaign : Campaigns())
        if (campaign.side == side)
            return campaign;
    throw std::invalid_argument(side);
}

}  // namespace

TEST(CampaignSettings, SixNumbersOnOneLine)
{
    const Campaign& gulper = Side("gulper");
    EXPECT_EQ(FormatSettings(gulper, {"classic", 4, 3.4, 2.4, 90}), "0 1 4 3.4 2.4 90\n");
    EXPECT_EQ(FormatSettings(Side("ghosts"), {"classic", 3, 3.5, 2, 75}), "1 0 3 3.5 2 75\n");
}

TEST(Campaigns, PlayerIsHumanOnTheCampaignsSide)
{
    EXPECT_EQ(Side("gulper").gulperController, Human);
    EXPECT_EQ(Side("gulper").ghostsController, Computer);
    EXPECT_EQ(Side("ghosts").gulperController, Computer);
    EXPECT_EQ(Side("ghosts").ghostsController, Human);
}

TEST(Campaigns, EachHasAtLeastTenLevels)
{
    for (const Campaign& campaign : Campaigns())
        EXPECT_GE(campaign.levels.size(), 10u) << campaign.side;
}

TEST(Campaigns, ValuesStayWithinWhatTheCustomGameOffers)
{
    for (const Campaign& campaign : Campaigns())
        for (const CampaignLevel& level : campaign.levels) {
            EXPECT_GE(level.ghostCount, 1);
            EXPECT_LE(level.ghostCount, 8);
            EXPECT_GE(level.gulperSpeed, 1.0);
            EXPECT_LE(level.gulperSpeed, 5.0);
            EXPECT_GE(level.ghostSpeed, 1.0);
            EXPECT_LE(level.ghostSpeed, 4.0);
            EXPECT_GE(level.seconds, 30);
            EXPECT_LE(level.seconds, 600);
        }
}

TEST(Campaigns, GulperCampaignGrowsHarder)
{
    // More ghosts and longer to survive, never fewer or shorter. (The ghosts'
    // speed is tuned per maze with the match simulator, so it may fall where
    // the maze gets harder.)
    const auto& levels = Side("gulper").levels;
    for (std::size_t i = 1; i < levels.size(); ++i) {
        EXPECT_GE(levels[i].ghostCount, levels[i - 1].ghostCount) << "level " << i + 1;
        EXPECT_LE(levels[i].gulperSpeed, levels[i - 1].gulperSpeed) << "level " << i + 1;
        EXPECT_GE(levels[i].seconds, levels[i - 1].seconds) << "level " << i + 1;
    }
    EXPECT_GT(levels.back().ghostCount, levels.front().ghostCount);
}

TEST(Campaigns, GhostsCampaignGrowsHarder)
{
    // Fewer ghosts against a faster gulper, with less time to catch it.
    const auto& levels = Side("ghosts").levels;
    for (std::size_t i = 1; i < levels.size(); ++i) {
        EXPECT_LE(levels[i].ghostCount, levels[i - 1].ghostCount) << "level " << i + 1;
        EXPECT_GE(levels[i].gulperSpeed, levels[i - 1].gulperSpeed) << "level " << i + 1;
        EXPECT_LE(levels[i].seconds, levels[i - 1].seconds) << "level " << i + 1;
    }
    EXPECT_LT(levels.back().ghostCount, levels.front().ghostCount);
}
