// The maze's tiles kept drawn in a surface of the window's format: each frame
// only the cells whose tiles changed since the last frame (corn eaten, editor
// painting, a level read, another tile sheet) are drawn again, and the whole
// maze reaches the window in one copy. The result is the same, pixel for
// pixel, as drawing every tile onto the window, because a cell's floor or
// wall tile covers all of it; for a sheet whose floor or wall tiles let the
// window show through, the maze is drawn tile by tile instead.
#pragma once

#include <SDL/SDL.h>
#include <utility>
#include <vector>

class Maze;

class MazeBackground {
public:
    MazeBackground() = default;
    ~MazeBackground();
    MazeBackground(const MazeBackground&) = delete;
    MazeBackground& operator=(const MazeBackground&) = delete;

    // Brings the background up to date with the maze and copies it onto the
    // window. False, with nothing copied, when the maze has to be drawn tile
    // by tile: no window, a sheet with see-through floor or wall tiles, or a
    // cell without a floor or wall tile.
    bool Draw(const Maze& maze);
    // Forgets everything drawn and every sheet checked (new tile sheets): the
    // next Draw draws every cell.
    void Forget();

    int cellsRedrawn = 0;  // cells the last Draw drew into the background

private:
    // Makes the surface match the window's pixel format and the part of the
    // maze that lies in the window; false without a window.
    bool FitWindow(const Maze& maze);
    // Copies the background onto the window's top-left corner.
    void CopyToWindow() const;
    // Whether the sheet's floor and wall tiles cover every pixel of a cell.
    bool SheetIsOpaque(const Maze& maze, SDL_Surface* sheet, int tileSize);

    SDL_Surface* surface = nullptr;    // the maze's visible part, owned
    SDL_Surface* drawnSheet = nullptr; // the sheet the drawn cells were drawn with
    int columns = 0;                   // grid size of the maze drawn
    int rows = 0;
    // Per cell, the code and the tile variant it was drawn with; NotDrawn
    // codes mark cells still to draw.
    std::vector<int> drawnCode;
    std::vector<int> drawnVariant;
    // Sheets already checked for see-through tiles, with the answer.
    std::vector<std::pair<SDL_Surface*, bool>> checkedSheets;
};
