#include "maze/MazeBackground.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "maze/Maze.h"

namespace {

constexpr int NotDrawn = NoValue;  // drawnCode of a cell still to draw
constexpr int WindowBytesPerPixel = 4;  // the game's 32-bit window
// Two fills that differ in every bit: a tile that covers its cell leaves
// neither of them anywhere.
constexpr Uint32 FillAllClear = 0x00000000;
constexpr Uint32 FillAllSet = 0xFFFFFFFF;

bool SameFormat(const SDL_PixelFormat& a, const SDL_PixelFormat& b)
{
    return a.BitsPerPixel == b.BitsPerPixel && a.Rmask == b.Rmask && a.Gmask == b.Gmask &&
           a.Bmask == b.Bmask && a.Amask == b.Amask;
}

SDL_Surface* SurfaceLike(const SDL_PixelFormat& format, int width, int height)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format.BitsPerPixel, format.Rmask,
                                format.Gmask, format.Bmask, format.Amask);
}

// Copies a tile of the sheet to (x, y) of a surface, clipped to it.
void CopyTile(SDL_Surface* sheet, int sourceX, int sourceY, int size, SDL_Surface* target, int x,
              int y)
{
    SDL_Rect source = {static_cast<Sint16>(sourceX), static_cast<Sint16>(sourceY),
                       static_cast<Uint16>(size), static_cast<Uint16>(size)};
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(sheet, &source, target, &place);
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b)
{
    SDL_LockSurface(a);
    SDL_LockSurface(b);
    bool same = true;
    const size_t rowBytes = static_cast<size_t>(a->w) * a->format->BytesPerPixel;
    for (int y = 0; y < a->h && same; ++y) {
        same = std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                           static_cast<const Uint8*>(b->pixels) + y * b->pitch, rowBytes) == 0;
    }
    SDL_UnlockSurface(b);
    SDL_UnlockSurface(a);
    return same;
}

// Whether every floor and wall tile of the sheet covers its whole cell: each
// is copied onto two cells filled with opposite bits, which must come out the
// same. A tile with transparent pixels, or one cut off by a sheet too small,
// leaves some fill showing.
bool BaseTilesCoverTheirCells(const Maze& maze, SDL_Surface* sheet, const SDL_PixelFormat& format,
                              int size)
{
    SDL_Surface* const onClear = SurfaceLike(format, size, size);
    SDL_Surface* const onSet = SurfaceLike(format, size, size);
    bool cover = onClear && onSet;
    for (int variant = 0; variant < TileColumns && cover; ++variant) {
        for (const CellCode code : {Tunnel, Wall}) {
            const Maze::CellTiles pictures = maze.TilesFor(code, variant);
            SDL_FillRect(onClear, nullptr, FillAllClear);
            SDL_FillRect(onSet, nullptr, FillAllSet);
            CopyTile(sheet, pictures.baseX, pictures.baseY, size, onClear, 0, 0);
            CopyTile(sheet, pictures.baseX, pictures.baseY, size, onSet, 0, 0);
            cover = cover && pictures.hasBase && SamePixels(onClear, onSet);
        }
    }
    SDL_FreeSurface(onSet);
    SDL_FreeSurface(onClear);
    return cover;
}

}  // namespace

MazeBackground::~MazeBackground()
{
    SDL_FreeSurface(surface);
}

void MazeBackground::Forget()
{
    drawnSheet = nullptr;
    checkedSheets.clear();
}

bool MazeBackground::FitWindow(const Maze& maze)
{
    if (!TheScreen || !TheScreen->surface)
        return false;
    const SDL_PixelFormat& format = *TheScreen->surface->format;
    if (format.BytesPerPixel != WindowBytesPerPixel)
        return false;
    const int64_t size = static_cast<int>(maze.cellSize);
    const int width = static_cast<int>(std::min<int64_t>(maze.width * size, TheScreen->width));
    const int height = static_cast<int>(std::min<int64_t>(maze.height * size, TheScreen->height));
    if (width < 1 || height < 1)
        return false;
    if (surface && surface->w == width && surface->h == height && SameFormat(*surface->format, format))
        return true;

    SDL_FreeSurface(surface);
    surface = SurfaceLike(format, width, height);
    Forget();
    return surface != nullptr;
}

bool MazeBackground::SheetIsOpaque(const Maze& maze, SDL_Surface* sheet, int tileSize)
{
    for (const auto& [checked, opaque] : checkedSheets) {
        if (checked == sheet)
            return opaque;
    }
    const bool opaque = BaseTilesCoverTheirCells(maze, sheet, *surface->format, tileSize);
    checkedSheets.emplace_back(sheet, opaque);
    return opaque;
}

bool MazeBackground::Draw(const Maze& maze)
{
    cellsRedrawn = 0;
    SDL_Surface* const sheet = maze.tiles;
    const size_t cellCount = static_cast<size_t>(std::max(maze.cellCount, 0));
    if (!sheet || maze.cells.size() != cellCount || maze.tileVariant.size() != cellCount ||
        !FitWindow(maze))
        return false;
    const int size = static_cast<int>(maze.cellSize);
    if (!SheetIsOpaque(maze, sheet, size))
        return false;

    // Another sheet or another grid: every cell is drawn anew.
    if (sheet != drawnSheet || maze.width != columns || maze.height != rows) {
        drawnCode.assign(cellCount, NotDrawn);
        drawnVariant.assign(cellCount, NotDrawn);
        drawnSheet = sheet;
        columns = maze.width;
        rows = maze.height;
    }

    // Only the cells that lie (at least partly) in the window.
    const int shownColumns = std::min(columns, (surface->w + size - 1) / size);
    const int shownRows = std::min(rows, (surface->h + size - 1) / size);
    for (int y = 0; y < shownRows; ++y) {
        for (int x = 0; x < shownColumns; ++x) {
            const int index = y * columns + x;
            const CellCode code = maze.cells[index];
            const int variant = maze.tileVariant[index];
            if (IndexOf(code) == drawnCode[index] && variant == drawnVariant[index])
                continue;
            const Maze::CellTiles pictures = maze.TilesFor(code, variant);
            if (!pictures.hasBase)
                return false;
            CopyTile(sheet, pictures.baseX, pictures.baseY, size, surface, x * size, y * size);
            if (pictures.hasOverlay)
                CopyTile(sheet, pictures.overlayX, pictures.overlayY, size, surface, x * size,
                         y * size);
            drawnCode[index] = IndexOf(code);
            drawnVariant[index] = variant;
            ++cellsRedrawn;
        }
    }
    CopyToWindow();
    return true;
}

void MazeBackground::CopyToWindow() const
{
    // Row by row straight into the window's pixels, which are writable
    // outside blits. The media library's own copy of a surface this large
    // streams past the processor's caches and takes several times as long,
    // and the present that follows would find nothing of it in the cache.
    SDL_Surface* const window = TheScreen->surface;
    if (!window->pixels) {
        TheScreen->Blit(surface, 0, 0, 0, 0, surface->w, surface->h);
        return;
    }
    const int shownRows = std::min(surface->h, window->h);
    const size_t rowBytes =
        static_cast<size_t>(std::min(surface->w, window->w)) * surface->format->BytesPerPixel;
    for (int y = 0; y < shownRows; ++y) {
        std::memcpy(static_cast<Uint8*>(window->pixels) + static_cast<size_t>(y) * window->pitch,
                    static_cast<const Uint8*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch,
                    rowBytes);
    }
}
