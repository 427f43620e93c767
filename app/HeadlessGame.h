// The game with no window on screen and no sound from the speakers: the media
// library on its dummy drivers, the manual clock, and the global objects made
// as the program makes them, with the working directory as the game folder.
// Tests, the match simulator, the benchmarks, the fuzz targets and the pacing
// tool start the game this way and run its frames with RunHeadlessFrame.
#pragma once

#include "input/Commands.h"

// How much of the game is made.
enum class GameParts {
    ScreenAndConfig,  // the window and the configuration, for the file readers
    WholeGame,        // every global object
};

// The manual clock's time at start-up.
constexpr int HeadlessClockStart = 1000;

// Switches to the manual clock and makes the globals, in the current folder.
void StartHeadlessGame(GameParts parts = GameParts::WholeGame);
// Destroys the globals (saving the configuration) and goes back to the real clock.
void StopHeadlessGame();
// One frame as the frame loop runs it, short of showing the window: a level
// started from a menu, the tick
// with these commands, its sounds, the drawing unless left out, then one
// frame period on the manual clock. True when the frame asks the program to end.
bool RunHeadlessFrame(const FrameCommands& commands, bool draw = true);
