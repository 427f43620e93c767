// The steppers shared by several screens.
#include "gui/Steppers.h"

#include "platform/Config.h"
#include "gui/CountdownTimer.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "platform/Globals.h"
#include "gui/Gui.h"

namespace {

constexpr int FirstCustomMap = 1;  // map 0 is never reached by the steppers

}  // namespace

void RaiseTimeLimit()
{
    CountdownTimer& timer = *TheGui->timer;
    if (timer.limit >= TimeLimitCeiling)
        return;
    timer.limit += TimeLimitStep;
    timer.Reset();
}

void LowerTimeLimit()
{
    CountdownTimer& timer = *TheGui->timer;
    if (timer.limit <= TimeLimitFloor)
        return;
    timer.limit -= TimeLimitStep;
    timer.Reset();
}

bool CanStepMapForward()
{
    return TheConfig->mapNumber < TheConfig->mapCount - 1;
}

bool CanStepMapBackward()
{
    return TheConfig->mapNumber > FirstCustomMap;
}

void StepMapForward()
{
    if (!CanStepMapForward())
        return;
    ++TheConfig->mapNumber;
    ReloadCustomMaze(true);
}

void StepMapBackward()
{
    if (!CanStepMapBackward())
        return;
    --TheConfig->mapNumber;
    ReloadCustomMaze(false);
}
