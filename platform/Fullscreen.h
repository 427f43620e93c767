// Full screen and the window's scale: where the picture lies on a screen of
// any size, how much the window enlarges it, and the player's choices of
// both, kept in a small file of their own.
#pragma once

#include <SDL/SDL.h>

// The picture on the whole screen: enlarged by a whole number of pixels per
// pixel, the largest that fits, and centred, with black borders around it.
struct Letterbox {
    int scale = 1;  // screen pixels per picture pixel along each side
    int left = 0;   // screen column of the picture's first column
    int top = 0;    // screen row of the picture's first row
};
// A screen smaller than the picture shows it at scale 1, centred and cut.
Letterbox FitPicture(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);

// The window shows the picture enlarged by a whole number: by default the
// largest at which the window fits in four fifths of the desktop both ways
// (twice on 1920 x 1080, three times on 2560 x 1440), at least 1 and at most
// MaxWindowScale.
constexpr int MaxWindowScale = 8;
int AutoWindowScale(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight);
// The key that steps through the scales, from 1 to the largest at which the
// window fits on the desktop, then back to 1.
constexpr SDLKey WindowScaleKey = SDLK_F10;
int NextWindowScale(int scale, int desktopWidth, int desktopHeight, int pictureWidth,
                    int pictureHeight);

// The player's choices, kept relative to the game folder in a file whose
// first word is "fullscreen" or "window", followed by "scale N" once the
// player has chosen the window's scale.
constexpr const char* DisplayChoicePath = "data/display.cfg";
struct DisplayChoice {
    bool fullscreen = false;  // full screen rather than the window
    int windowScale = 0;      // the window's scale the player chose; 0: none, the game picks
};
// A missing or unreadable file means the window at the scale the game picks;
// a scale outside 1 to MaxWindowScale is no choice.
DisplayChoice LoadDisplayChoice();
// Writes the choices atomically; false (file unchanged) when it cannot be written.
bool SaveDisplayChoice(const DisplayChoice& choice);
// Each changes one of the remembered choices, keeping the other.
bool RememberFullscreen(bool fullscreen);
bool RememberWindowScale(int scale);

// How the program starts: the command line's choice when it made one
// (--fullscreen, --window), otherwise the remembered one.
enum class DisplayStart { Remembered, Fullscreen, Window };
bool StartsFullscreen(DisplayStart start);
// The window's scale at start: the command line's (--scale N; 0: none), the
// remembered one, or the one the game picks for the desktop.
int StartWindowScale(int commandLineScale, int desktopWidth, int desktopHeight, int pictureWidth,
                     int pictureHeight);
