// The desktop's icons of the game: the gulper about to eat a kernel, as the
// window icon shows it, drawn anew at each size on a transparent ground.
#pragma once

#include "tools/art/Image.h"

// The sizes of the icon theme's folders ("hicolor/NxN/apps").
constexpr int DesktopIconSizes[] = {32, 48, 64, 128, 256};

Image MakeDesktopIcon(int size);
