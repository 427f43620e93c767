#include "app/ReplayViewer.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "app/GameFlow.h"
#include "app/ReplayArchive.h"
#include "app/ReplayRecorder.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/Caption.h"
#include "gui/Gui.h"
#include "maze/Maze.h"

namespace {

// What the main menu's key says when it cannot show a replay; the terminal says why.
constexpr const char* NothingRecordedNotice = "No level has been recorded yet";
constexpr const char* CannotWatchNotice = "The last level's replay cannot be watched";

// What watching a replay changes, as the player had it.
struct PlayerSettings {
    ReplaySettings settings;
    GameStateId state;
    std::string mazeText;
};

PlayerSettings TakePlayerSettings()
{
    return {CurrentReplaySettings(), GameState, TheMaze->LevelText()};
}

void GiveBack(const PlayerSettings& player)
{
    ApplyReplaySettings(player.settings);
    GameState = player.state;
    std::istringstream maze(player.mazeText);
    TheMaze->ReadLevel(maze);
}

class ReplayViewer : public InputHandler {
public:
    ReplayViewer(const Replay& watched, AfterWatching afterwards)
        : replay(watched), after(afterwards), player(TakePlayerSettings())
    {
    }

    // One frame of the window: as many ticks as the speed asks, then the drawing.
    bool RunFrame();
    void GiveBackPlayer() const { GiveBack(player); }
    bool EndsProgram() const { return after == AfterWatching::EndProgram; }

    bool OnKeyDown(int key) override;
    bool OnKeyUp(int) override { return false; }
    bool OnLeftDown(int, int) override { return false; }
    bool OnLeftUp(int, int) override { return false; }
    bool OnLeftDrag(int, int) override { return false; }
    bool OnRightDown(int, int) override { return false; }
    bool OnMouseIgnored(int, int) override { return false; }

private:
    bool LevelIsOver() const;
    void TickOnce();
    std::string CaptionText() const;

    const Replay replay;
    const AfterWatching after;
    const PlayerSettings player;
    int frame = 0;               // the replay's next frame
    std::size_t nextRecord = 0;  // the next record with commands
    int speed = 1;               // ticks a frame
    bool paused = false;
    bool stepAsked = false;      // one tick while paused
};

std::unique_ptr<ReplayViewer> viewer;
// What the frame loop ran before the watching, given back at its end.
InputHandler* inputBefore = nullptr;
bool (*frameBefore)() = nullptr;

bool ReplayViewer::LevelIsOver() const
{
    // A level that was won or lost ends with its pause; one that was left
    // ends with its last recorded frame.
    if (GameState == GulperWins || GameState == GhostsWin)
        return PauseIsOver();
    return frame >= replay.frameCount;
}

void ReplayViewer::TickOnce()
{
    static const FrameCommands none;
    const bool given = nextRecord < replay.records.size() && replay.records[nextRecord].frame == frame;
    const FrameCommands& commands = given ? replay.records[nextRecord++].commands : none;
    Tick(commands);
    PlayFrameSounds();
    ++frame;
}

std::string ReplayViewer::CaptionText() const
{
    const int seconds = frame / replay.settings.framesPerSecond;
    char speedText[16];
    snprintf(speedText, sizeof speedText, "x%d", speed);
    char text[128];
    snprintf(text, sizeof text, "REPLAY  %d:%02d  %s    P pause   1 2 4 speed   Esc end",
             seconds / 60, seconds % 60, paused ? "paused: . or Right steps a frame" : speedText);
    return text;
}

bool ReplayViewer::RunFrame()
{
    int ticks = paused ? (stepAsked ? 1 : 0) : speed;
    stepAsked = false;
    for (; ticks > 0; --ticks) {
        if (LevelIsOver()) {
            const bool endProgram = EndsProgram();
            StopWatching();
            return endProgram;
        }
        TickOnce();
    }
    DrawGame();
    DrawCaption(*TheGui, CaptionText());
    return false;
}

bool ReplayViewer::OnKeyDown(int key)
{
    switch (key) {
    case SDLK_ESCAPE: {
        const bool endProgram = EndsProgram();
        StopWatching();
        return endProgram;
    }
    case WatchPauseKey:
    case SDLK_SPACE:
        paused = !paused;
        break;
    case WatchStepKey:
    case SDLK_RIGHT:
        stepAsked = paused;
        break;
    case WatchNormalSpeedKey:
        speed = 1;
        break;
    case WatchDoubleSpeedKey:
        speed = 2;
        break;
    case WatchQuadrupleSpeedKey:
        speed = 4;
        break;
    default:
        break;
    }
    return false;
}

bool RunViewerFrame()
{
    return viewer->RunFrame();
}

}  // namespace

bool StartWatching(const Replay& replay, AfterWatching after)
{
    StopWatching();
    auto watching = std::make_unique<ReplayViewer>(replay, after);
    if (TheArchive)
        TheArchive->recording = false;  // the level watched is not a level played
    if (!StartReplayLevel(replay)) {
        if (TheArchive)
            TheArchive->recording = true;
        return false;
    }
    viewer = std::move(watching);
    TheGui->commands.list.clear();
    inputBefore = TheScreen->input;
    frameBefore = TheScreen->runFrame;
    TheScreen->input = viewer.get();
    TheScreen->runFrame = RunViewerFrame;
    return true;
}

bool ReadReplayToWatch(const char* path, Replay& replay)
{
    std::string error;
    if (ReadReplay(path, replay, error))
        return true;
    fprintf(stderr, "Cannot watch the replay %s: %s\n", path, error.c_str());
    return false;
}

bool StartWatchingFile(const char* path, const Replay& replay, AfterWatching after)
{
    if (StartWatching(replay, after))
        return true;
    fprintf(stderr, "Cannot watch the replay %s: its maze is not a level\n", path);
    return false;
}

bool WatchReplayFile(const char* path, AfterWatching after)
{
    Replay replay;
    return ReadReplayToWatch(path, replay) && StartWatchingFile(path, replay, after);
}

void WatchLatestReplay()
{
    const std::string path = TheArchive ? TheArchive->LatestPath() : "";
    if (path.empty()) {
        fprintf(stdout, "No level has been recorded yet.\n");
        TheGui->ShowNotice(NothingRecordedNotice);
        return;
    }
    if (!WatchReplayFile(path.c_str(), AfterWatching::MainMenu))
        TheGui->ShowNotice(CannotWatchNotice);
}

void StopWatching()
{
    if (!viewer)
        return;
    TheSounds->HaltAllSound();
    viewer->GiveBackPlayer();
    if (TheArchive)
        TheArchive->recording = true;
    TheScreen->input = inputBefore;
    TheScreen->runFrame = frameBefore;
    // The viewer may be the one calling: it is destroyed once the frame is over.
    static std::unique_ptr<ReplayViewer> finished;
    finished = std::move(viewer);
}

bool IsWatching()
{
    return viewer != nullptr;
}
