// Measuring and evening out loudness: every sound is scaled to one target RMS
// level, unless that would push its peak above the ceiling, in which case the
// peak sets the gain.
#pragma once

#include "tools/sound/AudioBuffer.h"

struct Loudness {
    double peak = 0.0;  // largest absolute sample, 1 = full scale
    double rms = 0.0;   // root mean square over the whole sound
};

Loudness MeasureLoudness(const Samples& samples);

// The gain that brings the sound to targetRms without its peak passing ceiling.
double LevellingGain(const Loudness& loudness, double targetRms, double ceiling);

// Scales the sound by LevellingGain.
void Level(Samples& samples, double targetRms, double ceiling);
