// One frame of local play: what the menus asked of the program, the tick,
// its sounds, the replay archive, then the drawing.
#pragma once

#include "input/Commands.h"

// Serves what the interface asked for since the last frame (a level started
// from a menu, a replay to watch or keep); then the frame with the
// interface's commands. True asks the frame loop to end the program.
bool UpdateGameFrame();
// The same with these commands, the drawing left out unless asked for. The
// window game's replay archive, if any, records the frame.
bool RunGameFrame(const FrameCommands& commands, bool draw);
// What the interface asked for since the last frame, served in local play.
void ServeGuiRequest();
