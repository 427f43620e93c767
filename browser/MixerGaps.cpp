// What the browser's emulation of the mixer leaves out (it throws instead).
#include <SDL/SDL_mixer.h>

extern "C" {

// The emulation has no per-sound volume, only the channels' volume. The game
// gives every effect the same volume, the effects volume of the options, so
// setting it on every channel is the same.
int Mix_VolumeChunk(Mix_Chunk*, int volume)
{
    return Mix_Volume(-1, volume);
}

}  // extern "C"
