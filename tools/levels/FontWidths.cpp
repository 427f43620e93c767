#include "tools/levels/FontWidths.h"

FontWidths ReadFontWidths(std::istream& in)
{
    FontWidths font;
    font.measured = true;
    int width = 0;
    while (in >> width && !in.eof())
        font.widths.push_back(width);
    return font;
}

FontWidths AssumedFontWidths()
{
    FontWidths font;
    font.widths.assign(PrintableCount, AssumedGlyphWidth);
    return font;
}

int TextWidth(const FontWidths& font, const std::string& text)
{
    int width = 0;
    for (const char c : text) {
        const int index = static_cast<signed char>(c) - FontFirstChar;
        if (index >= 0 && index < static_cast<int>(font.widths.size()))
            width += font.widths[index];
    }
    return width;
}
