#include "tools/pacing/PresentTimes.h"

#include <SDL/SDL.h>
#include <algorithm>
#include <cmath>
#include <ctime>

namespace {
constexpr double MillisecondsPerSecond = 1000.0;
constexpr double Percentile99 = 0.99;
}  // namespace

double PresentTimes::MonotonicSeconds()
{
    // The media library's tick count runs on the raw monotonic clock.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

PresentTimes::PresentTimes() : tickZero(0)
{
    // Waits for the tick count to change: at that instant it is exact.
    const Uint32 start = SDL_GetTicks();
    Uint32 ticks = start;
    double now = MonotonicSeconds();
    while (ticks == start) {
        ticks = SDL_GetTicks();
        now = MonotonicSeconds();
    }
    tickZero = now - ticks / MillisecondsPerSecond;
}

void PresentTimes::Record(int boundaryTicks)
{
    const double boundary = tickZero + boundaryTicks / MillisecondsPerSecond;
    lateness.push_back((MonotonicSeconds() - boundary) * MillisecondsPerSecond);
}

void PresentTimes::Clear()
{
    lateness.clear();
}

LatenessSummary PresentTimes::Summarise(int framePeriod) const
{
    LatenessSummary summary;
    summary.presents = static_cast<int>(lateness.size());
    if (lateness.empty())
        return summary;
    std::vector<double> sorted = lateness;
    std::sort(sorted.begin(), sorted.end());
    // Nearest-rank percentiles.
    auto rank = [&](double share) {
        const size_t index = static_cast<size_t>(std::ceil(share * sorted.size()));
        return sorted[std::clamp<size_t>(index, 1, sorted.size()) - 1];
    };
    summary.median = rank(0.5);
    summary.percentile99 = rank(Percentile99);
    summary.maximum = sorted.back();
    summary.overOnePeriod = static_cast<int>(
        std::count_if(sorted.begin(), sorted.end(), [&](double late) { return late > framePeriod; }));
    return summary;
}
