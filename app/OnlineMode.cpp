// Online play as the online screen asks for it: network play through the relay.
// Its own file, so that a build without network play (the browser's) can put
// its own in its place.
#include "app/NetMode.h"
#include "app/PlayMode.h"
#include "gui/Gui.h"
#include "platform/Globals.h"

std::unique_ptr<Mode> OnlineMode(GuiRequest request, ReplayArchive* archive)
{
    const Gui& gui = *TheGui;
    NetOptions options;
    options.online = true;
    options.relayUrl = gui.online.relayUrl;
    options.role = request == GuiRequest::HostOnline  ? NetRole::Host
                   : request == GuiRequest::JoinOnline ? NetRole::Join
                                                       : NetRole::Watch;
    if (options.role != NetRole::Host)
        options.roomCode = gui.onlineCode;
    return std::make_unique<NetMode>(options, archive);
}
