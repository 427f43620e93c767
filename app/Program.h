// Start-up and shutdown of the program's global objects.
#pragma once

#include "platform/Fullscreen.h"

// How the command line asked the window to open.
struct DisplayOptions {
    DisplayStart start = DisplayStart::Remembered;  // full screen, a window, or as chosen before
    int windowScale = 0;  // --scale N; 0: the remembered scale, or the game's pick
};

// Creates the global objects in their fixed order, each stored in its global
// pointer before the next is made.
void CreateGlobals(const DisplayOptions& display = {});
// The first two of them alone: the screen, then the configuration.
void CreateScreenAndConfig(const DisplayOptions& display = {});
// Destroys them in the shutdown order (saving the configuration); null pointers are skipped.
void DestroyGlobals();
