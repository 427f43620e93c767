// Recording levels played computer against computer as replays, optionally
// with a seeded meddler who gives random commands to both sides now and
// then, so that replays also carry commands. The replay corpus of the tests
// is made with it.
#pragma once

#include <cstdint>
#include <string>

#include "replay/ReplayFile.h"

// Who plays the two sides of a recorded match.
enum class MatchSides {
    Computer,  // both sides the computer's, whatever the settings say
    Humans,    // both sides human, as in the hotseat, moved only by the meddler
};

// Plays the level of this maze text with these settings from its start to
// its end and records it. Seed 0: no meddler. False when the maze text is
// not a level.
bool RecordMatch(const std::string& mazeText, LevelSettings settings, std::uint32_t seed,
                 Replay& replay, MatchSides sides = MatchSides::Computer);

// The settings a campaign level is played with; false when it does not exist.
bool CampaignLevelSettings(bool ghostsCampaign, int level, LevelSettings& settings);

// A file's whole content; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);
