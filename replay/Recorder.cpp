// The recorder that follows a level frame by frame into a replay, and
// starting a replay's level.
#include "replay/Recorder.h"

#include <algorithm>
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

FrameFacts ReadFrameFacts(bool hash)
{
    FrameFacts facts;
    facts.events = GameEvents.lastFrame;
    facts.frameState = TheTick.frameState;
    facts.state = GameState;
    facts.hashed = hash;
    facts.hash = hash ? HashGameState() : 0;
    return facts;
}

void ReplayRecorder::AddFrame(const FrameCommands& commands)
{
    AddFrame(commands, ReadFrameFacts(false));
}

void ReplayRecorder::AddFrame(const FrameCommands& commands, const FrameFacts& facts)
{
    if (finished)
        return;
    if (!commands.list.empty())
        replay.records.push_back({replay.frameCount, commands});
    ++replay.frameCount;

    ReplayOutcome& outcome = replay.outcome;
    const auto hash = [&] { return facts.hashed ? facts.hash : HashGameState(); };
    const auto count = [&](GameEvent event) {
        return static_cast<int>(std::count(facts.events.begin(), facts.events.end(), event));
    };
    outcome.cornEaten += count(GameEvent::CornEaten);
    outcome.boostsEaten += count(GameEvent::BoostEaten);
    outcome.ghostsEaten += count(GameEvent::GhostEaten);
    NoteEnding(outcome.end, facts.events);
    if (facts.frameState == Playing && ++outcome.playFrames % replay.settings.framesPerSecond == 0)
        replay.secondHashes.push_back(hash());

    const bool ended = facts.state == GulperWins || facts.state == GhostsWin;
    const bool left = IsMenuState(facts.state) && facts.state != ControlsInGame;
    if (ended || left) {
        if (left)
            outcome.end = ReplayEnd::Left;
        replay.endHash = hash();
        finished = true;
    }
}

void ReplayRecorder::Cut(std::uint64_t lastHash)
{
    if (finished)
        return;
    replay.outcome.end = ReplayEnd::Left;
    replay.endHash = lastHash;
    finished = true;
}

bool StartReplayLevel(const Replay& replay)
{
    std::istringstream maze(replay.mazeText);
    if (!TheMaze->ReadLevel(maze))
        return false;
    ApplyLevelSettings(replay.settings);
    // The countdown from the level's limit, as every start of a level sets it
    // (network play's included): a level left before its play began has the
    // countdown in its last hash, whatever the timer showed before.
    TheTick.timer->Reset();
    StartLevel();
    return true;
}
