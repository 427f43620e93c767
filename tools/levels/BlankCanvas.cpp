#include "tools/levels/BlankCanvas.h"

namespace {

// Where the blank canvas puts its three elements: the ghosts in the upper
// middle, the gulper below them, its first corn beside it.
constexpr int CanvasGhostX = 13, CanvasGhostY = 6;
constexpr int CanvasGulperX = 13, CanvasGulperY = 13;
constexpr int CanvasCornX = 14, CanvasCornY = 13;

}  // namespace

LevelRows MakeBlankCanvas()
{
    const std::string inside =
        WallMark + std::string(LevelWidth - 2, FloorMark) + WallMark;
    LevelRows rows(LevelHeight, inside);
    rows.front() = std::string(LevelWidth, WallMark);
    rows[PlayRows - 1] = std::string(LevelWidth, WallMark);
    rows.back() = std::string(LevelWidth, WallMark);
    rows[CanvasGhostY][CanvasGhostX] = GhostMark;
    rows[CanvasGulperY][CanvasGulperX] = GulperMark;
    rows[CanvasCornY][CanvasCornX] = CornMark;
    return rows;
}
