// Tile set 0: walls of glowing blue glass blocks, four to a cell, on a dark
// navy floor with a faint grid.
#include "tools/art/TileThemes.h"

#include <array>

namespace {

constexpr Rgb FloorBase{10, 12, 30};
constexpr Rgb FloorGrid{18, 22, 52};

constexpr int BlockSize = TileSize / 2;  // four glass blocks to a wall cell
constexpr Rgb BlockRimLight{100, 146, 255};
constexpr Rgb BlockRimDark{12, 18, 82};
constexpr Rgb BlockFaceTop{38, 60, 182};
constexpr Rgb BlockFaceBottom{26, 40, 136};
constexpr Rgb DeepFaceTop{26, 38, 132};
constexpr Rgb DeepFaceBottom{20, 28, 104};
constexpr Rgb LitFace{56, 108, 236};
constexpr Rgb LitGlow{110, 190, 255};
constexpr Rgb LitCore{210, 246, 255};
constexpr Rgb RuneColour{96, 168, 255};

enum class Block { Plain, Deep, Lit, Rune };

// The blocks of each wall variant: top left, top right, bottom left, bottom right.
constexpr std::array<std::array<Block, 4>, WallVariantCount> VariantBlocks{{
    {Block::Plain, Block::Plain, Block::Plain, Block::Plain},
    {Block::Plain, Block::Deep, Block::Plain, Block::Plain},
    {Block::Plain, Block::Plain, Block::Lit, Block::Plain},
    {Block::Deep, Block::Plain, Block::Plain, Block::Plain},
    {Block::Plain, Block::Plain, Block::Plain, Block::Rune},
    {Block::Plain, Block::Plain, Block::Deep, Block::Plain},
    {Block::Plain, Block::Plain, Block::Plain, Block::Deep},
    {Block::Rune, Block::Plain, Block::Plain, Block::Plain},
}};

void PaintBlock(Image& tile, int left, int top, Block kind)
{
    const Rgb faceTop = kind == Block::Deep ? DeepFaceTop : BlockFaceTop;
    const Rgb faceBottom = kind == Block::Deep ? DeepFaceBottom : BlockFaceBottom;
    for (int y = 0; y < BlockSize; ++y)
        for (int x = 0; x < BlockSize; ++x) {
            Rgb colour = Mix(faceTop, faceBottom, static_cast<double>(y) / (BlockSize - 1));
            if (x == BlockSize - 1 || y == BlockSize - 1)
                colour = BlockRimDark;
            else if (x == 0 || y == 0)
                colour = BlockRimLight;
            tile.Set(left + x, top + y, colour);
        }
    constexpr int Middle = BlockSize / 2 - 1;  // the centre of the face inside the rims
    if (kind == Block::Lit) {
        tile.FillRect(left + 2, top + 2, BlockSize - 4, BlockSize - 4, LitFace);
        tile.FillRect(left + Middle - 1, top + Middle, 3, 1, LitGlow);
        tile.FillRect(left + Middle, top + Middle - 1, 1, 3, LitGlow);
        tile.Set(left + Middle, top + Middle, LitCore);
    } else if (kind == Block::Rune) {
        tile.FillRect(left + 2, top + Middle, BlockSize - 5, 1, RuneColour);
        tile.FillRect(left + Middle, top + 2, 1, BlockSize - 5, RuneColour);
    }
}

Image Floor()
{
    Image tile(TileSize, TileSize);
    tile.FillRect(0, 0, TileSize, TileSize, FloorBase);
    tile.FillRect(0, 0, TileSize, 1, FloorGrid);
    tile.FillRect(0, 0, 1, TileSize, FloorGrid);
    return tile;
}

Image Wall(int variant)
{
    Image tile(TileSize, TileSize);
    for (int block = 0; block < 4; ++block)
        PaintBlock(tile, BlockSize * (block % 2), BlockSize * (block / 2),
                   VariantBlocks[variant][block]);
    return tile;
}

}  // namespace

TileTheme NeonTheme()
{
    return {Floor, Wall, {2, 2, 8}, 0.75, {150, 132, 44}, {150, 72, 176}};
}
