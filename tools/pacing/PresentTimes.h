// When the frames reach the window, against the frame loop's fixed grid of
// period boundaries. The grid is counted in the media library's millisecond
// ticks, which run on the raw monotonic clock; the presents are timed on that
// clock to the microsecond, so a present's lateness is how long after its
// boundary, an exact number of milliseconds after the ticks' origin, the
// window was shown. It is negative for a present that came early.
#pragma once

#include <vector>

// Figures of a series of presents, in milliseconds.
struct LatenessSummary {
    int presents = 0;
    double minimum = 0;
    double median = 0;
    double percentile99 = 0;
    double maximum = 0;
    int overOnePeriod = 0;  // presents more than a whole period late
};

class PresentTimes {
public:
    // Finds where tick 0 lies on the monotonic clock (watching the ticks for a second).
    PresentTimes();

    // Notes a present that has just finished, due at the tick count boundary.
    void Record(int boundaryTicks);
    // Forgets what was recorded.
    void Clear();
    LatenessSummary Summarise(int framePeriod) const;

    // Seconds on the monotonic clock that the media library's ticks count.
    static double MonotonicSeconds();

private:
    double tickZero = 0;            // monotonic seconds at which the tick count was 0
    std::vector<double> lateness;   // milliseconds, one per present
};
