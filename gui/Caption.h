// A caption: one line of small text on a dark strip across the top of the
// window, for notices over the game that belong to no panel (watching a
// replay, keeping one).
#pragma once

#include <string>

class Gui;

void DrawCaption(const Gui& gui, const std::string& text);
