// A fingerprint of everything that decides how play goes on: the state, the
// maze, the gulper, every ghost, the squad's direct control and the time
// left. Two games in the same fingerprint play on alike; replays store it
// every second of play so that a replay played back can be checked.
#pragma once

#include <cstdint>

// FNV-1a, 64 bits, over the values (never addresses); the same game state
// gives the same hash in every run and on every machine of the same byte order.
std::uint64_t HashGameState();
