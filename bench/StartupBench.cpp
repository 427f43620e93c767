// How long the game takes from the entry function's first step to the first
// frame on the window: creating the global objects (window, audio, sounds,
// tile sheets, the custom maze, characters, fonts and panels), one frame of
// the main menu, and presenting it. Each start runs in a fresh process, as
// the game does, with the shipped data in a throw-away game folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "app/PlayMode.h"
#include "rules/Tick.h"
#include "platform/Globals.h"
#include "app/Program.h"
#include "platform/Screen.h"
#include "bench/Stopwatch.h"
#include "tests/support/Sandbox.h"

namespace {

// The seconds of each step of one start.
struct StartTimes {
    double createGlobals = -1;
    double firstFrame = -1;
    double present = -1;
};

// Starts the game in a child process and brings back its times; the child
// ends without the shutdown, so the game folder stays as it was.
StartTimes StartInFreshProcess()
{
    StartTimes times;
    int channel[2];
    if (pipe(channel) != 0)
        return times;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        times.createGlobals = SecondsOf([] { CreateGlobals(); });
        times.firstFrame = SecondsOf([] { UpdateGameFrame(); });
        times.present = SecondsOf([] { TheScreen->Present(); });
        const bool sent = write(channel[1], &times, sizeof times) == sizeof times;
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    if (child > 0) {
        if (read(channel[0], &times, sizeof times) != sizeof times)
            times = StartTimes();
        int status = 0;
        waitpid(child, &status, 0);
    }
    close(channel[0]);
    return times;
}

void StartUp(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const auto folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();

    StartTimes total;
    total.createGlobals = total.firstFrame = total.present = 0;
    for (auto _ : state) {
        const StartTimes times = StartInFreshProcess();
        if (times.present < 0) {
            state.SkipWithError("the game did not start");
            break;
        }
        state.SetIterationTime(times.createGlobals + times.firstFrame + times.present);
        total.createGlobals += times.createGlobals;
        total.firstFrame += times.firstFrame;
        total.present += times.present;
    }
    // Milliseconds per start of each step.
    const double perStart = state.iterations() > 0 ? 1000.0 / state.iterations() : 0;
    state.counters["create_ms"] = total.createGlobals * perStart;
    state.counters["frame_ms"] = total.firstFrame * perStart;
    state.counters["present_ms"] = total.present * perStart;
}

}  // namespace

BENCHMARK(StartUp)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
