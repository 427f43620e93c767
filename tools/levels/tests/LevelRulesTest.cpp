// The rules of a shipped level: the game's repair must find nothing to change.
#include <gtest/gtest.h>

#include <functional>

#include "tools/levels/BlankCanvas.h"
#include "tools/levels/LevelRules.h"

namespace {

void Replace(LevelRows& rows, char from, char to)
{
    for (std::string& row : rows)
        for (char& cell : row)
            if (cell == from)
                cell = to;
}

}  // namespace

TEST(LevelRules, EachBrokenRuleIsNamedAndOnlyWallsBlockTheWay)
{
    // The blank canvas is valid; each change breaks at least the rules named (none: still valid).
    // Row 10 walled off cuts the ghost start (row 6) from the gulper below.
    const struct {
        const char* change;
        std::function<void(LevelRows&)> apply;
        std::vector<std::string> problems;
    } cases[] = {
        {"none", [](LevelRows&) {}, {}},
        {"a row less", [](LevelRows& r) { r.pop_back(); }, {"20 rows"}},
        {"a cell more", [](LevelRows& r) { r[3] += '#'; }, {"row 3 has 29 cells"}},
        {"lower case", [](LevelRows& r) { r[2][2] = 'c'; }, {"unknown character at column 2, row 2"}},
        {"corn under the bar", [](LevelRows& r) { r[LevelHeight - 1][5] = CornMark; }, {"under the in-game bar"}},
        {"open edges", [](LevelRows& r) { r[0][4] = r[7][LevelWidth - 1] = FloorMark; },
         {"top row", "row 7 is open"}},
        {"starts", [](LevelRows& r) { r[2][2] = GulperMark; Replace(r, GhostMark, FloorMark); },
         {"one gulper start P, has 2", "one ghost start G, has 0"}},
        {"boosts only", [](LevelRows& r) { Replace(r, CornMark, BoostMark); }, {"no corn"}},
        {"cut in two", [](LevelRows& r) { r[10] = std::string(LevelWidth, WallMark); r[3][20] = CornMark; },
         {"the ghost start at column 13, row 6 cannot be reached", "corn at column 20, row 3 cannot be reached"}},
        {"a boost in the cut", [](LevelRows& r) { r[10] = std::string(LevelWidth, WallMark); r[10][5] = BoostMark; }, {}},
        {"floor cut off without corn",
         [](LevelRows& r) { r[2] = "#.##########################"; r[3] = std::string(LevelWidth, WallMark); }, {}},
    };
    for (const auto& c : cases) {
        LevelRows rows = MakeBlankCanvas();
        c.apply(rows);
        const auto problems = CheckLevel(rows);
        EXPECT_EQ(problems.empty(), c.problems.empty()) << c.change;
        for (const std::string& expected : c.problems) {
            bool found = false;
            for (const std::string& problem : problems)
                found = found || problem.find(expected) != std::string::npos;
            EXPECT_TRUE(found) << c.change << ": " << expected;
        }
    }
}
