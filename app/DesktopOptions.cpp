#include "app/DesktopOptions.h"

#include <cstdlib>
#include <cstring>

#include "platform/Fullscreen.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "input/Gamepad.h"

namespace {

constexpr long MaxFrames = 1000000000;

}  // namespace

int TakeDesktopOption(int argc, char** argv, int i, DesktopOptions& options)
{
    const char* option = argv[i];
    if (std::strcmp(option, "--fullscreen") == 0) {
        StartDisplay = DisplayStart::Fullscreen;
        return 1;
    }
    if (std::strcmp(option, "--window") == 0) {
        StartDisplay = DisplayStart::Window;
        return 1;
    }
    if (std::strcmp(option, "--pad-plays-ghosts") == 0) {
        options.padPlaysGhosts = true;
        return 1;
    }
    if (std::strcmp(option, "--quit-after-frames") != 0)
        return 0;
    if (i + 1 >= argc)
        return -1;
    char* end = nullptr;
    const long frames = std::strtol(argv[i + 1], &end, 10);
    if (*argv[i + 1] == '\0' || *end != '\0' || frames < 1 || frames > MaxFrames)
        return -1;
    options.frameLimit = frames;
    return 2;
}
