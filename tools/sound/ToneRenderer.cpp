#include "tools/sound/ToneRenderer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ConcertPitchNote = 69;       // A4
constexpr double ConcertPitchHertz = 440.0;
constexpr int NotesPerOctave = 12;

// The ramp factor of sample i: rises over the attack, falls over the release.
double EdgeGain(std::size_t i, std::size_t count, std::size_t attack, std::size_t release)
{
    double gain = 1.0;
    if (attack > 0 && i < attack)
        gain = static_cast<double>(i) / attack;
    const std::size_t fromEnd = count - 1 - i;
    if (release > 0 && fromEnd < release)
        gain = std::min(gain, static_cast<double>(fromEnd) / release);
    return gain;
}

// Plays the wave with a phase that advances by frequency * scale each sample.
Samples Render(int sampleCount, const Curve& frequency, const Curve& amplitude, Waveform wave,
               double pitchScale)
{
    Samples samples(sampleCount > 0 ? sampleCount : 0);
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = SamplesToSeconds(i);
        samples[i] = amplitude(t) * wave(phase);
        phase += frequency(t) * pitchScale / SampleRate;
    }
    return samples;
}

}  // namespace

Samples RenderTone(double seconds, const Curve& frequency, const Curve& amplitude,
                   Waveform wave, ToneEdges edges)
{
    Samples samples = Render(SecondsToSamples(seconds), frequency, amplitude, wave, 1.0);
    const std::size_t attack = SecondsToSamples(edges.attackSeconds);
    const std::size_t release = SecondsToSamples(edges.releaseSeconds);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] *= EdgeGain(i, samples.size(), attack, release);
    return samples;
}

Samples RenderSeamlessLoop(int sampleCount, const Curve& frequency, const Curve& amplitude,
                           Waveform wave)
{
    double cycles = 0.0;
    for (int i = 0; i < sampleCount; ++i)
        cycles += frequency(SamplesToSeconds(i)) / SampleRate;
    const double wholeCycles = std::max(1.0, std::round(cycles));
    const double pitchScale = cycles > 0.0 ? wholeCycles / cycles : 1.0;
    return Render(sampleCount, frequency, amplitude, wave, pitchScale);
}

double NoteFrequency(int note)
{
    return ConcertPitchHertz *
           std::pow(2.0, static_cast<double>(note - ConcertPitchNote) / NotesPerOctave);
}
