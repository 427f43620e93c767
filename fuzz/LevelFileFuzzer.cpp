// Fuzzes the level file reader and everything the game does with a level it
// has read: the repair, cost maps (also with barred cells), route tracing,
// junctions and drawing. Besides crashes and sanitizer reports it checks the
// promises of each operation on whatever grid the input makes.
#include <cmath>
#include <cstdint>
#include <sstream>
#include <vector>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "fuzz/FuzzGame.h"
#include "maze/Maze.h"

namespace {

constexpr int MazeColumns = 28;
constexpr int MazeRows = 20;

// Speeds the characters may have, and some they should never have: a step of
// 0 (faster than a cell per frame), no speed, a negative one, NaN.
const double Speeds[] = {3.4, 2.4, 1.0, 0.95, 18.0, 25.0, 0.0, -2.0, 1e-300, NAN};
constexpr int SpeedCount = sizeof(Speeds) / sizeof(Speeds[0]);

bool Inside(const Maze& maze, CellPos cell)
{
    return cell.x >= 0 && cell.x < maze.width && cell.y >= 0 && cell.y < maze.height;
}

int IndexOf(const Maze& maze, CellPos cell)
{
    return cell.y * maze.width + cell.x;
}

bool Reached(int value)
{
    return value != NoValue && value != BlockedMark;
}

// The last cell (highest index) holding a code, or NoValue.
int LastCellHolding(const Maze& maze, CellCode code)
{
    for (int i = maze.cellCount - 1; i >= 0; --i)
        if (maze.cells[i] == code)
            return i;
    return NoValue;
}

// A map holds breadth-first distances times the step exactly when the start
// holds 0, every other reached cell is open and has a neighbour one step
// nearer, and no two reached neighbours lie more than one step apart; an open
// cell next to a reached one is reached too, unless it was barred.
void CheckCostMap(const Maze& maze, const CostMap& map, CellPos start, int step,
                  const std::vector<bool>& barred)
{
    Require(map.size() == static_cast<size_t>(maze.cellCount), "a cost map has a value per cell");
    if (!Inside(maze, start))
        return;
    const int first = IndexOf(maze, start);
    Require(map[first] == 0, "the start costs 0");
    for (int i = 0; i < maze.cellCount; ++i) {
        if (barred[i] && i != first) {
            Require(map[i] == BlockedMark, "a barred cell keeps its mark");
            continue;
        }
        const int value = map[i];
        Require(value != BlockedMark, "only barred cells hold the barred mark");
        if (value == NoValue)
            continue;
        const int x = i % maze.width;
        const int neighbours[] = {x > 0 ? i - 1 : NoValue, x + 1 < maze.width ? i + 1 : NoValue,
                                  i >= maze.width ? i - maze.width : NoValue,
                                  i + maze.width < maze.cellCount ? i + maze.width : NoValue};
        bool nearerNeighbour = false;
        for (const int next : neighbours) {
            // The start is entered whatever it holds, a wall or a barred cell.
            if (next == NoValue || (next != first && (maze.cells[next] == Wall || barred[next])))
                continue;
            Require(Reached(map[next]), "an open neighbour of a reached cell is reached");
            Require(map[next] >= value - step && map[next] <= value + step,
                    "reached neighbours lie at most one step apart");
            if (map[next] == value - step)
                nearerNeighbour = true;
        }
        if (i == first)
            continue;
        Require(maze.cells[i] != Wall, "a wall is never entered");
        Require(step == 0 || value % step == 0, "a cost is a whole number of steps");
        Require(step == 0 ? value == 0 : nearerNeighbour, "a reached cell has a way back");
    }
}

// A traced route marks the goal and every cell between, not the start: as
// many cells as the goal is steps away. A goal out of reach marks nothing.
void CheckRoute(const Maze& maze, const CostMap& map, CellPos from, CellPos to, int step,
                const PathMarks& marks)
{
    Require(marks.size() == static_cast<size_t>(maze.cellCount), "a route has a mark per cell");
    int marked = 0;
    for (const bool mark : marks)
        marked += mark;
    if (!Inside(maze, to) || !Reached(map[IndexOf(maze, to)])) {
        Require(marked == 0, "a goal out of reach marks nothing");
        return;
    }
    if (to == from || step == 0)
        return;
    Require(marks[IndexOf(maze, to)], "the goal is marked");
    Require(!marks[IndexOf(maze, from)], "the start is not marked");
    Require(marked == map[IndexOf(maze, to)] / step, "the route is a shortest one");
}

// After the repair, the ghost start and every corn can be reached from the
// gulper start; a second repair finds nothing to do.
void CheckRepaired(Maze& maze)
{
    const int gulperCell = LastCellHolding(maze, GulperStart);
    if (gulperCell != NoValue) {
        CostMap reach;
        maze.FillCostMap(reach, {gulperCell % maze.width, gulperCell / maze.width}, 1.0, false);
        const int ghostCell = LastCellHolding(maze, GhostStart);
        Require(ghostCell == NoValue || Reached(reach[ghostCell]),
                "the ghost start is reachable after the repair");
        for (int i = 0; i < maze.cellCount; ++i)
            Require(maze.cells[i] != Corn || Reached(reach[i]),
                    "every corn is reachable after the repair");
    }
    const std::vector<CellCode> repaired = maze.cells;
    maze.EnsurePlayable();
    Require(maze.cells == repaired, "a repaired level needs no second repair");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::ScreenAndConfig);
    if (!TheMaze)
        TheMaze = new Maze(TheConfig->mapNumber, MazeColumns, MazeRows);
    Maze& maze = *TheMaze;

    std::istringstream in(InputText(data, size));
    if (!maze.ReadLevel(in))
        return 0;
    Require(maze.width > 0 && maze.height > 0 && maze.cellCount == maze.width * maze.height,
            "a read level has a grid");
    Require(maze.cells.size() == static_cast<size_t>(maze.cellCount) &&
                maze.tileVariant.size() == maze.cells.size(),
            "a read level has a cell and a tile per grid position");
    CheckRepaired(maze);

    // The input decides the speed and which cells are barred.
    uint32_t mix = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        mix = (mix ^ data[i]) * 16777619u;
    const double speed = Speeds[mix % SpeedCount];
    const int step = CostStep(maze.cellSize, speed);

    const CellPos starts[] = {maze.gulperStart, maze.ghostStart, {0, 0},
                              {maze.width - 1, maze.height - 1}, {maze.width / 2, maze.height / 2},
                              {-1, 0}, {maze.width, maze.height}};
    const std::vector<bool> nothingBarred(maze.cellCount, false);
    CostMap map;
    PathMarks marks;
    std::vector<CellPos> junctions;
    for (const CellPos start : starts) {
        maze.FillCostMap(map, start, speed, false);
        CheckCostMap(maze, map, start, step, nothingBarred);
        for (const CellPos goal : starts) {
            maze.TracePath(start, goal, map, marks, speed);
            CheckRoute(maze, map, start, goal, step, marks);
        }

        // Bar about a quarter of the cells, then refill keeping them barred.
        std::vector<bool> barred(maze.cellCount, false);
        for (int i = 0; i < maze.cellCount; ++i) {
            if (((static_cast<uint32_t>(i) * 2654435761u ^ mix) >> 29) < 2) {
                barred[i] = true;
                map[i] = BlockedMark;
            }
        }
        maze.FillCostMap(map, start, speed, true);
        CheckCostMap(maze, map, start, step, barred);
        for (const CellPos goal : starts) {
            maze.TracePath(start, goal, map, marks, speed);
            CheckRoute(maze, map, start, goal, step, marks);
        }

        maze.FindJunctions(start, junctions);
        Require(junctions.size() <= 4, "at most one junction per direction");
        for (const CellPos junction : junctions)
            Require(maze.CellAt(junction.x, junction.y) != Wall, "a junction is an open cell");
    }
    maze.Draw();
    return 0;
}
