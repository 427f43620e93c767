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

TEST(SoundCatalogue, EveryWrittenSoundPassesItsChecks)
{
    for (const SoundEntry& entry : SoundCatalogue()) {
        const auto problems = CheckSound(entry, AsWritten(entry));
        EXPECT_TRUE(problems.empty()) << entry.path << ": " << problems.front();
    }
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
