// A maze level as text: one string per row, one character per cell, in the
// characters of the level file format.
#pragma once

#include <string>
#include <vector>

constexpr int LevelWidth = 28;   // columns of every level the game ships
constexpr int LevelHeight = 21;  // rows, the last one under the in-game bar
constexpr int PlayRows = LevelHeight - 1;  // rows seen above the bar

// The characters of the level file format.
constexpr char FloorMark = '.';
constexpr char WallMark = '#';
constexpr char CornMark = 'C';
constexpr char BoostMark = 'B';
constexpr char GulperMark = 'P';
constexpr char GhostMark = 'G';

using LevelRows = std::vector<std::string>;

// The file text: every row followed by CR LF, as the game writes levels.
std::string FormatLevel(const LevelRows& rows);

// Splits a level file into rows. Every line must end with CR LF; false, with
// a description of the first fault, when one does not.
bool ParseLevel(const std::string& text, LevelRows& rows, std::string& problem);

// How many cells hold the character.
int CountMarks(const LevelRows& rows, char mark);
