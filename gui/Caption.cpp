// A caption line over the game, and the progress bar under it.
#include "gui/Caption.h"

#include <algorithm>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/Gui.h"

namespace {
constexpr int TextX = 6;
constexpr int TextY = 2;
}  // namespace

void DrawCaption(const Gui& gui, const std::string& text)
{
    TheScreen->FillRect(0, 0, TheScreen->width, CaptionStripHeight, CaptionStripColour);
    gui.smallFont->DrawText(TextX, TextY, text);
}

void DrawProgressBar(int done, int total)
{
    const int width = TheScreen->width;
    const int lit = static_cast<int>(static_cast<long long>(width) *
                                     std::clamp(done, 0, std::max(1, total)) / std::max(1, total));
    TheScreen->FillRect(0, CaptionStripHeight, width, ProgressBarHeight, ProgressBarColour);
    if (lit > 0)
        TheScreen->FillRect(0, CaptionStripHeight, lit, ProgressBarHeight, ProgressDoneColour);
}

bool OnProgressBar(int x, int y)
{
    return x >= 0 && x < TheScreen->width && y >= CaptionStripHeight - ProgressBarClickMargin &&
           y < CaptionStripHeight + ProgressBarHeight + ProgressBarClickMargin;
}

int ProgressAt(int x, int total)
{
    const int width = std::max(1, TheScreen->width - 1);  // the last column stands for the end
    return static_cast<int>(static_cast<long long>(std::clamp(x, 0, width)) * total / width);
}
