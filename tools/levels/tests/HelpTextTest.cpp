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

TEST(HelpWrap, WordsThatWouldReachTheWidthStartANewLine)
{
    using Lines = std::vector<std::string>;
    const struct {
        Lines paragraphs;
        int width;
        Lines lines;
    } cases[] = {
        {{"abcd efgh ij"}, 100, {"abcd ", "efgh ij "}},  // "abcd efgh " would reach 100 exactly
        {{"  one\t two   three"}, 1000, {"one two three "}},  // the spacing is not kept
        {{"a", "", "b"}, 1000, {"a ", "", "b "}},
        {{"abcdefghijkl x"}, 100, {"", "abcdefghijkl ", "x "}},  // an overlong first word
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapHelpLines(c.paragraphs, c.width, TenPixelFont()), c.lines) << c.paragraphs[0];
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
