// The level's time limit, counted down in frames of play and shown as
// minutes and seconds in a box at the bottom centre of the window.
#pragma once

#include <SDL/SDL.h>

class BitmapFont;

constexpr int DefaultTimeLimit = 90;   // seconds; every run starts with it
constexpr int MaxShownSeconds = 599;   // the display stops at 9:59

class CountdownTimer {
public:
    CountdownTimer(const BitmapFont& font, SDL_Surface* image);

    void Reset();  // recomputes framesLeft and the display from limit
    void Tick();   // one frame of play
    void Draw() const;

    int limit;               // seconds
    int framesLeft;          // frames of play left
    int seconds;             // seconds part of the display, 0 to 59
    int tens;                // tens digit of seconds
    int units;               // units digit of seconds
    int minutes;             // minutes part of the display, 0 to 9
    int framesToNextSecond;  // frames until the display steps down a second
    int x, y, w, h;          // the box on the window
    const BitmapFont& font;  // the large font
    SDL_Surface* image;      // the 72 x 18 button image, not owned
};
