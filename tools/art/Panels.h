// The interface images: panel backgrounds, buttons and the window icon.
//
// Buttons hold two frames stacked vertically, idle above and pressed below.
// Panels are opaque: near-black fills inside a blue frame, with a title band
// at the top when the panel carries a title.
#pragma once

#include "tools/art/Image.h"

// A button of w x h pixels: an image of w x 2h.
Image MakeButton(int w, int h);
// A panel of w x h pixels whose title band is bandHeight rows tall (0: none).
Image MakePanel(int w, int h, int bandHeight);
// "images/icon.bmp": the gulper about to eat a kernel, 32 x 32, fully opaque.
Image MakeIcon();

// The title band of the large dialogs; its top 18 rows also serve as the
// level editor's bar, and the dialog's title line sits on it.
constexpr int DialogBandHeight = 23;
// The title band of the 144 x 180 menus.
constexpr int MenuBandHeight = 24;
