// Watching a replay in the window: the replay's commands drive the game frame
// by frame with the usual drawing and sounds, while the player's keys and
// clicks only pause, step either way, jump about, change the speed or end
// the watching. The player's own settings and maze come back when it ends.
#pragma once

#include <memory>
#include <string>

#include "app/Mode.h"
#include "platform/LevelSettings.h"
#include "replay/Checker.h"
#include "replay/ReplayFile.h"
#include "replay/Rewind.h"

class ReplayArchive;

// Where Esc, or the end of the replay's level, leads.
enum class AfterWatching {
    MainMenu,    // opened from the main menu
    EndProgram,  // the program was started to watch it
};

// Keys while watching.
constexpr int WatchPauseKey = 'p';     // also Space
constexpr int WatchStepKey = '.';      // also the right arrow: one frame while paused
constexpr int WatchStepBackKey = ',';  // also the left arrow: one frame back while paused
// Page Up and Page Down jump this far back and forward, Home to the level's start.
constexpr int WatchJumpSeconds = 10;
constexpr int WatchNormalSpeedKey = '1';
constexpr int WatchDoubleSpeedKey = '2';
constexpr int WatchQuadrupleSpeedKey = '4';

class WatchMode : public Mode, public InputHandler {
public:
    // Starts watching: the replay's level is started at once. Null (nothing
    // changed) when the replay's maze is not a level.
    static std::unique_ptr<WatchMode> Start(const Replay& replay, AfterWatching after,
                                            ReplayArchive* archive);
    // Gives the player's settings back if watching has not ended yet.
    ~WatchMode() override;

    InputHandler& Input() override { return *this; }
    // As many ticks as the speed asks; the level's end ends the watching.
    bool Update() override;
    void Draw() const override;
    // Back to the game, once watching from the main menu has ended.
    std::unique_ptr<Mode> TakeNext() override;

    bool OnKeyDown(int key) override;
    bool OnKeyUp(int) override { return false; }
    // A click on the progress bar jumps to the frame under it.
    bool OnLeftDown(int x, int y) override;
    bool OnLeftUp(int, int) override { return false; }
    bool OnLeftDrag(int, int) override { return false; }
    bool OnRightDown(int, int) override { return false; }
    bool OnMouseIgnored(int, int) override { return false; }

    bool Ended() const { return ended; }
    // Frames ticked since the level's start, and the replay's frames.
    int Frame() const { return timeline.Frame(); }
    int Frames() const { return timeline.Frames(); }
    std::string CaptionText() const;
    int speed = 1;          // ticks a frame
    bool paused = false;

private:
    WatchMode(const Replay& replay, AfterWatching after, ReplayArchive* archive);
    // Ends the watching: the player's settings, maze and state come back. True
    // when the program is then to end.
    bool End();
    bool LevelIsOver() const;
    // Where the next jump starts from: a jump asked for and not made yet, or here.
    int JumpBase() const { return seekAsked ? seekTarget : timeline.Frame(); }
    void AskSeek(int target);

    const Replay replay;
    const AfterWatching after;
    ReplayArchive* archive;  // records nothing while watching; may be null
    // What watching changes, as the player had it.
    LevelSettings playerSettings;
    GameStateId playerState;
    std::string playerMaze;
    ReplayTimeline timeline{replay};  // the replay's frames and the snapshots kept of them
    bool stepAsked = false;           // one tick while paused
    bool seekAsked = false;           // a jump to seekTarget, made by the next update
    int seekTarget = 0;               // frames from the level's start
    bool ended = false;
};

// The two halves of watching a file, each null or false with one message on
// standard error: reading it, then starting it.
bool ReadReplayToWatch(const char* path, Replay& replay);
std::unique_ptr<WatchMode> StartWatchingFile(const char* path, const Replay& replay,
                                             AfterWatching after, ReplayArchive* archive);
// Watches the newest replay of the archive, from the main menu; null, with a
// notice on the screen and a message on the terminal, when there is none or
// it cannot be watched.
std::unique_ptr<Mode> WatchLatestReplay(ReplayArchive* archive);
