// The game-state machine: one frame of the game for each state, the start
// and the end of a level.
#pragma once

// One frame of the game; true asks the frame loop to end the program.
bool UpdateGameFrame();
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
