// Timing one piece of a frame while the rest of the frame runs untimed: the
// benchmarks that follow real play report these times (UseManualTime), with
// the allocations the timed piece made.
#pragma once

#include <chrono>
#include <cstdint>

#include "bench/AllocationCount.h"

// Seconds that a piece of work takes.
template <typename Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

// Times pieces of work and counts the allocations they make.
class Stopwatch {
public:
    // Seconds that this piece of work takes; its allocations are added up.
    template <typename Work>
    double Time(Work work)
    {
        const int64_t before = AllocationsSoFar();
        const double seconds = SecondsOf(work);
        allocations += AllocationsSoFar() - before;
        return seconds;
    }

    int64_t allocations = 0;  // made by the timed work so far
};
