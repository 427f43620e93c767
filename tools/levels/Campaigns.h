// The two campaigns, level by level: the maze and the settings of each level.
// This table is the one place to balance them; the tool writes every
// data/<side>_level_N.lev and data/<side>_settings_N.lev from it.
#pragma once

#include <string>
#include <vector>

#include "platform/GameTypes.h"

struct CampaignLevel {
    const char* design;  // maze design name (tools/levels/mazes/<design>.txt)
    int ghostCount;
    double gulperSpeed;  // pixels per frame at 20 frames per second
    double ghostSpeed;   // base speed of the squad; its ghosts run between this and half of it
    int seconds;         // time limit
};

struct Campaign {
    const char* side;          // "gulper" or "ghosts", as in the file names
    Controller gulperController;
    Controller ghostsController;
    std::vector<CampaignLevel> levels;  // level 1 first
};

// The gulper's campaign, then the ghosts' campaign.
const std::vector<Campaign>& Campaigns();

// The settings file of a level: controllers, ghost count, gulper speed, ghost
// speed and time limit, separated by blanks, ending with a line break.
std::string FormatSettings(const Campaign& campaign, const CampaignLevel& level);
