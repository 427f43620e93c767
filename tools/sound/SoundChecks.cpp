#include "tools/sound/SoundChecks.h"

#include <cmath>
#include <cstdio>

#include "tools/sound/Loudness.h"
#include "tools/sound/LoopSeam.h"
#include "tools/sound/WavFile.h"

namespace {

constexpr double QuantizationStep = 1.0 / PcmFullScale;

std::string Describe(const char* format, double value)
{
    char text[160];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::vector<std::string> CheckSound(const SoundEntry& entry, const Samples& samples)
{
    std::vector<std::string> problems;
    if (samples.empty()) {
        problems.push_back("the sound is empty");
        return problems;
    }
    const double seconds = SamplesToSeconds(samples.size());
    if (seconds > entry.maxSeconds)
        problems.push_back(Describe("lasts %.3f s, longer than allowed", seconds));
    const Loudness loudness = MeasureLoudness(samples);
    if (loudness.peak > DecibelsToGain(PeakCeilingDb) + QuantizationStep)
        problems.push_back(Describe("peak %.2f dBFS is above the ceiling",
                                    GainToDecibels(loudness.peak)));
    if (entry.kind == SoundKind::Loop) {
        if (!IsSeamless(MeasureSeam(samples)))
            problems.push_back("the loop does not join its start smoothly");
    } else if (std::fabs(samples.front()) > QuantizationStep ||
               std::fabs(samples.back()) > QuantizationStep) {
        problems.push_back("does not start and end in silence");
    }
    return problems;
}
