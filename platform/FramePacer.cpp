#include "platform/FramePacer.h"

int FramePacer::FramesDue(double elapsedMs, int periodMs)
{
    if (periodMs < 1 || elapsedMs < 0)
        return 0;
    owed += elapsedMs;
    int due = static_cast<int>(owed / periodMs);
    if (due > MaxCatchUp) {
        // Too far behind to catch up unnoticed: run what one callback may and drop the rest.
        owed = 0;
        return MaxCatchUp;
    }
    owed -= static_cast<double>(due) * periodMs;
    return due;
}

int FramePacer::MillisecondsToNextFrame(int periodMs) const
{
    const double left = periodMs - owed;
    return left <= 0 ? 0 : static_cast<int>(left + 0.999);
}
