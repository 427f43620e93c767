// The media library's surfaces, in plain memory, for the browser build.
//
// The browser's emulation of the library keeps every surface in a canvas and
// ignores colour keys, so its pictures differ from the native game's. These
// definitions take the place of its surface functions: every surface is 32-bit
// 0x00RRGGBB pixels in memory, blits honour the colour key exactly as the
// native library does, images are read from the game's BMP files, and the
// window is shown by copying its pixels to the page's canvas. Events, the
// clock and sound still come from the emulation.
#include "browser/SoftwareSurfaces.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr Uint32 RedMask = 0x00FF0000;
constexpr Uint32 GreenMask = 0x0000FF00;
constexpr Uint32 BlueMask = 0x000000FF;
constexpr Uint32 ColourBits = RedMask | GreenMask | BlueMask;
constexpr int BytesPerPixel = 4;
constexpr Uint32 OpaqueAlpha = 0xFF000000;  // the alpha byte of an RGBA word, all opaque
constexpr int MaxSide = 8192;  // larger surfaces are refused

// A surface with what the public structure has no room for: the colour key and the pixels.
struct SoftSurface {
    SDL_Surface surface;       // first: a surface pointer is a SoftSurface pointer
    bool keyed = false;        // true: pixels equal to key are not copied by a blit
    Uint32 key = 0;            // the transparent colour, 0x00RRGGBB
    std::vector<Uint32> pixels;  // the rows, then one pixel more when their count is odd
    int unchangedShows = 0;      // the window: times in a row it was shown with no pixel changed
};

SoftSurface* Soft(SDL_Surface* surface)
{
    return reinterpret_cast<SoftSurface*>(surface);
}

SDL_PixelFormat& TheFormat()
{
    static SDL_PixelFormat format = [] {
        SDL_PixelFormat f{};
        f.BitsPerPixel = 32;
        f.BytesPerPixel = BytesPerPixel;
        f.Rmask = RedMask;
        f.Gmask = GreenMask;
        f.Bmask = BlueMask;
        f.Rshift = 16;
        f.Gshift = 8;
        f.refcount = 1;
        return f;
    }();
    return format;
}

SDL_Surface* NewSurface(int width, int height)
{
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        return nullptr;
    SoftSurface* soft = new (std::nothrow) SoftSurface();
    if (!soft)
        return nullptr;
    // An even count, so that the window can be read two pixels at a time.
    soft->pixels.assign((static_cast<size_t>(width) * height + 1) / 2 * 2, 0);
    SDL_Surface& s = soft->surface;
    s.format = &TheFormat();
    s.w = width;
    s.h = height;
    s.pitch = width * BytesPerPixel;
    s.pixels = soft->pixels.data();
    s.clip_rect = {0, 0, width, height};
    s.refcount = 1;
    return &s;
}

uint32_t LittleEndian(const std::vector<unsigned char>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + i];
    return value;
}

// Reads an uncompressed 24- or 32-bit BMP; null when the file is anything else or damaged.
SDL_Surface* ReadBmp(const char* path)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return nullptr;
    std::vector<unsigned char> bytes;
    unsigned char block[65536];
    size_t got;
    while ((got = fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    fclose(file);

    constexpr size_t HeadersSize = 54;  // file header and the smallest info header
    if (bytes.size() < HeadersSize || bytes[0] != 'B' || bytes[1] != 'M')
        return nullptr;
    const uint32_t pixelStart = LittleEndian(bytes, 10, 4);
    const int32_t width = static_cast<int32_t>(LittleEndian(bytes, 18, 4));
    const int32_t storedHeight = static_cast<int32_t>(LittleEndian(bytes, 22, 4));
    const uint32_t bits = LittleEndian(bytes, 28, 2);
    const uint32_t compression = LittleEndian(bytes, 30, 4);
    if ((bits != 24 && bits != 32) || compression != 0 || width < 1 || width > MaxSide ||
        storedHeight == 0 || storedHeight < -MaxSide || storedHeight > MaxSide)
        return nullptr;
    const bool bottomUp = storedHeight > 0;
    const int height = bottomUp ? storedHeight : -storedHeight;
    const size_t bytesPerPixel = bits / 8;
    const size_t rowBytes = (width * bytesPerPixel + 3) / 4 * 4;
    if (pixelStart > bytes.size() || (bytes.size() - pixelStart) / rowBytes < static_cast<size_t>(height))
        return nullptr;

    SDL_Surface* surface = NewSurface(width, height);
    if (!surface)
        return nullptr;
    Uint32* pixels = Soft(surface)->pixels.data();
    for (int y = 0; y < height; ++y) {
        const size_t row = pixelStart + (bottomUp ? height - 1 - y : y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const size_t at = row + x * bytesPerPixel;
            pixels[y * width + x] = (bytes[at + 2] << 16) | (bytes[at + 1] << 8) | bytes[at];
        }
    }
    return surface;
}

// The file name the emulation's file handle was opened with, in memory to free, or null.
EM_JS(char*, FileNameOfHandle, (SDL_RWops* handle), {
    const opened = SDL.rwops[handle];
    return opened && opened.filename ? allocateUTF8(opened.filename) : 0;
});

// Shows the rows from top to bottom (not included) of 504 x 378 RGBA bytes
// (or any size) on the page's canvas; the other rows stay as they are.
EM_JS(void, ShowOnCanvas, (const unsigned char* rgba, int width, int height, int top, int bottom), {
    const canvas = Module['canvas'];
    if (!Module.windowContext)
        Module.windowContext = canvas.getContext('2d');
    // One image over the bytes, made again only when they move (the memory grew): no garbage a frame.
    let image = Module.windowImage;
    if (!image || image.data.buffer !== HEAPU8.buffer || Module.windowImageAt !== rgba ||
        image.width !== width || image.height !== height) {
        image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
        Module.windowImage = image;
        Module.windowImageAt = rgba;
    }
    Module.windowContext.putImageData(image, 0, 0, 0, top, width, bottom - top);
});

// Sizes the canvas and passes its mouse events to the emulation's queue, as its own video mode does.
EM_JS(void, PrepareCanvas, (int width, int height), {
    const canvas = Module['canvas'];
    canvas.width = width;
    canvas.height = height;
    ['mousedown', 'mouseup', 'mousemove', 'mouseout'].forEach(function(type) {
        canvas.addEventListener(type, SDL.receiveEvent, true);
    });
});

SDL_Surface* window = nullptr;

// Two neighbouring window pixels (0x00RRGGBB each), the first in the low half.
std::uint64_t PixelPair(const unsigned char* pixels, size_t pair)
{
    std::uint64_t two;
    std::memcpy(&two, pixels + pair * sizeof two, sizeof two);
    return two;
}

// Two window pixels as the canvas takes them: R, G, B and an opaque A in memory, each.
std::uint64_t ToRgba(std::uint64_t two)
{
    constexpr std::uint64_t Both = 0x0000000100000001;  // times a pixel's mask: the mask in both halves
    return OpaqueAlpha * Both | (two & BlueMask * Both) << 16 | (two & GreenMask * Both) |
           (two & RedMask * Both) >> 16;
}

}  // namespace

extern "C" {

SDL_Surface* SDL_SetVideoMode(int width, int height, int, Uint32)
{
    if (!window) {
        window = NewSurface(width, height);
        if (window)
            PrepareCanvas(width, height);
    }
    return window;
}

// The page's pointer is always shown; the emulation's version would try to lock it.
int SDL_ShowCursor(int)
{
    return 1;
}

SDL_Surface* SDL_CreateRGBSurface(Uint32, int width, int height, int depth, Uint32 red,
                                  Uint32 green, Uint32 blue, Uint32 alpha)
{
    if (depth != 32 || red != RedMask || green != GreenMask || blue != BlueMask || alpha != 0)
        return nullptr;
    return NewSurface(width, height);
}

void SDL_FreeSurface(SDL_Surface* surface)
{
    if (surface && surface != window)
        delete Soft(surface);
}

int SDL_LockSurface(SDL_Surface*)
{
    return 0;
}

void SDL_UnlockSurface(SDL_Surface*) {}

Uint32 SDL_MapRGB(const SDL_PixelFormat*, Uint8 red, Uint8 green, Uint8 blue)
{
    return (red << 16) | (green << 8) | blue;
}

int SDL_SetColorKey(SDL_Surface* surface, int flag, Uint32 key)
{
    if (!surface)
        return -1;
    Soft(surface)->keyed = (flag & SDL_SRCCOLORKEY) != 0;
    Soft(surface)->key = key & ColourBits;
    return 0;
}

SDL_Surface* SDL_ConvertSurface(SDL_Surface* source, SDL_PixelFormat*, Uint32)
{
    if (!source)
        return nullptr;
    SDL_Surface* copy = NewSurface(source->w, source->h);
    if (copy) {
        Soft(copy)->pixels = Soft(source)->pixels;
        copy->pixels = Soft(copy)->pixels.data();
        Soft(copy)->keyed = Soft(source)->keyed;
        Soft(copy)->key = Soft(source)->key;
    }
    return copy;
}

SDL_Surface* SDL_LoadBMP_RW(SDL_RWops* handle, int freeHandle)
{
    char* path = FileNameOfHandle(handle);
    SDL_Surface* surface = path ? ReadBmp(path) : nullptr;
    free(path);
    if (freeHandle)
        SDL_FreeRW(handle);
    return surface;
}

// Clips as the native library does: the source rectangle to the source, then
// the result to the target's clip rectangle; the placement written back.
int SDL_UpperBlit(SDL_Surface* source, const SDL_Rect* sourceRect, SDL_Surface* target,
                  SDL_Rect* place)
{
    if (!source || !target)
        return -1;
    int sx = 0, sy = 0, w = source->w, h = source->h;
    int dx = place ? place->x : 0, dy = place ? place->y : 0;
    if (sourceRect) {
        sx = sourceRect->x;
        sy = sourceRect->y;
        w = sourceRect->w;
        h = sourceRect->h;
        if (sx < 0) {
            w += sx;
            dx -= sx;
            sx = 0;
        }
        if (sy < 0) {
            h += sy;
            dy -= sy;
            sy = 0;
        }
        w = std::min(w, source->w - sx);
        h = std::min(h, source->h - sy);
    }
    const SDL_Rect& clip = target->clip_rect;
    if (dx < clip.x) {
        w -= clip.x - dx;
        sx += clip.x - dx;
        dx = clip.x;
    }
    if (dy < clip.y) {
        h -= clip.y - dy;
        sy += clip.y - dy;
        dy = clip.y;
    }
    w = std::min(w, clip.x + clip.w - dx);
    h = std::min(h, clip.y + clip.h - dy);
    if (place)
        *place = {dx, dy, std::max(w, 0), std::max(h, 0)};
    if (w <= 0 || h <= 0)
        return 0;

    const SoftSurface& from = *Soft(source);
    Uint32* to = Soft(target)->pixels.data();
    for (int row = 0; row < h; ++row) {
        const Uint32* in = from.pixels.data() + static_cast<size_t>(sy + row) * source->w + sx;
        Uint32* out = to + static_cast<size_t>(dy + row) * target->w + dx;
        if (!from.keyed) {
            std::copy(in, in + w, out);
            continue;
        }
        for (int x = 0; x < w; ++x)
            if ((in[x] & ColourBits) != from.key)
                out[x] = in[x];
    }
    return 0;
}

int SDL_FillRect(SDL_Surface* target, const SDL_Rect* rect, Uint32 colour)
{
    if (!target)
        return -1;
    const SDL_Rect all = target->clip_rect;
    SDL_Rect area = rect ? *rect : all;
    const int left = std::max(area.x, all.x), top = std::max(area.y, all.y);
    const int right = std::min(area.x + area.w, all.x + all.w);
    const int bottom = std::min(area.y + area.h, all.y + all.h);
    Uint32* pixels = Soft(target)->pixels.data();
    for (int y = top; y < bottom; ++y)
        std::fill(pixels + static_cast<size_t>(y) * target->w + left,
                  pixels + static_cast<size_t>(y) * target->w + right, colour);
    return 0;
}

void SDL_UpdateRect(SDL_Surface* surface, Sint32, Sint32, Uint32, Uint32)
{
    if (!surface || surface != window)
        return;
    // The window's pixels last shown, and the same as the canvas takes them
    // (RGBA bytes). Only the rows from the first changed pixel to the last
    // are shown again, and a frame whose pixels are all the same not at all,
    // so that a picture standing still costs the browser no drawing. Two
    // pixels are taken at a time, so that the loop runs fast.
    static std::vector<std::uint64_t> shown, rgba;
    const size_t pairs = Soft(surface)->pixels.size() / 2;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(Soft(surface)->pixels.data());
    size_t first = pairs, last = 0;  // the first and the last pair that changed
    if (shown.size() != pairs) {
        shown.assign(pairs, 0);
        rgba.assign(pairs, 0);
        first = 0;
        last = pairs - 1;
        for (size_t at = 0; at < pairs; ++at) {
            shown[at] = PixelPair(bytes, at);
            rgba[at] = ToRgba(shown[at]);
        }
    }
    for (size_t at = 0; at < pairs; ++at) {
        const std::uint64_t two = PixelPair(bytes, at);
        if (two == shown[at])
            continue;
        first = std::min(first, at);
        last = at;
        shown[at] = two;
        rgba[at] = ToRgba(two);
    }
    if (first > last) {
        ++Soft(surface)->unchangedShows;
        return;
    }
    Soft(surface)->unchangedShows = 0;
    const int top = static_cast<int>(first * 2 / surface->w);
    const int bottom = std::min(static_cast<int>((last * 2 + 1) / surface->w) + 1, surface->h);
    ShowOnCanvas(reinterpret_cast<const unsigned char*>(rgba.data()), surface->w, surface->h, top, bottom);
}

}  // extern "C"

int WindowUnchangedShows(SDL_Surface* window)
{
    return window ? Soft(window)->unchangedShows : 0;
}
