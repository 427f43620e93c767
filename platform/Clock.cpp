#include "platform/Clock.h"

#include <SDL/SDL.h>

namespace {
bool manual = false;  // true: time is manualTime, moved by Sleep and AdvanceManualClock
int manualTime = 0;
}  // namespace

int Now()
{
    return manual ? manualTime : static_cast<int>(SDL_GetTicks());
}

void Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    if (manual)
        manualTime += milliseconds;
    else
        SDL_Delay(static_cast<Uint32>(milliseconds));
}

void UseManualClock(int startTime)
{
    manual = true;
    manualTime = startTime;
}

void UseRealClock()
{
    manual = false;
}

void AdvanceManualClock(int milliseconds)
{
    manualTime += milliseconds;
}
