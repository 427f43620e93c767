// The level's time limit, counted down in frames of play, with the minutes
// and seconds a display shows. The tick counts it down; the interface owns
// and draws it (gui/CountdownTimer).
#pragma once

#include "platform/LevelSettings.h"

constexpr int MaxShownSeconds = 599;   // the display stops at 9:59

class LevelTimer {
public:
    LevelTimer();
    void Reset();  // recomputes framesLeft and the display from limit
    void Tick();   // one frame of play

    int limit;               // seconds
    int framesLeft;          // frames of play left
    int seconds;             // seconds part of the display, 0 to 59
    int tens;                // tens digit of seconds
    int units;               // units digit of seconds
    int minutes;             // minutes part of the display, 0 to 9
    int framesToNextSecond;  // frames until the display steps down a second
};
