// The page's input events with the desktop's key numbers and names
// (browser/BrowserKeys.cpp, which also gives SDL_GetKeyName the desktop's names).
#pragma once

#include <SDL/SDL.h>

// SDL_PollEvent, with the key of a key event given as the desktop names it.
int PollBrowserEvent(SDL_Event* event);
