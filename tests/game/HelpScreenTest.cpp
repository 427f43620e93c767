// The help screen: the help file read at start-up, word-wrapped to the
// dialog's width in the small font under the game's title and version.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/BitmapFont.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/Screens.h"
#include "tests/game/GameTest.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int WrapWidth = 396;
constexpr int FirstLineWidget = 1;  // the title comes first

// Wrapping measured with a font whose every glyph is 6 pixels wide, so that
// widths can be counted on the fingers: "abcde " is 36 pixels.
class WrapLinesTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        std::string widths;
        for (int glyph = 0; glyph < 95; ++glyph)
            widths += "6\n";
        sandbox->Write("data/even_chars_w.cfg", widths);
        CaptureOutput();  // the font has no bitmap, and says so
        font = std::make_unique<BitmapFont>("data/even.bmp", "data/even_chars_w.cfg", 10, 32);
        TakeOutput();
    }

    Lines Wrap(const Lines& lines) const { return WrapLines(lines, WrapWidth, *font); }

    static std::string Repeat(const std::string& word, int times)
    {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += word;
        return text;
    }

    std::unique_ptr<BitmapFont> font;
};

TEST_F(WrapLinesTest, EveryWordIsFollowedByOneBlank)
{
    EXPECT_EQ(Wrap({"Eat   the corn"}), (Lines{"Eat the corn "}));
}

TEST_F(WrapLinesTest, ALineThatWouldReachTheWidthIsBrokenBeforeItsLastWord)
{
    // Eleven words of 36 pixels make exactly 396.
    EXPECT_EQ(Wrap({Repeat("abcde ", 11)}), (Lines{Repeat("abcde ", 10), "abcde "}));
}

TEST_F(WrapLinesTest, ALineJustNarrowerThanTheWidthStaysWhole)
{
    // Ten words of 36 pixels and one of 30 make 390.
    EXPECT_EQ(Wrap({Repeat("abcde ", 10) + "abcd"}), (Lines{Repeat("abcde ", 10) + "abcd "}));
}

TEST_F(WrapLinesTest, ALongParagraphRunsOverSeveralLines)
{
    const Lines wrapped = Wrap({Repeat("abcde ", 25)});
    EXPECT_EQ(wrapped, (Lines{Repeat("abcde ", 10), Repeat("abcde ", 10), Repeat("abcde ", 5)}));
}

TEST_F(WrapLinesTest, AnEmptyLineStaysAnEmptyLine)
{
    EXPECT_EQ(Wrap({"one", "", "two"}), (Lines{"one ", "", "two "}));
}

TEST_F(WrapLinesTest, LeadingBlanksAndTabsDoNotIndent)
{
    EXPECT_EQ(Wrap({"  \t  Ghosts\thunt"}), (Lines{"Ghosts hunt "}));
}

TEST_F(WrapLinesTest, AWordWiderThanTheLineGetsALineOfItsOwn)
{
    const std::string huge(70, 'w');  // 426 pixels with its blank
    EXPECT_EQ(Wrap({"ab " + huge + " cd"}), (Lines{"ab ", huge + " ", "cd "}));
    // First in its paragraph, it leaves an empty line before it.
    EXPECT_EQ(Wrap({huge}), (Lines{"", huge + " "}));
}

TEST_F(WrapLinesTest, NoLinesGiveNoLines)
{
    EXPECT_TRUE(Wrap({}).empty());
}

class HelpScreenTest : public GameTest {
protected:
    static Panel& Help() { return *TheGui->helpPanel; }

    // The panel as built at start-up from the help file in the game folder now.
    static void Rebuild() { TheGui->helpPanel = BuildHelpPanel(*TheGui); }

    // The wrapped lines on the panel.
    static Lines ShownLines()
    {
        Lines lines;
        for (size_t i = FirstLineWidget; i < Help().widgets.size(); ++i)
            lines.push_back(Help().widgets[i]->text);
        return lines;
    }
};

TEST_F(HelpScreenTest, HelpOnTheMainMenuShowsThePageAndCloseReturns)
{
    Click(HelpButton);
    EXPECT_EQ(GameState, HelpScreen);
    RunFrames(1);
    Click(CloseButton);
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(HelpScreenTest, TheTitleNamesTheGameAndItsVersion)
{
    const TextWidget& title = *Help().widgets.at(0);
    EXPECT_EQ(title.text, "Gulpwise 1.5 help");
    EXPECT_EQ(title.x, 18);
    EXPECT_EQ(title.y, 4);
    EXPECT_EQ(&title.font, TheGui->largeFont.get());
    const Button& close = *Help().buttons.at(0);
    EXPECT_EQ(close.id, CloseButton);
    EXPECT_EQ(close.x, 416);
    EXPECT_EQ(close.y, 4);
}

TEST_F(HelpScreenTest, TheShippedTextFitsTheDialogWidth)
{
    const Lines lines = ShownLines();
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
        const bool oneWord = line.find(' ') == line.size() - 1;
        EXPECT_TRUE(TheGui->smallFont->TextWidth(line) < WrapWidth || oneWord) << line;
    }
}

TEST_F(HelpScreenTest, TheLinesAreFourteenPixelsApartInTheSmallFont)
{
    sandbox->Write("data/help_text.cfg", "first\nsecond\nthird\n");
    Rebuild();
    ASSERT_EQ(ShownLines(), (Lines{"first ", "second ", "third "}));
    for (int j = 0; j < 3; ++j) {
        const TextWidget& line = *Help().widgets.at(FirstLineWidget + j);
        EXPECT_EQ(line.x, 14);
        EXPECT_EQ(line.y, 27 + 14 * j);
        EXPECT_EQ(&line.font, TheGui->smallFont.get());
    }
}

TEST_F(HelpScreenTest, ThirtyLinesShowOnlyTheFirstTwentyFour)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "line " + std::to_string(i) + "\n";
    sandbox->Write("data/help_text.cfg", text);
    Rebuild();
    ASSERT_EQ(ShownLines().size(), 30u);
    int visible = 0;
    for (size_t i = FirstLineWidget; i < Help().widgets.size(); ++i)
        visible += Help().y + Help().widgets[i]->y < TheScreen->height;
    EXPECT_EQ(visible, 24);
}

TEST_F(HelpScreenTest, ALastLineWithoutALineFeedIsNotShown)
{
    sandbox->Write("data/help_text.cfg", "kept\nlost");
    Rebuild();
    EXPECT_EQ(ShownLines(), (Lines{"kept "}));
}

TEST_F(HelpScreenTest, AnEmptyFileGivesOnlyTheTitleAndClose)
{
    sandbox->Write("data/help_text.cfg", "");
    Rebuild();
    EXPECT_EQ(Help().widgets.size(), 1u);
    EXPECT_EQ(Help().buttons.size(), 1u);
}

TEST_F(HelpScreenTest, AMissingHelpFileIsReportedAndThePageSaysSo)
{
    sandbox->Remove("data/help_text.cfg");
    CaptureOutput();
    Rebuild();
    EXPECT_EQ(TakeOutput(), "Error while opening file data/help_text.cfg !");
    const Lines lines = ShownLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("not available"), std::string::npos);

    Click(HelpButton);  // the game goes on, and the page can be opened
    RunFrames(1);
    EXPECT_EQ(GameState, HelpScreen);
}

TEST_F(HelpScreenTest, AnUnreadableHelpFileIsReportedLikeAMissingOne)
{
    sandbox->Remove("data/help_text.cfg");
    std::filesystem::create_directory(sandbox->path + "/data/help_text.cfg");
    CaptureOutput();
    Rebuild();
    EXPECT_EQ(TakeOutput(), "Error while opening file data/help_text.cfg !");
    EXPECT_FALSE(ShownLines().empty());
}

// The game starts without its help file.
class MissingHelpFileTest : public HelpScreenTest {
protected:
    void PrepareGameFiles() override { sandbox->Remove("data/help_text.cfg"); }
};

TEST_F(MissingHelpFileTest, TheGameStartsAndShowsTheNotice)
{
    ASSERT_TRUE(TheGui);
    EXPECT_FALSE(sandbox->Exists("data/help_text.cfg"));
    Click(HelpButton);
    RunFrames(1);
    EXPECT_EQ(GameState, HelpScreen);
    EXPECT_NE(ShownLines().front().find("not available"), std::string::npos);
}

}  // namespace
