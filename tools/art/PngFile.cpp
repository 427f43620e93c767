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
constexpr std::size_t MaxStoredBlock = 65535;  // bytes of one uncompressed deflate block
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

// A zlib stream of stored blocks.
std::string Stored(const std::string& raw)
{
    std::string out = "\x78\x01";  // deflate, 32 KB window, no preset dictionary
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(MaxStoredBlock, raw.size() - at);
        const bool last = at + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<char>(size & 0xFF));
        out.push_back(static_cast<char>(size >> 8));
        out.push_back(static_cast<char>(~size & 0xFF));
        out.push_back(static_cast<char>((~size >> 8) & 0xFF));
        out.append(raw, at, size);
        at += size;
    } while (at < raw.size());
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
    PutChunk(out, "IDAT", Stored(raw));
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
