#include "platform/Clock.h"

#include <SDL/SDL.h>

#include <optional>

namespace {
// The manual clock's time, moved only by Sleep and AdvanceManualClock; none
// while the media library's clock is in use.
std::optional<int> manualTime;
}  // namespace

int Now()
{
    return manualTime ? *manualTime : static_cast<int>(SDL_GetTicks());
}

void Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    if (manualTime)
        *manualTime += milliseconds;
    else
        SDL_Delay(static_cast<Uint32>(milliseconds));
}

void UseManualClock(int startTime)
{
    manualTime = startTime;
}

void UseRealClock()
{
    manualTime.reset();
}

void AdvanceManualClock(int milliseconds)
{
    if (manualTime)
        *manualTime += milliseconds;
}
