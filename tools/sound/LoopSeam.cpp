#include "tools/sound/LoopSeam.h"

#include <algorithm>
#include <cmath>

#include "tools/sound/WavFile.h"

namespace {

constexpr double QuantizationStep = 1.0 / PcmFullScale;  // one 16-bit step

}  // namespace

SeamReport MeasureSeam(const Samples& samples)
{
    SeamReport seam;
    const std::size_t n = samples.size();
    if (n < 3)
        return seam;
    seam.firstSample = samples[0];
    seam.lastSample = samples[n - 1];
    for (std::size_t i = 0; i + 1 < n; ++i)
        seam.largestStep = std::max(seam.largestStep, std::fabs(samples[i + 1] - samples[i]));
    for (std::size_t i = 0; i + 2 < n; ++i)
        seam.largestBend = std::max(
            seam.largestBend, std::fabs(samples[i + 2] - 2.0 * samples[i + 1] + samples[i]));
    seam.joinStep = std::fabs(samples[0] - samples[n - 1]);
    // The bends centred on the last and on the first sample, both spanning the join.
    seam.joinBend = std::max(std::fabs(samples[0] - 2.0 * samples[n - 1] + samples[n - 2]),
                             std::fabs(samples[1] - 2.0 * samples[0] + samples[n - 1]));
    seam.zeroCrossing = std::fabs(samples[0]) < QuantizationStep / 2 &&
                        samples[n - 1] * samples[1] <= 0.0;
    return seam;
}

bool IsSeamless(const SeamReport& seam)
{
    return seam.zeroCrossing && seam.joinStep <= seam.largestStep + QuantizationStep &&
           seam.joinBend <= seam.largestBend + 2.0 * QuantizationStep;
}
