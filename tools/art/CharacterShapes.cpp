#include "tools/art/CharacterShapes.h"

#include <cmath>
#include <numbers>

namespace {

// The dome and the body above the skirt, which both walking phases share.
constexpr const char* GhostUpperBody[] = {
    ".....####.....",
    "...########...",
    "..##########..",
    ".############.",
    ".############.",
    "##############",
    "##############",
    "##############",
    "##############",
    "##############",
    "##############",
    "##############",
    "##############",
};

// The skirt's three bottom rows, by phase: the points shift as the ghost walks.
constexpr const char* GhostSkirts[2][3] = {
    {"##############", "##.###..###.##", "#...##..##...#"},
    {"##############", "###.######.###", ".#...####...#."},
};

}  // namespace

Mask GulperShape(int gridSize, double radius, double mouthHalfAngle)
{
    const double centre = gridSize / 2.0;
    Mask shape = DiscMask(gridSize, gridSize, centre, centre, radius);
    const double half = mouthHalfAngle * std::numbers::pi / 180.0;
    for (int y = 0; y < gridSize; ++y)
        for (int x = 0; x < gridSize; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = centre - (y + 0.5);
            if (std::abs(std::atan2(dy, dx)) < half)
                shape.Set(x, y, false);
        }
    return shape;
}

Mask GhostBodyShape(int phase)
{
    constexpr int Width = 14;
    constexpr int UpperRows = sizeof GhostUpperBody / sizeof GhostUpperBody[0];
    constexpr int SkirtRows = 3;
    Mask body(Width, UpperRows + SkirtRows);
    for (int y = 0; y < UpperRows + SkirtRows; ++y) {
        const char* row = y < UpperRows ? GhostUpperBody[y] : GhostSkirts[phase][y - UpperRows];
        for (int x = 0; x < Width; ++x)
            body.Set(x, y, row[x] == '#');
    }
    return body;
}
