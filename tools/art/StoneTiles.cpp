// Tile set 1: grey stone blocks, some overgrown with moss, on an earthen
// floor. Every wall cell has its mortar along its top and left edges, so any
// two cells side by side are parted by exactly one line of mortar.
#include "tools/art/TileThemes.h"

#include <utility>
#include <vector>

#include "tools/art/FixedRandom.h"
#include "tools/art/Mask.h"

namespace {

constexpr Rgb EarthBase{30, 25, 20};
constexpr Rgb EarthLight{38, 32, 25};
constexpr Rgb EarthDark{22, 18, 14};
constexpr Rgb PebbleLight{56, 50, 42};
constexpr Rgb PebbleBase{44, 39, 32};
constexpr Rgb PebbleDark{17, 14, 11};

constexpr Rgb Mortar{32, 33, 28};
constexpr Shading StoneShading{{140, 140, 126}, {104, 104, 94}, {68, 68, 60}};
constexpr Rgb StoneFleck{88, 88, 80};
constexpr Rgb CrackColour{46, 46, 40};
constexpr Shading MossShading{{108, 164, 62}, {66, 120, 42}, {40, 82, 30}};

constexpr std::uint64_t FloorSeed = 0x5709E;
constexpr std::uint64_t WallSeed = 0xB10C5;

struct Rect {
    int x, y, w, h;
};

// The stones of a cell (inside its mortar lines) in the five layouts.
const std::vector<std::vector<Rect>> Layouts{
    {{1, 1, 17, 17}},
    {{1, 1, 17, 8}, {1, 10, 17, 8}},
    {{1, 1, 8, 17}, {10, 1, 8, 17}},
    {{1, 1, 17, 8}, {1, 10, 6, 8}, {8, 10, 10, 8}},
    {{1, 1, 10, 7}, {12, 1, 6, 7}, {1, 9, 17, 9}},
};

struct WallLook {
    int layout;  // index into Layouts
    bool moss;   // moss creeping down from the top of the stones
    bool crack;  // a crack across the first stone
};
constexpr WallLook WallLooks[WallVariantCount] = {
    {0, false, false}, {1, false, false}, {2, false, false}, {3, false, false},
    {4, false, false}, {0, true, false},  {1, true, false},  {3, false, true},
};

void PaintStone(Image& tile, const Rect& stone, FixedRandom& random)
{
    Mask shape(TileSize, TileSize);
    for (int y = stone.y; y < stone.y + stone.h; ++y)
        for (int x = stone.x; x < stone.x + stone.w; ++x)
            shape.Set(x, y, true);
    // Knock off the corners so the blocks look hewn.
    shape.Set(stone.x + stone.w - 1, stone.y + stone.h - 1, false);
    shape.Set(stone.x, stone.y + stone.h - 1, false);
    PaintShaded(tile, 0, 0, shape, StoneShading);
    for (int y = stone.y + 1; y < stone.y + stone.h - 1; ++y)
        for (int x = stone.x + 1; x < stone.x + stone.w - 1; ++x)
            if (random.Chance(0.12))
                tile.Set(x, y, StoneFleck);
}

// Moss hangs from the top edge of a stone in uneven drips.
void PaintMoss(Image& tile, const Rect& stone, FixedRandom& random)
{
    Mask moss(TileSize, TileSize);
    for (int x = stone.x; x < stone.x + stone.w; ++x) {
        const int length = random.Below(5) + (x % 3 == 0 ? 2 : 0);
        for (int y = stone.y; y < stone.y + length && y < stone.y + stone.h; ++y)
            moss.Set(x, y, true);
    }
    PaintShaded(tile, 0, 0, moss, MossShading);
}

void PaintCrack(Image& tile, const Rect& stone)
{
    int x = stone.x + stone.w / 3;
    for (int y = stone.y + 1; y < stone.y + stone.h - 1; ++y) {
        tile.Set(x, y, CrackColour);
        if (y % 3 == 0)
            ++x;
    }
}

Image Floor()
{
    Image tile(TileSize, TileSize);
    FixedRandom random(FloorSeed);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            const int roll = random.Below(100);
            tile.Set(x, y, roll < 10 ? EarthLight : roll < 20 ? EarthDark : EarthBase);
        }
    const Mask pebble = Mask::FromRows({".##", "###", ".#."});
    constexpr std::pair<int, int> Pebbles[] = {{4, 5}, {12, 11}, {13, 2}};
    for (const auto& [x, y] : Pebbles) {
        PaintMask(tile, x + 1, y + 1, pebble, PebbleDark);
        PaintShaded(tile, x, y, pebble, {PebbleLight, PebbleBase, PebbleBase});
    }
    return tile;
}

Image Wall(int variant)
{
    Image tile(TileSize, TileSize);
    tile.FillRect(0, 0, TileSize, TileSize, Mortar);
    FixedRandom random(WallSeed + variant);
    const WallLook look = WallLooks[variant];
    for (const Rect& stone : Layouts[look.layout]) {
        PaintStone(tile, stone, random);
        if (look.moss)
            PaintMoss(tile, stone, random);
    }
    if (look.crack)
        PaintCrack(tile, Layouts[look.layout].front());
    return tile;
}

}  // namespace

TileTheme StoneTheme()
{
    return {Floor, Wall, {4, 3, 2}, 0.7, {150, 128, 56}, {136, 74, 100}};
}
