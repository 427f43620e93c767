// Measuring and drawing a run of text with a bitmap font.
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/BitmapFont.h"
#include "tests/widgets/WindowTest.h"

namespace {

class FontTextTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        font = MakeTestFont();
    }
    std::unique_ptr<BitmapFont> font;
};

TEST_F(FontTextTest, AnEmptyTextMeasuresZeroAndDrawsNothing)
{
    EXPECT_EQ(font->TextWidth(""), 0);
    font->DrawText(10, 10, "");
    EXPECT_EQ(CountDrawn(), 0);
}

TEST_F(FontTextTest, ATextIsAsWideAsItsGlyphs)
{
    EXPECT_EQ(font->TextWidth("M:"), GlyphWidth('M') + GlyphWidth(':'));
    EXPECT_EQ(font->TextWidth("MM"), 2 * GlyphWidth('M'));
}

TEST_F(FontTextTest, GlyphsAreDrawnSideBySideFromTheTopLeftCorner)
{
    font->DrawText(10, 20, "M:");
    const int colon = 10 + GlyphWidth('M');
    EXPECT_EQ(PixelAt(10, 20), GlyphColour('M', 0, 0));
    EXPECT_EQ(PixelAt(colon - 1, 20 + TestFontHeight - 1),
              GlyphColour('M', GlyphWidth('M') - 1, TestFontHeight - 1));
    EXPECT_EQ(PixelAt(colon, 20), GlyphColour(':', 0, 0));
    EXPECT_EQ(CountDrawn(), font->TextWidth("M:") * TestFontHeight);
}

// Codes below the first character, past the last glyph, and bytes of 128 and
// above (negative as signed bytes) have no glyph.
TEST_F(FontTextTest, CharactersWithoutAGlyphAreSkipped)
{
    const std::string noGlyphs = "\x1f\x7f\xe9\x80\xff";
    EXPECT_EQ(font->TextWidth(noGlyphs), 0);
    EXPECT_EQ(font->TextWidth("M" + noGlyphs + ":"), font->TextWidth("M:"));

    font->DrawText(10, 20, "M" + noGlyphs + ":");
    const std::vector<Uint32> withGaps = Snapshot();
    Fill(Background);
    font->DrawText(10, 20, "M:");
    EXPECT_EQ(Snapshot(), withGaps);
}

TEST_F(FontTextTest, BytesAbove127AreNegativeEvenInAFontWithManyGlyphs)
{
    std::string widths;  // glyphs for codes 0 to 299
    for (int code = 0; code < 300; ++code)
        widths += "1\n";
    sandbox->Write("data/wide_chars_w.cfg", widths);
    const BitmapFont wide(TestFontBitmap, "data/wide_chars_w.cfg", TestFontHeight, 0);
    EXPECT_EQ(wide.GlyphOf('\xc8'), -1);  // 200 read as -56
    EXPECT_EQ(wide.TextWidth("\xc8"), 0);
    EXPECT_EQ(wide.GlyphOf('A'), 'A');
}

TEST_F(FontTextTest, TextCrossingTheWindowEdgeIsClippedNotShifted)
{
    font->DrawText(-1, -2, "M");
    EXPECT_EQ(PixelAt(0, 0), GlyphColour('M', 1, 2));
    EXPECT_EQ(CountDrawn(), (GlyphWidth('M') - 1) * (TestFontHeight - 2));

    Fill(Background);
    font->DrawText(TheScreen->width - 1, TheScreen->height - 3, "M:");
    EXPECT_EQ(PixelAt(TheScreen->width - 1, TheScreen->height - 1), GlyphColour('M', 0, 2));
    EXPECT_EQ(CountDrawn(), 3);
}

}  // namespace
