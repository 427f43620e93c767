#include "platform/Screen.h"

#include <SDL/SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Globals.h"

namespace {

constexpr int AudioRate = 44100;
constexpr Uint16 AudioFormat = AUDIO_S16LSB;  // signed 16-bit little-endian samples
constexpr int AudioChannels = 2;
constexpr int AudioChunkSize = 2048;

// Starts the media library. Without a usable audio device the library may
// refuse to start its audio part; the game then starts video alone and plays
// silently instead of giving up.
bool StartMediaLibrary()
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) == 0)
        return true;
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

void RegisterShutdownOnce()
{
    static bool registered = false;
    if (!registered) {
        atexit(SDL_Quit);
        registered = true;
    }
}

}  // namespace

Screen::Screen(int framesPerSecond, bool windowed, int width, int height)
    : width(width), height(height), framePeriod(1000 / framesPerSecond),
      framesPerSecond(framesPerSecond), nextFrameTime(0), surface(nullptr),
      windowed(windowed), audioOpen(false), pollEvent(SDL_PollEvent),
      input(nullptr), runFrame(nullptr)
{
    if (!StartMediaLibrary()) {
        fprintf(stdout, "Unable to init SDL: %s\n", SDL_GetError());
        fflush(stdout);
        exit(1);
    }
    RegisterShutdownOnce();

    if (Mix_OpenAudio(AudioRate, AudioFormat, AudioChannels, AudioChunkSize) == 0) {
        audioOpen = true;
    } else {
        fprintf(stdout, "Warning: Couldn't set 44100 Hz 16-bit audio\nReason: %s\n", SDL_GetError());
    }

    if (windowed) {
        // The icon stays loaded for the whole run: the window may refer to it.
        static SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile("images/icon.bmp", "rb"), 1);
        if (icon)
            SDL_WM_SetIcon(icon, nullptr);
        const std::string caption = std::string(GameTitle) + " " + GameVersion;
        SDL_WM_SetCaption(caption.c_str(), caption.c_str());
        surface = SDL_SetVideoMode(width, height, 32, 0);
    } else {
        surface = SDL_SetVideoMode(width, height, 32, SDL_FULLSCREEN);
    }
    if (!surface) {
        fprintf(stdout, "Unable to set %d x %d video: %s\n", width, height, SDL_GetError());
        fflush(stdout);
        exit(1);
    }
    SDL_ShowCursor(1);
    // Outside a blit the window surface stays locked, so its pixels may be written directly.
    SDL_LockSurface(surface);
}

Screen::~Screen()
{
    SDL_UnlockSurface(surface);
}

void Screen::SetFramesPerSecond(int rate)
{
    framesPerSecond = rate;
    framePeriod = 1000 / rate;
}

void UseHeadlessDrivers()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}
