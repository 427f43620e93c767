// The play state: everything that decides how play goes on, listed once (in
// PlayState.cpp) and walked by four things that therefore cannot drift
// apart: the state hash, saving a snapshot, restoring one, and naming the
// first field in which two snapshots differ.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A copy of the play state at a frame's boundary, as plain bytes: the listed
// fields in the list's order, each container with its size first. It holds
// the state, the mode, the game time and the timed pause, the options a level
// is played with and the campaigns' progress, the maze (cells, corn, starts,
// the wall looks and their random sequence), the gulper and every ghost with
// all their fields (cost maps and traced paths included), the squad and the
// level timer. Drawing caches, sounds and the interface are not in it.
struct PlaySnapshot {
    std::vector<std::uint8_t> bytes;
    bool operator==(const PlaySnapshot&) const = default;
};

// A fingerprint of the listed fields that decide play: the state, the maze,
// the gulper, every ghost, the squad's direct control and the time left.
// Two games with the same fingerprint play on alike; replays store it every
// second of play so that a replay played back can be checked. FNV-1a, 64
// bits, over the values (never addresses): the same game state gives the
// same hash in every run and on every machine of the same byte order. The
// other listed fields (the game time, the options, caches of the
// characters' plans) follow from these in a game played from its level's
// start, and are left out of it so that recorded hashes keep their values.
std::uint64_t HashGameState();

// The play state now. Take it between ticks.
PlaySnapshot SavePlay();
// Puts a snapshot's play state back; the maze is drawn afresh next time.
// False (nothing changed) when the bytes are not a snapshot of this game.
bool RestorePlay(const PlaySnapshot& snapshot);

// The first listed field in which two snapshots differ, in words, such as
// "ghost 3 stateTimer: 41 here, 40 there"; empty when they are alike. It
// restores each in turn to read it, then gives back the play state it found.
std::string FirstDifference(const PlaySnapshot& here, const PlaySnapshot& there);

// For the tests of the list itself: how many fields it has (a container
// counts as one), and changing the field at a place in it to another value.
struct PlayField {
    std::string name;     // as FirstDifference names it
    bool hashed = false;  // part of the state hash
};
int PlayFieldCount();
PlayField NudgePlayField(int index);
