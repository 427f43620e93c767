#include "tools/levels/MazeDesign.h"

#include <sstream>

#include "tools/levels/Symmetry.h"

bool BuildDesign(const std::string& source, LevelRows& rows, std::string& problem)
{
    rows.clear();
    std::istringstream in(source);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == DesignCommentMark)
            continue;
        if (static_cast<int>(line.size()) * 2 == LevelWidth) {
            rows.push_back(MirrorHalfRow(line));
        } else if (static_cast<int>(line.size()) == LevelWidth) {
            rows.push_back(line);
        } else {
            problem = "design row " + std::to_string(rows.size()) + " has " +
                      std::to_string(line.size()) + " characters; rows have " +
                      std::to_string(LevelWidth / 2) + " (mirrored) or " +
                      std::to_string(LevelWidth);
            return false;
        }
    }
    if (static_cast<int>(rows.size()) != PlayRows) {
        problem = "design has " + std::to_string(rows.size()) + " rows instead of " +
                  std::to_string(PlayRows);
        return false;
    }
    rows.push_back(std::string(LevelWidth, WallMark));
    return true;
}
