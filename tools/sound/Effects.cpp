#include "tools/sound/Effects.h"

#include <cmath>
#include <numbers>

#include "tools/sound/Pitches.h"
#include "tools/sound/ToneRenderer.h"

namespace {

// Plays the sounds one after the other.
Samples Sequence(std::initializer_list<Samples> parts)
{
    Samples samples;
    for (const Samples& part : parts)
        samples.insert(samples.end(), part.begin(), part.end());
    return samples;
}

// Where a time falls within a repeating pattern, 0 to 1.
double PatternPosition(double seconds, int patternSamples)
{
    const double position = seconds * SampleRate / patternSamples;
    return position - std::floor(position);
}

}  // namespace

Samples GulperDying()
{
    constexpr double FallSeconds = 1.1;
    constexpr double VibratoHertz = 12.0;
    constexpr double VibratoDepth = 0.06;  // fraction of the pitch
    const Curve fall = ExponentialGlide(880.0, 110.0, FallSeconds);
    const Curve pitch = [fall](double t) {
        return fall(t) * (1.0 + VibratoDepth * std::sin(2.0 * std::numbers::pi * VibratoHertz * t));
    };
    const Curve fading = [](double t) { return 1.0 - 0.3 * t / FallSeconds; };
    Samples samples = RenderTone(FallSeconds, pitch, fading, MellowSquare, {0.002, 0.03});

    const Samples pop = RenderTone(0.12, ExponentialGlide(420.0, 70.0, 0.12),
                                   ExponentialDecay(0.05), Triangle);
    MixInto(samples, pop, SecondsToSamples(1.15), 1.0);
    MixInto(samples, pop, SecondsToSamples(1.32), 1.0);
    samples.resize(SecondsToSamples(1.5), 0.0);
    return samples;
}

Samples GulperEatingCorn()
{
    constexpr double Seconds = 0.075;
    return RenderTone(Seconds, ExponentialGlide(280.0, 560.0, Seconds), ExponentialDecay(0.04),
                      Chirp, {0.003, 0.015});
}

Samples GulperEatingGhost()
{
    constexpr double RiseSeconds = 0.38;
    constexpr double TremoloHertz = 30.0;
    const Curve tremolo = [](double t) {
        const double tail = t < RiseSeconds ? 1.0 : std::exp(-(t - RiseSeconds) / 0.03);
        return tail * (0.75 + 0.25 * std::sin(2.0 * std::numbers::pi * TremoloHertz * t));
    };
    return RenderTone(0.46, ExponentialGlide(160.0, 1600.0, RiseSeconds), tremolo, BrightSquare);
}

Samples SelectingGhost()
{
    return Sequence({RenderTone(0.04, Constant(NoteFrequency(A5)), ExponentialDecay(0.05),
                                MellowSquare),
                     RenderTone(0.05, Constant(NoteFrequency(E6)), ExponentialDecay(0.04),
                                MellowSquare)});
}

Samples IssuingOrderToGhost()
{
    return Sequence({RenderTone(0.05, Constant(NoteFrequency(G5)), Constant(0.9), Chirp),
                     RenderTone(0.11, Constant(NoteFrequency(C6)), ExponentialDecay(0.06),
                                Chirp, {0.002, 0.02})});
}

Samples GhostAfraid()
{
    const Curve warble = [](double t) {
        return 760.0 - 360.0 * PatternPosition(t, AfraidSweepSamples);
    };
    return RenderSeamlessLoop(AfraidSweepSamples * AfraidSweeps, warble, Constant(1.0),
                              MellowSquare);
}

Samples GhostAttacking()
{
    const Curve siren = [](double t) {
        const double rise = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi *
                                                  PatternPosition(t, SirenCycleSamples));
        return 430.0 + 260.0 * rise;
    };
    return RenderSeamlessLoop(SirenCycleSamples * SirenCycles, siren, Constant(1.0), Chirp);
}

Samples GhostEyesOnly()
{
    const Curve whoosh = [](double t) {
        return 520.0 * std::pow(3.0, PatternPosition(t, EyesSweepSamples));
    };
    return RenderSeamlessLoop(EyesSweepSamples * EyesSweeps, whoosh, Constant(1.0), Triangle);
}

Samples ButtonClick()
{
    constexpr double Seconds = 0.03;
    return RenderTone(Seconds, ExponentialGlide(1500.0, 700.0, Seconds), ExponentialDecay(0.008),
                      MellowSquare, {0.0005, 0.005});
}
