// The usual game as a mode: requests, tick, sounds, archive, drawing.
#include "app/PlayMode.h"

#include <cstdio>
#include <utility>

#ifndef __EMSCRIPTEN__
#include "app/NetMode.h"
#endif
#include "app/WatchMode.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "replay/Archive.h"
#include "rules/FrameSounds.h"
#include "rules/Tick.h"

std::unique_ptr<Mode> OnlineMode(GuiRequest request, ReplayArchive* archive)
{
#ifdef __EMSCRIPTEN__
    // The browser build has no network play yet: the request is let go.
    (void)request;
    (void)archive;
    return nullptr;
#else
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
#endif
}

namespace {

// Serves what the interface asked for since the last frame that the game
// serves itself; returns a request that changes the mode (a replay to watch,
// online play), which only a mode can serve, or None.
GuiRequest ServeGuiRequest(ReplayArchive* archive)
{
    const GuiRequest request = std::exchange(TheGui->request, GuiRequest::None);
    switch (request) {
    case GuiRequest::StartLevel:
        StartLevel();
        return GuiRequest::None;
    case GuiRequest::KeepReplay:
        if (archive)
            archive->KeepLast();
        return GuiRequest::None;
    default:
        return request;
    }
}

}  // namespace

bool RunGameFrame(const FrameCommands& commands, ReplayArchive* archive)
{
    const bool quit = Tick(commands);
    PlayFrameSounds();
    if (archive)
        archive->FrameDone(commands);
    return quit;
}

std::string PlayCaption(const ReplayArchive* archive)
{
    const bool levelOver = TheTick.frameState == GulperWins || TheTick.frameState == GhostsWin;
    return levelOver && archive ? archive->Notice() : std::string();
}

bool UpdateGameFrame(ReplayArchive* archive)
{
    ServeGuiRequest(archive);
    FrameCommands commands;
    std::swap(commands, TheGui->commands);  // the input of the next frame starts afresh
    const bool quit = RunGameFrame(commands, archive);
    DrawGame(PlayCaption(archive));
    return quit;
}

PlayMode::PlayMode(ReplayArchive* archive) : archive(archive) {}

InputHandler& PlayMode::Input()
{
    return *TheGui;
}

bool PlayMode::Update()
{
    switch (ServeGuiRequest(archive)) {
    case GuiRequest::WatchLatestReplay:
        next = WatchLatestReplay(archive);
        break;
    case GuiRequest::HostOnline:
        next = OnlineMode(GuiRequest::HostOnline, archive);
        break;
    case GuiRequest::JoinOnline:
        next = OnlineMode(GuiRequest::JoinOnline, archive);
        break;
    case GuiRequest::WatchOnline:
        next = OnlineMode(GuiRequest::WatchOnline, archive);
        break;
    default:
        break;
    }
    if (next)
        return false;  // the next mode starts with the next frame
    FrameCommands commands;
    std::swap(commands, TheGui->commands);  // the input of the next frame starts afresh
    return RunGameFrame(commands, archive);
}

void PlayMode::Draw() const
{
    DrawGame(PlayCaption(archive));
}
