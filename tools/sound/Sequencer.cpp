#include "tools/sound/Sequencer.h"

#include <cmath>

#include "tools/sound/ToneRenderer.h"

namespace {

constexpr double SustainLevel = 0.55;     // where a held note settles
constexpr double DecaySeconds = 0.08;     // time constant of the fall to the sustain level
constexpr double NoteGapFraction = 0.08;  // silence at the end of each note, as a share of it
constexpr double NoteRelease = 0.02;      // release ramp in seconds

Samples PlayNoise(double seconds, int holdSamples, double decaySeconds)
{
    NoiseSource noise(holdSamples);
    Samples samples(SecondsToSamples(seconds));
    const std::size_t attack = SecondsToSamples(0.001);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double ramp = i < attack ? static_cast<double>(i) / attack : 1.0;
        samples[i] = ramp * std::exp(-SamplesToSeconds(i) / decaySeconds) * noise.Next();
    }
    samples.back() = 0.0;
    return samples;
}

}  // namespace

Samples PlayNote(double seconds, int pitch, Waveform wave)
{
    const Curve envelope = [](double t) {
        return SustainLevel + (1.0 - SustainLevel) * std::exp(-t / DecaySeconds);
    };
    return RenderTone(seconds * (1.0 - NoteGapFraction), Constant(NoteFrequency(pitch)), envelope,
                      wave, {0.003, NoteRelease});
}

Samples PlayDrum(Drum drum)
{
    switch (drum) {
    case Drum::Kick:
        return RenderTone(0.12, ExponentialGlide(150.0, 45.0, 0.1), ExponentialDecay(0.05), Sine,
                          {0.001, 0.01});
    case Drum::Snare:
        return PlayNoise(0.12, 2, 0.04);
    case Drum::HiHat:
        return PlayNoise(0.04, 1, 0.012);
    }
    return {};
}

Samples PlayTune(const Tune& tune)
{
    Samples mix;
    const auto stepOffset = [&tune](int step) {
        return static_cast<std::size_t>(SecondsToSamples(step * tune.stepSeconds));
    };
    for (const Voice& voice : tune.voices)
        for (const Note& note : voice.notes)
            MixInto(mix, PlayNote(note.length * tune.stepSeconds, note.pitch, voice.wave),
                    stepOffset(note.step), voice.gain);
    for (const DrumHit& hit : tune.drums)
        MixInto(mix, PlayDrum(hit.drum), stepOffset(hit.step), tune.drumGain);
    return mix;
}
