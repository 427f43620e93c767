// Every sound file of the game, what kind of sound it is, the limits it must
// keep, and how it is finished: rendered, faded at both ends (loops are not
// faded: their ends must join), then levelled to the common loudness.
#pragma once

#include <vector>

#include "tools/sound/AudioBuffer.h"

enum class SoundKind {
    Effect,  // played once
    Loop,    // repeated without end; must join its own start
    Music,   // a piece played once through the music channel
};

// Loudness targets, in decibels relative to full scale.
constexpr double EffectTargetRmsDb = -12.0;
constexpr double MusicTargetRmsDb = -13.0;
constexpr double PeakCeilingDb = -1.0;  // no sample ever louder than this
constexpr double FadeInSeconds = 0.003;
constexpr double FadeOutSeconds = 0.008;

struct SoundEntry {
    const char* path;     // relative to the game folder
    SoundKind kind;
    double maxSeconds;    // the longest the sound may last
    double trimDb;        // level relative to the kind's target (below 0: quieter)
    Samples (*render)();  // the raw sound
};

// The nine effects in the game's own order, then the two pieces of music.
const std::vector<SoundEntry>& SoundCatalogue();

// The finished sound of an entry, ready to be written.
Samples FinishSound(const SoundEntry& entry);
