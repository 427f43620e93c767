// The level's countdown shown as minutes and seconds in a box at the bottom
// centre of the window: the counting of rules/LevelTimer with its drawing.
#pragma once

#include <SDL/SDL.h>

#include "rules/LevelTimer.h"

class BitmapFont;

class CountdownTimer : public LevelTimer {
public:
    CountdownTimer(const BitmapFont& font, SDL_Surface* image);
    void Draw() const;

    int x, y, w, h;          // the box on the window
    const BitmapFont& font;  // the large font
    SDL_Surface* image;      // the 72 x 18 button image, not owned
};
