// The usual game as a mode: requests, tick, sounds, archive, drawing.
#include "app/PlayMode.h"

#include <cstdio>
#include <utility>

#include "app/WatchMode.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "replay/Archive.h"
#include "rules/FrameSounds.h"
#include "rules/Tick.h"

namespace {

// Serves what the interface asked for since the last frame; a replay to
// watch becomes the next mode.
std::unique_ptr<Mode> ServeGuiRequest(ReplayArchive* archive)
{
    switch (std::exchange(TheGui->request, GuiRequest::None)) {
    case GuiRequest::StartLevel:
        StartLevel();
        break;
    case GuiRequest::WatchLatestReplay:
        return WatchLatestReplay(archive);
    case GuiRequest::KeepReplay:
        if (archive)
            archive->KeepLast();
        break;
    case GuiRequest::HostOnline:
    case GuiRequest::JoinOnline:
    case GuiRequest::WatchOnline:
        // Online play through the relay is the program's online mode's to
        // serve; the usual game leaves these requests unanswered for now.
        break;
    case GuiRequest::None:
        break;
    }
    return nullptr;
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
    next = ServeGuiRequest(archive);
    if (next)
        return false;  // watching starts with the next frame
    FrameCommands commands;
    std::swap(commands, TheGui->commands);  // the input of the next frame starts afresh
    return RunGameFrame(commands, archive);
}

void PlayMode::Draw() const
{
    DrawGame(PlayCaption(archive));
}
