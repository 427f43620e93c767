// A shape as a set of pixels, and the ways shapes become shaded, outlined
// pixel art: every sprite, item and icon of the game is drawn through these.
#pragma once

#include <initializer_list>
#include <vector>

#include "tools/art/Image.h"

class Mask {
public:
    Mask(int width, int height);
    // A shape typed as rows of text: the ink character marks the pixels inside.
    static Mask FromRows(std::initializer_list<const char*> rows, char ink = '#');
    // Every pixel of a picture that is not transparent.
    static Mask InkOf(const Image& image);

    // False outside the mask.
    bool At(int x, int y) const;
    // Does nothing outside the mask.
    void Set(int x, int y, bool inside);
    int Count() const;

    int width;
    int height;

private:
    std::vector<bool> bits;  // row-major
};

// The lighting of every sprite: light comes from the top left.
struct Shading {
    Rgb light;  // pixels whose upper-left neighbour lies outside the shape
    Rgb base;   // the body
    Rgb dark;   // pixels whose lower-right neighbour lies outside the shape
};

// Fills the shape at (x, y) with one colour.
void PaintMask(Image& image, int x, int y, const Mask& mask, Rgb colour);
// Fills the shape with a rim light on its upper-left edges and a shade on its lower-right ones.
void PaintShaded(Image& image, int x, int y, const Mask& mask, const Shading& shading);
// Draws a one-pixel ring (the four direct neighbours) around the shape, outside it.
void PaintOutline(Image& image, int x, int y, const Mask& mask, Rgb colour);
// The pixels within radius of (cx, cy), on a grid of width x height.
Mask DiscMask(int width, int height, double cx, double cy, double radius);
