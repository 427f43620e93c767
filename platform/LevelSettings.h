// What a level is played with: the two sides' controllers, the speeds, the
// ghosts, the time limit, the frame rate, the game mode and the level. One
// type for the configuration's custom game, the campaigns, replays, network
// play, the match simulator and the replay viewer, with its defaults named once.
#pragma once

#include "platform/GameState.h"
#include "platform/GameTypes.h"

constexpr Controller DefaultGulperController = Human;
constexpr Controller DefaultGhostsController = Computer;
constexpr double DefaultGulperSpeed = 3.4;  // pixels per frame
constexpr double DefaultGhostSpeed = 2.4;   // pixels per frame
constexpr int DefaultGhostCount = 4;
constexpr int DefaultTimeLimit = 90;        // seconds
constexpr int DefaultFramesPerSecond = 20;

struct LevelSettings {
    Controller gulperController = DefaultGulperController;
    Controller ghostsController = DefaultGhostsController;
    double gulperSpeed = DefaultGulperSpeed;
    double ghostSpeed = DefaultGhostSpeed;
    int ghostCount = DefaultGhostCount;
    int timeLimit = DefaultTimeLimit;
    int framesPerSecond = DefaultFramesPerSecond;
    int gameMode = CustomMode;  // GameMode
    int level = 0;              // the campaign level, or the custom map number (the maze)
    bool operator==(const LevelSettings&) const = default;
};
