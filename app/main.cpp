// Gulpwise: a maze-chase game.
#include <cstdio>

#include "platform/Globals.h"
#include "app/DesktopOptions.h"
#include "app/Program.h"
#include "platform/Screen.h"

int main(int argc, char** argv)
{
    for (int i = 1; i < argc;) {
        const int taken = TakeDesktopOption(argc, argv, i);
        if (taken <= 0) {
            fprintf(stderr, "gulpwise: unknown or incomplete option %s\nOptions:\n%s", argv[i],
                    DesktopUsage);
            return 2;
        }
        i += taken;
    }
    CreateGlobals();
    ApplyFrameLimit();
    TheScreen->Run();
    DestroyGlobals();
    return 0;
}
