// The fixture of the text and widget tests: the headless window cleared to a
// known colour, and a test font whose every pixel tells which glyph, column
// and row it came from.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/BitmapFont.h"
#include "tests/support/HeadlessTest.h"

constexpr Uint32 Background = 0x102030;  // the window's colour before anything is drawn

// The test font covers codes 32 to 126, 18 pixels high; glyph k is 2 + k mod 7 wide.
constexpr int TestFontHeight = 18;
constexpr int TestFontFirstChar = 32;
constexpr int TestFontGlyphs = 95;

inline int GlyphWidth(char c)
{
    return 2 + (c - TestFontFirstChar) % 7;
}

// The colour of pixel (column, row) of glyph k in a coded bitmap: (k + 1, column, row + 1).
inline Uint32 CodedColour(int glyph, int column, int row)
{
    return (glyph + 1) * 0x10000 + column * 0x100 + row + 1;
}
inline Uint32 GlyphColour(char c, int column, int row)
{
    return CodedColour(c - TestFontFirstChar, column, row);
}

// Writes a coded glyph bitmap for the given glyph widths and height.
inline void WriteCodedFontBitmap(const char* path, const std::vector<int>& widths, int height)
{
    int total = 0;
    for (const int width : widths)
        total += width;
    SDL_Surface* bitmap = SDL_CreateRGBSurface(0, total, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    for (int glyph = 0, left = 0; glyph < static_cast<int>(widths.size()); left += widths[glyph++])
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < widths[glyph]; ++column)
                static_cast<Uint32*>(bitmap->pixels)[row * (bitmap->pitch / 4) + left + column] =
                    CodedColour(glyph, column, row);
    SDL_SaveBMP(bitmap, path);
    SDL_FreeSurface(bitmap);
}

class WindowTest : public BaseGlobalsTest {
protected:
    void SetUp() override
    {
        BaseGlobalsTest::SetUp();
        FillWindow(Background);
    }
    void TearDown() override
    {
        for (SDL_Surface* image : made)
            SDL_FreeSurface(image);
        BaseGlobalsTest::TearDown();
    }

    // The test font, written to the sandbox and loaded.
    std::unique_ptr<BitmapFont> MakeTestFont()
    {
        std::vector<int> widths;
        std::string widthFile;
        for (int glyph = 0; glyph < TestFontGlyphs; ++glyph) {
            widths.push_back(GlyphWidth(static_cast<char>(TestFontFirstChar + glyph)));
            widthFile += std::to_string(widths.back()) + "\n";
        }
        WriteCodedFontBitmap("data/test18.bmp", widths, TestFontHeight);
        sandbox->Write("data/test18_chars_w.cfg", widthFile);
        return std::make_unique<BitmapFont>("data/test18.bmp", "data/test18_chars_w.cfg",
                                            TestFontHeight, TestFontFirstChar);
    }

    // How many pixels of the window differ from the background.
    static int CountDrawn() { return TheScreen->width * TheScreen->height - CountPixels(Background); }
    // The whole window, to compare two ways of drawing the same thing.
    static std::vector<Uint32> Snapshot()
    {
        std::vector<Uint32> pixels;
        for (int y = 0; y < TheScreen->height; ++y)
            for (int x = 0; x < TheScreen->width; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    }
    // An image in the window's format whose pixel (x, y) has the colour
    // Coded(tag, x, y); freed at the end of the test.
    SDL_Surface* CodedImage(int w, int h, int tag)
    {
        const SDL_PixelFormat* format = TheScreen->surface->format;
        SDL_Surface* image = SDL_CreateRGBSurface(0, w, h, 32, format->Rmask, format->Gmask, format->Bmask, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                static_cast<Uint32*>(image->pixels)[y * (image->pitch / 4) + x] = Coded(tag, x, y);
        made.push_back(image);
        return image;
    }
    static Uint32 Coded(int tag, int x, int y) { return tag * 0x10000 + x * 0x100 + y + 1; }

private:
    std::vector<SDL_Surface*> made;
};
