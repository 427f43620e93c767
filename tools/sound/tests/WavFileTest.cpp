// The WAV files the game loads: 16-bit mono PCM at 44100 samples a second.
#include <gtest/gtest.h>

#include <cstdint>

#include "tools/sound/WavFile.h"

namespace {

std::uint32_t ReadLittleEndian(const std::string& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

TEST(WavFile, HeaderDescribesMono16BitPcmAt44100)
{
    const std::string bytes = EncodeWav(Samples(10, 0.0));
    ASSERT_EQ(bytes.size(), 44u + 20u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(ReadLittleEndian(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(ReadLittleEndian(bytes, 20, 2), 1u);      // PCM
    EXPECT_EQ(ReadLittleEndian(bytes, 22, 2), 1u);      // one channel
    EXPECT_EQ(ReadLittleEndian(bytes, 24, 4), 44100u);  // sample rate
    EXPECT_EQ(ReadLittleEndian(bytes, 28, 4), 88200u);  // bytes per second
    EXPECT_EQ(ReadLittleEndian(bytes, 32, 2), 2u);      // bytes per sample frame
    EXPECT_EQ(ReadLittleEndian(bytes, 34, 2), 16u);     // bits per sample
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(ReadLittleEndian(bytes, 40, 4), 20u);
}

TEST(WavFile, SamplesSurviveTheRoundTripToSixteenBits)
{
    const Samples original = {0.0, 0.5, -0.5, 0.999, -0.25};
    Samples decoded;
    ASSERT_TRUE(DecodeWav(EncodeWav(original), decoded));
    ASSERT_EQ(decoded.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i)
        EXPECT_NEAR(decoded[i], original[i], 1.0 / 32767);
}

TEST(WavFile, ValuesBeyondFullScaleAreClampedNotWrapped)
{
    Samples decoded;
    ASSERT_TRUE(DecodeWav(EncodeWav({1.5, -3.0}), decoded));
    EXPECT_DOUBLE_EQ(decoded[0], 1.0);
    EXPECT_DOUBLE_EQ(decoded[1], -1.0);
}

TEST(WavFile, ReaderRejectsOtherLayouts)
{
    Samples decoded;
    const std::string good = EncodeWav(Samples(4, 0.1));

    std::string stereo = good;
    stereo[22] = 2;
    EXPECT_FALSE(DecodeWav(stereo, decoded));

    std::string otherRate = good;
    otherRate[24] = 0x22;  // 22050 instead of 44100 in the low byte... any other rate
    otherRate[25] = 0x56;
    EXPECT_FALSE(DecodeWav(otherRate, decoded));

    EXPECT_FALSE(DecodeWav(good.substr(0, good.size() - 2), decoded));  // data cut short
    EXPECT_FALSE(DecodeWav("RIFF", decoded));
    EXPECT_TRUE(decoded.empty());
}
