#include "tools/art/Fonts.h"

#include <algorithm>
#include <vector>

#include "tools/art/Glyphs.h"
#include "tools/art/Palette.h"

namespace {

constexpr FontStyle LargeStyle{
    .height = 18,
    .skeletonRows = 14,
    .topRow = 3,
    .baselineRow = 13,
    .thickening = 1,
    .trailingSpace = 1,
    .inkTop = Palette::LargeTextTop,
    .inkBottom = Palette::LargeTextBottom,
    .shadow = Palette::LargeTextShadow,
};

constexpr FontStyle SmallStyle{
    .height = 10,
    .skeletonRows = 9,
    .topRow = 1,
    .baselineRow = 7,
    .thickening = 0,
    .trailingSpace = 0,
    .inkTop = Palette::SmallText,
    .inkBottom = Palette::SmallText,
    .shadow = Palette::SmallTextShadow,
};

constexpr int ShadowColumns = 1;

// The skeleton with every stroke widened to the right.
Mask Thickened(const Mask& skeleton, int extra)
{
    Mask thick(skeleton.width + extra, skeleton.height);
    for (int y = 0; y < skeleton.height; ++y)
        for (int x = 0; x < thick.width; ++x)
            for (int back = 0; back <= extra; ++back)
                if (skeleton.At(x - back, y))
                    thick.Set(x, y, true);
    return thick;
}

Rgb InkAt(const FontStyle& style, int row)
{
    const double t = static_cast<double>(row - style.topRow) / (style.baselineRow - style.topRow);
    return Mix(style.inkTop, style.inkBottom, std::clamp(t, 0.0, 1.0));
}

// Draws one glyph with its left edge at column left; returns its width.
int DrawGlyph(Image& bitmap, int left, const Mask& skeleton, const FontStyle& style)
{
    const Mask ink = Thickened(skeleton, style.thickening);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.At(x, y))
                bitmap.Set(left + x + 1, style.topRow + y + 1, style.shadow);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.At(x, y))
                bitmap.Set(left + x, style.topRow + y, InkAt(style, style.topRow + y));
    return ink.width + ShadowColumns + style.trailingSpace;
}

int GlyphWidth(const Mask& skeleton, const FontStyle& style)
{
    return skeleton.width + style.thickening + ShadowColumns + style.trailingSpace;
}

std::optional<MadeFont> MakeFont(const char* glyphText, const char* setName, const FontStyle& style)
{
    const std::optional<std::vector<Mask>> glyphs =
        ReadGlyphs(glyphText, style.skeletonRows, setName);
    if (!glyphs)
        return std::nullopt;

    int totalWidth = 0;
    for (const Mask& glyph : *glyphs)
        totalWidth += GlyphWidth(glyph, style);

    MadeFont font{Image(totalWidth, style.height), {}};
    int left = 0;
    for (const Mask& glyph : *glyphs) {
        const int width = DrawGlyph(font.bitmap, left, glyph, style);
        font.widths += std::to_string(width) + "\n";
        left += width;
    }
    return font;
}

}  // namespace

std::optional<MadeFont> MakeLargeFont()
{
    return MakeFont(LargeGlyphs, "large", LargeStyle);
}

std::optional<MadeFont> MakeSmallFont()
{
    return MakeFont(SmallGlyphs, "small", SmallStyle);
}
