// Small types and constants shared by every part of the game.
#pragma once

#include <iosfwd>

// The sentinel for "no cell", "no index", "not reached" and "not started".
constexpr int NoValue = 999999999;
// A cell barred in a movement cost map; a refill that keeps blocked cells never enters it.
constexpr int BlockedMark = 999999997;

// A maze cell: column x, row y. Per-cell arrays store cell (x, y) at y * width + x.
struct CellPos {
    int x = 0;
    int y = 0;
    bool operator==(const CellPos&) const = default;
};

// Directions, in the order of the first four actions of each side and of the
// rows of the character sprite sheets.
enum class Direction : int { Right = 0, Left = 1, Up = 2, Down = 3 };
using enum Direction;

// A direction as the index of its action or sprite row, and back.
constexpr int IndexOf(Direction direction)
{
    return static_cast<int>(direction);
}
constexpr Direction DirectionOf(int index)
{
    return static_cast<Direction>(index);
}

// True for Right/Left and Up/Down, in either order.
constexpr bool AreOpposite(Direction a, Direction b)
{
    return (a == Right && b == Left) || (a == Left && b == Right) ||
           (a == Up && b == Down) || (a == Down && b == Up);
}

// What a maze cell holds. Only Wall blocks; every position outside the grid reads as Wall.
enum class CellCode : int {
    Tunnel = 0,
    Wall = 1,
    Corn = 2,
    Boost = 3,
    GulperStart = 4,
    GhostStart = 5,
};
using enum CellCode;
constexpr int CellCodeCount = 6;

// A cell code as the number of its element (the editor's brush, tile columns), and back.
constexpr int IndexOf(CellCode code)
{
    return static_cast<int>(code);
}
constexpr CellCode CellCodeOf(int number)
{
    return static_cast<CellCode>(number);
}

// Who plays a side: the gulper, or the ghost squad as a whole.
enum class Controller : int { Human = 0, Computer = 1 };
using enum Controller;

// A controller from its number in the configuration and settings files.
constexpr Controller ControllerOf(int number)
{
    return static_cast<Controller>(number);
}
// Controllers are read and written as their numbers.
std::istream& operator>>(std::istream& in, Controller& controller);
std::ostream& operator<<(std::ostream& out, Controller controller);
