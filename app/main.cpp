// Gulpwise: a maze-chase game.
//
//   gulpwise [OPTIONS]             the game
//   gulpwise --replay FILE         watches a replay, then ends
//   gulpwise --host [PORT]         network play: sets up a game for another machine
//   gulpwise --join HOST[:PORT]    network play: joins one
//   gulpwise --help                the options, on standard output
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/Globals.h"
#include "app/DesktopOptions.h"
#include "app/NetGame.h"
#include "app/Program.h"
#include "app/Replay.h"
#include "app/ReplayArchive.h"
#include "app/ReplayViewer.h"
#include "platform/Screen.h"

namespace {

constexpr int UsageStatus = 2;
constexpr const char* UsageLine = "Usage: gulpwise [OPTIONS]\nOptions:\n";
constexpr const char* OwnUsage =
    "  --replay FILE           watch a replay, then end\n"
    "  --host [PORT]           network play: wait for another player (port 24862 unless given)\n"
    "  --join HOST[:PORT]      network play: join the game set up on HOST\n"
    "  --help                  show these options and end\n";

void PrintUsage(FILE* to)
{
    fprintf(to, "%s%s%s", UsageLine, OwnUsage, DesktopUsage);
}

int Usage(const char* option, const std::string& why)
{
    fprintf(stderr, "gulpwise: %s %s\n", why.c_str(), option);
    PrintUsage(stderr);
    return UsageStatus;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* replayPath = nullptr;
    NetOptions network;
    bool networkPlay = false;
    for (int i = 1; i < argc;) {
        if (strcmp(argv[i], "--help") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        std::string error;
        int taken = TakeDesktopOption(argc, argv, i);
        if (taken == 0 && strcmp(argv[i], "--replay") == 0 && i + 1 < argc) {
            replayPath = argv[i + 1];
            taken = 2;
        }
        if (taken == 0) {
            taken = TakeNetOption(argc, argv, i, network, error);
            networkPlay = networkPlay || taken > 0;
        }
        if (taken <= 0)
            return Usage(argv[i], error.empty() ? "unknown or incomplete option" : error);
        i += taken;
    }
    if (replayPath && networkPlay)
        return Usage("--replay", "network play cannot be combined with");

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
    if (networkPlay)
        RunNetGame(network);
    else
        TheScreen->Run();
    DestroyGlobals();
    TheArchive = nullptr;
    return 0;
}
