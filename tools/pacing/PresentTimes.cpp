#include "tools/pacing/PresentTimes.h"

#include <SDL/SDL.h>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

namespace {
constexpr double MillisecondsPerSecond = 1000.0;
constexpr double Percentile99 = 0.99;
constexpr double CalibrationSeconds = 1.1;  // more than a second: both parts of it are seen
constexpr double HalfMillisecond = 0.0005;  // seconds
constexpr double EnvelopeShare = 0.05;      // the lowest 5 % of readings count as undelayed
}  // namespace

double PresentTimes::MonotonicSeconds()
{
    // The media library's tick count runs on the raw monotonic clock.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

namespace {

// Where tick 0 lies on the raw monotonic clock, in seconds.
double TickOrigin()
{
    // The tick count is the milliseconds elapsed since its origin on the raw
    // monotonic clock, except that for part of every second it reads one
    // more (the library subtracts the nanosecond fields with a division that
    // truncates towards zero). The origin is therefore found from the tick
    // changes of a little more than a second: each gives the origin, or the
    // origin less a millisecond when it fell in that part, plus the moment's
    // delay in reading the clock. Of the values above the lowest by more than
    // half a millisecond (when there are any), the lower envelope is the origin.
    std::vector<double> origins;
    const double end = PresentTimes::MonotonicSeconds() + CalibrationSeconds;
    Uint32 last = SDL_GetTicks();
    for (double now = PresentTimes::MonotonicSeconds(); now < end;
         now = PresentTimes::MonotonicSeconds()) {
        const Uint32 ticks = SDL_GetTicks();
        if (ticks == last + 1)
            origins.push_back(now - ticks / MillisecondsPerSecond);
        last = ticks;
    }
    std::sort(origins.begin(), origins.end());
    std::vector<double> upper;
    for (const double origin : origins)
        if (origin > origins.front() + HalfMillisecond)
            upper.push_back(origin);
    const std::vector<double>& chosen = upper.empty() ? origins : upper;
    return chosen[static_cast<size_t>(chosen.size() * EnvelopeShare)];
}

}  // namespace

PresentTimes::PresentTimes()
{
    static const double origin = TickOrigin();  // the same for the whole run
    tickZero = origin;
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
    summary.minimum = sorted.front();
    summary.median = rank(0.5);
    summary.percentile99 = rank(Percentile99);
    summary.maximum = sorted.back();
    summary.overOnePeriod = static_cast<int>(
        std::count_if(sorted.begin(), sorted.end(), [&](double late) { return late > framePeriod; }));
    return summary;
}
