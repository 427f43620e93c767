#include "tools/art/BmpFile.h"

#include <cstdint>
#include <cstdio>

#include "platform/AtomicFile.h"

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int BitsPerPixel = 24;
constexpr int BytesPerPixel = 3;
constexpr int PixelsPerMetre = 2835;  // 72 dots per inch

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string EncodeBmp(const Image& image)
{
    const int rowBytes = (image.width * BytesPerPixel + 3) / 4 * 4;
    const int pixelBytes = rowBytes * image.height;
    const int pixelStart = FileHeaderSize + InfoHeaderSize;

    std::string out;
    out.reserve(pixelStart + pixelBytes);
    out += "BM";
    PutLittleEndian(out, pixelStart + pixelBytes, 4);
    PutLittleEndian(out, 0, 4);  // reserved
    PutLittleEndian(out, pixelStart, 4);

    PutLittleEndian(out, InfoHeaderSize, 4);
    PutLittleEndian(out, image.width, 4);
    PutLittleEndian(out, image.height, 4);  // positive: rows stored bottom-up
    PutLittleEndian(out, 1, 2);             // colour planes
    PutLittleEndian(out, BitsPerPixel, 2);
    PutLittleEndian(out, 0, 4);  // no compression
    PutLittleEndian(out, pixelBytes, 4);
    PutLittleEndian(out, PixelsPerMetre, 4);
    PutLittleEndian(out, PixelsPerMetre, 4);
    PutLittleEndian(out, 0, 4);  // no palette
    PutLittleEndian(out, 0, 4);

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb colour = image.At(x, y);
            out.push_back(static_cast<char>(colour.b));
            out.push_back(static_cast<char>(colour.g));
            out.push_back(static_cast<char>(colour.r));
        }
        out.append(rowBytes - image.width * BytesPerPixel, '\0');
    }
    return out;
}

bool WriteBmp(const std::string& path, const Image& image)
{
    if (WriteFileAtomically(path, EncodeBmp(image)))
        return true;
    printf("Couldn't write file %s\n", path.c_str());
    return false;
}
