#include "tools/levels/LevelGrid.h"

#include <algorithm>

std::string FormatLevel(const LevelRows& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

bool ParseLevel(const std::string& text, LevelRows& rows, std::string& problem)
{
    rows.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            problem = "line " + std::to_string(rows.size() + 1) + " does not end with CR LF";
            return false;
        }
        std::string row = text.substr(start, end - start);
        if (row.find_first_of("\r\n") != std::string::npos) {
            problem = "line " + std::to_string(rows.size() + 1) + " holds a stray line break";
            return false;
        }
        rows.push_back(std::move(row));
        start = end + 2;
    }
    return true;
}

int CountMarks(const LevelRows& rows, char mark)
{
    int count = 0;
    for (const std::string& row : rows)
        count += static_cast<int>(std::count(row.begin(), row.end(), mark));
    return count;
}
