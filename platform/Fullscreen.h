// Full screen: where the picture lies on a screen of any size, and the
// player's choice of window or full screen, kept in a small file of its own.
#pragma once

// The picture on the whole screen: enlarged by a whole number of pixels per
// pixel, the largest that fits, and centred, with black borders around it.
struct Letterbox {
    int scale = 1;  // screen pixels per picture pixel along each side
    int left = 0;   // screen column of the picture's first column
    int top = 0;    // screen row of the picture's first row
};
// A screen smaller than the picture shows it at scale 1, centred and cut.
Letterbox FitPicture(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);

// Where the choice is kept, relative to the game folder: "fullscreen" or "window".
constexpr const char* DisplayChoicePath = "data/display.cfg";
// The remembered choice; a missing or unreadable file means the window.
bool LoadFullscreenChoice();
// Writes the choice atomically; false (file unchanged) when it cannot be written.
bool SaveFullscreenChoice(bool fullscreen);

// How the program starts: the command line's choice when it made one
// (--fullscreen, --window), otherwise the remembered one.
enum class DisplayStart { Remembered, Fullscreen, Window };
extern DisplayStart StartDisplay;
bool StartsFullscreen();
