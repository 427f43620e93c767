// The nine sound effects, unlevelled: the catalogue fades and levels them.
#pragma once

#include "tools/sound/AudioBuffer.h"

// Loop lengths in samples, each a whole number of the loop's own pattern.
constexpr int AfraidSweepSamples = 5500;    // one falling warble of the afraid loop
constexpr int AfraidSweeps = 8;
constexpr int SirenCycleSamples = 19845;    // one rise and fall of the siren (0.45 s)
constexpr int SirenCycles = 2;
constexpr int EyesSweepSamples = 4410;      // one rising whoosh of the eyes loop (0.1 s)
constexpr int EyesSweeps = 8;

// About 1.5 s: a warbling fall, then two low pops.
Samples GulperDying();
// A very short soft blip; it plays with every corn eaten, several times a second.
Samples GulperEatingCorn();
// A fast bright rise: a ghost is eaten.
Samples GulperEatingGhost();
// A short two-note blip: ghosts are selected.
Samples SelectingGhost();
// A short rising confirmation: an order is given.
Samples IssuingOrderToGhost();
// Loop: low falling warbles while the ghosts are afraid.
Samples GhostAfraid();
// Loop: the rising and falling siren of hunting ghosts.
Samples GhostAttacking();
// Loop: quick rising whooshes while eaten ghosts hurry home.
Samples GhostEyesOnly();
// A tiny tick for menu buttons.
Samples ButtonClick();
