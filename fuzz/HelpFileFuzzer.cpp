// Fuzzes the reader of the help file and the word wrapping of its text:
// the help screen is built from the input and drawn, and the input's lines
// are wrapped in both fonts to several widths. Wrapping keeps every word in
// order, and only a word that is too wide by itself makes a line reach the
// width.
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Globals.h"
#include "fuzz/FuzzGame.h"
#include "gui/BitmapFont.h"
#include "gui/Gui.h"
#include "gui/Screens.h"

namespace {

constexpr const char* HelpPath = "data/help_text.cfg";
const int WrapWidths[] = {396, 37, 0};

// The words of some lines, in order.
std::vector<std::string> WordsOf(const std::vector<std::string>& lines)
{
    std::vector<std::string> words;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        std::string word;
        while (in >> word)
            words.push_back(word);
    }
    return words;
}

void CheckWrapping(const std::vector<std::string>& lines, int maxWidth, const BitmapFont& font)
{
    const std::vector<std::string> wrapped = WrapLines(lines, maxWidth, font);
    Require(wrapped.size() >= lines.size(), "every paragraph starts a line of its own");
    Require(WordsOf(wrapped) == WordsOf(lines), "wrapping keeps every word, in order");
    for (const std::string& line : wrapped) {
        if (WordsOf({line}).size() > 1)
            Require(font.TextWidth(line) < maxWidth, "a line of several words stays below the width");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::WholeGame);
    const std::string input = InputText(data, size);
    WriteGameFile(HelpPath, input);
    std::unique_ptr<Panel> panel = BuildHelpPanel(*TheGui);
    panel->Draw();

    std::vector<std::string> lines;
    std::istringstream in(input);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    for (const int width : WrapWidths) {
        CheckWrapping(lines, width, *TheGui->smallFont);
        CheckWrapping(lines, width, *TheGui->largeFont);
    }
    return 0;
}
