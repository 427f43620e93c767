// Online play in a build without network play: the online screen says so and
// the game goes on (the browser build takes this in place of app/OnlineMode.cpp).
#include "app/PlayMode.h"
#include "gui/Gui.h"
#include "platform/Globals.h"

std::unique_ptr<Mode> OnlineMode(GuiRequest, ReplayArchive*)
{
    TheGui->onlineNotice = "Online play is not in this build";
    return nullptr;
}
