#include "tools/levels/Symmetry.h"

#include "tools/levels/LevelGrid.h"

std::string MirrorHalfRow(const std::string& half)
{
    std::string row = half;
    for (auto cell = half.rbegin(); cell != half.rend(); ++cell)
        row += (*cell == GulperMark || *cell == GhostMark) ? FloorMark : *cell;
    return row;
}
