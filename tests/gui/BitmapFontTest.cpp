// Bitmap fonts: the width file (one width per glyph from the first character
// on, and where the list ends), measuring and drawing a run of text, and the
// numbers as the widgets show them.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <unistd.h>

#include "tests/gui/WindowTest.h"

namespace {

using Ints = std::vector<int>;

class BitmapFontTest : public WindowTest {
protected:
    // A font of three glyphs (3, 5 and 7 wide) whose width file holds exactly the given text.
    std::unique_ptr<BitmapFont> FontWithWidthFile(const std::string& content)
    {
        WriteCodedFontBitmap("data/font.bmp", {3, 5, 7}, TestFontHeight);
        sandbox->Write("data/font_chars_w.cfg", content);
        return std::make_unique<BitmapFont>("data/font.bmp", "data/font_chars_w.cfg",
                                            TestFontHeight, TestFontFirstChar);
    }
};

// A number that runs up to the end of the file is not taken; a negative
// width, or one carrying the offsets past the largest int, ends the list.
TEST_F(BitmapFontTest, WidthFileListsTheGlyphsPackedLeftToRight)
{
    const struct {
        const char* content;
        Ints widths;
    } cases[] = {
        {"3 5 7\n", {3, 5, 7}},
        {"3 5 7", {3, 5}},
        {"3\r\n\t5\r\n\n  7 \r\n", {3, 5, 7}},
        {"3\n5\nwide\n7\n", {3, 5}},
        {"", {}},
        {"3\n-5\n7\n", {3}},
        {"2000000000\n2000000000\n5\n", {2000000000}},
        {"3\n99999999999\n5\n", {3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontWithWidthFile(c.content)->widths, c.widths) << c.content;
    EXPECT_EQ(FontWithWidthFile("3 5 7\n")->offsets, (Ints{0, 3, 8}));
}

TEST_F(BitmapFontTest, AMissingBitmapDrawsNothingButAMissingWidthFileEndsTheProgram)
{
    sandbox->Write("data/font_chars_w.cfg", "3\n5\n7\n");
    CaptureOutput();
    const BitmapFont font("data/missing.bmp", "data/font_chars_w.cfg", TestFontHeight,
                          TestFontFirstChar);
    EXPECT_EQ(TakeOutput(), "Failed to load image data/missing.bmp.");
    EXPECT_EQ(font.TextWidth(" !\""), 15);
    font.DrawText(10, 10, " !\"");
    EXPECT_EQ(CountDrawn(), 0);

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto loadFont = [] {
        dup2(fileno(stderr), fileno(stdout));  // so that the message can be matched
        const BitmapFont font("data/missing.bmp", "data/missing_chars_w.cfg", TestFontHeight,
                              TestFontFirstChar);
    };
    EXPECT_EXIT(loadFont(), testing::ExitedWithCode(1),
                "Couldn't open file data/missing_chars_w.cfg$");
}

TEST_F(BitmapFontTest, ATextIsMeasuredAndDrawnGlyphBesideGlyph)
{
    const auto font = MakeTestFont();
    EXPECT_EQ(font->TextWidth(""), 0);
    font->DrawText(10, 10, "");
    EXPECT_EQ(CountDrawn(), 0);
    EXPECT_EQ(font->TextWidth("M:"), GlyphWidth('M') + GlyphWidth(':'));

    font->DrawText(10, 20, "M:");
    const int colon = 10 + GlyphWidth('M');
    EXPECT_EQ(PixelAt(10, 20), GlyphColour('M', 0, 0));
    EXPECT_EQ(PixelAt(colon - 1, 20 + TestFontHeight - 1),
              GlyphColour('M', GlyphWidth('M') - 1, TestFontHeight - 1));
    EXPECT_EQ(PixelAt(colon, 20), GlyphColour(':', 0, 0));
    EXPECT_EQ(CountDrawn(), font->TextWidth("M:") * TestFontHeight);
}

// Codes below the first character, past the last glyph, and bytes of 128 and
// above (negative as signed bytes, even in a font of 300 glyphs) have no glyph.
TEST_F(BitmapFontTest, CharactersWithoutAGlyphAreSkipped)
{
    const auto font = MakeTestFont();
    const std::string noGlyphs = "\x1f\x7f\xe9\x80\xff";
    EXPECT_EQ(font->TextWidth(noGlyphs), 0);
    font->DrawText(10, 20, "M" + noGlyphs + ":");
    const std::vector<Uint32> withGaps = Snapshot();
    FillWindow(Background);
    font->DrawText(10, 20, "M:");
    EXPECT_EQ(Snapshot(), withGaps);

    sandbox->Write("data/wide_chars_w.cfg", [] {
        std::string widths;
        for (int code = 0; code < 300; ++code)
            widths += "1\n";
        return widths;
    }());
    const BitmapFont wide("data/test18.bmp", "data/wide_chars_w.cfg", TestFontHeight, 0);
    EXPECT_EQ(wide.GlyphOf('\xc8'), -1);  // 200 read as -56
    EXPECT_EQ(wide.TextWidth("\xc8"), 0);
    EXPECT_EQ(wide.GlyphOf('A'), 'A');
}

TEST_F(BitmapFontTest, TextCrossingTheWindowEdgeIsClippedNotShifted)
{
    const auto font = MakeTestFont();
    font->DrawText(-1, -2, "M");
    EXPECT_EQ(PixelAt(0, 0), GlyphColour('M', 1, 2));
    EXPECT_EQ(CountDrawn(), (GlyphWidth('M') - 1) * (TestFontHeight - 2));
    FillWindow(Background);
    font->DrawText(TheScreen->width - 1, TheScreen->height - 3, "M:");
    EXPECT_EQ(PixelAt(TheScreen->width - 1, TheScreen->height - 1), GlyphColour('M', 0, 2));
    EXPECT_EQ(CountDrawn(), 3);
}

}  // namespace
