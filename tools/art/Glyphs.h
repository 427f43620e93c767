// The hand-drawn glyph sets of the two fonts, and reading them into shapes.
//
// A glyph set is text: for every character code from 32 to 126, in order, a
// line "=" followed by the character, then the glyph's rows from the top,
// '#' for ink and '.' for none, all rows of a glyph as wide as the glyph.
// Rows left out at the bottom are empty.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/art/Mask.h"

extern const char* const LargeGlyphs;
extern const char* const SmallGlyphs;

constexpr int FirstGlyphCode = 32;  // the space
constexpr int LastGlyphCode = 126;  // the tilde
constexpr int GlyphCount = LastGlyphCode - FirstGlyphCode + 1;

// The glyphs of a set, each a shape of its own width and the given number of
// rows; nothing (with a message naming the fault) when the set is malformed.
std::optional<std::vector<Mask>> ReadGlyphs(const char* text, int rows, const char* setName);
