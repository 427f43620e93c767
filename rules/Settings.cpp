// The level settings in force, read from and written to where the game keeps them.
#include "rules/Settings.h"

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "rules/Tick.h"

LevelSettings CurrentLevelSettings()
{
    const Config& config = *TheConfig;
    LevelSettings settings;
    settings.gulperController = config.gulperController;
    settings.ghostsController = config.ghostsController;
    settings.gulperSpeed = config.gulperSpeed;
    settings.ghostSpeed = config.ghostSpeed;
    settings.ghostCount = config.ghostCount;
    settings.timeLimit = TheTick.timer->limit;
    settings.framesPerSecond = config.framesPerSecond;
    settings.gameMode = GameMode;
    settings.level = GameMode == GulperCampaignMode   ? config.gulperLevel
                     : GameMode == GhostsCampaignMode ? config.ghostsLevel
                                                      : config.mapNumber;
    return settings;
}

void ApplyLevelSettings(const LevelSettings& settings)
{
    Config& config = *TheConfig;
    config.gulperController = settings.gulperController;
    config.ghostsController = settings.ghostsController;
    config.gulperSpeed = settings.gulperSpeed;
    config.ghostSpeed = settings.ghostSpeed;
    config.ghostCount = settings.ghostCount;
    config.framesPerSecond = settings.framesPerSecond;
    TheScreen->SetFramesPerSecond(settings.framesPerSecond);
    TheTick.timer->limit = settings.timeLimit;
    GameMode = settings.gameMode;
}
