// The font width file: one width per glyph from the first character on, and
// where the list ends.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <unistd.h>

#include "gui/BitmapFont.h"
#include "tests/widgets/WindowTest.h"

namespace {

using Ints = std::vector<int>;

class FontWidthFileTest : public WindowTest {
protected:
    // A font whose width file holds exactly the given text.
    std::unique_ptr<BitmapFont> FontWithWidthFile(const std::string& content)
    {
        WriteCodedFontBitmap("data/font.bmp", {3, 5, 7}, TestFontHeight);
        sandbox->Write("data/font_chars_w.cfg", content);
        return std::make_unique<BitmapFont>("data/font.bmp", "data/font_chars_w.cfg",
                                            TestFontHeight, TestFontFirstChar);
    }
};

TEST_F(FontWidthFileTest, GlyphsArePackedLeftToRight)
{
    const auto font = FontWithWidthFile("3 5 7\n");
    EXPECT_EQ(font->widths, (Ints{3, 5, 7}));
    EXPECT_EQ(font->offsets, (Ints{0, 3, 8}));
}

TEST_F(FontWidthFileTest, ANumberEndingTheFileWithoutLineBreakIsNotTaken)
{
    const auto font = FontWithWidthFile("3 5 7");
    EXPECT_EQ(font->widths, (Ints{3, 5}));
    EXPECT_EQ(font->offsets, (Ints{0, 3}));
}

TEST_F(FontWidthFileTest, AnyWhitespaceSeparatesTheWidths)
{
    const auto font = FontWithWidthFile("3\r\n\t5\r\n\n  7 \r\n");
    EXPECT_EQ(font->widths, (Ints{3, 5, 7}));
}

TEST_F(FontWidthFileTest, TheListEndsAtTheFirstThingThatIsNotANumber)
{
    EXPECT_EQ(FontWithWidthFile("3\n5\nwide\n7\n")->widths, (Ints{3, 5}));
    EXPECT_EQ(FontWithWidthFile("")->widths, Ints{});
}

// Widths that cannot describe a glyph of a bitmap end the list, so that no
// offset is negative or overflows.
TEST_F(FontWidthFileTest, ANegativeWidthEndsTheList)
{
    EXPECT_EQ(FontWithWidthFile("3\n-5\n7\n")->widths, Ints{3});
}

TEST_F(FontWidthFileTest, WidthsThatWouldCarryTheOffsetsPastTheLargestIntEndTheList)
{
    const auto font = FontWithWidthFile("2000000000\n2000000000\n5\n");
    EXPECT_EQ(font->widths, Ints{2000000000});
    EXPECT_EQ(FontWithWidthFile("3\n99999999999\n5\n")->widths, Ints{3});
}

TEST_F(FontWidthFileTest, TextWidthSaturatesInsteadOfOverflowing)
{
    const auto font = FontWithWidthFile("2000000000\n");
    EXPECT_EQ(font->TextWidth("   "), INT_MAX);
    font->DrawText(0, 0, "   ");  // the one glyph column of the bitmap, then past the window
    EXPECT_EQ(PixelAt(0, 0), GlyphColour(' ', 0, 0));
}

TEST_F(FontWidthFileTest, AMissingBitmapDrawsNothingButTheFontStillMeasures)
{
    sandbox->Write("data/font_chars_w.cfg", "3\n5\n7\n");
    CaptureOutput();
    const BitmapFont font("data/missing.bmp", "data/font_chars_w.cfg", TestFontHeight,
                          TestFontFirstChar);
    EXPECT_EQ(TakeOutput(), "Failed to load image data/missing.bmp.");
    EXPECT_EQ(font.TextWidth(" !\""), 15);
    font.DrawText(10, 10, " !\"");
    EXPECT_EQ(CountDrawn(), 0);
}

TEST_F(FontWidthFileTest, AMissingWidthFileEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    WriteCodedFontBitmap("data/font.bmp", {3, 5, 7}, TestFontHeight);
    auto loadFont = [] {
        dup2(fileno(stderr), fileno(stdout));  // so that the message can be matched
        const BitmapFont font("data/font.bmp", "data/missing_chars_w.cfg", TestFontHeight,
                              TestFontFirstChar);
    };
    EXPECT_EXIT(loadFont(), testing::ExitedWithCode(1),
                "Couldn't open file data/missing_chars_w.cfg$");
}

}  // namespace
