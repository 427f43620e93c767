// The colours shared across the game's art: the interface, the text and the
// characters. Each tile set keeps its own colours beside its drawing code.
#pragma once

#include <array>

#include "tools/art/Image.h"

namespace Palette {

// Panels: near-black navy fills inside a blue frame, with a lighter title band.
constexpr Rgb PanelFill{12, 14, 34};
constexpr Rgb PanelFillLow{16, 18, 44};     // the bottom of the fill's gentle gradient
constexpr Rgb PanelBand{26, 32, 78};        // the title band at the top of a panel
constexpr Rgb PanelBandLow{20, 24, 60};
constexpr Rgb PanelFrame{84, 110, 230};     // the outer frame line
constexpr Rgb PanelFrameLight{150, 176, 255};  // its lit upper-left part
constexpr Rgb PanelFrameInner{32, 38, 96};  // the inner line that sets the frame off the fill
constexpr Rgb PanelRule{64, 84, 190};       // the line under the title band

// Buttons: a raised violet face when idle, a sunken face with a gold rim when pressed;
// violet stands apart from the walls of every tile set and from the navy panels.
constexpr Rgb ButtonOutline{6, 6, 20};  // around every button, idle or pressed
constexpr Rgb ButtonFaceTop{98, 66, 196};
constexpr Rgb ButtonFaceBottom{56, 34, 128};
constexpr Rgb ButtonRim{176, 150, 255};
constexpr Rgb ButtonRimDark{34, 20, 76};
constexpr Rgb ButtonHighlight{140, 110, 236};
constexpr Rgb PressedFaceTop{30, 18, 70};
constexpr Rgb PressedFaceBottom{62, 40, 140};
constexpr Rgb PressedRim{255, 204, 84};
constexpr Rgb PressedRimDark{150, 100, 30};

// Text: white turning warm cream towards the baseline, over a dark drop shadow.
constexpr Rgb LargeTextTop{255, 255, 250};
constexpr Rgb LargeTextBottom{255, 206, 120};
constexpr Rgb LargeTextShadow{28, 18, 52};
constexpr Rgb SmallText{238, 238, 250};
constexpr Rgb SmallTextShadow{22, 22, 48};

// The gulper: a warm yellow ball.
constexpr Rgb GulperLight{255, 250, 180};
constexpr Rgb GulperBase{255, 214, 40};
constexpr Rgb GulperDark{222, 140, 18};
constexpr Rgb GulperOutline{92, 46, 8};
constexpr Rgb GulperEye{40, 20, 10};
constexpr Rgb GulperMouth{150, 40, 30};

// The four ghosts, by colour index: red, pink, cyan and orange.
struct GhostColours {
    Rgb light;
    Rgb base;
    Rgb dark;
    Rgb outline;
};
constexpr std::array<GhostColours, 4> Ghosts{{
    {{255, 140, 130}, {236, 38, 38}, {160, 16, 30}, {64, 6, 16}},
    {{255, 200, 236}, {255, 120, 200}, {196, 60, 150}, {80, 16, 64}},
    {{190, 255, 255}, {40, 220, 240}, {16, 140, 190}, {6, 50, 80}},
    {{255, 220, 150}, {255, 150, 40}, {196, 90, 16}, {80, 34, 6}},
}};
constexpr Rgb GhostEyeWhite{250, 250, 255};
constexpr Rgb GhostEyeShade{190, 200, 230};
constexpr Rgb GhostPupil{24, 40, 150};
constexpr Rgb EyesOutline{20, 24, 60};

// The frightened ghost: deep blue with a pale, worried face.
constexpr GhostColours Frightened{{110, 140, 255}, {40, 60, 220}, {24, 34, 150}, {10, 12, 60}};
constexpr Rgb FrightenedFace{255, 210, 190};

}  // namespace Palette
