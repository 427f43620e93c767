// A caption: one line of small text on a dark strip across the top of the
// window, for notices over the game that belong to no panel (watching a
// replay, keeping one), and the thin progress bar under it of a replay watched.
#pragma once

#include <string>

class Gui;

constexpr int CaptionStripHeight = 14;
constexpr int CaptionStripColour = 0x101018;  // near black, a little blue like the menus

void DrawCaption(const Gui& gui, const std::string& text);

// The progress bar: a thin strip across the window right under the caption,
// lit from the left as far as the part done.
constexpr int ProgressBarHeight = 3;
constexpr int ProgressBarColour = 0x303048;      // the part still to come
constexpr int ProgressDoneColour = 0xd8c040;     // the part done, the game's corn yellow
constexpr int ProgressBarClickMargin = 3;        // rows above and below the bar that a click still hits

// Draws the bar with done of total lit (total at least 1).
void DrawProgressBar(int done, int total);
// True when a point of the window is on the bar, or within its click margin.
bool OnProgressBar(int x, int y);
// The part of total that the bar's column x stands for, from 0 to total.
int ProgressAt(int x, int total);
