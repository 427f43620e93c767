// How fast the match simulator plays: frames per second of computer against
// computer on the shipped campaign levels with eight ghosts, as gulpwise-sim
// counts them (the time spent in the frames of play, level loading excluded).
// One iteration plays one whole level; the levels are taken in turn.
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/Sandbox.h"
#include "tools/sim/Match.h"

namespace {

constexpr int CampaignLevels = 12;  // shipped levels of each campaign
constexpr int FullSquad = 8;

// The simulator's game, started once in a throw-away copy of the shipped data.
void StartSimulatorOnce()
{
    static std::unique_ptr<Sandbox> folder;
    if (folder)
        return;
    folder = std::make_unique<Sandbox>();
    folder->CopyAllShipped();
    StartSimulation(folder->path);
}

void SimulatedMatch(benchmark::State& state)
{
    StartSimulatorOnce();
    int level = 0;
    int64_t frames = 0;
    for (auto _ : state) {
        const bool ghostsCampaign = level / CampaignLevels % 2 == 1;
        LevelSettings settings;
        LoadCampaignMatch(ghostsCampaign, level % CampaignLevels + 1, settings);
        ++level;
        settings.ghostCount = FullSquad;
        const MatchResult result = PlayMatch(settings);
        state.SetIterationTime(result.frames / result.framesPerSecond);
        frames += result.frames;
    }
    state.SetItemsProcessed(frames);  // items per second: the simulator's frames per second
}

}  // namespace

BENCHMARK(SimulatedMatch)->UseManualTime()->Iterations(48)->Unit(benchmark::kMillisecond);
