// The help page: wrapped like the help screen does, and it must fit the panel.
#include <gtest/gtest.h>

#include "tools/levels/HelpText.h"

namespace {

// Every character 10 pixels wide, so widths are easy to count.
FontWidths TenPixelFont()
{
    FontWidths font;
    font.widths.assign(PrintableCount, 10);
    return font;
}

}  // namespace

TEST(HelpWrap, WordsThatReachTheWidthStartANewLine)
{
    // "abcd " and "efgh " are 50 pixels each: together they reach 100 exactly.
    const auto lines = WrapHelpLines({"abcd efgh ij"}, 100, TenPixelFont());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "abcd ");
    EXPECT_EQ(lines[1], "efgh ij ");
}

TEST(HelpWrap, SpacingInsideALineIsNotKept)
{
    const auto lines = WrapHelpLines({"  one\t two   three"}, 1000, TenPixelFont());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "one two three ");
}

TEST(HelpWrap, EmptyParagraphGivesAnEmptyLine)
{
    const auto lines = WrapHelpLines({"a", "", "b"}, 1000, TenPixelFont());
    EXPECT_EQ(lines, (std::vector<std::string>{"a ", "", "b "}));
}

TEST(HelpWrap, OverlongFirstWordLeavesAnEmptyLineBeforeIt)
{
    const auto lines = WrapHelpLines({"abcdefghijkl x"}, 100, TenPixelFont());
    EXPECT_EQ(lines, (std::vector<std::string>{"", "abcdefghijkl ", "x "}));
}

TEST(HelpFile, ParagraphsAreTheLinesEndedByALineFeed)
{
    EXPECT_EQ(HelpParagraphs("one\ntwo\nunfinished"), (std::vector<std::string>{"one", "two"}));
}

TEST(HelpFile, MustEndWithALineFeed)
{
    EXPECT_FALSE(CheckHelpText("Eat the corn.", AssumedFontWidths()).empty());
    EXPECT_TRUE(CheckHelpText("Eat the corn.\n", AssumedFontWidths()).empty());
}

TEST(HelpFile, OnlyPrintableAscii)
{
    EXPECT_FALSE(CheckHelpText("Tab\there\n", AssumedFontWidths()).empty());
    EXPECT_FALSE(CheckHelpText("Windows line\r\n", AssumedFontWidths()).empty());
    EXPECT_FALSE(CheckHelpText("caf\xc3\xa9\n", AssumedFontWidths()).empty());
}

TEST(HelpFile, MustFitTwentyTwoWrappedLines)
{
    std::string text;
    for (int i = 0; i < HelpPanelLines; ++i)
        text += "line\n";
    EXPECT_TRUE(CheckHelpText(text, AssumedFontWidths()).empty());
    EXPECT_FALSE(CheckHelpText(text + "one too many\n", AssumedFontWidths()).empty());
}
