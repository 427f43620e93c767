// The two campaigns: numbered levels made of a maze file and a settings file.
#pragma once

// Reads the settings and the maze of a level of the campaign chosen by
// GameMode; false when the maze file cannot be read.
bool LoadCampaignLevel(int level);

// The campaign side's name in file names: "gulper" or "ghosts".
const char* CampaignSide();
