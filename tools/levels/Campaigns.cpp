#include "tools/levels/Campaigns.h"

#include <sstream>

#include "app/GameTypes.h"

const std::vector<Campaign>& Campaigns()
{
    // The gulper's campaign grows harder with more and faster ghosts, fewer
    // boosts, narrower mazes and longer times to survive; the ghosts'
    // campaign with fewer and slower ghosts against a faster gulper, more
    // boosts, more open mazes and less time to catch it.
    static const std::vector<Campaign> campaigns = {
        {"gulper", Human, Computer,
         {
             {"arena", 2, 3.4, 2.0, 60},
             {"garden", 3, 3.4, 2.0, 60},
             {"classic", 3, 3.4, 2.2, 75},
             {"crosses", 4, 3.4, 2.2, 75},
             {"blocks", 4, 3.4, 2.4, 90},
             {"rooms", 5, 3.4, 2.4, 90},
             {"halls", 5, 3.4, 2.6, 100},
             {"fortress", 6, 3.4, 2.7, 105},
             {"bare", 6, 3.4, 2.8, 110},
             {"snail", 7, 3.4, 2.9, 120},
             {"serpent", 7, 3.4, 3.0, 120},
             {"labyrinth", 8, 3.4, 3.1, 120},
         }},
        {"ghosts", Computer, Human,
         {
             {"serpent", 6, 2.8, 3.0, 120},
             {"labyrinth", 6, 2.9, 3.0, 120},
             {"snail", 5, 3.0, 2.9, 110},
             {"bare", 5, 3.0, 2.8, 105},
             {"fortress", 5, 3.1, 2.7, 100},
             {"classic", 4, 3.2, 2.6, 95},
             {"rooms", 4, 3.3, 2.5, 90},
             {"blocks", 4, 3.4, 2.4, 90},
             {"halls", 3, 3.4, 2.4, 80},
             {"crosses", 3, 3.5, 2.4, 75},
             {"garden", 3, 3.6, 2.4, 70},
             {"arena", 2, 3.6, 2.5, 60},
         }},
    };
    return campaigns;
}

std::string FormatSettings(const Campaign& campaign, const CampaignLevel& level)
{
    std::ostringstream out;
    out << campaign.gulperController << ' ' << campaign.ghostsController << ' '
        << level.ghostCount << ' ' << level.gulperSpeed << ' ' << level.ghostSpeed << ' '
        << level.seconds << '\n';
    return out.str();
}
