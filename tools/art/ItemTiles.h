// The items drawn over the floor (row 2 of every tile sheet): corn, the
// boost, and the two start markers. Black around them lets the floor show.
#pragma once

#include "tools/art/Image.h"

// A single golden corn kernel: what the gulper eats.
Image CornTile();
// A whole corn cob in its husk with a sparkle: the boost that frightens the ghosts.
Image BoostTile();
// The outline of the gulper, painted on the floor where it starts.
Image GulperStartTile(Rgb colour);
// The outline of a ghost, painted on the floor where the ghosts start.
Image GhostStartTile(Rgb colour);
