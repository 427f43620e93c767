#include "gui/Caption.h"

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
