// The recorder that follows a level frame by frame into a replay, and
// starting a replay's level.
#include "replay/Recorder.h"

#include <sstream>

#include "actors/GameEvents.h"
#include "maze/Maze.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "rules/PlayState.h"
#include "rules/Settings.h"
#include "rules/Tick.h"

void ReplayRecorder::Start(const std::string& mazeText, const LevelSettings& settings)
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
    if (TheTick.frameState == Playing && ++outcome.playFrames % replay.settings.framesPerSecond == 0)
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

bool StartReplayLevel(const Replay& replay)
{
    std::istringstream maze(replay.mazeText);
    if (!TheMaze->ReadLevel(maze))
        return false;
    ApplyLevelSettings(replay.settings);
    StartLevel();
    return true;
}
