// Movement cost maps (frames to reach every cell from one start cell), route
// tracing over them, junction finding, and the repair that keeps a level
// playable by carving corridors from the gulper's start.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "maze/Maze.h"

namespace {

// No route of the largest level reaches the sentinels, even at the largest step.
static_assert(static_cast<int64_t>(MaxLevelCells - 1) * MaxCostStep < BlockedMark);

// Where the repair puts a missing element on a grid large enough for these cells.
constexpr int FixedCornCell = 290;
constexpr int FixedGulperCell = 291;
constexpr int FixedGhostCell = 292;
constexpr double RepairSpeed = 1.0;  // the wave of the repair: one cell per cellSize frames

// The last cell (highest index) holding the code, or NoValue.
int LastCellHolding(const std::vector<CellCode>& cells, CellCode code)
{
    for (int i = static_cast<int>(cells.size()) - 1; i >= 0; --i)
        if (cells[i] == code)
            return i;
    return NoValue;
}

// The first cell matching a test, or NoValue.
template <typename Test>
int FirstCell(const std::vector<CellCode>& cells, Test test)
{
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        if (test(i, cells[i]))
            return i;
    return NoValue;
}

// Where a missing element goes on a grid too small for the fixed cells: the
// first floor cell; else the first wall or boost; else a cell holding a spare
// copy of a needed element (a corn while another corn remains, a start cell
// that is not the last of its kind). NoValue when the grid has no such cell.
int FirstSpareCell(const std::vector<CellCode>& cells)
{
    int cell = FirstCell(cells, [](int, CellCode code) { return code == Tunnel; });
    if (cell != NoValue)
        return cell;
    cell = FirstCell(cells, [](int, CellCode code) {
        return code != Corn && code != GulperStart && code != GhostStart;
    });
    if (cell != NoValue)
        return cell;
    const auto cornCount = std::count(cells.begin(), cells.end(), Corn);
    const int lastGulper = LastCellHolding(cells, GulperStart);
    const int lastGhost = LastCellHolding(cells, GhostStart);
    return FirstCell(cells, [&](int i, CellCode code) {
        return (code == Corn && cornCount > 1) || (code == GulperStart && i != lastGulper) ||
               (code == GhostStart && i != lastGhost);
    });
}

// Opens the walls of an L-shaped corridor: along the start's row to the
// goal's column, then along that column to the goal. Only walls change.
void OpenCorridor(Maze& maze, CellPos from, CellPos to)
{
    const int stepX = from.x < to.x ? 1 : -1;
    for (int x = from.x; x != to.x; x += stepX)
        if (maze.CellAt(x, from.y) == Wall)
            maze.SetCell({x, from.y}, Tunnel);
    const int stepY = from.y < to.y ? 1 : -1;
    for (int y = from.y; y != to.y; y += stepY)
        if (maze.CellAt(to.x, y) == Wall)
            maze.SetCell({to.x, y}, Tunnel);
}

}  // namespace

int CostStep(double cellSize, double speed)
{
    const double step = cellSize / speed;
    // Also catches NaN, whose comparisons are all false.
    if (!(speed > 0.0) || !(step < MaxCostStep + 1.0))
        return MaxCostStep;
    if (!(step >= 0.0))
        return 0;
    return static_cast<int>(step);
}

void Maze::PrepareCostMap(CostMap& map, bool keepBlocked) const
{
    if (!keepBlocked) {
        map.assign(cellCount, NoValue);
        return;
    }
    if (map.size() != static_cast<size_t>(cellCount)) {
        fprintf(stdout, "Passed movement cost map of wrong size!\n");
        exit(1);
    }
    for (int& value : map)
        if (value != BlockedMark)
            value = NoValue;
}

// A breadth-first wave: cells are expanded in order of their number of moves
// from the start, so each cell gets step * (its shortest number of moves),
// exactly what a pass-by-pass scan of the growing square around the start gives.
void Maze::FillCostMap(CostMap& map, CellPos start, double speed, bool keepBlocked) const
{
    PrepareCostMap(map, keepBlocked);
    if (start.x < 0 || start.x >= width || start.y < 0 || start.y >= height)
        return;
    const int step = CostStep(cellSize, speed);
    const bool startInside = start.x > 0 && start.y > 0 && start.x < width - 1 && start.y < height - 1;
    if (startInside && EdgeIsWalled())
        SpreadWithinWalls(map, start.y * width + start.x, step);
    else
        SpreadAnywhere(map, start.y * width + start.x, step);
}

bool Maze::EdgeIsWalled() const
{
    for (int x = 0; x < width; ++x)
        if (cells[x] != Wall || cells[(height - 1) * width + x] != Wall)
            return false;
    for (int y = 1; y < height - 1; ++y)
        if (cells[y * width] != Wall || cells[y * width + width - 1] != Wall)
            return false;
    return true;
}

// Every cell enters the queue at most once: the start, then only cells leaving NoValue.
void Maze::SpreadAnywhere(CostMap& map, int first, int step) const
{
    waveQueue.resize(cellCount);
    int head = 0;
    int tail = 0;
    map[first] = 0;  // whatever the start held, a wall or a barred cell included
    waveQueue[tail++] = first;

    while (head < tail) {
        const int cell = waveQueue[head++];
        const int reached = map[cell] + step;
        const int x = cell % width;
        auto enter = [&](int next) {
            if (map[next] == NoValue && cells[next] != Wall) {
                map[next] = reached;
                waveQueue[tail++] = next;
            }
        };
        if (x > 0)
            enter(cell - 1);
        if (x + 1 < width)
            enter(cell + 1);
        if (cell >= width)
            enter(cell - width);
        if (cell + width < cellCount)
            enter(cell + width);
    }
}

// The same wave in a grid walled all round, from a cell inside the walls: the
// wave never enters an edge cell, so every cell it expands has all four
// neighbours in the grid, and neither the column nor the row needs checking.
void Maze::SpreadWithinWalls(CostMap& map, int first, int step) const
{
    waveQueue.resize(cellCount);
    int* const queue = waveQueue.data();
    int* const cost = map.data();
    const CellCode* const code = cells.data();
    int head = 0;
    int tail = 0;
    cost[first] = 0;  // whatever the start held, a wall or a barred cell included
    queue[tail++] = first;

    while (head < tail) {
        const int cell = queue[head++];
        const int reached = cost[cell] + step;
        auto enter = [&](int next) {
            if ((cost[next] == NoValue) & (code[next] != Wall)) {
                cost[next] = reached;
                queue[tail++] = next;
            }
        };
        enter(cell - 1);
        enter(cell + 1);
        enter(cell - width);
        enter(cell + width);
    }
}

void Maze::TracePath(CellPos from, CellPos to, const CostMap& map, PathMarks& marks,
                     double speed) const
{
    marks.assign(cellCount, false);
    if (to.x < 0 || to.x >= width || to.y < 0 || to.y >= height ||
        map.size() != static_cast<size_t>(cellCount))
        return;
    int current = to.y * width + to.x;
    int value = map[current];
    // A goal the wave never reached has no route: nothing is marked.
    if (value == NoValue || value == BlockedMark)
        return;
    marks[current] = true;

    // Walk back from the goal one step of cost at a time, preferring left,
    // right, up, down. A value that is no multiple of the step, or a step of
    // 0, ends the walk instead of running on for ever.
    const int step = CostStep(cellSize, speed);
    for (int moves = 0; value > 0 && step > 0 && moves < cellCount; ++moves) {
        value -= step;
        const int x = current % width;
        const int neighbours[] = {x > 0 ? current - 1 : NoValue,
                                  x + 1 < width ? current + 1 : NoValue,
                                  current >= width ? current - width : NoValue,
                                  current + width < cellCount ? current + width : NoValue};
        for (const int next : neighbours) {
            if (next != NoValue && map[next] == value) {
                marks[next] = true;
                current = next;
                break;
            }
        }
    }
    if (from.x >= 0 && from.x < width && from.y >= 0 && from.y < height)
        marks[from.y * width + from.x] = false;
}

void Maze::FindJunctions(CellPos from, std::vector<CellPos>& junctions) const
{
    junctions.clear();
    if (from.x < 0 || from.x >= width || from.y < 0 || from.y >= height)
        return;
    std::vector<bool>& visited = junctionVisited;
    visited.assign(cellCount, false);
    visited[from.y * width + from.x] = true;
    auto isOpen = [&](CellPos cell) {
        return CellAt(cell.x, cell.y) != Wall && !visited[cell.y * width + cell.x];
    };

    // Offsets of the directions Right, Left, Up, Down.
    const CellPos directionStep[] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
    for (const CellPos& step : directionStep) {
        CellPos cell = {from.x + step.x, from.y + step.y};
        if (CellAt(cell.x, cell.y) == Wall)
            continue;
        // Follow the corridor while it offers exactly one way on.
        for (;;) {
            visited[cell.y * width + cell.x] = true;
            const CellPos around[] = {{cell.x - 1, cell.y}, {cell.x + 1, cell.y},
                                      {cell.x, cell.y - 1}, {cell.x, cell.y + 1}};
            int openCount = 0;
            CellPos onward;
            for (const CellPos& next : around) {
                if (isOpen(next) && ++openCount == 1)
                    onward = next;
            }
            if (openCount >= 2)
                junctions.push_back(cell);
            if (openCount != 1)
                break;
            cell = onward;
        }
    }
}

void Maze::CarveCorridor(CellPos from, CellPos to)
{
    if (from.x < 0 || from.x >= width || from.y < 0 || from.y >= height || to.x < 0 ||
        to.x >= width || to.y < 0 || to.y >= height)
        return;
    OpenCorridor(*this, from, to);
    RefreshTileVariants();
}

void Maze::EnsurePlayable()
{
    if (cellCount <= 0 || cells.size() != static_cast<size_t>(cellCount))
        return;
    auto cellPos = [this](int index) { return CellPos{index % width, index / width}; };
    const bool fixedCellsFit = cellCount > FixedGhostCell;

    int gulperCell = NoValue;  // the start cells once chosen
    int ghostCell = NoValue;

    // Writes a missing element at its fixed cell, or at the first spare cell
    // when the grid is too small for the fixed cells or the fixed cell holds a
    // start already chosen (a ghost start added at 292 must not take the place
    // of the level's only gulper start). Returns its cell, NoValue when there
    // is no room.
    auto placeMissing = [&](CellCode code, int fixedCell) {
        const bool fixedCellFree =
            fixedCellsFit && fixedCell != gulperCell && fixedCell != ghostCell;
        const int cell = fixedCellFree ? fixedCell : FirstSpareCell(cells);
        if (cell == NoValue)
            return NoValue;
        if (cells[cell] == Corn)
            cornLeft = std::max(cornLeft - 1, 0);
        cells[cell] = code;
        if (code == Corn)
            ++cornLeft;
        return cell;
    };

    // A start that has no room of its own (grids of one or two cells) shares the first cell.
    gulperCell = LastCellHolding(cells, GulperStart);
    if (gulperCell == NoValue) {
        gulperCell = placeMissing(GulperStart, FixedGulperCell);
        if (gulperCell == NoValue)
            gulperCell = 0;
        gulperStart = cellPos(gulperCell);
    }
    ghostCell = LastCellHolding(cells, GhostStart);
    if (ghostCell == NoValue) {
        ghostCell = placeMissing(GhostStart, FixedGhostCell);
        if (ghostCell == NoValue)
            ghostCell = 0;
        ghostStart = cellPos(ghostCell);
    }
    if (LastCellHolding(cells, Corn) == NoValue)
        placeMissing(Corn, FixedCornCell);

    // One wave from the gulper before any carving decides what needs a corridor.
    CostMap reach;
    FillCostMap(reach, cellPos(gulperCell), RepairSpeed, false);
    bool carved = false;
    if (reach[ghostCell] == NoValue) {
        OpenCorridor(*this, cellPos(gulperCell), cellPos(ghostCell));
        carved = true;
    }
    for (int i = 0; i < cellCount; ++i) {
        if (cells[i] == Corn && reach[i] == NoValue) {
            OpenCorridor(*this, cellPos(gulperCell), cellPos(i));
            carved = true;
        }
    }
    // The tiles are refreshed once for all corridors: a refresh per corridor
    // costs corridors x cells, minutes on a large level of walled-in corn.
    if (carved)
        RefreshTileVariants();
}
