// The help screen: the help file read at start-up (a paragraph a line, a last
// line without its line feed not taken), word-wrapped to 396 pixels in the
// small font (each word and one blank, a line broken before the word that
// would reach the width) under the title; an unreadable file is reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "gui/BitmapFont.h"
#include "gui/Screens.h"
#include "tests/game/GameTest.h"

namespace {

using Lines = std::vector<std::string>;

std::string Repeat(const std::string& word, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += word;
    return text;
}

// Wrapping measured with a font whose every glyph is 6 pixels wide: "abcde " is 36 pixels.
class WrapLinesTest : public BaseGlobalsTest {
protected:
    Lines Wrap(const Lines& lines)
    {
        sandbox->Write("data/even_chars_w.cfg", Repeat("6\n", 95));
        CaptureOutput();  // the font has no bitmap, and says so
        const BitmapFont font("data/even.bmp", "data/even_chars_w.cfg", 10, 32);
        TakeOutput();
        return WrapLines(lines, 396, font);
    }
};

TEST_F(WrapLinesTest, LinesBreakBeforeTheWordThatWouldReachTheWidth)
{
    const std::string huge(70, 'w');  // 426 pixels with its blank
    const struct {
        Lines paragraphs, lines;
    } cases[] = {
        {{"  \t  Eat   the\tcorn"}, {"Eat the corn "}},
        {{Repeat("abcde ", 11)}, {Repeat("abcde ", 10), "abcde "}},  // eleven words make 396
        {{Repeat("abcde ", 10) + "abcd"}, {Repeat("abcde ", 10) + "abcd "}},  // 390 stays whole
        {{Repeat("abcde ", 25)}, {Repeat("abcde ", 10), Repeat("abcde ", 10), Repeat("abcde ", 5)}},
        {{"one", "", "two"}, {"one ", "", "two "}},
        {{"ab " + huge + " cd"}, {"ab ", huge + " ", "cd "}},  // a line of its own,
        {{huge}, {"", huge + " "}},  // first in its paragraph after an empty line
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Wrap(c.paragraphs), c.lines) << (c.paragraphs.empty() ? "" : c.paragraphs[0]);
}

class HelpScreenTest : public GameTest {
protected:
    static Panel& Help() { return *TheGui->helpPanel; }
    // The panel as built at start-up from the help file in the game folder now.
    void RebuildWith(const char* text)
    {
        if (text)
            sandbox->Write("data/help_text.cfg", text);
        TheGui->helpPanel = BuildHelpPanel(*TheGui);
    }
    // The wrapped lines on the panel, after its title.
    static Lines ShownLines()
    {
        Lines lines;
        for (size_t i = 1; i < Help().widgets.size(); ++i)
            lines.push_back(Help().widgets[i]->text);
        return lines;
    }
};

TEST_F(HelpScreenTest, AMissingOrUnreadableHelpFileIsReportedAndThePageSaysSo)
{
    sandbox->Remove("data/help_text.cfg");
    for (const bool folderInItsPlace : {false, true}) {
        if (folderInItsPlace)
            std::filesystem::create_directory(sandbox->path + "/data/help_text.cfg");
        CaptureOutput();
        RebuildWith(nullptr);
        EXPECT_EQ(TakeOutput(), "Error while opening file data/help_text.cfg !");
        ASSERT_FALSE(ShownLines().empty());
        EXPECT_NE(ShownLines().front().find("not available"), std::string::npos);
    }
}

}  // namespace
