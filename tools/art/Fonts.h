// The game's two bitmap fonts: a bitmap of glyphs packed side by side and a
// width file with one glyph width per line.
#pragma once

#include <optional>
#include <string>

#include "tools/art/Image.h"

struct FontStyle {
    int height;           // rows of the bitmap, the font's height
    int skeletonRows;     // rows of every hand-drawn glyph
    int topRow;           // bitmap row of the glyphs' first row
    int baselineRow;      // bitmap row of the baseline, where the colour gradient ends
    int thickening;       // extra pixels added to the right of every stroke (0 or 1)
    int trailingSpace;    // empty columns after the shadow column
    Rgb inkTop;           // ink colour at the top row
    Rgb inkBottom;        // ink colour at the baseline and below
    Rgb shadow;           // the drop shadow one pixel down and right
};

struct MadeFont {
    Image bitmap;        // every glyph from code 32 to 126, left to right, no gaps
    std::string widths;  // the width file: one width per line, ending with a line break
};

// The fonts of "data/font18.bmp" and "data/font10.bmp"; nothing when a glyph set is malformed.
std::optional<MadeFont> MakeLargeFont();
std::optional<MadeFont> MakeSmallFont();
