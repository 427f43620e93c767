// Loading one level of a campaign: its settings file, then its maze.
#include "rules/Campaign.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "rules/Tick.h"
#include "maze/Maze.h"

namespace {

// Campaign speeds are tuned per frame at this rate, so a campaign level runs at it.
constexpr int CampaignFramesPerSecond = 20;
constexpr int DefaultGhostCount = 4;
constexpr double DefaultGulperSpeed = 3.4;
constexpr double DefaultGhostSpeed = 2.4;

std::string CampaignFile(const char* kind, int level)
{
    char name[64];
    snprintf(name, sizeof name, "data/%s_%s_%d.lev", CampaignSide(), kind, level);
    return name;
}

// Reads the next value into a field only when it reads: a failed read leaves
// the field as it was (the stream itself would store 0), and every read after
// a failure fails too.
template <typename T>
void ReadInto(std::istream& in, T& field)
{
    T value;
    if (in >> value)
        field = value;
}

// The settings of a level: who plays each side, the ghost count, both speeds
// and the time limit. Reading stops at the first value that cannot be read;
// the values from there on keep what they had, but the limit becomes 90.
void ReadSettings(std::istream& in)
{
    Config& config = *TheConfig;
    ReadInto(in, config.gulperController);
    ReadInto(in, config.ghostsController);
    ReadInto(in, config.ghostCount);
    ReadInto(in, config.gulperSpeed);
    ReadInto(in, config.ghostSpeed);
    config.framesPerSecond = CampaignFramesPerSecond;
    TheScreen->SetFramesPerSecond(CampaignFramesPerSecond);
    int limit = DefaultTimeLimit;
    ReadInto(in, limit);
    TheTick.timer->limit = limit;
    TheTick.timer->Reset();
}

// Without a settings file the player's side is human and the other the computer.
void UseDefaultSettings()
{
    Config& config = *TheConfig;
    const bool ghostsSide = GameMode == GhostsCampaignMode;
    config.gulperController = ghostsSide ? Computer : Human;
    config.ghostsController = ghostsSide ? Human : Computer;
    config.ghostCount = DefaultGhostCount;
    config.gulperSpeed = DefaultGulperSpeed;
    config.ghostSpeed = DefaultGhostSpeed;
}

}  // namespace

const char* CampaignSide()
{
    return GameMode == GhostsCampaignMode ? "ghosts" : "gulper";
}

bool LoadCampaignLevel(int level)
{
    const std::string settingsFile = CampaignFile("settings", level);
    std::ifstream settings(settingsFile);
    if (settings) {
        ReadSettings(settings);
    } else {
        fprintf(stdout, "Couldn't load campaign settings from file %s, loading default settings!",
                settingsFile.c_str());
        UseDefaultSettings();
    }
    return TheMaze->LoadFile(CampaignFile("level", level).c_str());
}
