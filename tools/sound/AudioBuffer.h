// A mono sound as a list of samples between -1 and 1, at the one rate every
// file of the game uses.
#pragma once

#include <cmath>
#include <vector>

constexpr int SampleRate = 44100;  // samples per second of every sound file

using Samples = std::vector<double>;

// Number of samples in a duration, rounded to the nearest sample.
inline int SecondsToSamples(double seconds)
{
    return static_cast<int>(std::lround(seconds * SampleRate));
}

inline double SamplesToSeconds(std::size_t count)
{
    return static_cast<double>(count) / SampleRate;
}

// Decibels to a gain factor: -6 dB is about one half.
inline double DecibelsToGain(double decibels)
{
    return std::pow(10.0, decibels / 20.0);
}

// A gain factor in decibels relative to full scale; silence gives a very low number.
inline double GainToDecibels(double gain)
{
    constexpr double Silence = 1e-9;
    return 20.0 * std::log10(gain > Silence ? gain : Silence);
}

// Adds source into target from sample offset on, scaled by gain; target grows when needed.
inline void MixInto(Samples& target, const Samples& source, std::size_t offset, double gain)
{
    if (target.size() < offset + source.size())
        target.resize(offset + source.size(), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[offset + i] += gain * source[i];
}
