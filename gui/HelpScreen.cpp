// The help screen: a page of text read at start-up, word-wrapped under the
// game's title and version.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/GameState.h"
#include "platform/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"

namespace {

constexpr const char* HelpPath = "data/help_text.cfg";
// Shown instead of the help text when its file cannot be read.
constexpr const char* HelpUnavailable =
    "The help text is not available: the file data/help_text.cfg could not be read.";

// The dialog, over the maze.
constexpr int PanelX = 36;
constexpr int PanelY = 18;

// The text: lines of the small font, 14 pixels apart, wrapped to 396 pixels.
constexpr int TextX = 14;
constexpr int FirstLineY = 27;
constexpr int LinePitch = 14;
constexpr int WrapWidth = 396;

// The paragraphs of the help file, one a line. A last line with no line feed
// after it is not taken. False when the file cannot be opened or read (a
// folder of that name, say).
bool ReadParagraphs(const char* path, std::vector<std::string>& paragraphs)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string line;
    while (std::getline(file, line) && !file.eof())
        paragraphs.push_back(line);
    return !file.bad();
}

}  // namespace

// Every word is followed by one blank, and a line is broken before the word
// that would make it reach maxWidth. A word wider than maxWidth by itself gets
// a line of its own.
std::vector<std::string> WrapLines(const std::vector<std::string>& lines, int maxWidth,
                                   const BitmapFont& font)
{
    std::vector<std::string> wrapped;
    for (const std::string& line : lines) {
        wrapped.emplace_back();
        int64_t width = 0;  // of the output line being filled
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            word += ' ';
            const int64_t wordWidth = font.TextWidth(word);
            if (width + wordWidth >= maxWidth) {
                wrapped.push_back(word);
                width = wordWidth;
            } else {
                wrapped.back() += word;
                width += wordWidth;
            }
        }
    }
    return wrapped;
}

// A help file that cannot be read does not stop the game: the page says so.
std::unique_ptr<Panel> BuildHelpPanel(const Gui& gui)
{
    std::vector<std::string> paragraphs;
    if (!ReadParagraphs(HelpPath, paragraphs)) {
        fprintf(stdout, "Error while opening file %s !", HelpPath);
        paragraphs.assign(1, HelpUnavailable);
    }

    auto panel = std::make_unique<Panel>(PanelX, PanelY, DialogWidth, DialogHeight,
                                         gui.images[Menu432x342]);
    const std::string title = std::string(GameTitle) + " " + GameVersion + " help";
    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, title, 18, 4, WideButtonWidth,
                                                  RowHeight, AlignLeft, AlignTop));
    int y = FirstLineY;
    for (const std::string& line : WrapLines(paragraphs, WrapWidth, *gui.smallFont)) {
        panel->AddWidget(std::make_unique<TextWidget>(*gui.smallFont, line, TextX, y,
                                                      WideButtonWidth, RowHeight, AlignLeft,
                                                      AlignTop));
        y += LinePitch;
    }
    panel->AddButton(416, 4, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                     gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    return panel;
}

bool OnHelpRelease(int id)
{
    if (id == CloseButton)
        GameState = MainMenu;
    return false;
}
