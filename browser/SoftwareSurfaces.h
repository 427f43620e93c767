// What the browser's own surfaces (SoftwareSurfaces.cpp) tell the page's
// game beyond the media library's functions.
#pragma once

#include <SDL/SDL.h>

// How many times in a row the window was shown with no pixel changed (and
// so not drawn on the page again); 0 after a frame that changed.
int WindowUnchangedShows(SDL_Surface* window);
