#include "tools/art/DesktopIcons.h"

#include <algorithm>
#include <cmath>

#include "tools/art/CharacterShapes.h"
#include "tools/art/Mask.h"
#include "tools/art/Palette.h"

namespace {

// Proportions of the 32-pixel window icon, as fractions of the icon's side.
constexpr double BallGridShare = 0.75;
constexpr double BallRadiusShare = 0.4375;  // of the ball's grid
constexpr double MouthHalfAngle = 38;
constexpr double BallLeftShare = 1.0 / 32;
constexpr double BallTopShare = 4.0 / 32;
constexpr double EyeXShare = 13.0 / 24;  // of the ball's grid
constexpr double EyeYShare = 5.0 / 24;
constexpr double EyeSizeShare = 3.0 / 24;
constexpr double KernelXShare = 26.5 / 32;
constexpr double KernelYShare = 16.5 / 32;
constexpr double KernelRadiusShare = 2.6 / 32;
constexpr int OutlineStep = 32;  // one more pixel of outline for each 32 pixels of side
// The web icon's gulper, as a share of the square: inside the round mask a home screen may cut.
constexpr double WebIconFigureShare = 0.7;

// The shape with every pixel next to it added.
Mask Grown(const Mask& shape)
{
    Mask grown(shape.width, shape.height);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x)
            grown.Set(x, y, shape.At(x, y) || shape.At(x - 1, y) || shape.At(x + 1, y) ||
                                shape.At(x, y - 1) || shape.At(x, y + 1));
    return grown;
}

// A shaded shape in an outline that thickens with the icon's size.
void PaintCharacterPart(Image& icon, int x, int y, const Mask& shape, int outline)
{
    Mask ring = shape;
    for (int i = 1; i < outline; ++i)
        ring = Grown(ring);
    PaintMask(icon, x, y, ring, Palette::GulperOutline);
    PaintOutline(icon, x, y, ring, Palette::GulperOutline);
    PaintShaded(icon, x, y, shape, {Palette::GulperLight, Palette::GulperBase, Palette::GulperDark});
}

int Share(double share, int of)
{
    return static_cast<int>(std::lround(share * of));
}

}  // namespace

Image MakeDesktopIcon(int size)
{
    Image icon(size, size);
    const int outline = std::max(1, size / OutlineStep);

    const int grid = Share(BallGridShare, size);
    const Mask ball = GulperShape(grid, BallRadiusShare * grid, MouthHalfAngle);
    const int ballLeft = Share(BallLeftShare, size);
    const int ballTop = Share(BallTopShare, size);
    PaintCharacterPart(icon, ballLeft, ballTop, ball, outline);
    const int eye = std::max(2, Share(EyeSizeShare, grid));
    const int eyeX = ballLeft + Share(EyeXShare, grid);
    const int eyeY = ballTop + Share(EyeYShare, grid);
    icon.FillRect(eyeX, eyeY, eye, eye, Palette::GulperEye);
    icon.FillRect(eyeX, eyeY, std::max(1, eye / 3), std::max(1, eye / 3), Palette::GulperLight);

    const double radius = KernelRadiusShare * size;
    const int kernelGrid = static_cast<int>(std::ceil(2 * radius)) + 2 * outline + 2;
    const Mask kernel = DiscMask(kernelGrid, kernelGrid, kernelGrid / 2.0, kernelGrid / 2.0, radius);
    PaintCharacterPart(icon, Share(KernelXShare, size) - kernelGrid / 2,
                       Share(KernelYShare, size) - kernelGrid / 2, kernel, outline);
    return icon;
}

Image MakeWebIcon(int size)
{
    Image icon(size, size);
    icon.FillRect(0, 0, size, size, Palette::PanelFill);
    const Image figure = MakeDesktopIcon(Share(WebIconFigureShare, size));
    icon.Paste(figure, (size - figure.width) / 2, (size - figure.height) / 2);
    return icon;
}
