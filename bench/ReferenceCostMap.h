// The movement cost map computed the plain, slow way: pass after pass over
// the growing square around the start, each pass expanding the cells of one
// level of cost. The game's own fill gives exactly the same map; the
// path search benchmark times both.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/GameTypes.h"

// Fills map (already prepared: NoValue everywhere, BlockedMark where barred)
// from (x, y) over a grid of cells with the given step. A start outside the
// grid leaves the map as it is.
inline void ReferenceFillCostMap(const std::vector<CellCode>& cells, int width, int height,
                                 std::vector<int>& map, int x, int y, int step)
{
    if (x < 0 || x >= width || y < 0 || y >= height)
        return;
    auto at = [&](int column, int row) -> int& { return map[row * width + column]; };
    auto isWall = [&](int column, int row) { return cells[row * width + column] == Wall; };

    at(x, y) = 0;
    int level = 0;
    for (int d = 0;; ++d) {
        bool changed = false;
        for (int r = std::max(y - d, 0); r <= std::min(y + d, height - 1); ++r) {
            for (int k = std::max(x - d, 0); k <= std::min(x + d, width - 1); ++k) {
                if (at(k, r) != level)
                    continue;
                const int around[4][2] = {{k - 1, r}, {k + 1, r}, {k, r - 1}, {k, r + 1}};
                for (const auto& n : around) {
                    if (n[0] < 0 || n[0] >= width || n[1] < 0 || n[1] >= height)
                        continue;
                    if (at(n[0], n[1]) == NoValue && !isWall(n[0], n[1])) {
                        at(n[0], n[1]) = level + step;
                        changed = true;
                    }
                }
            }
        }
        if (!changed)
            return;
        level += step;
    }
}
