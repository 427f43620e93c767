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
