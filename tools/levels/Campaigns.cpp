#include "tools/levels/Campaigns.h"

#include <sstream>

#include "platform/GameTypes.h"

const std::vector<Campaign>& Campaigns()
{
    // The gulper's campaign grows harder with more ghosts, fewer boosts,
    // narrower mazes and longer times to survive; the ghosts' campaign with
    // fewer ghosts, more boosts, more open mazes and less time to catch the
    // gulper. Each level's ghost speed was tuned with the match simulator
    // (gulpwise-sim --campaign ... --spread) so that the computer standing in
    // for the player wins fewer of the varied matches level by level; see
    // docs/levels.md.
    static const std::vector<Campaign> campaigns = {
        {"gulper", Human, Computer,
         {
             {"garden", 2, 3.4, 2.2, 60},
             {"classic", 2, 3.4, 2.2, 60},
             {"fortress", 3, 3.4, 2.0, 75},
             {"pillars", 3, 3.4, 2.4, 75},
             {"rings", 3, 3.4, 2.6, 90},
             {"arena", 4, 3.4, 2.2, 90},
             {"labyrinth", 4, 3.4, 2.0, 90},
             {"crosses", 4, 3.4, 2.3, 105},
             {"blocks", 5, 3.4, 2.4, 105},
             {"halls", 5, 3.4, 2.4, 120},
             {"serpent", 6, 3.4, 2.0, 120},
             {"bare", 7, 3.4, 2.6, 120},
         }},
        {"ghosts", Computer, Human,
         {
             {"snail", 4, 3.4, 2.6, 120},
             {"rooms", 4, 3.4, 2.6, 120},
             {"bare", 4, 3.4, 2.6, 110},
             {"halls", 4, 3.4, 2.6, 105},
             {"blocks", 4, 3.4, 2.6, 100},
             {"crosses", 4, 3.4, 2.5, 100},
             {"labyrinth", 3, 3.4, 2.2, 90},
             {"arena", 3, 3.4, 2.5, 90},
             {"rings", 3, 3.4, 2.7, 80},
             {"pillars", 3, 3.4, 2.8, 75},
             {"fortress", 3, 3.4, 2.1, 70},
             {"garden", 2, 3.4, 2.4, 60},
         }},
    };
    return campaigns;
}

std::string FormatSettings(const Campaign& campaign, const CampaignLevel& level)
{
    std::ostringstream out;
    out << static_cast<int>(campaign.gulperController) << ' '
        << static_cast<int>(campaign.ghostsController) << ' '
        << level.ghostCount << ' ' << level.gulperSpeed << ' ' << level.ghostSpeed << ' '
        << level.seconds << '\n';
    return out.str();
}
