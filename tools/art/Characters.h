// The character sprite sheets: 18 x 18 sprites on a 20-pixel grid, each with
// a one-pixel empty frame, rows by direction or colour, columns by frame.
#pragma once

#include "tools/art/Image.h"

constexpr int SheetPitch = 20;  // grid step of the character sheets

// "images/gulper.bmp", 160 x 80: rows Right, Left, Up, Down; columns 0 to 3 the
// mouth from closed to wide open, columns 0 to 7 together the dying animation
// (from column 4 on the same in every row).
Image MakeGulperSheet();
// "images/ghosts.bmp", 160 x 120: rows 0 to 3 the four ghost colours and row 4
// the frightened ghost, column = direction + 4 x walking phase; row 5 the eyes
// of an eaten ghost, column = direction.
Image MakeGhostSheet();
// "images/ghost_controls.bmp", 80 x 20: the selection frame of each ghost colour.
Image MakeGhostControls();
