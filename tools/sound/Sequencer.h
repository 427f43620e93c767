// A tiny tracker: tunes written as notes on a grid of equal steps, played by
// chip voices and a noise drum, mixed into one sound.
#pragma once

#include <vector>

#include "tools/sound/AudioBuffer.h"
#include "tools/sound/Waveforms.h"

struct Note {
    int step;    // grid step on which the note starts
    int length;  // in steps
    int pitch;   // MIDI note number (60 is middle C)
};

// One melodic line played by one voice.
struct Voice {
    std::vector<Note> notes;
    Waveform wave;
    double gain;  // share of the mix
};

enum class Drum { Kick, Snare, HiHat };

struct DrumHit {
    int step;
    Drum drum;
};

struct Tune {
    double stepSeconds;  // length of one grid step
    std::vector<Voice> voices;
    std::vector<DrumHit> drums;
    double drumGain;     // share of the mix of the drums
};

// Plays a note of the given length: a quick attack, a short fall to a
// sustained level, and a release that ends inside the note, so repeated
// notes are heard apart.
Samples PlayNote(double seconds, int pitch, Waveform wave);

// One drum hit.
Samples PlayDrum(Drum drum);

// The whole tune, as long as its last sound lasts.
Samples PlayTune(const Tune& tune);
