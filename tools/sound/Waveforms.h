// The chip voices: periodic waves as functions of the phase (in cycles; the
// whole part is ignored). Every wave is 0 at phase 0 and rises from there, so
// a tone started at phase 0 starts without a click, and a loop that ends after
// a whole number of cycles joins its start smoothly. Plus a noise source for
// percussion.
#pragma once

#include <cstdint>

using Waveform = double (*)(double phase);

// A pure tone.
double Sine(double phase);
// The soft, flute-like chip voice.
double Triangle(double phase);
// A square with rounded edges: hollow and mellow.
double MellowSquare(double phase);
// A square with steeper edges: the bright lead voice.
double BrightSquare(double phase);
// Half triangle, half bright square: a round tone with some bite.
double Chirp(double phase);

// The noise channel of old sound chips: a 15-bit shift register, clocked
// every holdSamples samples (longer holds sound lower and grittier).
class NoiseSource {
public:
    explicit NoiseSource(int holdSamples);
    // The next sample, -1 or 1.
    double Next();

private:
    std::uint32_t shiftRegister;  // the register's 15 bits, never all zero
    int holdSamples;              // samples each value is held
    int heldFor;                  // samples the current value has been held
};
