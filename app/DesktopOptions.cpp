#include "app/DesktopOptions.h"

#include <cstdlib>
#include <cstring>

#include "platform/Fullscreen.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "input/Gamepad.h"

namespace {

constexpr long MaxFrames = 1000000000;

// A whole number written out in full; 0 for anything else.
long NumberIn(const char* text)
{
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' ? number : 0;
}

}  // namespace

int TakeDesktopOption(int argc, char** argv, int i, DesktopOptions& options)
{
    const char* option = argv[i];
    if (std::strcmp(option, "--fullscreen") == 0) {
        options.display.start = DisplayStart::Fullscreen;
        return 1;
    }
    if (std::strcmp(option, "--window") == 0) {
        options.display.start = DisplayStart::Window;
        return 1;
    }
    if (std::strcmp(option, "--pad-plays-ghosts") == 0) {
        options.padPlaysGhosts = true;
        return 1;
    }
    const bool scale = std::strcmp(option, "--scale") == 0;
    if (!scale && std::strcmp(option, "--quit-after-frames") != 0)
        return 0;
    const long number = i + 1 < argc ? NumberIn(argv[i + 1]) : 0;
    if (scale && number >= 1 && number <= MaxWindowScale) {
        options.display.windowScale = static_cast<int>(number);
        return 2;
    }
    if (!scale && number >= 1 && number <= MaxFrames) {
        options.frameLimit = number;
        return 2;
    }
    return -1;
}
