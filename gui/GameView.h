// The picture of a frame.
#pragma once

#include <string>

// Draws the frame the tick left: the maze, the characters as the frame state
// shows them, the interface of the current state, and the caption (none when
// empty) on a strip. Changes nothing.
void DrawGame(const std::string& caption = "");
