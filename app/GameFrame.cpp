// One frame of local play: the interface's requests, the tick, its sounds,
// the replay archive and the drawing, in that order.
#include "app/GameFrame.h"

#include <utility>

#include "actors/GameEvents.h"
#include "app/ReplayViewer.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "replay/Archive.h"
#include "rules/FrameSounds.h"
#include "rules/Tick.h"

void ServeGuiRequest()
{
    const GuiRequest request = std::exchange(TheGui->request, GuiRequest::None);
    switch (request) {
    case GuiRequest::StartLevel:
        StartLevel();
        break;
    case GuiRequest::WatchLatestReplay:
        WatchLatestReplay();
        break;
    case GuiRequest::KeepReplay:
        if (TheArchive)
            TheArchive->KeepLast();
        break;
    case GuiRequest::None:
        break;
    }
}

bool RunGameFrame(const FrameCommands& commands, bool draw)
{
    const bool quit = Tick(commands);
    PlayFrameSounds();
    if (TheArchive)
        TheArchive->FrameDone(commands);
    if (draw) {
        const bool levelOver = FrameState == GulperWins || FrameState == GhostsWin;
        DrawGame(levelOver && TheArchive ? TheArchive->Notice() : std::string());
    }
    return quit;
}

bool UpdateGameFrame()
{
    ServeGuiRequest();
    if (IsWatching())
        return TheScreen->runFrame();  // watching began: its first frame is this one
    FrameCommands commands;
    std::swap(commands, TheGui->commands);  // the input of the next frame starts afresh
    return RunGameFrame(commands, true);
}
