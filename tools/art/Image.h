// A plain RGB picture in memory: everything the art tool makes is drawn into
// one of these before it is written out as a BMP file.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Pure black is the transparent colour of every image the game loads (the
// window icon aside), so opaque dark areas use near-black colours instead.
constexpr Rgb Transparent{0, 0, 0};

// The colour a fraction t (0 to 1) of the way from a to b.
Rgb Mix(Rgb a, Rgb b, double t);
// A colour that is safe for opaque pixels: pure black becomes the darkest grey.
Rgb Opaque(Rgb colour);

class Image {
public:
    Image(int width, int height);  // every pixel transparent

    // Transparent outside the picture.
    Rgb At(int x, int y) const;
    // Does nothing outside the picture.
    void Set(int x, int y, Rgb colour);
    bool IsInk(int x, int y) const { return At(x, y) != Transparent; }

    void FillRect(int x, int y, int w, int h, Rgb colour);
    // Copies a whole picture to (x, y); transparent source pixels are skipped
    // when overlay is true, as the game's colour-keyed copy does.
    void Paste(const Image& source, int x, int y, bool overlay = true);
    // The w x h block whose top-left corner is (x, y).
    Image Crop(int x, int y, int w, int h) const;

    int width;
    int height;

private:
    std::vector<Rgb> pixels;  // row-major, top row first
};

// Mirror images and quarter turns of a picture.
Image MirroredLeftRight(const Image& image);
Image TurnedLeft(const Image& image);   // a quarter turn anticlockwise
Image TurnedRight(const Image& image);  // a quarter turn clockwise
// Every pixel scaled up into a factor x factor block (for previews).
Image Enlarged(const Image& image, int factor);
