// The recorder that follows a level frame by frame into a replay, and
// starting a replay's level.
#pragma once

#include <cstdint>
#include <string>

#include "replay/ReplayFile.h"

// Records one level. Start it before the level starts; after every frame
// (the tick and its sounds, so that the frame's events are
// GameEvents.lastFrame) hand it the commands the tick was given.
class ReplayRecorder {
public:
    void Start(const std::string& mazeText, const LevelSettings& settings);
    // Records the frame: its commands, a hash each second of play, what it
    // ate, and the outcome once the level has ended or been left.
    void AddFrame(const FrameCommands& commands);
    bool Finished() const { return finished; }

    Replay replay;

private:
    bool finished = false;  // the level is over: later frames are not recorded
};

// The settings in force now, as a replay keeps them.
LevelSettings CurrentLevelSettings();

// Puts the settings in force: the configuration's, the frame rate, the time
// limit and the game mode (the level number is only kept).
void ApplyLevelSettings(const LevelSettings& settings);
// Reads the replay's maze into the game, applies its settings and starts its
// level; false (nothing started) when the maze text is not a level.
bool StartReplayLevel(const Replay& replay);
