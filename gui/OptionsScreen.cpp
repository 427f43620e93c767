// The options screen: frame rate, time limit, volumes, tile set and the way
// to the key bindings.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

std::unique_ptr<Panel> BuildOptionsMenu(const Gui& gui)
{
    return std::make_unique<Panel>(0, 198, 144, 180, gui.images[Menu144x180]);
}

bool OnOptionsRelease(int)
{
    return false;
}
