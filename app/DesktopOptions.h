// The command-line options of the desktop game: window or full screen, the
// window's scale, the gamepad's side in the hotseat, and a run that ends by itself.
#pragma once

#include "app/Program.h"

constexpr const char* DesktopUsage =
    "  --fullscreen            start full screen (F11 or Alt+Enter switches)\n"
    "  --window                start in a window\n"
    "  --scale N               show the window N times its size, 1 to 8 (F10 steps through them)\n"
    "  --pad-plays-ghosts      with two human players, the first gamepad plays the ghosts\n"
    "  --quit-after-frames N   end the game by itself after N frames\n";

// What the options chose that the program applies itself.
struct DesktopOptions {
    DisplayOptions display;  // full screen or a window, and the window's scale
    long frameLimit = 0;  // frames to run before ending by itself; 0: no limit
    bool padPlaysGhosts = false;  // with two humans, the first gamepad plays the ghosts
};

// Reads argv[i] when it is one of these options; returns how many arguments
// it took, 0 when it is not one of them, -1 when its value is missing or bad.
int TakeDesktopOption(int argc, char** argv, int i, DesktopOptions& options);
