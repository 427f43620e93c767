// Proportional bitmap fonts: reading the width file, measuring and drawing text,
// and turning numbers into text.
#include "gui/BitmapFont.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <locale>
#include <sstream>

#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr int Black = 0;  // colour component of the transparent colour
constexpr int NoGlyph = -1;

// Standard stream formatting with the default settings, independent of the
// user's locale.
template <typename Number>
std::string FormatNumber(Number value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

}  // namespace

BitmapFont::BitmapFont(const char* bitmapPath, const char* widthPath, int height, int firstChar)
    : image(TheScreen->LoadImage(bitmapPath, Black, Black, Black)), height(height),
      firstChar(firstChar)
{
    if (!ReadWidths(widthPath)) {
        fprintf(stdout, "Couldn't open file %s", widthPath);
        exit(1);
    }
}

BitmapFont::~BitmapFont()
{
    SDL_FreeSurface(image);
}

// The width file: whitespace-separated decimal widths, one per glyph from
// firstChar on. The list ends at the first thing that is not an integer, and
// also right after a number that runs up to the end of the file: such a last
// number is not taken, so width files end with a line break. A negative width
// also ends the list, and so does a width that would carry the glyphs past the
// largest int offset: neither can describe a glyph of the bitmap.
bool BitmapFont::ReadWidths(const char* widthPath)
{
    std::ifstream file(widthPath);
    if (!file)
        return false;
    ReadWidths(file);
    return true;
}

void BitmapFont::ReadWidths(std::istream& in)
{
    offsets.clear();
    widths.clear();
    int64_t nextOffset = 0;
    int width = 0;
    while (in >> width && !in.eof()) {
        if (width < 0 || nextOffset + width > INT_MAX)
            break;
        offsets.push_back(static_cast<int>(nextOffset));
        widths.push_back(width);
        nextOffset += width;
    }
}

// Text bytes are signed, so bytes of 128 and above come out negative and,
// like codes below firstChar or past the last glyph, have no glyph.
int BitmapFont::GlyphOf(char c) const
{
    const int64_t glyph = int64_t{static_cast<signed char>(c)} - firstChar;
    if (glyph < 0 || glyph >= static_cast<int64_t>(widths.size()))
        return NoGlyph;
    return static_cast<int>(glyph);
}

// The sum saturates at the largest int, however long the text and wide its glyphs.
int BitmapFont::TextWidth(const std::string& text) const
{
    int64_t width = 0;
    for (const char c : text) {
        const int glyph = GlyphOf(c);
        if (glyph != NoGlyph)
            width += widths[glyph];
        if (width >= INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(width);
}

// One blit per glyph, each clipped to the window. Drawing stops once the pen
// has passed the right edge of the window, where nothing more can show.
void BitmapFont::DrawText(int x, int y, const std::string& text) const
{
    int64_t penX = x;
    for (const char c : text) {
        if (penX >= TheScreen->width)
            return;
        const int glyph = GlyphOf(c);
        if (glyph == NoGlyph)
            continue;
        TheScreen->Blit(image, static_cast<int>(penX), y, offsets[glyph], 0, widths[glyph], height);
        penX += widths[glyph];
    }
}

std::string IntToText(int value)
{
    return FormatNumber(value);
}

std::string DoubleToText(double value)
{
    return FormatNumber(value);
}
