// The rules every shipped level keeps. A level that keeps them is one the
// game's repair leaves exactly as it is: it has its one gulper start, its one
// ghost start and corn, and the ghost start and every corn can be reached
// from the gulper start.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/LevelGrid.h"

// What is wrong with a level; empty when nothing is:
// - 21 rows of 28 characters, each one of . # C B P G;
// - a wall all around, the row under the in-game bar included;
// - exactly one P, exactly one G, at least one C;
// - G and every C reachable from P through non-wall cells (up, down, left, right).
std::vector<std::string> CheckLevel(const LevelRows& rows);
