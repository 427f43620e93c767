// Evening out loudness: one RMS target for all sounds, never past the peak ceiling.
#include <gtest/gtest.h>

#include "tools/sound/Loudness.h"
#include "tools/sound/ToneRenderer.h"

TEST(Loudness, MeasuresPeakAndRms)
{
    const Loudness loudness = MeasureLoudness({0.5, -0.5, 0.5, -0.5, 0.0, 0.0, 0.0, -1.0});
    EXPECT_DOUBLE_EQ(loudness.peak, 1.0);
    EXPECT_DOUBLE_EQ(loudness.rms, std::sqrt(2.0 / 8.0));
}

TEST(Loudness, LevellingReachesTheTargetRms)
{
    Samples tone = RenderTone(0.5, Constant(440.0), Constant(0.1), Sine);
    Level(tone, 0.2, 0.9);
    EXPECT_NEAR(MeasureLoudness(tone).rms, 0.2, 1e-9);
}

TEST(Loudness, PeakCeilingWinsOverTheRmsTarget)
{
    // A lone spike in silence has a tiny RMS; reaching the target would clip it.
    Samples spike(1000, 0.0);
    spike[500] = 0.05;
    Level(spike, 0.2, 0.9);
    EXPECT_NEAR(MeasureLoudness(spike).peak, 0.9, 1e-12);
}

TEST(Loudness, SilenceStaysSilent)
{
    Samples silence(100, 0.0);
    Level(silence, 0.2, 0.9);
    EXPECT_EQ(MeasureLoudness(silence).peak, 0.0);
}
