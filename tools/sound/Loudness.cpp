#include "tools/sound/Loudness.h"

#include <algorithm>
#include <cmath>

Loudness MeasureLoudness(const Samples& samples)
{
    Loudness loudness;
    if (samples.empty())
        return loudness;
    double sumOfSquares = 0.0;
    for (const double sample : samples) {
        loudness.peak = std::max(loudness.peak, std::fabs(sample));
        sumOfSquares += sample * sample;
    }
    loudness.rms = std::sqrt(sumOfSquares / samples.size());
    return loudness;
}

double LevellingGain(const Loudness& loudness, double targetRms, double ceiling)
{
    if (loudness.peak <= 0.0 || loudness.rms <= 0.0)
        return 1.0;  // silence stays silence
    return std::min(targetRms / loudness.rms, ceiling / loudness.peak);
}

void Level(Samples& samples, double targetRms, double ceiling)
{
    const double gain = LevellingGain(MeasureLoudness(samples), targetRms, ceiling);
    for (double& sample : samples)
        sample *= gain;
}
