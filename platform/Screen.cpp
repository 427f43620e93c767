#include "platform/Screen.h"

#include <SDL/SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Globals.h"
#include "platform/Joysticks.h"

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

Screen::Screen(int framesPerSecond, bool startWindowed, int width, int height,
               int commandLineScale)
    : width(width), height(height), framePeriod(1000 / framesPerSecond),
      framesPerSecond(framesPerSecond), nextFrameTime(0), surface(nullptr),
      windowed(true), windowScale(1), display(nullptr), picture(nullptr), desktopWidth(width),
      desktopHeight(height), audioOpen(false), pollEvent(SDL_PollEvent)
{
    // Should the media library enlarge the window itself (the player may ask
    // it to with SDL12COMPAT_WINDOW_SCALING), its pixels stay as sharp as the
    // game's own enlarging keeps them.
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
    if (!StartMediaLibrary()) {
        fprintf(stdout, "Unable to init SDL: %s\n", SDL_GetError());
        fflush(stdout);
        exit(1);
    }
    RegisterShutdownOnce();
    OpenJoysticks();

    if (Mix_OpenAudio(AudioRate, AudioFormat, AudioChannels, AudioChunkSize) == 0) {
        audioOpen = true;
    } else {
        fprintf(stdout, "Warning: Couldn't set 44100 Hz 16-bit audio\nReason: %s\n", SDL_GetError());
    }

    // The screen's size before any mode is set: the size of full screen.
    if (const SDL_VideoInfo* screenInfo = SDL_GetVideoInfo();
        screenInfo && screenInfo->current_w > 0 && screenInfo->current_h > 0) {
        desktopWidth = screenInfo->current_w;
        desktopHeight = screenInfo->current_h;
    }
    // The icon stays loaded for the whole run: the window may refer to it.
    static SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile("images/icon.bmp", "rb"), 1);
    if (icon)
        SDL_WM_SetIcon(icon, nullptr);
    const std::string caption = std::string(GameTitle) + " " + GameVersion;
    SDL_WM_SetCaption(caption.c_str(), caption.c_str());
#ifndef __EMSCRIPTEN__  // in the browser the page scales the picture
    windowScale = StartWindowScale(commandLineScale, desktopWidth, desktopHeight, width, height);
    if (commandLineScale != 0)
        RememberWindowScale(windowScale);
#else
    (void)commandLineScale;
#endif
    SetFullscreen(!startWindowed);
    SDL_ShowCursor(1);
}

Screen::~Screen()
{
    SDL_UnlockSurface(surface);
    if (picture)
        SDL_FreeSurface(picture);
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
