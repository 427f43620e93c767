// gulpwise-netpeer: one machine of a network game, headless, with a seeded
// random player on its side. The host starts the levels; both print one line
// per level (how it ended, its frames and its last state hash), which must
// be the same on both machines, and what ended the game if it did not end well.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include "app/HeadlessGame.h"
#include "net/NetSession.h"
#include "replay/ReplayFile.h"
#include "rules/Tick.h"
#include "gui/Gui.h"
#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "tools/pacing/CpuMeter.h"
#include "tools/sim/Match.h"

namespace fs = std::filesystem;

namespace {

const char* const Usage =
    "usage: gulpwise-netpeer --host PORT | --join HOST:PORT\n"
    "         | --relay URL --create | --relay URL --join-code CODE | --relay URL --watch-code CODE\n"
    "         [--data DIR] [--level FILE]\n"
    "         [--levels N] [--time SECONDS] [--side gulper|ghosts] [--seed N] [--paced]\n"
    "         [--latency MS] [--loss PERCENT] [--version TEXT] [--replays DIR] [--leave-at-once] [--exit-after N]\n"
    "         [--rollback [--input-delay FRAMES] | --lockstep]\n"
    "The host listens on 127.0.0.1 only (--host 0: on a free port, printed as \"port N\"\n"
    "on a line of its own), starts N levels (default 1) of the level file\n"
    "(default data/map_1.lev) and plays --side (default gulper); each side's player\n"
    "gives random commands from --seed. --paced runs at the real frame rate and\n"
    "prints the CPU used; --latency holds back each message sent, --loss drops that\n"
    "share of the datagrams received, --version pretends another game version.\n"
    "Through a relay, --create opens a room (printing \"room CODE\" on a line of its own)\n"
    "and hosts, --join-code joins the room, --watch-code watches it without playing;\n"
    "the spectator prints the same line per level as the players.\n"
    "Each level prints \"level N started\", \"in play\" once its intro is over, and a\n"
    "line with its end and end hash.\n"
    "--replays writes each level's replay (of one frame or more) into DIR as level_N.gwr; --leave-at-once makes\n"
    "a joiner leave as soon as its last level has ended, before the host; --exit-after N\n"
    "leaves each level with the \"Exit game\" key after N frames.\n"
    "The host plays its levels with rollback (--rollback, the default: own commands on the\n"
    "next frame, or after --input-delay 0 to 2 frames) or --lockstep.\n";

constexpr int StartWaitMilliseconds = 20000;  // for the peer to come and agree

struct Options {
    NetOptions net;
    std::string data = GULPWISE_DATA_DIR;
    std::string level = "data/map_1.lev";
    int levels = 1;
    int timeLimit = 30;
    bool ghostsSide = false;
    unsigned seed = 1;
    bool paced = false;
    std::string replays;  // the folder for each level's replay; empty: none written
    bool leaveAtOnce = false;  // a joiner leaves as soon as its last level has ended
    int exitAfter = 0;         // the player leaves each level with "Exit game" after this many frames; 0: never
};

[[noreturn]] void Fail(const std::string& why)
{
    fprintf(stderr, "gulpwise-netpeer: %s\n%s", why.c_str(), Usage);
    exit(2);
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!ParseNetArguments(argc, argv, options.net, error) || !error.empty())
        Fail(error.empty() ? "--host or --join is needed" : error);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--host" || arg == "--join" || arg == "--relay" || arg == "--join-code" ||
            arg == "--watch-code" || arg == "--input-delay")
            value();
        else if (arg == "--create" || arg == "--rollback" || arg == "--lockstep")
            continue;
        else if (arg == "--data")
            options.data = value();
        else if (arg == "--level")
            options.level = value();
        else if (arg == "--levels")
            options.levels = std::atoi(value().c_str());
        else if (arg == "--time")
            options.timeLimit = std::atoi(value().c_str());
        else if (arg == "--side")
            options.ghostsSide = value() == "ghosts";
        else if (arg == "--seed")
            options.seed = static_cast<unsigned>(std::atoi(value().c_str()));
        else if (arg == "--paced")
            options.paced = true;
        else if (arg == "--latency")
            options.net.latency = std::atoi(value().c_str());
        else if (arg == "--loss")
            options.net.lossPercent = std::atoi(value().c_str());
        else if (arg == "--version")
            options.net.gameVersion = value();
        else if (arg == "--exit-after")
            options.exitAfter = std::atoi(value().c_str());
        else if (arg == "--leave-at-once")
            options.leaveAtOnce = true;
        else if (arg == "--replays")
            options.replays = fs::absolute(value()).string();
        else
            Fail("unknown option " + arg);
    }
    if (options.net.role == NetRole::Host && !options.net.online)
        options.net.address = "127.0.0.1";
    if (options.net.online && options.net.role == NetRole::Join && options.net.roomCode.empty())
        Fail("--relay needs --create, --join-code or --watch-code");
    return options;
}

// A player who now and then gives a random command of its side.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random(seed) {}

    void Act(Side side, FrameCommands& commands)
    {
        if (Below(6) != 0)
            return;
        if (side == Side::Gulper) {
            commands.Add(CommandType::SteerGulper, Below(4));
            return;
        }
        switch (Below(4)) {
        case 0:
            commands.Add(CommandType::SelectAll);
            break;
        case 1:
            commands.Add(CommandType::SelectGhost, Below(4));
            break;
        case 2:
            commands.Add(CommandType::OrderToPoint, Below(504), Below(360));
            break;
        default:
            commands.Add(CommandType::DriveGhost, Below(4));
            break;
        }
    }

private:
    int Below(int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }
    std::mt19937 random;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Services the network until the phase is no longer this one, something
// went wrong (a notice), or the time is up.
bool WaitWhile(NetSession& session, NetPhase phase)
{
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(StartWaitMilliseconds);
    while (session.Phase() == phase && session.Notice().empty() &&
           std::chrono::steady_clock::now() < until)
        session.Service(10);
    return session.Phase() != phase;
}

// Plays the level under way to its end on this machine, its replay kept in
// played; false when the network ended it. The host may start the next
// level while this machine still runs the end pause: that level is left to
// the next call.
bool PlayLevel(NetSession& session, RandomPlayer& player, bool paced, bool leaveAtOnce,
               int exitAfter, int& frames, Replay& played)
{
    FrameCommands given;
    const auto period = std::chrono::milliseconds(TheScreen->framePeriod);
    auto next = std::chrono::steady_clock::now();
    const int levelNumber = session.LevelNumber();
    frames = 0;
    bool inPlay = false;  // the level's intro is over here: said once
    auto thisLevel = [&] {
        const NetPhase phase = session.Phase();
        return session.LevelNumber() == levelNumber &&
               (phase == NetPhase::Level || phase == NetPhase::LevelEnded);
    };
    while (thisLevel()) {
        session.Service(0);
        if (!thisLevel() || (leaveAtOnce && session.EndedOnBoth()))
            break;
        if (session.Phase() == NetPhase::LevelEnded && leaveAtOnce) {
            // Leaving at once: as soon as the level has ended on the other machine too.
            played = session.LastReplay();
            session.Service(1);
            continue;
        } else if (session.Phase() == NetPhase::LevelEnded) {
            played = session.LastReplay();  // the end pause's last frame may start the next level
            RunHeadlessFrame(FrameCommands(), false);
            session.EndFrameDone();
        } else if (session.FrameReady()) {
            if (!session.Watching())
                player.Act(session.LocalSide(), given);
            if (exitAfter > 0 && frames == exitAfter)
                given.Add(CommandType::ExitGame);
            FrameCommands commands;
            // With rollback the level may end here, as its last frames are confirmed.
            if (!session.TakeLevelFrame(given, commands))
                continue;
            RunHeadlessFrame(commands, false);
            session.LevelFrameDone(commands);
            given.list.clear();
            if (!inPlay && GameState == Playing) {
                inPlay = true;
                printf("in play\n");
                fflush(stdout);
            }
        } else {
            FrameCommands none;
            session.TakeLevelFrame(given, none);  // counts the wait
            session.Service(paced ? 1 : 5);
            continue;
        }
        ++frames;
        if (paced) {
            next += period + std::chrono::milliseconds(session.AdvisedWaitMilliseconds());
            while (std::chrono::steady_clock::now() < next)
                session.Service(1);
        }
    }
    // The session's last replay is this level's unless the next has started
    // (its count of levels is 0 again once the player has gone).
    if (session.LevelNumber() == levelNumber || session.LevelNumber() == 0)
        played = session.LastReplay();
    // A level that ended on this machine is not cut by the other player
    // leaving during its end pause.
    const bool ended = played.outcome.end != ReplayEnd::Left;
    // (The count of levels goes back to 0 when the player has gone.)
    return ended || session.Phase() == NetPhase::Lobby || session.LevelNumber() > levelNumber;
}

void Report(const NetSession& session, const Replay& replay, int level, int frames)
{
    printf("level %d: %s, %d frames of play, %d frames, %zu hashes, end hash %016llx\n", level,
           ReplayEndName(replay.outcome.end), replay.outcome.playFrames, replay.frameCount,
           replay.secondHashes.size(), static_cast<unsigned long long>(replay.endHash));
    fprintf(stderr, "level %d: delay %d frames, round trip %d ms, %d frames waited, %d frames run\n",
            level, session.delay, session.roundTrip, session.waitedFrames, frames);
    fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    std::string pattern = (fs::temp_directory_path() / "gulpwise-netpeer-XXXXXX").string();
    const std::string folder = mkdtemp(pattern.data());
    fs::copy(options.data, folder, fs::copy_options::recursive);
    StartSimulation(folder);
    const std::string mazeText = ReadText(options.level);

    NetSession session(options.net);
    RandomPlayer player(options.seed);
    const bool host = options.net.role == NetRole::Host;
    int played = 0;
    bool cut = false;  // the network ended a level
    const CpuMeter cpu;
    const auto wallStart = std::chrono::steady_clock::now();
    if (session.Open()) {
        if (host && !session.Online() && options.net.port == 0) {
            // The port the system chose, for the other player to join.
            printf("port %u\n", static_cast<unsigned>(session.Port()));
            fflush(stdout);
        }
        if (host && session.Online()) {
            // The room's code, for the other player (and spectators) to join by.
            while (session.RoomCode().empty() && session.Phase() == NetPhase::Listening &&
                   session.Notice().empty())
                session.Service(10);
            if (!session.RoomCode().empty()) {
                printf("room %s\n", session.RoomCode().c_str());
                fflush(stdout);
            }
        }
        WaitWhile(session, host ? NetPhase::Listening : NetPhase::Connecting);
        // The delay is chosen from the round trip: the host measures it first.
        const auto measured = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (host && session.Phase() == NetPhase::Lobby &&
               std::chrono::steady_clock::now() < measured)
            session.Service(10);
        while (played < options.levels) {
            if (host) {
                // A player who left after a level may be followed by another.
                const auto until = std::chrono::steady_clock::now() +
                                   std::chrono::milliseconds(StartWaitMilliseconds);
                while (played > 0 && session.Phase() == NetPhase::Listening && !session.Online() &&
                       std::chrono::steady_clock::now() < until)
                    session.Service(10);
                if (session.Phase() != NetPhase::Lobby)
                    break;
                Config& config = *TheConfig;
                config.gulperController = options.ghostsSide ? Computer : Human;
                config.ghostsController = options.ghostsSide ? Human : Computer;
                TheTick.timer->limit = options.timeLimit;
                if (!session.HostStartLevel(mazeText))
                    break;
            } else {
                WaitWhile(session, NetPhase::Lobby);
                if (session.Phase() != NetPhase::Level)
                    break;
            }
            printf("level %d started\n", played + 1);
            fflush(stdout);
            int frames = 0;
            Replay replay;
            cut = !PlayLevel(session, player, options.paced,
                            options.leaveAtOnce && played + 1 == options.levels, options.exitAfter,
                            frames, replay);
            Report(session, replay, ++played, frames);
            // What the session says of a level left before its end (such as
            // the other player leaving it).
            if (replay.outcome.end == ReplayEnd::Left && !session.Notice().empty()) {
                printf("notice: %s\n", session.Notice().c_str());
                fflush(stdout);
            }
            // Like the game's own archive, a level left before its first frame keeps no replay.
            if (!options.replays.empty() && replay.frameCount > 0) {
                const std::string path =
                    options.replays + "/level_" + std::to_string(played) + ".gwr";
                if (!WriteReplay(path.c_str(), replay))
                    fprintf(stderr, "gulpwise-netpeer: cannot write %s\n", path.c_str());
            }
            if (cut)
                break;
        }
    }
    // The host leaves first: the last end pause runs on each machine alone,
    // and a joining machine gone early would cut the host's short. It leaves
    // once the other machine has played the level to its end too: the last
    // frames' commands it sent may still be on their way (or sent again).
    if (host && !cut && played == options.levels) {
        const auto until = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(StartWaitMilliseconds);
        while (session.Phase() == NetPhase::Lobby && !session.EndedOnBoth() &&
               std::chrono::steady_clock::now() < until)
            session.Service(10);
    }
    if (!host && !cut && !options.leaveAtOnce)
        WaitWhile(session, NetPhase::Lobby);
    if (options.paced) {
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        fprintf(stderr, "cpu %.1f%% of a core over %.1f s\n",
                cpu.Share().process, wall);
    }
    int status = 0;
    if (cut || played < options.levels) {
        printf("ended: %s\n", session.Notice().empty() ? "no level" : session.Notice().c_str());
        status = 3;
    }
    fflush(stdout);
    session.Close();
    fs::remove_all(folder);
    return status;
}
