// A caption: one line of small text on a dark strip across the top of the
// window, for notices over the game that belong to no panel (watching a
// replay, keeping one).
#pragma once

#include <string>

class Gui;

constexpr int CaptionStripHeight = 14;
constexpr int CaptionStripColour = 0x101018;  // near black, a little blue like the menus

void DrawCaption(const Gui& gui, const std::string& text);
