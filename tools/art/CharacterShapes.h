// The outlines of the two kinds of character, shared by their sprite sheets,
// the start markers of the tile sets and the window icon.
#pragma once

#include "tools/art/Mask.h"

constexpr int SpriteSize = 18;  // a maze cell: every sprite is this wide and tall

// The gulper's ball facing right with its mouth open by the given half angle
// (degrees) in a square grid of the given size, centred.
Mask GulperShape(int gridSize, double radius, double mouthHalfAngle);
// The ghost's body (dome and wavy skirt) for walking phase 0 or 1, 14 x 16 pixels.
Mask GhostBodyShape(int phase);
