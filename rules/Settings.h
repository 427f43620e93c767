// The level settings in force: taken from, and put into, the configuration,
// the frame rate, the level timer and the game mode.
#pragma once

#include "platform/LevelSettings.h"

// The settings in force now.
LevelSettings CurrentLevelSettings();
// Puts the settings in force (the level number is only kept, not loaded).
void ApplyLevelSettings(const LevelSettings& settings);
