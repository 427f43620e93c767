#include "tools/art/Mask.h"

#include <algorithm>
#include <cstring>

Mask::Mask(int width, int height)
    : width(width), height(height), bits(static_cast<size_t>(width) * height, false)
{
}

Mask Mask::FromRows(std::initializer_list<const char*> rows, char ink)
{
    int widest = 0;
    for (const char* row : rows)
        widest = std::max(widest, static_cast<int>(std::strlen(row)));
    Mask mask(widest, static_cast<int>(rows.size()));
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x)
            mask.Set(x, y, row[x] == ink);
        ++y;
    }
    return mask;
}

Mask Mask::InkOf(const Image& image)
{
    Mask mask(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mask.Set(x, y, image.IsInk(x, y));
    return mask;
}

bool Mask::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    return bits[static_cast<size_t>(y) * width + x];
}

void Mask::Set(int x, int y, bool inside)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    bits[static_cast<size_t>(y) * width + x] = inside;
}

int Mask::Count() const
{
    int count = 0;
    for (const bool bit : bits)
        count += bit;
    return count;
}

void PaintMask(Image& image, int x, int y, const Mask& mask, Rgb colour)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx)
            if (mask.At(mx, my))
                image.Set(x + mx, y + my, colour);
}

void PaintShaded(Image& image, int x, int y, const Mask& mask, const Shading& shading)
{
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            if (!mask.At(mx, my))
                continue;
            Rgb colour = shading.base;
            if (!mask.At(mx - 1, my - 1))
                colour = shading.light;
            else if (!mask.At(mx + 1, my + 1))
                colour = shading.dark;
            image.Set(x + mx, y + my, colour);
        }
}

void PaintOutline(Image& image, int x, int y, const Mask& mask, Rgb colour)
{
    for (int my = -1; my <= mask.height; ++my)
        for (int mx = -1; mx <= mask.width; ++mx) {
            if (mask.At(mx, my))
                continue;
            if (mask.At(mx - 1, my) || mask.At(mx + 1, my) || mask.At(mx, my - 1) ||
                mask.At(mx, my + 1))
                image.Set(x + mx, y + my, colour);
        }
}

Mask DiscMask(int width, int height, double cx, double cy, double radius)
{
    Mask mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            mask.Set(x, y, dx * dx + dy * dy <= radius * radius);
        }
    return mask;
}
