// Helpers of the maze tests: grids written as rows of level characters, and
// a fixture that starts the game's globals headless with a generated tile
// sheet and level files in the sandbox, then creates the maze.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "tests/support/HeadlessTest.h"

using Rows = std::vector<std::string>;

// Level characters in code order: '.', '#', 'C', 'B', 'P', 'G'.
inline const std::string LevelChars = ".#CBPG";

// A bare grid from rows of level characters (all rows equally long).
inline std::unique_ptr<Maze> GridOf(const Rows& rows)
{
    std::vector<CellCode> cells;
    for (const std::string& row : rows)
        for (const char c : row)
            cells.push_back(CellCodeOf(static_cast<int>(LevelChars.find(c))));
    return std::make_unique<Maze>(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                                  cells);
}

// The grid as rows of level characters, for comparing whole mazes.
inline Rows RowsOf(const Maze& maze)
{
    Rows rows(maze.height);
    for (int i = 0; i < maze.cellCount; ++i)
        rows[i / maze.width] += LevelChars.at(IndexOf(maze.cells[i]));
    return rows;
}

// A level file's text: the rows, each ended with the given line break.
inline std::string LevelText(const Rows& rows, const std::string& lineEnd = "\r\n")
{
    std::string text;
    for (const std::string& row : rows)
        text += row + lineEnd;
    return text;
}

// A playable 28 x 21 level whose P is at (5, 3), G at (20, 15) and one corn at (1, 1).
inline Rows StandardRows()
{
    Rows rows(21, "#" + std::string(26, '.') + "#");
    rows[0] = rows[20] = std::string(28, '#');
    rows[1][1] = 'C';
    rows[3][5] = 'P';
    rows[15][20] = 'G';
    return rows;
}

// The colour of tile (column, row) of generated sheet number `sheet`: never black.
inline Uint32 TileColour(int sheet, int column, int row)
{
    return (40 + 25 * column) << 16 | (60 + 60 * row) << 8 | (100 + 50 * sheet);
}

// Map 1 is the standard level; the maze itself is made by StartMaze.
class MazeTest : public BaseGlobalsTest {
protected:
    static constexpr int TilePixels = 18;
    static constexpr int OverlayInset = 6;  // the item overlays are black but for their middle

    void SetUp() override
    {
        BaseGlobalsTest::SetUp();
        WriteTileSheet(0);
        WriteMap(1, StandardRows());
    }
    void TearDown() override
    {
        delete TheBrush;
        TheBrush = nullptr;
        delete TheMaze;
        TheMaze = nullptr;
        BaseGlobalsTest::TearDown();
    }

    // Creates the maze as the program does, loading the configured map number, and the brush.
    static void StartMaze()
    {
        delete TheBrush;
        TheBrush = nullptr;  // the maze being built must not see the old brush
        delete TheMaze;
        TheMaze = nullptr;
        TheMaze = new Maze(TheConfig->mapNumber, 28, 20);
        TheBrush = new EditorBrush();
    }
    void WriteMap(int number, const Rows& rows) const
    {
        sandbox->Write("data/map_" + std::to_string(number) + ".lev", LevelText(rows));
    }

    // Writes "images/tiles<n>.bmp": 8 x 3 tiles of TileColour, the item row
    // black around a coloured square in the middle of each tile.
    static void WriteTileSheet(int sheet)
    {
        SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, 8 * TilePixels, 3 * TilePixels,
                                                  32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        for (int y = 0; y < image->h; ++y) {
            for (int x = 0; x < image->w; ++x) {
                const int column = x / TilePixels, row = y / TilePixels;
                const int dx = x % TilePixels, dy = y % TilePixels;
                const bool itemMiddle = dx >= OverlayInset && dx < TilePixels - OverlayInset &&
                                        dy >= OverlayInset && dy < TilePixels - OverlayInset;
                static_cast<Uint32*>(image->pixels)[y * (image->pitch / 4) + x] =
                    row < 2 || itemMiddle ? TileColour(sheet, column, row) : 0;
            }
        }
        SDL_SaveBMP(image, ("images/tiles" + std::to_string(sheet) + ".bmp").c_str());
        SDL_FreeSurface(image);
    }
};
