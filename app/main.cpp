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
#include <memory>
#include <string>

#include "app/DesktopOptions.h"
#include "app/FrameDriver.h"
#include "app/NetMode.h"
#include "app/PlayMode.h"
#include "app/Program.h"
#include "app/WatchMode.h"
#include "gui/Gui.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "replay/Archive.h"
#include "replay/ReplayFile.h"

namespace {

constexpr int UsageStatus = 2;
constexpr const char* UsageLine = "Usage: gulpwise [OPTIONS]\nOptions:\n";
constexpr const char* OwnUsage =
    "  --replay FILE           watch a replay, then end\n"
    "  --host [PORT]           network play: wait for another player (port 24862 unless given)\n"
    "  --join HOST[:PORT]      network play: join the game set up on HOST\n"
    "  --relay URL             online play's relay (default from data/online.cfg, ws://127.0.0.1:24863)\n"
    "  --create                online play: open a room on the relay and wait for a player\n"
    "  --join-code CODE        online play: join the room CODE\n"
    "  --watch-code CODE       online play: watch the room CODE\n"
    "  --rollback              network play, host: your commands act on the next frame, the\n"
    "                          other player's are predicted and corrected (rollback; the default)\n"
    "  --input-delay FRAMES    with rollback: your commands act FRAMES (0 to 2) frames later (0)\n"
    "  --lockstep              network play, host: both players' commands act a few frames later\n"
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
    DesktopOptions desktop;
    bool networkPlay = false;
    bool relayGiven = false;  // --relay names the relay of this run
    for (int i = 1; i < argc;) {
        if (strcmp(argv[i], "--help") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        std::string error;
        int taken = TakeDesktopOption(argc, argv, i, desktop);
        if (taken == 0 && strcmp(argv[i], "--replay") == 0 && i + 1 < argc) {
            replayPath = argv[i + 1];
            taken = 2;
        }
        if (taken == 0) {
            taken = TakeNetOption(argc, argv, i, network, error);
            // --relay alone only names the relay for the online menu; the
            // schedule's options only say how network play goes.
            const std::string arg = argv[i];
            const bool relay = taken > 0 && arg == "--relay";
            const bool alone = arg == "--relay" || arg == "--rollback" || arg == "--lockstep" ||
                               arg == "--input-delay";
            relayGiven = relayGiven || relay;
            networkPlay = networkPlay || (taken > 0 && !alone);
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
    CreateGlobals(desktop.display);
    TheGui->padPlaysGhosts = desktop.padPlaysGhosts;
    // The relay of online play: --relay for this run, else data/online.cfg's.
    if (relayGiven)
        TheGui->online.relayUrl = network.relayUrl;
    else
        network.relayUrl = TheGui->online.relayUrl;
    std::unique_ptr<Mode> first;
    if (replayPath) {
        first = StartWatchingFile(replayPath, replay, AfterWatching::EndProgram, &archive);
        if (!first)
            exit(EXIT_FAILURE);  // like the other start-up failures: nothing is saved
    } else if (networkPlay) {
        first = std::make_unique<NetMode>(network, &archive);
    } else {
        first = std::make_unique<PlayMode>(&archive);
    }
    {
        FrameDriver driver(std::move(first));
        driver.frameLimit = desktop.frameLimit;
        driver.Run();
    }  // the mode ends first: a replay being watched gives the player's settings back
    DestroyGlobals();
    return 0;
}
