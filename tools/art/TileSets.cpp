#include "tools/art/TileSets.h"

#include "tools/art/ItemTiles.h"
#include "tools/art/TileThemes.h"

namespace {

constexpr int SheetColumns = 8;
constexpr int FloorRow = 0;
constexpr int WallRow = 1;
constexpr int ItemRow = 2;
constexpr int SheetRows = 3;
constexpr int ShadowMasks = 8;

// Walls stand up from the floor and the light comes from the top left, so a
// wall casts its own shape onto the floor shifted down and right. The edge is
// softened by averaging three shadow lengths.
constexpr int ShadowLengths[] = {3, 4, 5};

bool InShadow(int mask, int x, int y, int length)
{
    const bool fromLeft = (mask & WallToTheLeft) && x < length && y >= length;
    const bool fromUpLeft = (mask & WallUpAndLeft) && x < length && y < length;
    const bool fromAbove = (mask & WallAbove) && x >= length && y < length;
    return fromLeft || fromUpLeft || fromAbove;
}

Image ShadowedFloor(const TileTheme& theme, int mask)
{
    Image tile = theme.floor();
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            int shaded = 0;
            for (const int length : ShadowLengths)
                shaded += InShadow(mask, x, y, length);
            const double depth = static_cast<double>(shaded) / std::size(ShadowLengths);
            tile.Set(x, y, Opaque(Mix(tile.At(x, y), theme.shadow, depth * theme.shadowStrength)));
        }
    return tile;
}

TileTheme ThemeOf(int setNumber)
{
    switch (setNumber) {
    case 1: return StoneTheme();
    case 2: return MetalTheme();
    default: return NeonTheme();
    }
}

}  // namespace

Image MakeTileSheet(int setNumber)
{
    const TileTheme theme = ThemeOf(setNumber);
    Image sheet(SheetColumns * TileSize, SheetRows * TileSize);
    for (int mask = 0; mask < ShadowMasks; ++mask)
        sheet.Paste(ShadowedFloor(theme, mask), mask * TileSize, FloorRow * TileSize, false);
    for (int variant = 0; variant < WallVariantCount; ++variant)
        sheet.Paste(theme.wall(variant), variant * TileSize, WallRow * TileSize, false);
    const Image items[] = {CornTile(), BoostTile(), GulperStartTile(theme.gulperMark),
                           GhostStartTile(theme.ghostMark)};
    for (int item = 0; item < static_cast<int>(std::size(items)); ++item)
        sheet.Paste(items[item], item * TileSize, ItemRow * TileSize);
    return sheet;
}
