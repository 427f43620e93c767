// The controls screen: the key of every action, rebinding by click and key,
// the stock key sets, and keeping or dropping the changes.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

std::unique_ptr<Panel> BuildControlsMenu(Gui& gui)
{
    return std::make_unique<Panel>(36, 18, 432, 342, gui.images[Menu432x342]);
}

void OnControlsPress(int)
{
}

bool OnControlsRelease(int)
{
    return false;
}
