// Gulpwise: a maze-chase game.
//
//   gulpwise [OPTIONS]        the game
//   gulpwise --replay FILE    watches a replay, then ends
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Globals.h"
#include "app/DesktopOptions.h"
#include "app/Program.h"
#include "app/Replay.h"
#include "app/ReplayArchive.h"
#include "app/ReplayViewer.h"
#include "platform/Screen.h"

namespace {

constexpr int UsageStatus = 2;
constexpr const char* ReplayUsage = "  --replay FILE           watch a replay, then end\n";

void PrintUsage(const char* option)
{
    fprintf(stderr, "gulpwise: unknown or incomplete option %s\nOptions:\n%s%s", option,
            ReplayUsage, DesktopUsage);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* replayPath = nullptr;
    for (int i = 1; i < argc;) {
        int taken = TakeDesktopOption(argc, argv, i);
        if (taken == 0 && strcmp(argv[i], "--replay") == 0 && i + 1 < argc) {
            replayPath = argv[i + 1];
            taken = 2;
        }
        if (taken <= 0) {
            PrintUsage(argv[i]);
            return UsageStatus;
        }
        i += taken;
    }

    // A replay that cannot be read is reported before anything opens or is written.
    Replay replay;
    if (replayPath && !ReadReplayToWatch(replayPath, replay))
        return EXIT_FAILURE;

    ReplayArchive archive;
    TheArchive = &archive;
    CreateGlobals();
    if (replayPath && !StartWatchingFile(replayPath, replay, AfterWatching::EndProgram))
        exit(EXIT_FAILURE);  // like the other start-up failures: nothing is saved
    ApplyFrameLimit();
    TheScreen->Run();
    DestroyGlobals();
    TheArchive = nullptr;
    return 0;
}
