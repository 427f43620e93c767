// The game's one source of time. The game reads the media library's
// millisecond tick count and sleeps with it; tests and the match simulator
// switch to a manual clock that moves only when told, so that a run is
// repeatable frame by frame.
#pragma once

#include <cstdint>

// Milliseconds since start-up, as a signed 32-bit count like the game's deadlines.
int Now();
// Waits the given number of milliseconds (a manual clock just moves on).
void Sleep(int milliseconds);

// Switches to the manual clock, starting at the given time.
void UseManualClock(int startTime);
// Switches back to the media library's clock.
void UseRealClock();
// Moves the manual clock on.
void AdvanceManualClock(int milliseconds);
