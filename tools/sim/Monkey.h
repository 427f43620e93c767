// The monkey: a seeded random player who presses and releases keys, clicks,
// drags and right-clicks at random like an impatient person, on whatever
// screen the game shows, while every rule that must always hold is checked
// after every frame. The same seed gives the same run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Which side the monkey plays; the other side is the computer's.
enum class MonkeySides { Vary, Gulper, Ghosts, Both };

struct MonkeyOptions {
    uint32_t seed = 1;
    int framesPerLevel = 2000;  // frames played on each level before the next one
    MonkeySides sides = MonkeySides::Vary;  // Vary: chosen at random for each level
};

struct MonkeyReport {
    long long frames = 0;       // frames run in all
    long long events = 0;      // input events fed to the game
    int levels = 0;             // levels started by the monkey's run
    int restarts = 0;           // times the monkey ended the program and it was started again
    int statesSeen = 0;         // distinct game states visited
    uint64_t trace = 0;         // a hash of the whole run, the same for the same seed
    std::vector<std::string> violations;  // broken rules, with the frame they were seen in
};

// Plays each maze in turn (paths relative to the game folder) with the
// monkey on the chosen sides; the game must already be started headless.
MonkeyReport RunMonkey(const std::vector<std::string>& mazes, const MonkeyOptions& options);
