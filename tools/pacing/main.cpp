// gulpwise-pacing: runs the game's real frame loop (Screen::Run) headless on
// the real clock, in the main menu and in a computer-against-computer level,
// at 20 and at 60 frames per second, and reports how late each present
// comes against the loop's fixed grid and how much processor time the game
// uses per second of play. The event source hook of the screen sees every
// present (it is polled right after it) and ends each run after its time.
// A run of the bare schedule without the game shows what the machine allows.
#include <SDL/SDL.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "rules/Campaign.h"
#include "platform/Config.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Clock.h"
#include "app/FrameDriver.h"
#include "app/HeadlessGame.h"
#include "app/PlayMode.h"
#include "platform/Screen.h"
#include "gui/Gui.h"
#include "tools/pacing/CpuMeter.h"
#include "tools/pacing/PresentTimes.h"

namespace fs = std::filesystem;

namespace {

const char* const Usage =
    "usage: gulpwise-pacing [--seconds N] [--ghosts N] [--data DIR]\n"
    "Runs the frame loop for N seconds (default 20) in the main menu and in a\n"
    "computer-against-computer level with N ghosts (default 8), each at 20 and\n"
    "at 60 frames per second, and prints the lateness of the presents against\n"
    "the fixed grid and the processor time used. Before each rate, the same\n"
    "schedule is kept for N seconds with no game at all (\"sleep only\"): what\n"
    "the machine allows. DIR is the game data folder (default: the source\n"
    "tree's); it is copied to a temporary folder first.\n";

constexpr int CampaignLevels = 12;  // shipped levels of each campaign
constexpr int Rates[] = {20, 60};

struct Options {
    int seconds = 20;
    int ghosts = 8;
    std::string data = GULPWISE_DATA_DIR;
};

// What the event source hook needs during one run.
struct RunState {
    PresentTimes* presents = nullptr;
    double endTime = 0;         // monotonic seconds at which the run stops
    bool loopEntered = false;   // the loop polls once before its first frame
    bool inPlay = false;        // keep a level in play: start the next when one ends
    int ghosts = 0;
    int rate = 0;               // frames per second of the run (a campaign level sets its own)
    int levelsStarted = 0;
};
RunState run;

[[noreturn]] void Fail(const std::string& message)
{
    fprintf(stderr, "gulpwise-pacing: %s\n%s", message.c_str(), Usage);
    exit(2);
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--seconds")
            options.seconds = atoi(value().c_str());
        else if (arg == "--ghosts")
            options.ghosts = atoi(value().c_str());
        else if (arg == "--data")
            options.data = value();
        else
            Fail(arg == "--help" || arg == "-h" ? "" : "unknown argument " + arg);
    }
    if (options.seconds < 1)
        Fail("a run lasts at least one second");
    return options;
}

// A campaign level straight into play, the computer on both sides, as the
// match simulator starts it (the intro and the gulper's appearance only wait).
void StartNextLevel()
{
    const int round = run.levelsStarted++ % (2 * CampaignLevels);
    GameMode = round < CampaignLevels ? GulperCampaignMode : GhostsCampaignMode;
    LoadCampaignLevel(round % CampaignLevels + 1);
    TheConfig->gulperController = Computer;
    TheConfig->ghostsController = Computer;
    TheConfig->ghostCount = run.ghosts;
    StartLevel();
    GameState = Playing;
    TheGui->timer->Reset();
    TheScreen->SetFramesPerSecond(run.rate);
}

// The screen's event source: the media library's queue, and after each
// present the measurement, the end of the run and the next level.
int ObserveFrame(SDL_Event* event)
{
    if (SDL_PollEvent(event))
        return 1;
    if (!run.loopEntered) {
        run.loopEntered = true;
        return 0;
    }
    // The loop has just presented the frame due at the last boundary.
    run.presents->Record(TheScreen->nextFrameTime - TheScreen->framePeriod);
    if (PresentTimes::MonotonicSeconds() >= run.endTime) {
        event->type = SDL_QUIT;
        return 1;
    }
    if (run.inPlay && GameState != Playing)
        StartNextLevel();
    return 0;
}

// The same schedule with no game: sleeping to each boundary as the frame
// loop does and noting the moment, without a frame or a present. What the
// machine itself allows: the game cannot be more punctual than this.
void SleepOnly(PresentTimes& presents, int period, double endTime)
{
    int next = static_cast<int>(SDL_GetTicks()) + period;
    while (PresentTimes::MonotonicSeconds() < endTime) {
        const int now = static_cast<int>(SDL_GetTicks());
        if (now < next)
            SDL_Delay(static_cast<Uint32>(next - now));
        presents.Record(next);
        next += period;
    }
}

double LoadAverage()
{
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

enum class Scene { SleepOnly, MainMenu, Play };

void RunOnce(const char* name, Scene scene, int rate, const Options& options)
{
    const bool inPlay = scene == Scene::Play;
    PresentTimes presents;
    run = RunState();
    run.presents = &presents;
    run.inPlay = inPlay;
    run.ghosts = options.ghosts;
    run.rate = rate;
    TheScreen->SetFramesPerSecond(rate);
    if (inPlay)
        StartNextLevel();
    else
        GameState = MainMenu;

    const double loadBefore = LoadAverage();
    run.endTime = PresentTimes::MonotonicSeconds() + options.seconds;
    const CpuMeter cpu;
    if (scene == Scene::SleepOnly)
        SleepOnly(presents, TheScreen->framePeriod, run.endTime);
    else
        FrameDriver(std::make_unique<PlayMode>(nullptr)).Run();
    const CpuShare share = cpu.Share();
    const LatenessSummary late = presents.Summarise(TheScreen->framePeriod);

    printf("%-10s %3d %4d ms %6d %7.2f %7.2f %7.2f %7.2f %5d %9.2f %% %7.2f %%   %.1f/%.1f\n", name,
           rate, TheScreen->framePeriod, late.presents, late.minimum, late.median, late.percentile99,
           late.maximum, late.overOnePeriod, share.process, share.mainThread, loadBefore,
           LoadAverage());
    fflush(stdout);
}

// A copy of the game data in a temporary folder, entered: the game writes its
// configuration at shutdown, and the data stays as it was.
std::string EnterCopyOf(const std::string& data)
{
    std::string pattern = (fs::temp_directory_path() / "gulpwise-pacing-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        Fail("cannot make a temporary folder");
    std::error_code error;
    fs::copy(data, pattern, fs::copy_options::recursive, error);
    if (error)
        Fail("cannot copy the game data from " + data + ": " + error.message());
    fs::current_path(pattern);
    return pattern;
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    const std::string folder = EnterCopyOf(options.data);

    StartHeadlessGame();
    UseRealClock();  // the real frame loop, on the real clock
    TheScreen->pollEvent = ObserveFrame;
    printf("gulpwise-pacing: %d s per run, play with %d ghosts; lateness of each present in ms,\n"
           "CPU in percent of one core (process: with the audio thread)\n\n",
           options.seconds, options.ghosts);
    printf("%-10s %3s %7s %6s %7s %7s %7s %7s %5s %11s %9s   %s\n", "run", "fps", "period", "frames",
           "min", "median", "p99", "max", ">per", "CPU process", "main", "load before/after");
    for (const int rate : Rates) {
        RunOnce("sleep only", Scene::SleepOnly, rate, options);
        RunOnce("main menu", Scene::MainMenu, rate, options);
        RunOnce("play", Scene::Play, rate, options);
    }
    StopHeadlessGame();

    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(folder, ignored);
    return 0;
}
