// The browser's frame grid: the game's rate holds whatever the display's
// rate, and a long gap is dropped, never fast-forwarded.
#include <gtest/gtest.h>

#include "platform/FramePacer.h"

namespace {

// Frames run in one second of callbacks at a display rate, for a frame period.
int FramesInOneSecond(double displayHz, int periodMs)
{
    FramePacer pacer;
    int frames = 0;
    const int callbacks = static_cast<int>(displayHz);
    for (int i = 0; i < callbacks; ++i)
        frames += pacer.FramesDue(1000.0 / displayHz, periodMs);
    return frames;
}

}  // namespace

TEST(FramePacerTest, KeepsTheGameRateAtAnyDisplayRate)
{
    struct Case { double displayHz; int periodMs; int frames; };
    for (const Case c : {Case{60, 50, 20}, Case{144, 50, 20}, Case{30, 50, 20}, Case{60, 16, 62},
                         Case{144, 10, 100}, Case{75, 33, 30}}) {
        EXPECT_NEAR(FramesInOneSecond(c.displayHz, c.periodMs), c.frames, 1)
            << c.displayHz << " Hz, " << c.periodMs << " ms";
    }
}

TEST(FramePacerTest, DropsALongGapInsteadOfCatchingUp)
{
    FramePacer pacer;
    EXPECT_EQ(pacer.FramesDue(60000, 50), FramePacer::MaxCatchUp);  // a minute hidden
    EXPECT_EQ(pacer.FramesDue(49, 50), 0);                          // then the grid starts afresh
    EXPECT_EQ(pacer.FramesDue(1, 50), 1);
    EXPECT_EQ(pacer.FramesDue(120, 50), 2);  // a short stall is caught up
    EXPECT_EQ(pacer.FramesDue(30, 50), 1);
}
