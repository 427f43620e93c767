#include "tests/widgets/WindowTest.h"

#include "app/Globals.h"
#include "app/Screen.h"

namespace {

constexpr Uint32 ColourMask = 0xFFFFFF;
constexpr int PixelBytes = 4;
constexpr int WidthCycle = 7;
constexpr int NarrowestGlyph = 2;

}  // namespace

int GlyphWidth(char c)
{
    return NarrowestGlyph + (c - TestFontFirstChar) % WidthCycle;
}

Uint32 GlyphColour(char c, int column, int row)
{
    const int glyph = c - TestFontFirstChar;
    return (glyph + 1) * 0x10000 + column * 0x100 + row + 1;
}

void WriteCodedFontBitmap(const char* path, const std::vector<int>& widths, int height)
{
    int total = 0;
    for (const int width : widths)
        total += width;
    SDL_Surface* bitmap =
        SDL_CreateRGBSurface(0, total, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    Uint32* pixels = static_cast<Uint32*>(bitmap->pixels);
    const int rowLength = bitmap->pitch / PixelBytes;
    int left = 0;
    for (size_t glyph = 0; glyph < widths.size(); ++glyph) {
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < widths[glyph]; ++column)
                pixels[row * rowLength + left + column] =
                    (glyph + 1) * 0x10000 + column * 0x100 + row + 1;
        left += widths[glyph];
    }
    SDL_SaveBMP(bitmap, path);
    SDL_FreeSurface(bitmap);
}

void WindowTest::SetUp()
{
    HeadlessTest::SetUp();
    CreateBaseGlobals();
    Fill(Background);
}

void WindowTest::TearDown()
{
    for (SDL_Surface* image : made)
        SDL_FreeSurface(image);
    DestroyBaseGlobals();
    HeadlessTest::TearDown();
}

std::unique_ptr<BitmapFont> WindowTest::MakeTestFont()
{
    std::vector<int> widths;
    std::string widthFile;
    for (int glyph = 0; glyph < TestFontGlyphs; ++glyph) {
        widths.push_back(GlyphWidth(static_cast<char>(TestFontFirstChar + glyph)));
        widthFile += std::to_string(widths.back()) + "\n";
    }
    WriteCodedFontBitmap(TestFontBitmap, widths, TestFontHeight);
    sandbox->Write(TestFontWidths, widthFile);
    return std::make_unique<BitmapFont>(TestFontBitmap, TestFontWidths, TestFontHeight,
                                        TestFontFirstChar);
}

Uint32 WindowTest::PixelAt(int x, int y)
{
    const SDL_Surface* s = TheScreen->surface;
    return static_cast<const Uint32*>(s->pixels)[y * (s->pitch / PixelBytes) + x] & ColourMask;
}

void WindowTest::Fill(Uint32 colour)
{
    SDL_Surface* s = TheScreen->surface;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            static_cast<Uint32*>(s->pixels)[y * (s->pitch / PixelBytes) + x] = colour;
}

int WindowTest::CountDrawn()
{
    int count = 0;
    for (int y = 0; y < TheScreen->height; ++y)
        for (int x = 0; x < TheScreen->width; ++x)
            count += PixelAt(x, y) != Background;
    return count;
}

std::vector<Uint32> WindowTest::Snapshot()
{
    std::vector<Uint32> pixels;
    for (int y = 0; y < TheScreen->height; ++y)
        for (int x = 0; x < TheScreen->width; ++x)
            pixels.push_back(PixelAt(x, y));
    return pixels;
}

SDL_Surface* WindowTest::CodedImage(int w, int h, int tag)
{
    const SDL_PixelFormat* format = TheScreen->surface->format;
    SDL_Surface* image =
        SDL_CreateRGBSurface(0, w, h, 32, format->Rmask, format->Gmask, format->Bmask, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<Uint32*>(image->pixels)[y * (image->pitch / PixelBytes) + x] =
                Coded(tag, x, y);
    made.push_back(image);
    return image;
}
