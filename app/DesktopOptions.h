// The command-line options of the desktop game: window or full screen, the
// window's scale, the gamepad's side in the hotseat, and a run that ends by itself.
#pragma once

constexpr const char* DesktopUsage =
    "  --fullscreen            start full screen (F11 or Alt+Enter switches)\n"
    "  --window                start in a window\n"
    "  --scale N               show the window N times its size, 1 to 8 (F10 steps through them)\n"
    "  --pad-plays-ghosts      with two human players, the first gamepad plays the ghosts\n"
    "  --quit-after-frames N   end the game by itself after N frames\n";

// Reads argv[i] when it is one of these options; returns how many arguments
// it took, 0 when it is not one of them, -1 when its value is missing or bad.
int TakeDesktopOption(int argc, char** argv, int i);

// Once the globals exist: ends the frame loop after the frames asked for, if any.
void ApplyFrameLimit();
