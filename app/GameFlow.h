// The game-state machine: one frame of the game for each state, the start
// and the end of a level.
#pragma once

#include "input/Commands.h"

// One frame of the game with the interface's commands: the tick, its
// sounds, then the drawing; true asks the frame loop to end the program.
bool UpdateGameFrame();
// The same with these commands, the drawing left out unless asked for. The
// window game's replay archive, if any, records the frame.
bool RunGameFrame(const FrameCommands& commands, bool draw);
// Advances the game by one frame in every state: the only place where play,
// the timed pauses, the animations and the level endings move on. True asks
// the program to end.
bool Tick(const FrameCommands& commands);
// Plays the sounds of what the tick and the input before it did, and ends the frame's events.
void PlayFrameSounds();
// Draws the frame the tick left: the maze, the characters as FrameState
// shows them, and the interface of the current state. Changes nothing.
void DrawGame();
// Starts the level loaded in the maze: resets both sides, plays the intro music.
void StartLevel();
// True when the current timed pause is over.
bool PauseIsOver();
// Loads the configured custom maze, stepping past missing files.
void ReloadCustomMaze(bool forward);
// The logic of one Playing frame: the ghosts, the gulper, the timer and the
// end of the level. The game draws after it; the match simulator does not.
void RunPlayingLogic();
// Its steps after the ghosts' update: the gulper, the timer and the end of the level.
void RunPlayingLogicAfterSquad();
