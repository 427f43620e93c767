// The small font's width file, read the way the game reads it.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/levels/FontWidths.h"

TEST(FontWidths, ReadsOneWidthPerCharacterFromTheSpaceOn)
{
    std::istringstream in("3 5 7\n");
    const FontWidths font = ReadFontWidths(in);
    EXPECT_EQ(font.widths, (std::vector<int>{3, 5, 7}));
    EXPECT_TRUE(font.measured);
    EXPECT_EQ(TextWidth(font, " !\""), 15);
}

TEST(FontWidths, NumberAtTheVeryEndOfTheFileIsNotTaken)
{
    std::istringstream in("3 5 7");
    EXPECT_EQ(ReadFontWidths(in).widths, (std::vector<int>{3, 5}));
}

TEST(FontWidths, CharactersOutsideTheFontMeasureNothing)
{
    std::istringstream in("3 5 7\n");
    const FontWidths font = ReadFontWidths(in);
    EXPECT_EQ(TextWidth(font, "\t#\xe9"), 0);
}

