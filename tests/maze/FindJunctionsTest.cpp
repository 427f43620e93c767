// Finding the junctions around a cell: one walk per direction (right, left,
// up, down) along the corridor, ending at the first cell that offers two or
// more ways on; the walks share the cells they have passed.
#include <gtest/gtest.h>

#include "tests/maze/MazeTestSupport.h"

using Cells = std::vector<CellPos>;

TEST(FindJunctions, EachWalkEndsAtTheFirstJunctionOrNowhere)
{
    const struct {
        Rows rows;
        CellPos from;
        Cells junctions;
    } cases[] = {
        {{"#.####.#", "#......#", "#.####.#"}, {3, 1}, {{6, 1}, {1, 1}}},  // right, then left
        {{"....#", "###.#", "#....", "###.#"}, {0, 0}, {{3, 2}}},          // round a bend
        {{"#####", "#...#", "#####"}, {2, 1}, {}},                         // dead ends
        {{".#.", "#.#", ".#."}, {1, 1}, {}},                               // enclosed
        {{".#.", "#.#", ".#."}, {-1, 1}, {}},                              // outside the grid
        // A loop: the walk to the right goes round to the junction below; the
        // walk to the left stops where it meets the cells already passed.
        {{"#####", "#...#", "#.#.#", "#...#", "##.##"}, {2, 1}, {{2, 3}}},
    };
    for (const auto& c : cases) {
        Cells junctions = {{9, 9}};
        GridOf(c.rows)->FindJunctions(c.from, junctions);
        EXPECT_EQ(junctions, c.junctions) << c.rows[0] << " from " << c.from.x << ", " << c.from.y;
    }
}
