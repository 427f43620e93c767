// Tones and voices: pitches, and starts and ends without clicks.
#include <gtest/gtest.h>

#include "tools/sound/Sequencer.h"
#include "tools/sound/ToneRenderer.h"

TEST(Tone, NoteNumbersGiveEqualTemperedPitches)
{
    EXPECT_DOUBLE_EQ(NoteFrequency(69), 440.0);
    EXPECT_DOUBLE_EQ(NoteFrequency(81), 880.0);
    EXPECT_NEAR(NoteFrequency(60), 261.6256, 1e-4);
}

TEST(Tone, EveryVoiceStartsAtZeroAndRisesWithinFullScale)
{
    for (const Waveform wave : {Sine, Triangle, MellowSquare, BrightSquare, Chirp}) {
        EXPECT_NEAR(wave(0.0), 0.0, 1e-12);
        EXPECT_GT(wave(0.01), 0.0);
        EXPECT_LT(wave(0.99), 0.0);
        for (double phase = 0.0; phase < 2.0; phase += 0.01) {
            EXPECT_LE(wave(phase), 1.0 + 1e-12);
            EXPECT_GE(wave(phase), -1.0 - 1e-12);
        }
    }
}

TEST(Tone, ToneLastsItsLengthAndFadesAtBothEnds)
{
    const Samples tone = RenderTone(0.1, Constant(1000.0), Constant(1.0), BrightSquare);
    ASSERT_EQ(tone.size(), 4410u);
    EXPECT_EQ(tone.front(), 0.0);
    EXPECT_EQ(tone.back(), 0.0);
}

TEST(Tone, PitchGlideRunsWithoutJumps)
{
    // A fast exponential glide: no step between neighbours bigger than the
    // steepest a full-scale sine at the top pitch could make.
    const Samples tone =
        RenderTone(0.2, ExponentialGlide(100.0, 2000.0, 0.2), Constant(1.0), Sine);
    const double steepest = 2.0 * 3.141592653589793 * 2000.0 / 44100;
    for (std::size_t i = 1; i < tone.size(); ++i)
        EXPECT_LE(std::fabs(tone[i] - tone[i - 1]), steepest * 1.01);
}

TEST(Tune, NotesStartOnTheirGridStepAndTheTuneEndsInSilence)
{
    Tune tune;
    tune.stepSeconds = 0.1;
    tune.voices.push_back({{{2, 1, 69}}, Triangle, 1.0});
    tune.drumGain = 0.0;
    const Samples samples = PlayTune(tune);
    const std::size_t start = 8820;  // step 2 at 0.1 s a step
    ASSERT_EQ(samples.size(), start + PlayNote(0.1, 69, Triangle).size());
    for (std::size_t i = 0; i < start; ++i)
        ASSERT_EQ(samples[i], 0.0);
    EXPECT_NE(samples[start + 100], 0.0);
    EXPECT_EQ(samples.back(), 0.0);
}

TEST(Tune, NoiseDrumIsTheSameEveryTime)
{
    EXPECT_EQ(PlayDrum(Drum::Snare), PlayDrum(Drum::Snare));
    EXPECT_NE(PlayDrum(Drum::Snare), PlayDrum(Drum::HiHat));
}
