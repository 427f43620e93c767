#include "rules/Settings.h"
#include "tools/sim/Recording.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "app/HeadlessGame.h"
#include "replay/Recorder.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/SoundBank.h"
#include "tools/sim/Match.h"

namespace {

constexpr int MeddlingChance = 25;  // one frame in this many carries commands
constexpr int DirectionCount = 4;
constexpr int MeddlingKinds = 6;    // the cases of Meddler::Act

// Random commands of both sides, the same for the same seed.
class Meddler {
public:
    Meddler(std::uint32_t seed, int ghostCount) : random(seed), ghostCount(ghostCount) {}

    void Act(FrameCommands& commands)
    {
        commands.list.clear();
        if (Below(MeddlingChance) != 0)
            return;
        switch (Below(MeddlingKinds)) {
        case 0:
            commands.Add(CommandType::SteerGulper, Below(DirectionCount));
            break;
        case 1:
            commands.Add(CommandType::ToggleGulperStop);
            break;
        case 2:
            commands.Add(CommandType::SelectGhost, Below(std::max(ghostCount, 1)));
            commands.Add(CommandType::DriveGhost, Below(DirectionCount));
            break;
        case 3:
            commands.Add(CommandType::SelectAll);
            commands.Add(CommandType::StopGhosts);
            break;
        case 4:
            commands.Add(CommandType::SelectNone);
            break;
        default:
            commands.Add(CommandType::SelectNext);
            break;
        }
    }

private:
    // 0 to count - 1, from the generator's raw output: the same on every standard library.
    int Below(int count) { return static_cast<int>(random() % static_cast<std::uint32_t>(count)); }

    std::mt19937 random;
    int ghostCount;
};

}  // namespace

bool RecordMatch(const std::string& mazeText, LevelSettings settings, std::uint32_t seed,
                 Replay& replay, MatchSides sides)
{
    const Controller players = sides == MatchSides::Humans ? Human : Computer;
    settings.gulperController = players;
    settings.ghostsController = players;
    Replay start;
    start.mazeText = mazeText;
    start.settings = settings;
    bool started = false;
    Quietly([&] { started = StartReplayLevel(start); });
    if (!started)
        return false;

    ReplayRecorder recorder;
    recorder.Start(mazeText, settings);
    Meddler meddler(seed, settings.ghostCount);
    FrameCommands commands;
    while (!recorder.Finished() && recorder.replay.frameCount < MaxReplayFrames) {
        if (seed != 0)
            meddler.Act(commands);
        RunHeadlessFrame(commands, false);
        recorder.AddFrame(commands);
    }
    TheSounds->HaltAllSound();
    GameState = MainMenu;
    replay = recorder.replay;
    return true;
}

bool CampaignLevelSettings(bool ghostsCampaign, int level, LevelSettings& settings)
{
    LevelSettings ignored;
    if (!LoadCampaignMatch(ghostsCampaign, level, ignored))
        return false;
    settings = CurrentLevelSettings();
    settings.level = level;
    return true;
}

bool ReadTextFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}
