#include "tools/art/Panels.h"

#include "tools/art/CharacterShapes.h"
#include "tools/art/Mask.h"
#include "tools/art/Palette.h"

namespace {

struct ButtonLook {
    Rgb faceTop;
    Rgb faceBottom;
    Rgb rimLit;     // top and left edges
    Rgb rimShade;   // bottom and right edges
    Rgb innerLine;  // the row under the top rim: a highlight when raised, a shadow when sunken
};

constexpr ButtonLook Idle{Palette::ButtonFaceTop, Palette::ButtonFaceBottom, Palette::ButtonRim,
                          Palette::ButtonRimDark, Palette::ButtonHighlight};
constexpr ButtonLook Pressed{Palette::PressedFaceTop, Palette::PressedFaceBottom,
                             Palette::PressedRim, Palette::PressedRimDark,
                             Palette::ButtonRimDark};

// Rounds a rectangle's corners by leaving its corner pixel transparent.
void CutCorners(Image& image, int top, int w, int h)
{
    for (const int x : {0, w - 1})
        for (const int y : {top, top + h - 1})
            image.Set(x, y, Transparent);
}

void DrawButtonFrame(Image& image, int top, int w, int h, const ButtonLook& look)
{
    // A dark outline sets the button off whatever lies behind it, then the
    // bevel (lit top and left, shaded bottom and right), then the face.
    image.FillRect(0, top, w, h, Palette::ButtonOutline);
    image.FillRect(1, top + 1, w - 2, h - 2, look.rimShade);
    image.FillRect(1, top + 1, w - 2, 1, look.rimLit);
    image.FillRect(1, top + 1, 1, h - 2, look.rimLit);
    const int faceHeight = h - 4;
    for (int y = 0; y < faceHeight; ++y)
        image.FillRect(2, top + 2 + y, w - 4, 1,
                       Mix(look.faceTop, look.faceBottom, static_cast<double>(y) / (faceHeight - 1)));
    image.FillRect(2, top + 2, w - 4, 1, look.innerLine);
    CutCorners(image, top, w, h);
}

}  // namespace

Image MakeButton(int w, int h)
{
    Image button(w, 2 * h);
    DrawButtonFrame(button, 0, w, h, Idle);
    DrawButtonFrame(button, h, w, h, Pressed);
    return button;
}

Image MakePanel(int w, int h, int bandHeight)
{
    Image panel(w, h);
    for (int y = 0; y < h; ++y)
        panel.FillRect(0, y, w, 1,
                       Mix(Palette::PanelFill, Palette::PanelFillLow, static_cast<double>(y) / h));
    if (bandHeight > 0) {
        for (int y = 0; y < bandHeight; ++y)
            panel.FillRect(0, y, w, 1,
                           Mix(Palette::PanelBand, Palette::PanelBandLow,
                               static_cast<double>(y) / bandHeight));
        panel.FillRect(2, bandHeight, w - 4, 1, Palette::PanelRule);
    }
    // The frame: a bright outer line lit on its upper-left sides, a dark inner line.
    panel.FillRect(1, 1, w - 2, 1, Palette::PanelFrameInner);
    panel.FillRect(1, 1, 1, h - 2, Palette::PanelFrameInner);
    panel.FillRect(1, h - 2, w - 2, 1, Palette::PanelFrameInner);
    panel.FillRect(w - 2, 1, 1, h - 2, Palette::PanelFrameInner);
    panel.FillRect(0, h - 1, w, 1, Palette::PanelFrame);
    panel.FillRect(w - 1, 0, 1, h, Palette::PanelFrame);
    panel.FillRect(0, 0, w, 1, Palette::PanelFrameLight);
    panel.FillRect(0, 0, 1, h, Palette::PanelFrameLight);
    CutCorners(panel, 0, w, h);
    return panel;
}

Image MakeIcon()
{
    constexpr int Size = 32;
    Image icon = MakePanel(Size, Size, 0);
    // The icon is shown without a transparent colour: fill the cut corners too.
    for (const int x : {0, Size - 1})
        for (const int y : {0, Size - 1})
            icon.Set(x, y, Palette::PanelFill);

    constexpr int BallGrid = 24;
    constexpr double BallRadius = 10.5;
    constexpr double MouthHalfAngle = 38;
    const Mask ball = GulperShape(BallGrid, BallRadius, MouthHalfAngle);
    constexpr int BallLeft = 1;
    constexpr int BallTop = 4;
    PaintOutline(icon, BallLeft, BallTop, ball, Palette::GulperOutline);
    PaintShaded(icon, BallLeft, BallTop, ball,
                {Palette::GulperLight, Palette::GulperBase, Palette::GulperDark});
    icon.FillRect(BallLeft + 13, BallTop + 5, 3, 3, Palette::GulperEye);
    icon.Set(BallLeft + 13, BallTop + 5, Palette::GulperLight);

    const Mask kernel = Mask::FromRows({".###.", "#####", "#####", ".###.", "..#.."});
    constexpr int KernelLeft = 24;
    constexpr int KernelTop = 14;
    PaintOutline(icon, KernelLeft, KernelTop, kernel, Palette::GulperOutline);
    PaintShaded(icon, KernelLeft, KernelTop, kernel,
                {Palette::GulperLight, Palette::GulperBase, Palette::GulperDark});
    return icon;
}
