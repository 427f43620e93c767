// Gulpwise: a maze-chase game.
//
//   gulpwise                  the game
//   gulpwise --replay FILE    watches a replay, then ends
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Globals.h"
#include "app/Program.h"
#include "app/Replay.h"
#include "app/ReplayArchive.h"
#include "app/ReplayViewer.h"
#include "platform/Screen.h"

namespace {

constexpr int UsageStatus = 2;

void PrintUsage()
{
    fprintf(stdout, "Usage: gulpwise [--replay FILE]\n");
}

}  // namespace

int main(int argc, char** argv)
{
    const char* replayPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--replay") == 0 && i + 1 < argc) {
            replayPath = argv[++i];
        } else {
            PrintUsage();
            return UsageStatus;
        }
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
    TheScreen->Run();
    DestroyGlobals();
    TheArchive = nullptr;
    return 0;
}
