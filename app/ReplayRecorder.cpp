#include "app/ReplayRecorder.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "actors/GameEvents.h"
#include "app/GameFlow.h"
#include "app/HeadlessGame.h"
#include "app/StateHash.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/CountdownTimer.h"
#include "gui/Gui.h"
#include "maze/Maze.h"

namespace {

std::string Hex(std::uint64_t value)
{
    char text[20];
    snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The first difference between a replay and the one its playing back recorded.
void Compare(const Replay& recorded, const Replay& played, ReplayCheck& check)
{
    const std::size_t seconds =
        std::min(recorded.secondHashes.size(), played.secondHashes.size());
    for (std::size_t i = 0; i < seconds; ++i) {
        if (recorded.secondHashes[i] != played.secondHashes[i]) {
            check.second = static_cast<int>(i) + 1;
            check.frame = check.second * recorded.settings.framesPerSecond;
            check.recorded = recorded.secondHashes[i];
            check.played = played.secondHashes[i];
            check.difference = "second " + std::to_string(check.second) + " (frame of play " +
                               std::to_string(check.frame) + "): recorded hash " +
                               Hex(check.recorded) + ", played " + Hex(check.played);
            return;
        }
    }
    if (recorded.outcome.playFrames != played.outcome.playFrames ||
        recorded.frameCount != played.frameCount) {
        check.difference = "play lasted " + std::to_string(played.outcome.playFrames) + " of " +
                           std::to_string(played.frameCount) + " frames, recorded " +
                           std::to_string(recorded.outcome.playFrames) + " of " +
                           std::to_string(recorded.frameCount);
    } else if (recorded.endHash != played.endHash) {
        check.recorded = recorded.endHash;
        check.played = played.endHash;
        check.difference = "the last frame: recorded hash " + Hex(check.recorded) + ", played " +
                           Hex(check.played);
    } else if (!(recorded.outcome == played.outcome)) {
        check.difference = std::string("the outcome: recorded ") +
                           ReplayEndName(recorded.outcome.end) + ", played " +
                           ReplayEndName(played.outcome.end);
    }
}

}  // namespace

void ReplayRecorder::Start(const std::string& mazeText, const ReplaySettings& settings)
{
    replay = Replay();
    replay.gameVersion = GameVersion;
    replay.settings = settings;
    replay.mazeText = mazeText;
    finished = false;
}

void ReplayRecorder::AddFrame(const FrameCommands& commands)
{
    if (finished)
        return;
    if (!commands.list.empty())
        replay.records.push_back({replay.frameCount, commands});
    ++replay.frameCount;

    ReplayOutcome& outcome = replay.outcome;
    outcome.cornEaten += GameEvents.CountLast(GameEvent::CornEaten);
    outcome.boostsEaten += GameEvents.CountLast(GameEvent::BoostEaten);
    outcome.ghostsEaten += GameEvents.CountLast(GameEvent::GhostEaten);
    NoteEnding(outcome.end);
    if (FrameState == Playing && ++outcome.playFrames % replay.settings.framesPerSecond == 0)
        replay.secondHashes.push_back(HashGameState());

    const bool ended = GameState == GulperWins || GameState == GhostsWin;
    const bool left = IsMenuState(GameState) && GameState != ControlsInGame;
    if (ended || left) {
        if (left)
            outcome.end = ReplayEnd::Left;
        replay.endHash = HashGameState();
        finished = true;
    }
}

ReplaySettings CurrentReplaySettings()
{
    const Config& config = *TheConfig;
    ReplaySettings settings;
    settings.gulperController = config.gulperController;
    settings.ghostsController = config.ghostsController;
    settings.gulperSpeed = config.gulperSpeed;
    settings.ghostSpeed = config.ghostSpeed;
    settings.ghostCount = config.ghostCount;
    settings.timeLimit = TheGui->timer->limit;
    settings.framesPerSecond = config.framesPerSecond;
    settings.gameMode = GameMode;
    settings.level = GameMode == GulperCampaignMode   ? config.gulperLevel
                     : GameMode == GhostsCampaignMode ? config.ghostsLevel
                                                      : config.mapNumber;
    return settings;
}

void ApplyReplaySettings(const ReplaySettings& settings)
{
    Config& config = *TheConfig;
    config.gulperController = settings.gulperController;
    config.ghostsController = settings.ghostsController;
    config.gulperSpeed = settings.gulperSpeed;
    config.ghostSpeed = settings.ghostSpeed;
    config.ghostCount = settings.ghostCount;
    config.framesPerSecond = settings.framesPerSecond;
    TheScreen->SetFramesPerSecond(settings.framesPerSecond);
    TheGui->timer->limit = settings.timeLimit;
    GameMode = settings.gameMode;
}

bool StartReplayLevel(const Replay& replay)
{
    std::istringstream maze(replay.mazeText);
    if (!TheMaze->ReadLevel(maze))
        return false;
    ApplyReplaySettings(replay.settings);
    StartLevel();
    return true;
}

ReplayCheck CheckReplay(const Replay& replay)
{
    ReplayCheck check;
    if (!StartReplayLevel(replay)) {
        check.difference = "the maze is not a level";
        return check;
    }
    ReplayRecorder played;
    played.Start(replay.mazeText, replay.settings);
    const FrameCommands none;
    std::size_t next = 0;  // the next record to give
    for (int frame = 0; frame < replay.frameCount && !played.Finished(); ++frame) {
        const bool given = next < replay.records.size() && replay.records[next].frame == frame;
        const FrameCommands& commands = given ? replay.records[next++].commands : none;
        RunHeadlessFrame(commands, false);
        played.AddFrame(commands);
    }
    check.outcome = played.replay.outcome;
    Compare(replay, played.replay, check);
    check.matches = check.difference.empty();
    return check;
}
