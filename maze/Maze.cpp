// The maze grid: construction, cell access, tile sheets and tile drawing.
#include "maze/Maze.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr double CellPixels = 18.0;
constexpr int Black = 0;        // the transparent colour of every sheet, per channel
constexpr int OutsideColour = 0x000000;  // the window around a maze smaller than it: black, as it starts

// Shadow mask bits of a floor tile: which neighbours are walls.
constexpr int ShadowLeft = 1;
constexpr int ShadowUpLeft = 2;
constexpr int ShadowUp = 4;

}  // namespace

Maze::Maze(int& mapNumber, int width, int height)
    : width(width), height(height), cellCount(0), itemRowTop(0), cellSize(CellPixels),
      cornLeft(0), ghostStart(), gulperStart(), tiles(nullptr), tileSetIndex(0),
      useBackgroundCache(true)
{
    LoadTileSets();
    itemRowTop = 2 * static_cast<int>(cellSize);
    LoadNumbered(mapNumber, true);
}

Maze::Maze(int width, int height, const std::vector<CellCode>& grid)
    : width(std::max(width, 0)), height(std::max(height, 0)),
      cellCount(this->width * this->height), itemRowTop(0),
      cellSize(CellPixels), cornLeft(0), ghostStart(), gulperStart(), cells(grid),
      tiles(nullptr), tileSetIndex(0), useBackgroundCache(true)
{
    itemRowTop = 2 * static_cast<int>(cellSize);
    cells.resize(cellCount, Wall);
}

Maze::~Maze()
{
    for (SDL_Surface* sheet : tileSets)
        SDL_FreeSurface(sheet);
}

CellCode Maze::CellAt(int x, int y) const
{
    if (x < 0 || x >= width || y < 0 || y >= height)
        return Wall;
    return cells[y * width + x];
}

void Maze::SetCell(CellPos cell, CellCode code)
{
    if (cell.x < 0 || cell.x >= width || cell.y < 0 || cell.y >= height)
        return;
    cells[cell.y * width + cell.x] = code;
}

void Maze::ClearCode(CellCode code)
{
    for (CellCode& cell : cells)
        if (cell == code)
            cell = Tunnel;
}

void Maze::RefreshTileVariants()
{
    // A list left from a grid of another size starts afresh.
    if (tileVariant.size() != cells.size())
        tileVariant.assign(cells.size(), NoValue);

    // Outside the grid counts as open floor here: edge cells get no shadow from it.
    auto isWall = [this](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && cells[y * width + x] == Wall;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int& variant = tileVariant[y * width + x];
            if (cells[y * width + x] == Wall) {
                if (variant == NoValue)
                    variant = wallLooks.Next() % TileColumns;
            } else {
                variant = (isWall(x - 1, y) ? ShadowLeft : 0) +
                          (isWall(x - 1, y - 1) ? ShadowUpLeft : 0) +
                          (isWall(x, y - 1) ? ShadowUp : 0);
            }
        }
    }
}

void Maze::LoadTileSets()
{
    if (tileSets.empty()) {
        background.Forget();  // new images may reuse the addresses of freed ones
        // The sheets are numbered from 0; the first one missing ends the list.
        for (int n = 0;; ++n) {
            const std::string path = "images/tiles" + std::to_string(n) + ".bmp";
            SDL_Surface* sheet = TheScreen->LoadImage(path.c_str(), Black, Black, Black);
            if (!sheet)
                break;
            tileSets.push_back(sheet);
        }
    }
    // A stored choice that names no loaded sheet falls back to the first one;
    // without any sheet the maze is simply not drawn.
    const int chosen = TheConfig->tileSet;
    tileSetIndex = chosen >= 0 && chosen < static_cast<int>(tileSets.size()) ? chosen : 0;
    tiles = tileSets.empty() ? nullptr : tileSets[tileSetIndex];
}

void Maze::NextTileSet()
{
    if (tileSets.empty())
        return;
    tileSetIndex = (tileSetIndex + 1) % static_cast<int>(tileSets.size());
    tiles = tileSets[tileSetIndex];
    TheConfig->tileSet = tileSetIndex;
}

Maze::CellTiles Maze::TilesFor(CellCode code, int variant) const
{
    const int t = static_cast<int>(cellSize);
    CellTiles pictures;
    if (variant >= 0 && variant < TileColumns) {
        pictures.hasBase = true;
        pictures.baseX = variant * t;
        pictures.baseY = code == Wall ? t : 0;  // walls in the second row
    }
    // Corn, boost and the two start cells lie on the floor tile as an overlay.
    if (code >= Corn && code <= GhostStart) {
        pictures.hasOverlay = true;
        pictures.overlayX = (IndexOf(code) - IndexOf(Corn)) * t;
        pictures.overlayY = itemRowTop;
    }
    return pictures;
}

void Maze::Draw() const
{
    // Every reader of a level chooses its tile variants; until then there is nothing to draw.
    if (!tiles || tileVariant.size() != cells.size())
        return;
    ClearOutside();
    if (useBackgroundCache && background.Draw(*this))
        return;
    background.cellsRedrawn = 0;
    DrawEveryTile();
}

// Whatever the frames before left there (a larger maze, panels, messages)
// goes: the strip right of the maze and the one below it. A maze that covers
// the play area, the window but its bottom row, is drawn as it always was:
// that row is the interface's (the timer, the level indicator, the editor's bar).
void Maze::ClearOutside() const
{
    const int64_t size = static_cast<int64_t>(cellSize);
    const int windowWidth = TheScreen->width;
    const int windowHeight = TheScreen->height;
    const int mazeWidth = static_cast<int>(std::min<int64_t>(width * size, windowWidth));
    const int mazeHeight = static_cast<int>(std::min<int64_t>(height * size, windowHeight));
    if (mazeWidth == windowWidth && mazeHeight >= windowHeight - size)
        return;
    if (mazeWidth < windowWidth)
        TheScreen->FillRect(mazeWidth, 0, windowWidth - mazeWidth, windowHeight, OutsideColour);
    if (mazeHeight < windowHeight)
        TheScreen->FillRect(0, mazeHeight, mazeWidth, windowHeight - mazeHeight, OutsideColour);
}

void Maze::DrawEveryTile() const
{
    const int t = static_cast<int>(cellSize);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = y * width + x;
            const CellTiles pictures = TilesFor(cells[index], tileVariant[index]);
            if (pictures.hasBase)
                TheScreen->Blit(tiles, x * t, y * t, pictures.baseX, pictures.baseY, t, t);
            if (pictures.hasOverlay)
                TheScreen->Blit(tiles, x * t, y * t, pictures.overlayX, pictures.overlayY, t, t);
        }
    }
}
