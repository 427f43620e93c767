#include "tools/art/Glyphs.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr char GlyphMark = '=';
constexpr char InkMark = '#';
constexpr char EmptyMark = '.';

bool IsRow(const std::string& line)
{
    const std::string rowMarks{InkMark, EmptyMark};
    return !line.empty() && line.find_first_not_of(rowMarks) == std::string::npos;
}

Mask GlyphFromRows(const std::vector<std::string>& rowTexts, int rows)
{
    Mask glyph(static_cast<int>(rowTexts.front().size()), rows);
    for (int y = 0; y < static_cast<int>(rowTexts.size()); ++y)
        for (int x = 0; x < glyph.width; ++x)
            glyph.Set(x, y, rowTexts[y][x] == InkMark);
    return glyph;
}

}  // namespace

std::optional<std::vector<Mask>> ReadGlyphs(const char* text, int rows, const char* setName)
{
    std::vector<Mask> glyphs;
    std::vector<std::string> rowTexts;
    int code = FirstGlyphCode - 1;
    const auto fail = [&](const char* fault) {
        printf("Glyph set %s, character %d: %s\n", setName, code, fault);
        return std::nullopt;
    };
    const auto finishGlyph = [&]() -> bool {
        if (code < FirstGlyphCode)
            return true;
        if (rowTexts.empty() || static_cast<int>(rowTexts.size()) > rows)
            return false;
        glyphs.push_back(GlyphFromRows(rowTexts, rows));
        rowTexts.clear();
        return true;
    };

    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() == 2 && line[0] == GlyphMark) {
            if (!finishGlyph())
                return fail("needs 1 to the set's number of rows");
            ++code;
            if (line[1] != static_cast<char>(code))
                return fail("out of order");
        } else if (IsRow(line)) {
            if (code < FirstGlyphCode)
                return fail("rows before the first glyph");
            if (!rowTexts.empty() && line.size() != rowTexts.front().size())
                return fail("rows of different widths");
            rowTexts.push_back(line);
        } else if (!line.empty()) {
            return fail("a line that is neither a glyph mark nor a row");
        }
    }
    if (!finishGlyph())
        return fail("needs 1 to the set's number of rows");
    if (code != LastGlyphCode)
        return fail("the set ends early");
    return glyphs;
}
