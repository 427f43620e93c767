#include "app/HeadlessGame.h"

#include <cstdlib>

#include "platform/Clock.h"
#include "app/GameFrame.h"
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
    ServeGuiRequest();
    const bool quit = RunGameFrame(commands, draw);
    AdvanceManualClock(TheScreen->framePeriod);
    return quit;
}
