// The level: a grid of cells with their tile drawing, the level files, the
// movement cost maps with path search, and the repair that keeps a level playable.
#pragma once

#include <SDL/SDL.h>
#include <istream>
#include <string>
#include <vector>

#include "platform/AdditiveRandom.h"
#include "platform/GameTypes.h"
#include "maze/MazeBackground.h"

// Frames needed to reach each cell from one start cell at one speed:
// step * moves, NoValue where never reached, BlockedMark where barred.
using CostMap = std::vector<int>;
// One bit per cell: the cells of a traced route still ahead.
using PathMarks = std::vector<bool>;

// Tiles in a sheet row: the eight floor shadow masks, the eight wall variants.
constexpr int TileColumns = 8;

class Maze {
public:
    // Loads the tile sheets, then the custom maze of that map number
    // (searching forward past missing files, which may change the number).
    Maze(int& mapNumber, int width, int height);
    // A bare grid for computations (simulations, benchmarks, tests): no tile
    // sheets, no level file, no repair. Missing cells are walls.
    Maze(int width, int height, const std::vector<CellCode>& cells);
    ~Maze();
    Maze(const Maze&) = delete;
    Maze& operator=(const Maze&) = delete;

    // --- the grid and its drawing ---
    // Draws every cell: from the cached background when useBackgroundCache
    // allows it, tile by tile otherwise; the pixels are the same either way.
    // The window around a maze smaller than the play area (the window but
    // its bottom row) is cleared to black.
    void Draw() const;
    CellCode CellAt(int x, int y) const;     // Wall outside the grid
    void SetCell(CellPos cell, CellCode code);  // ignored outside the grid
    void ClearCode(CellCode code);           // every cell holding code becomes Tunnel
    void RefreshTileVariants();              // floor shadow masks, fresh wall variants
    void LoadTileSets();
    void NextTileSet();

    // Where a cell's pictures lie in the tile sheet (the top-left pixels of
    // cellSize squares): the floor or wall tile, none when the variant names
    // no tile, and the item laid over the floor, if any.
    struct CellTiles {
        bool hasBase = false;
        int baseX = 0;
        int baseY = 0;
        bool hasOverlay = false;
        int overlayX = 0;
        int overlayY = 0;
    };
    CellTiles TilesFor(CellCode code, int variant) const;

    // --- level files ---
    // Reads a level; false (maze unchanged) when the stream holds no complete
    // line or a level beyond MaxLevelCells / MaxLevelLineLength. Short lines
    // are filled up with walls to the longest one.
    bool ReadLevel(std::istream& in);
    // True when ReadLevel would accept the text.
    static bool IsLevelText(const std::string& text);
    // Loads "data/map_N.lev", moving N past missing or unreadable files in the
    // given direction (wrapping between 0 and mapCount - 1); when no slot can
    // be read, plays the built-in maze and leaves N where it started.
    void LoadNumbered(int& mapNumber, bool forward);
    // Loads a named level file; false (maze unchanged) when it cannot be read.
    bool LoadFile(const char* path);
    // The maze as a level file holds it: reading it back gives the same cells.
    std::string LevelText() const;
    // Repairs the maze and writes it to "data/map_N.lev"; false when it cannot be written.
    bool Save(int mapNumber);

    // --- cost maps and paths ---
    void PrepareCostMap(CostMap& map, bool keepBlocked) const;
    // A start outside the grid reaches nothing: the map is only prepared.
    void FillCostMap(CostMap& map, CellPos start, double speed, bool keepBlocked) const;
    // A goal the map does not reach (outside, NoValue, BlockedMark) marks nothing.
    void TracePath(CellPos from, CellPos to, const CostMap& map, PathMarks& marks,
                   double speed) const;
    void FindJunctions(CellPos from, std::vector<CellPos>& junctions) const;
    void CarveCorridor(CellPos from, CellPos to);
    // Adds a missing gulper start, ghost start or corn (cells 291, 292, 290, or
    // on grids of fewer than 293 cells the first free ones) and records them
    // in gulperStart, ghostStart and cornLeft; then carves corridors.
    void EnsurePlayable();

    int width;      // columns
    int height;     // rows
    int cellCount;  // width * height
    int itemRowTop; // pixel row of the item overlays in a tile sheet
    double cellSize;  // pixel size of a cell, 18
    int cornLeft;     // corn not yet eaten
    CellPos ghostStart;   // where the ghosts start and eaten ghosts revive
    CellPos gulperStart;  // where the gulper starts
    std::vector<CellCode> cells;   // every cell's content
    std::vector<int> tileVariant;  // per cell, the column of its tile; NoValue where none chosen
    AdditiveRandom wallLooks;      // picks each new wall's variant, the same way on every platform
    SDL_Surface* tiles;            // the tile sheet in use, or null
    std::vector<SDL_Surface*> tileSets;  // every sheet loaded at start-up
    int tileSetIndex;              // index of tiles in tileSets
    // True: draw from the background surface, redrawing only changed cells;
    // false: draw every tile onto the window each frame (the same pixels, slower).
    bool useBackgroundCache;
    mutable MazeBackground background;  // the tiles as last drawn, for useBackgroundCache

private:
    void DrawEveryTile() const;
    void ClearOutside() const;

    // The two ways of spreading a cost map's wave from the start cell's index:
    // in any grid, and (faster) in a grid walled all round from inside the walls.
    void SpreadAnywhere(CostMap& map, int first, int step) const;
    void SpreadWithinWalls(CostMap& map, int first, int step) const;
    // True when every cell on the grid's edge is a wall.
    bool EdgeIsWalled() const;

    // The cells of the wave still to expand, kept between fills so that a
    // fill allocates nothing once the grid size is known.
    mutable std::vector<int> waveQueue;
    // The cells the corridor walks of FindJunctions have passed, kept for the same reason.
    mutable std::vector<bool> junctionVisited;
};

// Limits of a level file; a larger level is refused like a malformed one.
constexpr int MaxLevelCells = 1000000;      // width * height
constexpr int MaxLevelLineLength = 100000;  // characters of one row

// The largest step of a cost map: even the longest route of the largest
// level (1,000,000 cells) then costs less than BlockedMark.
constexpr int MaxCostStep = 999;
// The step of a cost map: frames to cross one cell at this speed, truncated.
// A speed that is not positive (0, negative, NaN) or so small that the step
// would exceed MaxCostStep gives MaxCostStep; a speed above cellSize gives 0.
int CostStep(double cellSize, double speed);
