// The whole game started headless for a benchmark: dummy video and audio
// drivers, a throw-away game folder holding the shipped data, the manual
// clock, and the globals created as the entry function creates them. Levels
// are played computer against computer, straight into play as the match
// simulator starts them.
#pragma once

#include <memory>

#include "tests/support/Sandbox.h"

class BenchGame {
public:
    BenchGame();   // enters the game folder and creates the globals
    ~BenchGame();  // destroys the globals and the folder
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    // Loads the next shipped campaign level (the gulper's twelve, then the
    // ghosts' twelve, round and round) and starts it in the Playing state
    // with the computer on both sides and this many ghosts.
    void StartNextLevel(int ghosts);
    // Starts the next level when the last one has ended; true when it did.
    bool KeepPlaying(int ghosts);
    // Moves the manual clock on by one frame period, as the frame loop's wait does.
    static void PassFramePeriod();

private:
    std::unique_ptr<Sandbox> folder;
    int nextLevel = 0;  // counts every level started; picks the campaign and its level
};

// The one game of a benchmark program, started on first use. The media
// library hands every new screen the same window, so a program keeps one.
BenchGame& TheGame();

// The ghosts of a full squad: the most the game plays with.
constexpr int FullSquad = 8;
