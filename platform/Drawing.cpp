// Loading images and drawing them onto the window.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SelectionBox.h"

namespace {
constexpr int MaxColour = 0xFFFFFF;
constexpr int White = 0xFFFFFF;
}  // namespace

SDL_Surface* Screen::LoadImage(const char* path, int red, int green, int blue) const
{
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromFile(path, "rb"), 1);
    if (!loaded) {
        fprintf(stdout, "Failed to load image %s.", path);
        return nullptr;
    }
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY, SDL_MapRGB(loaded->format, red, green, blue));
    SDL_Surface* converted = SDL_ConvertSurface(loaded, surface->format, 0);
    SDL_FreeSurface(loaded);
    return converted;
}

void Screen::Blit(SDL_Surface* image, int destX, int destY, int sourceX, int sourceY, int copyWidth,
                  int copyHeight)
{
    if (!image)
        return;
    // Wide enough that no sum below can overflow, whatever the caller passes.
    int64_t dx = destX, dy = destY, sx = sourceX, sy = sourceY, w = copyWidth, h = copyHeight;

    // Horizontal clipping: first the image's left edge, then the window's edges.
    if (sx < 0) {
        w += sx;
        sx = 0;
    }
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dx + w > width)
        w = width - dx;

    // Vertical clipping, the same way.
    if (sy < 0) {
        h += sy;
        sy = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    if (dy + h > height)
        h = height - dy;

    // Nothing of the image lies in the source rectangle: nothing to copy.
    // (This also keeps the rectangle inside the 16-bit fields of the copy.)
    if (sx >= image->w || sy >= image->h)
        return;
    w = std::min<int64_t>(w, image->w - sx);
    h = std::min<int64_t>(h, image->h - sy);
    if (w < 1 || h < 1)
        return;

    SDL_Rect source = {static_cast<Sint16>(sx), static_cast<Sint16>(sy),
                       static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_Rect target = {static_cast<Sint16>(dx), static_cast<Sint16>(dy), 0, 0};
    SDL_UnlockSurface(surface);
    SDL_UpperBlit(image, &source, surface, &target);
    SDL_LockSurface(surface);
}

void Screen::FillRect(int x, int y, int w, int h, int colour)
{
    if (colour < 0 || colour > MaxColour || w <= 0 || h <= 0)
        return;
    // The media library clips the rectangle to the window.
    SDL_Rect rect{static_cast<Sint16>(std::clamp(x, -0x8000, 0x7FFF)),
                  static_cast<Sint16>(std::clamp(y, -0x8000, 0x7FFF)),
                  static_cast<Uint16>(std::min(w, 0xFFFF)), static_cast<Uint16>(std::min(h, 0xFFFF))};
    SDL_UnlockSurface(surface);  // the media library fills only an unlocked surface
    SDL_FillRect(surface, &rect, static_cast<Uint32>(colour));
    SDL_LockSurface(surface);
}

void Screen::DrawRectOutline(int x, int y, int w, int h, int colour)
{
    if (colour < 0 || colour > MaxColour)
        return;

    // A negative size describes the rectangle from its other corner.
    int64_t left = x, top = y, across = w, down = h;
    if (across < 0) {
        left += across;
        across = -across;
    }
    if (down < 0) {
        top += down;
        down = -down;
    }
    const int64_t right = left + across;  // column of the right edge
    const int64_t bottom = top + down;    // row of the bottom edge

    Uint32* pixels = static_cast<Uint32*>(surface->pixels);
    const int rowLength = surface->pitch / 4;
    const Uint32 pixel = static_cast<Uint32>(colour);

    // A run of rows [from, to) in one column, or of columns in one row, cut at the window.
    auto column = [&](int64_t col, int64_t from, int64_t to) {
        if (col < 0 || col >= width)
            return;
        for (int64_t row = std::max<int64_t>(from, 0); row < std::min<int64_t>(to, height); ++row)
            pixels[row * rowLength + col] = pixel;
    };
    auto row = [&](int64_t r, int64_t from, int64_t to) {
        if (r < 0 || r >= height)
            return;
        for (int64_t col = std::max<int64_t>(from, 0); col < std::min<int64_t>(to, width); ++col)
            pixels[r * rowLength + col] = pixel;
    };

    column(left, top, bottom);
    row(top, left, right);
    column(right, top, bottom);
    row(bottom, left, right);
}

void Screen::Present()
{
    if (surface != display) {
        PresentEnlarged();
        return;
    }
    // The media library shows nothing of a surface that is locked, so the
    // window is unlocked for the update, as for a blit.
    SDL_UnlockSurface(surface);
    SDL_UpdateRect(surface, 0, 0, width, height);
    SDL_LockSurface(surface);
}

void SelectionBox::Draw() const
{
    if (active)
        TheScreen->DrawRectOutline(x0, y0, x1 - x0, y1 - y0, White);
}
