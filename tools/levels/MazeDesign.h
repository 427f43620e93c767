// Maze designs: the text sources in tools/levels/mazes, one file per maze.
//
// A design holds the 20 rows seen above the in-game bar, in the characters of
// the level format. A row of 14 characters is the left half of a symmetric
// row and is mirrored; a row of 28 characters is taken as it is. Lines that
// start with ';' are comments. The row under the in-game bar (all wall) is
// added to make the level.
#pragma once

#include <string>

#include "tools/levels/LevelGrid.h"

constexpr char DesignCommentMark = ';';

// Turns a design source into a full level; false, with the reason, when the
// source has the wrong number of rows or a row of another width.
bool BuildDesign(const std::string& source, LevelRows& rows, std::string& problem);
