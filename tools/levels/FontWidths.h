// The glyph widths of the game's small font, as far as the data tools need
// them: to measure the help text and the key names the way the game will.
#pragma once

#include <istream>
#include <string>
#include <vector>

constexpr int FontFirstChar = 32;     // the space: glyph 0 of both fonts
constexpr int AssumedGlyphWidth = 5;  // small-font width to assume while no width file exists
constexpr int PrintableCount = 95;    // characters 32 to 126

struct FontWidths {
    std::vector<int> widths;  // width of character FontFirstChar + i
    bool measured = false;    // read from a width file, not assumed
};

// Reads a width file the way the game does: integers separated by white
// space, stopping at the first one that cannot be read, and not taking a
// number that ends exactly at the end of the file.
FontWidths ReadFontWidths(std::istream& in);

// Every printable character AssumedGlyphWidth wide.
FontWidths AssumedFontWidths();

// The width of a text; characters the font does not cover count 0.
int TextWidth(const FontWidths& font, const std::string& text);
