// The look of each tile set: how its floor and its walls are painted and the
// colours of its start markers. The sheet layout and the shadows are shared
// (TileSets.cpp); each theme only paints single 18 x 18 tiles.
#pragma once

#include "tools/art/Image.h"

constexpr int TileSize = 18;        // a maze cell
constexpr int WallVariantCount = 8;

struct TileTheme {
    Image (*floor)();              // one floor tile without shadow; every shadow variant starts from it
    Image (*wall)(int variant);    // wall variant 0 to 7; any variant tiles with any other
    Rgb shadow;                    // the colour shadows darken the floor towards
    double shadowStrength;         // how far a full shadow goes towards it (0 to 1)
    Rgb gulperMark;                // the gulper's start marker
    Rgb ghostMark;                 // the ghosts' start marker
};

// Set 0: glowing blue glass blocks on a dark navy grid.
TileTheme NeonTheme();
// Set 1: grey stone blocks overgrown with moss on an earthen floor.
TileTheme StoneTheme();
// Set 2: riveted steel plates on a dark diamond-plate floor.
TileTheme MetalTheme();
