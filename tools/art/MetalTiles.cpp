// Tile set 2: riveted steel plates, one to a cell, on a dark diamond-plate
// floor. Every plate has its seam along its top and left edges, so plates
// side by side meet in exactly one seam whichever variants they are.
#include "tools/art/TileThemes.h"

#include <utility>

#include "tools/art/FixedRandom.h"
#include "tools/art/Mask.h"

namespace {

constexpr Rgb FloorBase{20, 22, 27};
constexpr Rgb FloorSeam{14, 15, 19};
constexpr Rgb TreadLight{34, 37, 45};
constexpr Rgb TreadDark{13, 14, 17};
constexpr int TreadPitch = 6;  // the diamond-plate pattern repeats three times per cell

constexpr Rgb PlateSeam{24, 26, 32};
constexpr Rgb PlateBevelLight{182, 190, 202};
constexpr Rgb PlateBevelDark{62, 68, 80};
constexpr Rgb PlateFace{116, 124, 136};
constexpr int BrushedStreak = 6;  // how much the brushed rows vary in brightness
constexpr Rgb RivetLight{214, 220, 230};
constexpr Rgb RivetBase{150, 156, 168};
constexpr Rgb RivetDark{56, 60, 72};
constexpr Rgb SlotDark{34, 38, 46};
constexpr Rgb SlotLip{156, 164, 176};
constexpr Rgb RustBase{132, 76, 40};
constexpr Rgb RustDark{96, 54, 30};
constexpr Rgb LampGlow{60, 150, 80};
constexpr Rgb LampCore{150, 255, 170};
constexpr Rgb ScratchColour{138, 146, 158};

constexpr std::uint64_t WallSeed = 0x3E7A1;

constexpr int Last = TileSize - 1;

void PaintRivet(Image& tile, int x, int y)
{
    tile.Set(x, y, RivetLight);
    tile.Set(x + 1, y, RivetBase);
    tile.Set(x, y + 1, RivetBase);
    tile.Set(x + 1, y + 1, RivetDark);
}

void PaintCornerRivets(Image& tile)
{
    for (const int x : {3, 13})
        for (const int y : {3, 13})
            PaintRivet(tile, x, y);
}

// The plate every variant starts from: seam, bevel and a brushed face.
void PaintPlate(Image& tile, FixedRandom& random)
{
    for (int y = 1; y < Last; ++y) {
        const int streak = random.Below(2 * BrushedStreak + 1) - BrushedStreak;
        const Rgb face{static_cast<std::uint8_t>(PlateFace.r + streak),
                       static_cast<std::uint8_t>(PlateFace.g + streak),
                       static_cast<std::uint8_t>(PlateFace.b + streak)};
        tile.FillRect(1, y, TileSize - 1, 1, face);
    }
    tile.FillRect(0, 0, TileSize, 1, PlateSeam);
    tile.FillRect(0, 0, 1, TileSize, PlateSeam);
    tile.FillRect(1, 1, TileSize - 1, 1, PlateBevelLight);
    tile.FillRect(1, 1, 1, TileSize - 1, PlateBevelLight);
    tile.FillRect(1, Last, TileSize - 1, 1, PlateBevelDark);
    tile.FillRect(Last, 1, 1, TileSize - 1, PlateBevelDark);
}

void PaintVent(Image& tile)
{
    for (int y = 6; y <= 12; y += 2) {
        tile.FillRect(5, y, 8, 1, SlotDark);
        tile.FillRect(5, y + 1, 8, 1, SlotLip);
    }
}

// A soft rust stain spreading from the plate's lower-right part.
void PaintRust(Image& tile, FixedRandom& random)
{
    constexpr double CentreX = 11.5;
    constexpr double CentreY = 12.5;
    constexpr double RadiusX = 5.0;
    constexpr double RadiusY = 3.5;
    for (int y = 2; y < Last; ++y)
        for (int x = 2; x < Last; ++x) {
            const double dx = (x - CentreX) / RadiusX;
            const double dy = (y - CentreY) / RadiusY;
            const double distance = dx * dx + dy * dy;
            if (distance < 1 && random.Chance(1 - distance * 0.7))
                tile.Set(x, y, Mix(tile.At(x, y), random.Chance(0.3) ? RustDark : RustBase,
                                   0.6 - distance * 0.3));
        }
}

void PaintLamp(Image& tile)
{
    tile.FillRect(11, 4, 4, 4, PlateBevelDark);
    tile.FillRect(12, 5, 2, 2, LampGlow);
    tile.Set(12, 5, LampCore);
    tile.FillRect(4, 11, 7, 3, SlotDark);
    tile.FillRect(5, 12, 2, 1, SlotLip);
    tile.FillRect(8, 12, 2, 1, SlotLip);
}

void PaintScratches(Image& tile)
{
    for (int i = 0; i < 4; ++i) {
        tile.Set(5 + i, 12 - i, ScratchColour);
        tile.Set(10 + i, 8 - i / 2, ScratchColour);
    }
}

void PaintSplit(Image& tile)
{
    constexpr int SeamRow = 9;
    tile.FillRect(2, SeamRow - 1, TileSize - 3, 1, PlateBevelDark);
    tile.FillRect(2, SeamRow, TileSize - 3, 1, PlateSeam);
    tile.FillRect(2, SeamRow + 1, TileSize - 3, 1, PlateBevelLight);
}

Image Floor()
{
    Image tile(TileSize, TileSize);
    tile.FillRect(0, 0, TileSize, TileSize, FloorBase);
    // Raised treads leaning one way and the other, in a checkerboard.
    for (int by = 0; by < TileSize; by += TreadPitch)
        for (int bx = 0; bx < TileSize; bx += TreadPitch) {
            const bool rising = ((bx + by) / TreadPitch) % 2 == 0;
            const int x = bx + 2;
            const int y = by + 2;
            if (rising) {
                tile.Set(x, y + 1, TreadLight);
                tile.Set(x + 1, y, TreadLight);
                tile.Set(x + 1, y + 1, TreadDark);
            } else {
                tile.Set(x, y, TreadLight);
                tile.Set(x + 1, y + 1, TreadLight);
                tile.Set(x + 1, y, TreadDark);
            }
        }
    tile.FillRect(0, 0, TileSize, 1, FloorSeam);
    tile.FillRect(0, 0, 1, TileSize, FloorSeam);
    return tile;
}

// Most plates are plain, so that the few with a vent, a lamp, rust or a
// warning band catch the eye without making the walls busy.
Image Wall(int variant)
{
    Image tile(TileSize, TileSize);
    FixedRandom random(WallSeed + variant);
    PaintPlate(tile, random);
    switch (variant) {
    case 2: PaintSplit(tile); break;
    case 3: PaintScratches(tile); break;
    case 4: PaintVent(tile); break;
    case 6: PaintLamp(tile); break;
    case 7: PaintRust(tile, random); break;
    default: break;
    }
    if (variant != 1)
        PaintCornerRivets(tile);
    return tile;
}

}  // namespace

TileTheme MetalTheme()
{
    return {Floor, Wall, {3, 3, 4}, 0.72, {176, 146, 30}, {170, 56, 56}};
}
