#include "tools/art/PngFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "platform/AtomicFile.h"

namespace {

constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
constexpr int SignatureSize = 8;
constexpr int BitDepth = 8;
constexpr int ColourTypeRgba = 6;
constexpr std::uint8_t NoFilter = 0;
constexpr std::size_t PixelBytes = 4;  // red, green, blue, alpha
constexpr std::uint32_t AdlerModulus = 65521;

void PutBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t Crc32(const std::string& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> made{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            made[n] = c;
        }
        return made;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& bytes)
{
    std::uint32_t a = 1, b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<std::uint8_t>(byte)) % AdlerModulus;
        b = (b + a) % AdlerModulus;
    }
    return b << 16 | a;
}

// A chunk: its length, its type and data, and the checksum of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + data;
    out += typed;
    PutBigEndian(out, Crc32(typed));
}

// Bits written least significant first, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out(out) {}
    void Put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            if ((value >> i) & 1)
                pending |= static_cast<std::uint8_t>(1 << used);
            if (++used == 8)
                Flush();
        }
    }
    // A Huffman code: its bits go most significant first.
    void PutCode(std::uint32_t code, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            Put((code >> i) & 1, 1);
    }
    void Flush()
    {
        if (used == 0)
            return;
        out.push_back(static_cast<char>(pending));
        pending = 0;
        used = 0;
    }

private:
    std::string& out;
    std::uint8_t pending = 0;  // the byte being filled
    int used = 0;              // its bits already written
};

// Deflate's fixed code for a literal byte or a length symbol (0 to 287).
void PutFixedSymbol(BitWriter& bits, int symbol)
{
    if (symbol < 144)
        bits.PutCode(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.PutCode(symbol - 256, 7);
    else
        bits.PutCode(0xC0 + symbol - 280, 8);
}

constexpr int MinMatch = 3;
constexpr int MaxMatch = 258;
constexpr std::size_t Window = 32768;  // the farthest a match may look back
constexpr int EndOfBlock = 256;
constexpr int FirstLengthSymbol = 257;
constexpr int FixedBlock = 1;  // BTYPE of a block in the fixed codes
constexpr std::array<int, 29> LengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                         31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> LengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                          2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> DistanceBase{1,   2,   3,   4,    5,    7,    9,    13,   17,    25,
                                           33,  49,  65,  97,   129,  193,  257,  385,  513,   769,
                                           1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> DistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The index of the last base not above value.
template <std::size_t N>
int BaseIndex(const std::array<int, N>& bases, int value)
{
    int index = 0;
    while (index + 1 < static_cast<int>(N) && bases[index + 1] <= value)
        ++index;
    return index;
}

// A zlib stream of one block in deflate's fixed codes, whose matches look
// back one pixel or one row only: enough for drawn pictures of flat colours.
std::string Compressed(const std::string& raw, std::size_t pixelBytes, std::size_t rowBytes)
{
    std::string out = "\x78\x01";  // deflate, 32 KB window, no preset dictionary
    BitWriter bits(out);
    bits.Put(1, 1);  // the last block
    bits.Put(FixedBlock, 2);
    std::size_t at = 0;
    while (at < raw.size()) {
        std::size_t bestLength = 0, bestDistance = 0;
        for (const std::size_t distance : {pixelBytes, rowBytes}) {
            if (distance > at || distance > Window)
                continue;
            std::size_t length = 0;
            while (length < MaxMatch && at + length < raw.size() &&
                   raw[at + length] == raw[at + length - distance])
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
        }
        if (bestLength < MinMatch) {
            PutFixedSymbol(bits, static_cast<std::uint8_t>(raw[at]));
            ++at;
            continue;
        }
        const int length = static_cast<int>(bestLength), distance = static_cast<int>(bestDistance);
        const int lengthIndex = BaseIndex(LengthBase, length);
        PutFixedSymbol(bits, FirstLengthSymbol + lengthIndex);
        bits.Put(length - LengthBase[lengthIndex], LengthExtra[lengthIndex]);
        const int distanceIndex = BaseIndex(DistanceBase, distance);
        bits.PutCode(distanceIndex, 5);
        bits.Put(distance - DistanceBase[distanceIndex], DistanceExtra[distanceIndex]);
        at += bestLength;
    }
    PutFixedSymbol(bits, EndOfBlock);
    bits.Flush();
    PutBigEndian(out, Adler32(raw));
    return out;
}

}  // namespace

std::string EncodePng(const Image& image)
{
    std::string header;
    PutBigEndian(header, image.width);
    PutBigEndian(header, image.height);
    header.push_back(BitDepth);
    header.push_back(ColourTypeRgba);
    header.append(3, '\0');  // deflate, adaptive filtering, no interlace

    std::string raw;
    raw.reserve(static_cast<std::size_t>(image.height) * (1 + 4 * image.width));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(NoFilter);
        for (int x = 0; x < image.width; ++x) {
            const Rgb colour = image.At(x, y);
            raw.push_back(static_cast<char>(colour.r));
            raw.push_back(static_cast<char>(colour.g));
            raw.push_back(static_cast<char>(colour.b));
            raw.push_back(static_cast<char>(image.IsInk(x, y) ? 0xFF : 0));
        }
    }

    std::string out(Signature, SignatureSize);
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Compressed(raw, PixelBytes, 1 + PixelBytes * image.width));
    PutChunk(out, "IEND", "");
    return out;
}

bool WritePng(const std::string& path, const Image& image)
{
    if (WriteFileAtomically(path, EncodePng(image)))
        return true;
    printf("Cannot write %s\n", path.c_str());
    return false;
}
