#include "app/HeadlessGame.h"

#include <cstdlib>
#include <utility>

#include "platform/Clock.h"
#include "app/PlayMode.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "rules/Tick.h"
#include "platform/Globals.h"
#include "app/Program.h"
#include "platform/Screen.h"

void StartHeadlessGame(GameParts parts)
{
    UseHeadlessDrivers();
    UseManualClock(HeadlessClockStart);
    if (parts == GameParts::WholeGame)
        CreateGlobals();
    else
        CreateScreenAndConfig();
}

void StopHeadlessGame()
{
    DestroyGlobals();
    UseRealClock();
}

bool RunHeadlessFrame(const FrameCommands& commands, bool draw)
{
    if (std::exchange(TheGui->request, GuiRequest::None) == GuiRequest::StartLevel)
        StartLevel();
    const bool quit = RunGameFrame(commands);
    if (draw)
        DrawGame();
    AdvanceManualClock(TheScreen->framePeriod);
    return quit;
}
