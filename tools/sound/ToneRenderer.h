// Tones: a wave played with a pitch curve and a loudness curve, its phase
// running on continuously so that pitch changes never click.
#pragma once

#include "tools/sound/Envelopes.h"
#include "tools/sound/Waveforms.h"

// Short ramps at both ends of a tone so it starts and stops without a click.
struct ToneEdges {
    double attackSeconds = 0.002;
    double releaseSeconds = 0.006;
};

// A one-shot tone of the given length; frequency in hertz, amplitude 0 to 1.
Samples RenderTone(double seconds, const Curve& frequency, const Curve& amplitude,
                   Waveform wave, ToneEdges edges = {});

// A tone made to repeat without a seam: the pitch curve is scaled very
// slightly so that the wave completes a whole number of cycles over the loop,
// so the sample after the last is exactly the first (phase 0, value 0). The
// amplitude curve must itself repeat over the loop; no ramps are added.
Samples RenderSeamlessLoop(int sampleCount, const Curve& frequency, const Curve& amplitude,
                           Waveform wave);

// The frequency of a MIDI note number: 69 is A4, 440 Hz; 12 notes to the octave.
double NoteFrequency(int note);
