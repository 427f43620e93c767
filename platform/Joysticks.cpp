#include "platform/Joysticks.h"

#include <SDL/SDL.h>

// The joysticks stay open for the whole run; the media library closes them when it quits.
int OpenJoysticks()
{
    static int opened = -1;
    if (opened >= 0)
        return opened;
    opened = 0;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return opened;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickOpen(i))
            ++opened;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return opened;
}
