#include "tools/sound/WavFile.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int BitsPerSample = 16;
constexpr int BytesPerSample = BitsPerSample / 8;
constexpr int ChannelCount = 1;
constexpr int PcmFormatTag = 1;     // uncompressed samples
constexpr int FormatChunkSize = 16; // size of the PCM "fmt " chunk body
constexpr std::size_t HeaderSize = 44;  // RIFF header, "fmt " chunk and "data" chunk header

void PutLittleEndian(std::string& bytes, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetLittleEndian(const std::string& bytes, std::size_t at, int byteCount)
{
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::int16_t ToPcm(double sample)
{
    const long value = std::lround(sample * PcmFullScale);
    return static_cast<std::int16_t>(std::clamp<long>(value, -PcmFullScale, PcmFullScale));
}

}  // namespace

std::string EncodeWav(const Samples& samples)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BytesPerSample);
    std::string bytes;
    bytes.reserve(HeaderSize + dataSize);
    bytes += "RIFF";
    PutLittleEndian(bytes, static_cast<std::uint32_t>(HeaderSize - 8 + dataSize), 4);
    bytes += "WAVE";
    bytes += "fmt ";
    PutLittleEndian(bytes, FormatChunkSize, 4);
    PutLittleEndian(bytes, PcmFormatTag, 2);
    PutLittleEndian(bytes, ChannelCount, 2);
    PutLittleEndian(bytes, SampleRate, 4);
    PutLittleEndian(bytes, SampleRate * ChannelCount * BytesPerSample, 4);
    PutLittleEndian(bytes, ChannelCount * BytesPerSample, 2);
    PutLittleEndian(bytes, BitsPerSample, 2);
    bytes += "data";
    PutLittleEndian(bytes, dataSize, 4);
    for (const double sample : samples)
        PutLittleEndian(bytes, static_cast<std::uint16_t>(ToPcm(sample)), BytesPerSample);
    return bytes;
}

bool DecodeWav(const std::string& bytes, Samples& samples)
{
    samples.clear();
    if (bytes.size() < HeaderSize || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 4, "WAVE") != 0 || bytes.compare(12, 4, "fmt ") != 0 ||
        bytes.compare(36, 4, "data") != 0)
        return false;
    if (GetLittleEndian(bytes, 16, 4) != FormatChunkSize ||
        GetLittleEndian(bytes, 20, 2) != PcmFormatTag ||
        GetLittleEndian(bytes, 22, 2) != ChannelCount ||
        GetLittleEndian(bytes, 24, 4) != SampleRate ||
        GetLittleEndian(bytes, 34, 2) != BitsPerSample)
        return false;
    const std::uint32_t dataSize = GetLittleEndian(bytes, 40, 4);
    if (dataSize % BytesPerSample != 0 || bytes.size() - HeaderSize < dataSize)
        return false;
    samples.reserve(dataSize / BytesPerSample);
    for (std::size_t at = HeaderSize; at < HeaderSize + dataSize; at += BytesPerSample) {
        const auto value = static_cast<std::int16_t>(GetLittleEndian(bytes, at, BytesPerSample));
        samples.push_back(static_cast<double>(value) / PcmFullScale);
    }
    return true;
}
