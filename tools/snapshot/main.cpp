// Runs the first frames of the game headless in the current folder (a game
// folder: it saves its configuration there at the end) and writes the window's
// picture as a BMP file.
#include <cstdio>
#include <cstdlib>

#include "app/HeadlessGame.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: gulpwise-snapshot OUT.bmp [FRAMES]\n");
        return 2;
    }
    const int frames = argc == 3 ? atoi(argv[2]) : 1;
    if (frames < 1) {
        fprintf(stderr, "FRAMES must be 1 or more\n");
        return 2;
    }
    UseHeadlessDrivers();
    StartHeadlessGame();
    for (int i = 0; i < frames; ++i)
        RunHeadlessFrame(FrameCommands{});
    const bool saved = SDL_SaveBMP(TheScreen->surface, argv[1]) == 0;
    StopHeadlessGame();
    if (!saved)
        fprintf(stderr, "cannot write %s\n", argv[1]);
    return saved ? 0 : 1;
}
