// The tile sheets "images/tiles0.bmp" to "images/tiles2.bmp": 144 x 54 pixels,
// three rows of eight 18 x 18 tiles. Row 0: floor by shadow mask; row 1: wall
// variants; row 2: corn, boost, gulper start, ghost start.
#pragma once

#include "tools/art/Image.h"

constexpr int TileSetCount = 3;

// The shadow mask of a floor cell, the column of its tile: which neighbours are walls.
constexpr int WallToTheLeft = 1;
constexpr int WallUpAndLeft = 2;
constexpr int WallAbove = 4;

Image MakeTileSheet(int setNumber);
