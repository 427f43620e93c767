#include "app/HeadlessGame.h"

#include <cstdlib>

#include "app/Clock.h"
#include "app/GameFlow.h"
#include "app/Globals.h"
#include "app/Program.h"
#include "app/Screen.h"

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
    const bool quit = Tick(commands);
    PlayFrameSounds();
    if (draw)
        DrawGame();
    AdvanceManualClock(TheScreen->framePeriod);
    return quit;
}
