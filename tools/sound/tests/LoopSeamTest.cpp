// Looping sounds must join their own start without a click.
#include <gtest/gtest.h>

#include "tools/sound/LoopSeam.h"
#include "tools/sound/ToneRenderer.h"

TEST(LoopSeam, AWholeNumberOfCyclesJoinsSmoothly)
{
    // 441 Hz over 44100 samples: exactly 441 cycles.
    const Samples loop = RenderSeamlessLoop(44100, Constant(441.0), Constant(0.8), Sine);
    EXPECT_TRUE(IsSeamless(MeasureSeam(loop)));
}

TEST(LoopSeam, SeamlessLoopBendsAnAwkwardPitchToWholeCycles)
{
    // 437.3 Hz over 10000 samples would stop in mid-cycle; the renderer
    // retunes it by a fraction of a percent so that it does not.
    const Samples loop = RenderSeamlessLoop(10000, Constant(437.3), Constant(0.8), Triangle);
    const SeamReport seam = MeasureSeam(loop);
    EXPECT_TRUE(seam.zeroCrossing);
    EXPECT_TRUE(IsSeamless(seam));
}

TEST(LoopSeam, ToneCutInMidCycleClicks)
{
    const Samples cut = RenderTone(10000.0 / 44100, Constant(437.3), Constant(0.8), Sine,
                                   {0.0, 0.0});
    EXPECT_FALSE(IsSeamless(MeasureSeam(cut)));
}

TEST(LoopSeam, LoopThatDoesNotStartAtZeroIsRejected)
{
    Samples loop = RenderSeamlessLoop(44100, Constant(441.0), Constant(0.8), Sine);
    for (double& sample : loop)
        sample += 0.01;  // a small offset: no sample sits at zero any more
    EXPECT_FALSE(MeasureSeam(loop).zeroCrossing);
    EXPECT_FALSE(IsSeamless(MeasureSeam(loop)));
}
