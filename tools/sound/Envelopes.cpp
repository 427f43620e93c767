#include "tools/sound/Envelopes.h"

#include <algorithm>
#include <cmath>

Curve Constant(double value)
{
    return [value](double) { return value; };
}

Curve ExponentialGlide(double from, double to, double seconds)
{
    return [from, to, seconds](double t) {
        const double progress = std::clamp(t / seconds, 0.0, 1.0);
        return from * std::pow(to / from, progress);
    };
}

Curve ExponentialDecay(double timeConstant)
{
    return [timeConstant](double t) { return std::exp(-t / timeConstant); };
}

void FadeIn(Samples& samples, double seconds)
{
    const std::size_t length = std::min<std::size_t>(SecondsToSamples(seconds), samples.size());
    for (std::size_t i = 0; i < length; ++i)
        samples[i] *= static_cast<double>(i) / length;
}

void FadeOut(Samples& samples, double seconds)
{
    const std::size_t length = std::min<std::size_t>(SecondsToSamples(seconds), samples.size());
    const std::size_t start = samples.size() - length;
    // The last sample reaches exactly zero.
    for (std::size_t i = 0; i < length; ++i)
        samples[start + i] *= static_cast<double>(length - 1 - i) / length;
}
