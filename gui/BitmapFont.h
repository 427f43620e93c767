// Proportional bitmap fonts: one row of packed glyphs and a file of their widths.
#pragma once

#include <SDL/SDL.h>
#include <iosfwd>
#include <string>
#include <vector>

class BitmapFont {
public:
    // Loads the glyph bitmap, then the width file; a width file that cannot
    // be opened ends the program.
    BitmapFont(const char* bitmapPath, const char* widthPath, int height, int firstChar);
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Reads the widths of a width file; false when it cannot be opened.
    bool ReadWidths(const char* widthPath);
    // Reads the widths of a width file's text, replacing the font's glyph table.
    void ReadWidths(std::istream& in);
    // Width in pixels of a text; characters without a glyph count 0.
    int TextWidth(const std::string& text) const;
    // Draws a text from its top-left corner; characters without a glyph are skipped.
    void DrawText(int x, int y, const std::string& text) const;
    // The glyph index of a character, or -1 when the font has no glyph for it.
    int GlyphOf(char c) const;

    SDL_Surface* image;        // the glyph bitmap, owned
    std::vector<int> offsets;  // left edge of each glyph in the bitmap
    std::vector<int> widths;   // width of each glyph
    int height;                // height of every glyph
    int firstChar;             // character code of glyph 0
};

std::string IntToText(int value);
std::string DoubleToText(double value);
