// Watching a replay in the window: the replay's commands drive the game frame
// by frame with the usual drawing and sounds, while the player's keys only
// pause, step, change the speed or end the watching. The player's own
// settings and maze come back when it ends.
#pragma once

#include "app/Replay.h"

// Where Esc, or the end of the replay's level, leads.
enum class AfterWatching {
    MainMenu,    // opened from the main menu
    EndProgram,  // the program was started to watch it
};

// Keys while watching.
constexpr int WatchPauseKey = 'p';     // also Space
constexpr int WatchStepKey = '.';      // also the right arrow: one frame while paused
constexpr int WatchNormalSpeedKey = '1';
constexpr int WatchDoubleSpeedKey = '2';
constexpr int WatchQuadrupleSpeedKey = '4';

// Starts watching: the frame loop's input and frames go to the viewer until
// it ends. False (nothing changed) when the replay's maze is not a level.
bool StartWatching(const Replay& replay, AfterWatching after);
// The two halves of watching a file, each false with one message on
// standard error: reading it, then starting it.
bool ReadReplayToWatch(const char* path, Replay& replay);
bool StartWatchingFile(const char* path, const Replay& replay, AfterWatching after);
// Both.
bool WatchReplayFile(const char* path, AfterWatching after);
// Watches the newest replay of the archive, from the main menu; a notice on
// the screen and a message on the terminal when there is none or it cannot be watched.
void WatchLatestReplay();
// Ends the watching, if any, giving back the player's settings, maze and input.
void StopWatching();
bool IsWatching();
