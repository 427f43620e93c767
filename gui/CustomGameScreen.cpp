// The custom game screen: who plays each side, their speeds, the ghost count,
// the custom maze and the time limit, and the start of the game.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

std::unique_ptr<Panel> BuildCustomGameMenu(const Gui& gui)
{
    return std::make_unique<Panel>(0, 198, 144, 180, gui.images[Menu144x180]);
}

bool OnCustomGameRelease(int)
{
    return false;
}
