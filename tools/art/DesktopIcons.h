// The game's icons: the gulper about to eat a kernel, as the window icon shows
// it, drawn anew at each size, on a transparent ground for the desktop and on
// the panels' dark blue square for the web page's home-screen icons.
#pragma once

#include "tools/art/Image.h"

// The sizes of the icon theme's folders ("hicolor/NxN/apps").
constexpr int DesktopIconSizes[] = {32, 48, 64, 128, 256};

Image MakeDesktopIcon(int size);

// The web app manifest's icon sizes.
constexpr int WebIconSizes[] = {192, 512};

Image MakeWebIcon(int size);
