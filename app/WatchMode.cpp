// Watching a replay: the viewer's keys and clicks, its frames, its caption and its progress bar.
#include "app/WatchMode.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/PlayMode.h"
#include "gui/Caption.h"
#include "gui/GameView.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "replay/Archive.h"
#include "replay/Recorder.h"
#include "rules/FrameSounds.h"
#include "rules/Settings.h"
#include "rules/Tick.h"

namespace {

// What the main menu's key says when it cannot show a replay; the terminal says why.
constexpr const char* NothingRecordedNotice = "No level has been recorded yet";
constexpr const char* CannotWatchNotice = "The last level's replay cannot be watched";

// The interface's row under the play area, cleared before every frame drawn:
// the intro and the gulper's appearance draw nothing there, and what an
// earlier frame left would make a frame reached by a jump look otherwise
// than the same frame watched straight through.
constexpr int InterfaceRowColour = 0x000000;

constexpr int FastSpeed = 2;
constexpr int FastestSpeed = 4;

}  // namespace

WatchMode::WatchMode(const Replay& watched, AfterWatching afterwards, ReplayArchive* archive)
    : replay(watched), after(afterwards), archive(archive),
      playerSettings(CurrentLevelSettings()), playerState(GameState),
      playerMaze(TheMaze->LevelText())
{
}

std::unique_ptr<WatchMode> WatchMode::Start(const Replay& replay, AfterWatching after,
                                            ReplayArchive* archive)
{
    std::unique_ptr<WatchMode> mode(new WatchMode(replay, after, archive));
    if (archive)
        archive->recording = false;  // the level watched is not a level played
    if (!StartReplayLevel(mode->replay)) {
        if (archive)
            archive->recording = true;
        mode->ended = true;  // nothing to give back
        return nullptr;
    }
    mode->timeline.Prepare();
    TheGui->commands.list.clear();
    return mode;
}

WatchMode::~WatchMode()
{
    End();
}

bool WatchMode::End()
{
    if (!ended) {
        ended = true;
        TheSounds->HaltAllSound();
        ApplyLevelSettings(playerSettings);
        GameState = playerState;
        std::istringstream maze(playerMaze);
        TheMaze->ReadLevel(maze);
        if (archive)
            archive->recording = true;
    }
    return after == AfterWatching::EndProgram;
}

bool WatchMode::LevelIsOver() const
{
    // A level that was won or lost ends with its pause; one that was left
    // ends with its last recorded frame.
    if (GameState == GulperWins || GameState == GhostsWin)
        return PauseIsOver();
    return timeline.AtEnd();
}

std::string WatchMode::CaptionText() const
{
    const int framesPerSecond = std::max(1, replay.settings.framesPerSecond);
    const int now = std::min(timeline.Frame(), timeline.Frames()) / framesPerSecond;
    const int length = timeline.Frames() / framesPerSecond;
    char text[160];
    if (paused) {
        snprintf(text, sizeof text,
                 "REPLAY %d:%02d / %d:%02d  paused  , . step  PgUp PgDn 10 s  Home start  "
                 "P play  1 2 4 speed  Esc end",
                 now / 60, now % 60, length / 60, length % 60);
    } else {
        snprintf(text, sizeof text,
                 "REPLAY %d:%02d / %d:%02d  x%d  P pause  1 2 4 speed  PgUp PgDn 10 s  "
                 "Home start  Esc end",
                 now / 60, now % 60, length / 60, length % 60, speed);
    }
    return text;
}

void WatchMode::AskSeek(int target)
{
    seekTarget = std::max(0, target);
    seekAsked = true;
}

bool WatchMode::Update()
{
    if (ended)
        return false;
    if (seekAsked) {
        seekAsked = false;
        TheSounds->HaltAllSound();  // what was playing belongs to the frames left behind
        timeline.SeekTo(seekTarget);
    }
    int ticks = paused ? (stepAsked ? 1 : 0) : speed;
    stepAsked = false;
    for (; ticks > 0; --ticks) {
        if (LevelIsOver())
            return End();
        timeline.Step();
        PlayFrameSounds();
    }
    return false;
}

void WatchMode::Draw() const
{
    if (ended) {
        DrawGame();
        return;
    }
    const int rowHeight = static_cast<int>(TheMaze->cellSize);
    TheScreen->FillRect(0, TheScreen->height - rowHeight, TheScreen->width, rowHeight,
                        InterfaceRowColour);
    DrawGame(CaptionText());
    DrawProgressBar(std::min(timeline.Frame(), timeline.Frames()), timeline.Frames());
}

std::unique_ptr<Mode> WatchMode::TakeNext()
{
    if (!ended || after == AfterWatching::EndProgram)
        return nullptr;
    return std::make_unique<PlayMode>(archive);
}

bool WatchMode::OnKeyDown(int key)
{
    if (ended)
        return false;
    switch (key) {
    case SDLK_ESCAPE:
        return End();
    case WatchPauseKey:
    case SDLK_SPACE:
        paused = !paused;
        break;
    case WatchStepKey:
    case SDLK_RIGHT:
        stepAsked = paused;
        break;
    case WatchStepBackKey:
    case SDLK_LEFT:
        if (paused)
            AskSeek(JumpBase() - 1);
        break;
    case SDLK_PAGEUP:
        AskSeek(JumpBase() - WatchJumpSeconds * timeline.Interval());
        break;
    case SDLK_PAGEDOWN:
        // Forward no further than the recorded end (the end pause plays on from there).
        AskSeek(std::max(JumpBase(), std::min(JumpBase() + WatchJumpSeconds * timeline.Interval(),
                                              timeline.Frames())));
        break;
    case SDLK_HOME:
        AskSeek(0);
        break;
    case WatchNormalSpeedKey:
        speed = 1;
        break;
    case WatchDoubleSpeedKey:
        speed = FastSpeed;
        break;
    case WatchQuadrupleSpeedKey:
        speed = FastestSpeed;
        break;
    default:
        break;
    }
    return false;
}

bool WatchMode::OnLeftDown(int x, int y)
{
    if (!ended && OnProgressBar(x, y))
        AskSeek(ProgressAt(x, timeline.Frames()));
    return false;
}

bool ReadReplayToWatch(const char* path, Replay& replay)
{
    std::string error;
    if (ReadReplay(path, replay, error))
        return true;
    fprintf(stderr, "Cannot watch the replay %s: %s\n", path, error.c_str());
    return false;
}

std::unique_ptr<WatchMode> StartWatchingFile(const char* path, const Replay& replay,
                                             AfterWatching after, ReplayArchive* archive)
{
    std::unique_ptr<WatchMode> mode = WatchMode::Start(replay, after, archive);
    if (!mode)
        fprintf(stderr, "Cannot watch the replay %s: its maze is not a level\n", path);
    return mode;
}

std::unique_ptr<Mode> WatchLatestReplay(ReplayArchive* archive)
{
    const std::string path = archive ? archive->LatestPath() : "";
    if (path.empty()) {
        fprintf(stdout, "No level has been recorded yet.\n");
        TheGui->ShowNotice(NothingRecordedNotice);
        return nullptr;
    }
    Replay replay;
    std::unique_ptr<WatchMode> mode;
    if (ReadReplayToWatch(path.c_str(), replay))
        mode = StartWatchingFile(path.c_str(), replay, AfterWatching::MainMenu, archive);
    if (!mode)
        TheGui->ShowNotice(CannotWatchNotice);
    return mode;
}
