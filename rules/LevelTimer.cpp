// The level countdown: frames of play left, and the minutes and seconds shown.
#include "rules/LevelTimer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int LastSecond = 59;
constexpr int TensOfLastSecond = 5;
constexpr int LastUnit = 9;
constexpr int Decimal = 10;

}  // namespace

LevelTimer::LevelTimer()
    : limit(DefaultTimeLimit), framesLeft(0), seconds(0), tens(0), units(0), minutes(0),
      framesToNextSecond(0)
{
}

// The frames follow the frame rate in force now; the display stops at 9:59
// however long the limit. A limit read from a file may be absurd: the frame
// count is kept within an int and a negative limit shows 0:00.
void LevelTimer::Reset()
{
    const int rate = TheScreen->framesPerSecond;
    framesLeft = static_cast<int>(
        std::clamp<int64_t>(int64_t{limit} * rate, INT_MIN, INT_MAX));
    seconds = std::clamp(limit, 0, MaxShownSeconds);
    minutes = seconds / SecondsPerMinute;
    seconds -= SecondsPerMinute * minutes;
    tens = seconds / Decimal;
    units = seconds % Decimal;
    framesToNextSecond = rate;
}

void LevelTimer::Tick()
{
    --framesLeft;
    --framesToNextSecond;
    if (framesToNextSecond > 0)
        return;
    framesToNextSecond = TheScreen->framesPerSecond;
    if (seconds == 0) {
        --minutes;
        seconds = LastSecond;
        tens = TensOfLastSecond;
        units = LastUnit;
    } else {
        --seconds;
        if (units == 0) {
            --tens;
            units = LastUnit;
        } else {
            --units;
        }
    }
    if (minutes < 0)
        minutes = seconds = tens = units = 0;
}

