#include "tools/art/Image.h"

#include <cmath>

Rgb Mix(Rgb a, Rgb b, double t)
{
    const auto channel = [t](int from, int to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Rgb Opaque(Rgb colour)
{
    return colour == Transparent ? Rgb{1, 1, 1} : colour;
}

Image::Image(int width, int height)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height, Transparent)
{
}

Rgb Image::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return Transparent;
    return pixels[static_cast<size_t>(y) * width + x];
}

void Image::Set(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    pixels[static_cast<size_t>(y) * width + x] = colour;
}

void Image::FillRect(int x, int y, int w, int h, Rgb colour)
{
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            Set(column, row, colour);
}

void Image::Paste(const Image& source, int x, int y, bool overlay)
{
    for (int row = 0; row < source.height; ++row)
        for (int column = 0; column < source.width; ++column) {
            const Rgb colour = source.At(column, row);
            if (!overlay || colour != Transparent)
                Set(x + column, y + row, colour);
        }
}

Image Image::Crop(int x, int y, int w, int h) const
{
    Image block(w, h);
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            block.Set(column, row, At(x + column, y + row));
    return block;
}

Image MirroredLeftRight(const Image& image)
{
    Image mirrored(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mirrored.Set(image.width - 1 - x, y, image.At(x, y));
    return mirrored;
}

Image TurnedLeft(const Image& image)
{
    Image turned(image.height, image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            turned.Set(y, image.width - 1 - x, image.At(x, y));
    return turned;
}

Image TurnedRight(const Image& image)
{
    Image turned(image.height, image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            turned.Set(image.height - 1 - y, x, image.At(x, y));
    return turned;
}

Image Enlarged(const Image& image, int factor)
{
    Image large(image.width * factor, image.height * factor);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.Set(x, y, image.At(x / factor, y / factor));
    return large;
}
