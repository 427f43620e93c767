// Timing one piece of a frame while the rest of the frame runs untimed: the
// benchmarks that follow real play report these times (UseManualTime).
#pragma once

#include <chrono>

// Seconds that a piece of work takes.
template <typename Work>
double SecondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}
