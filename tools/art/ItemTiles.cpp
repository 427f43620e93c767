#include "tools/art/ItemTiles.h"

#include <utility>

#include "tools/art/CharacterShapes.h"
#include "tools/art/Mask.h"
#include "tools/art/TileThemes.h"

namespace {

constexpr Shading KernelShading{{255, 250, 206}, {255, 216, 70}, {222, 150, 30}};
constexpr Rgb KernelOutline{96, 50, 10};
constexpr Rgb KernelGlint{255, 255, 240};

constexpr Shading CobShading{{255, 240, 150}, {248, 196, 40}, {200, 124, 20}};
constexpr Rgb CobKernelLight{255, 252, 210};
constexpr Rgb CobKernelGap{196, 118, 18};
constexpr Shading HuskShading{{150, 230, 100}, {72, 170, 60}, {36, 110, 40}};
constexpr Rgb CobOutline{40, 34, 8};
constexpr Rgb Sparkle{255, 255, 255};
constexpr Rgb SparkleEdge{255, 230, 150};

constexpr double MarkerRadius = 7.5;
constexpr double MarkerMouth = 40;  // half the mouth's opening, in degrees

// Every other pixel of an outline, so that a start marker reads as paint on the floor.
void PaintDashedOutline(Image& tile, int x, int y, const Mask& shape, Rgb colour)
{
    Image ring(TileSize, TileSize);
    PaintOutline(ring, x, y, shape, colour);
    for (int py = 0; py < TileSize; ++py)
        for (int px = 0; px < TileSize; ++px)
            if (ring.IsInk(px, py) && (px + py) % 3 != 2)
                tile.Set(px, py, colour);
}

}  // namespace

Image CornTile()
{
    Image tile(TileSize, TileSize);
    const Mask kernel = Mask::FromRows({".###.", "#####", "#####", "#####", ".###.", "..#.."});
    constexpr int Left = 6;
    constexpr int Top = 6;
    PaintOutline(tile, Left, Top, kernel, KernelOutline);
    PaintShaded(tile, Left, Top, kernel, KernelShading);
    tile.Set(Left + 1, Top + 1, KernelGlint);
    return tile;
}

Image BoostTile()
{
    Image tile(TileSize, TileSize);
    constexpr int Left = 5;
    constexpr int Top = 2;
    const Mask cob = Mask::FromRows({
        "..####..",
        ".######.",
        ".######.",
        "########",
        "########",
        "########",
        "########",
        "########",
        ".######.",
        ".######.",
        "..####..",
        "...##...",
    });
    const Mask husk = Mask::FromRows({
        "........",
        "........",
        "........",
        "........",
        "........",
        "#......#",
        "#......#",
        "##....##",
        "##....##",
        ".##..##.",
        "..####..",
        "...##...",
    });
    PaintOutline(tile, Left, Top, cob, CobOutline);
    PaintShaded(tile, Left, Top, cob, CobShading);
    // Rows of kernels: a bright top on each, a darker gap between them.
    for (int y = 1; y < cob.height - 2; ++y)
        for (int x = 1; x < cob.width - 1; ++x) {
            if (!cob.At(x, y) || !cob.At(x - 1, y - 1) || !cob.At(x + 1, y + 1))
                continue;
            if (x % 2 == 0 && y % 2 == 1)
                tile.Set(Left + x, Top + y, CobKernelLight);
            else if (x % 2 == 1 && y % 2 == 0)
                tile.Set(Left + x, Top + y, CobKernelGap);
        }
    PaintShaded(tile, Left, Top, husk, HuskShading);
    // A four-pointed sparkle at the top right says it is special.
    constexpr int SparkleX = 14;
    constexpr int SparkleY = 3;
    tile.Set(SparkleX, SparkleY, Sparkle);
    constexpr std::pair<int, int> Points[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& [dx, dy] : Points)
        tile.Set(SparkleX + dx, SparkleY + dy, SparkleEdge);
    return tile;
}

Image GulperStartTile(Rgb colour)
{
    Image tile(TileSize, TileSize);
    PaintDashedOutline(tile, 0, 0, GulperShape(TileSize, MarkerRadius, MarkerMouth), colour);
    return tile;
}

Image GhostStartTile(Rgb colour)
{
    Image tile(TileSize, TileSize);
    const Mask body = GhostBodyShape(0);
    PaintDashedOutline(tile, (TileSize - body.width) / 2, 1, body, colour);
    return tile;
}
