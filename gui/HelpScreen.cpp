// The help screen: a page of text read at start-up, word-wrapped under the
// game's title and version.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

std::unique_ptr<Panel> BuildHelpPanel(const Gui& gui)
{
    return std::make_unique<Panel>(36, 18, 432, 342, gui.images[Menu432x342]);
}

std::vector<std::string> WrapLines(const std::vector<std::string>& lines, int, const BitmapFont&)
{
    return lines;
}

bool OnHelpRelease(int)
{
    return false;
}
