// Playing one level computer against computer, with no window and no delay,
// frame by frame exactly as the game plays it. The match simulator is
// built on it, and so are the determinism and soak checks.
#pragma once

#include <functional>
#include <string>

#include "platform/LevelSettings.h"
#include "replay/ReplayFile.h"

struct MatchResult {
    ReplayEnd end = ReplayEnd::TimeOut;  // a match is never left
    int frames = 0;       // frames of play
    int gameFrames = 0;   // every frame of the level: intro, appearance, play, dying, end pause
    int cornTotal = 0;    // corn in the level at the start
    int cornEaten = 0;
    int boostsTotal = 0;
    int boostsEaten = 0;
    int ghostsEaten = 0;  // ghosts eaten by the gulper, counting repeats
    double framesPerSecond = 0;  // simulation speed
};

// Starts the game headless in a game folder (the working directory becomes
// that folder). Nothing is ever written there.
void StartSimulation(const std::string& gameFolder);

// Reads the settings of a campaign level the way the game does, with both
// sides played by the computer; false when the level's maze does not exist.
bool LoadCampaignMatch(bool ghostsCampaign, int level, LevelSettings& settings);

// Loads a maze file; false when it cannot be read.
bool LoadMatchMaze(const std::string& path);

// Plays the loaded maze from its intro to the end of its end pause. The
// optional check runs after every frame of play and stops the match when it
// returns false.
MatchResult PlayMatch(const LevelSettings& settings,
                      const std::function<bool(int frame)>& afterFrame = nullptr);


// Runs a step with standard output silenced: the game's notes (files a
// headless match does not need, maps dropped by the monkey) are of no
// interest to the simulator's reader.
void Quietly(const std::function<void()>& step);
