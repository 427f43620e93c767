// The finished sounds of the game, as they are written to its folder.
#include <gtest/gtest.h>

#include <string>

#include "tools/sound/Loudness.h"
#include "tools/sound/LoopSeam.h"
#include "tools/sound/SoundCatalogue.h"
#include "tools/sound/SoundChecks.h"
#include "tools/sound/WavFile.h"

namespace {

// A finished sound as the game will load it: through 16-bit WAV.
Samples AsWritten(const SoundEntry& entry)
{
    Samples decoded;
    EXPECT_TRUE(DecodeWav(EncodeWav(FinishSound(entry)), decoded));
    return decoded;
}

}  // namespace

TEST(SoundCatalogue, NamesEveryFileTheGameLoads)
{
    const char* expected[] = {
        "sfx/gulper_dying.wav",          "sfx/gulper_eating_corn.wav",
        "sfx/gulper_eating_ghost.wav",   "sfx/selecting_ghost.wav",
        "sfx/issuing_order_to_ghost.wav", "sfx/ghost_afraid.wav",
        "sfx/ghost_attacking.wav",       "sfx/ghost_eyes_only.wav",
        "sfx/button_click.wav",          "music/starting_level.wav",
        "music/game_end.wav"};
    const auto& catalogue = SoundCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        EXPECT_EQ(std::string(catalogue[i].path), expected[i]);
}

TEST(SoundCatalogue, EveryWrittenSoundPassesItsChecks)
{
    for (const SoundEntry& entry : SoundCatalogue()) {
        const auto problems = CheckSound(entry, AsWritten(entry));
        EXPECT_TRUE(problems.empty()) << entry.path << ": " << problems.front();
    }
}

TEST(SoundCatalogue, MusicEndsBeforeTheGamesPausesDo)
{
    // The intro lasts 3000 ms and the end of a level 4500 ms.
    const auto& catalogue = SoundCatalogue();
    EXPECT_LT(SamplesToSeconds(FinishSound(catalogue[9]).size()), 2.95);
    EXPECT_LT(SamplesToSeconds(FinishSound(catalogue[10]).size()), 4.45);
}

TEST(SoundCatalogue, DyingSoundLastsAboutAsLongAsTheAnimation)
{
    // The dying animation takes 30 frames, 1.5 s at 20 frames a second.
    const double seconds = SamplesToSeconds(FinishSound(SoundCatalogue()[0]).size());
    EXPECT_NEAR(seconds, 1.5, 0.1);
}

TEST(SoundCatalogue, LoopsJoinTheirStartAfterWritingTo16Bits)
{
    for (const SoundEntry& entry : SoundCatalogue()) {
        if (entry.kind == SoundKind::Loop) {
            EXPECT_TRUE(IsSeamless(MeasureSeam(AsWritten(entry)))) << entry.path;
        }
    }
}

TEST(SoundCatalogue, LoudnessIsEvenAcrossSounds)
{
    // Each sound reaches its target (common level plus its trim) unless its
    // peak is already at the ceiling.
    const double ceiling = DecibelsToGain(PeakCeilingDb);
    for (const SoundEntry& entry : SoundCatalogue()) {
        const Loudness loudness = MeasureLoudness(FinishSound(entry));
        const double target =
            (entry.kind == SoundKind::Music ? MusicTargetRmsDb : EffectTargetRmsDb) + entry.trimDb;
        const bool atTarget = std::fabs(GainToDecibels(loudness.rms) - target) < 0.01;
        const bool atCeiling = std::fabs(loudness.peak - ceiling) < 1e-9;
        EXPECT_TRUE(atTarget || atCeiling) << entry.path;
        EXPECT_GT(GainToDecibels(loudness.rms), target - 6.0) << entry.path << " is far too quiet";
    }
}

TEST(SoundCatalogue, SynthesisIsDeterministic)
{
    for (const SoundEntry& entry : SoundCatalogue())
        EXPECT_EQ(EncodeWav(FinishSound(entry)), EncodeWav(FinishSound(entry))) << entry.path;
}
