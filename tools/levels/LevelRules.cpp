#include "tools/levels/LevelRules.h"

#include <string_view>

namespace {

constexpr std::string_view LevelMarks = ".#CBPG";

bool HasShape(const LevelRows& rows, std::vector<std::string>& problems)
{
    if (static_cast<int>(rows.size()) != LevelHeight) {
        problems.push_back("has " + std::to_string(rows.size()) + " rows instead of " +
                           std::to_string(LevelHeight));
        return false;
    }
    for (std::size_t y = 0; y < rows.size(); ++y) {
        if (static_cast<int>(rows[y].size()) != LevelWidth) {
            problems.push_back("row " + std::to_string(y) + " has " +
                               std::to_string(rows[y].size()) + " cells instead of " +
                               std::to_string(LevelWidth));
            return false;
        }
    }
    return true;
}

void CheckMarks(const LevelRows& rows, std::vector<std::string>& problems)
{
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (LevelMarks.find(rows[y][x]) == std::string_view::npos)
                problems.push_back("unknown character at column " + std::to_string(x) +
                                   ", row " + std::to_string(y));
}

void CheckBorder(const LevelRows& rows, std::vector<std::string>& problems)
{
    if (rows.front().find_first_not_of(WallMark) != std::string::npos)
        problems.push_back("the top row is not all wall");
    if (rows.back().find_first_not_of(WallMark) != std::string::npos)
        problems.push_back("the row under the in-game bar is not all wall");
    for (std::size_t y = 0; y < rows.size(); ++y)
        if (rows[y].front() != WallMark || rows[y].back() != WallMark)
            problems.push_back("row " + std::to_string(y) + " is open at a side");
}

void CheckStarts(const LevelRows& rows, std::vector<std::string>& problems)
{
    if (CountMarks(rows, GulperMark) != 1)
        problems.push_back("needs exactly one gulper start P, has " +
                           std::to_string(CountMarks(rows, GulperMark)));
    if (CountMarks(rows, GhostMark) != 1)
        problems.push_back("needs exactly one ghost start G, has " +
                           std::to_string(CountMarks(rows, GhostMark)));
    if (CountMarks(rows, CornMark) < 1)
        problems.push_back("has no corn");
}

// Marks every cell reachable from the gulper start.
std::vector<std::vector<bool>> ReachableFromGulper(const LevelRows& rows)
{
    std::vector<std::vector<bool>> reached(rows.size(), std::vector<bool>(LevelWidth, false));
    std::vector<std::pair<int, int>> toVisit;
    for (int y = 0; y < LevelHeight; ++y)
        for (int x = 0; x < LevelWidth; ++x)
            if (rows[y][x] == GulperMark) {
                reached[y][x] = true;
                toVisit.emplace_back(x, y);
            }
    constexpr int Steps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    while (!toVisit.empty()) {
        const auto [x, y] = toVisit.back();
        toVisit.pop_back();
        for (const auto& step : Steps) {
            const int nx = x + step[0];
            const int ny = y + step[1];
            if (nx < 0 || ny < 0 || nx >= LevelWidth || ny >= LevelHeight ||
                rows[ny][nx] == WallMark || reached[ny][nx])
                continue;
            reached[ny][nx] = true;
            toVisit.emplace_back(nx, ny);
        }
    }
    return reached;
}

void CheckReachable(const LevelRows& rows, std::vector<std::string>& problems)
{
    const auto reached = ReachableFromGulper(rows);
    for (int y = 0; y < LevelHeight; ++y)
        for (int x = 0; x < LevelWidth; ++x) {
            const char mark = rows[y][x];
            if ((mark == CornMark || mark == GhostMark) && !reached[y][x])
                problems.push_back(std::string(mark == CornMark ? "corn" : "the ghost start") +
                                   " at column " + std::to_string(x) + ", row " +
                                   std::to_string(y) + " cannot be reached from P");
        }
}

}  // namespace

std::vector<std::string> CheckLevel(const LevelRows& rows)
{
    std::vector<std::string> problems;
    if (!HasShape(rows, problems))
        return problems;
    CheckMarks(rows, problems);
    CheckBorder(rows, problems);
    CheckStarts(rows, problems);
    CheckReachable(rows, problems);
    return problems;
}
