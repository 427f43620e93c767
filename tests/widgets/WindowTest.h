// The fixture of the text and widget tests: the headless window cleared to a
// known colour, a test font whose every pixel tells which glyph, column and
// row it came from, and helpers to read the window back.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "gui/BitmapFont.h"
#include "tests/support/HeadlessTest.h"

constexpr Uint32 Background = 0x102030;  // the window's colour before anything is drawn

// The test font covers codes 32 to 126, 18 pixels high; glyph k is 2 + k mod 7 wide.
constexpr int TestFontHeight = 18;
constexpr int TestFontFirstChar = 32;
constexpr int TestFontGlyphs = 95;
constexpr const char* TestFontBitmap = "data/test18.bmp";
constexpr const char* TestFontWidths = "data/test18_chars_w.cfg";

// The width of the test font's glyph for a character.
int GlyphWidth(char c);
// The colour of pixel (column, row) of the glyph for a character in a coded bitmap.
Uint32 GlyphColour(char c, int column, int row);

// Writes a coded glyph bitmap for the given glyph widths and height
// (pixel (column, row) of glyph k has colour (k + 1, column, row + 1), never black).
void WriteCodedFontBitmap(const char* path, const std::vector<int>& widths, int height);

class WindowTest : public HeadlessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The test font, written to the sandbox and loaded.
    std::unique_ptr<BitmapFont> MakeTestFont();

    static Uint32 PixelAt(int x, int y);
    static void Fill(Uint32 colour);
    // How many pixels of the window differ from the background.
    static int CountDrawn();
    // The whole window, to compare two ways of drawing the same thing.
    static std::vector<Uint32> Snapshot();
    // An image in the window's format whose pixel (x, y) has the colour
    // tag * 0x10000 + x * 0x100 + y + 1; freed at the end of the test.
    SDL_Surface* CodedImage(int w, int h, int tag);
    static Uint32 Coded(int tag, int x, int y) { return tag * 0x10000 + x * 0x100 + y + 1; }

private:
    std::vector<SDL_Surface*> made;
};
