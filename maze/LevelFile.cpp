// The level file format: one text line per grid row, one character per cell.
// Reading, loading numbered custom maps and named files, saving, and the
// built-in maze the game falls back on when no custom map can be read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Config.h"
#include "platform/Globals.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"

namespace {

// The character of each cell code, index = CellCode.
constexpr char CodeChars[] = {'.', '#', 'C', 'B', 'P', 'G'};
constexpr int CodeCount = sizeof(CodeChars);
constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';
constexpr const char* RowEnd = "\r\n";  // what the writer ends each row with

// The maze played when no custom map can be read: 28 x 21, bottom row wall.
constexpr const char* BuiltInMaze =
    "############################\n"
    "#CCCCCCCCCCCC##CCCCCCCCCCCC#\n"
    "#C####C#####C##C#####C####C#\n"
    "#B####C#####C##C#####C####B#\n"
    "#CCCCCCCCCCCCCCCCCCCCCCCCCC#\n"
    "#C####C##C########C##C####C#\n"
    "#CCCCCC##CCCC##CCCC##CCCCCC#\n"
    "######C#####.##.#####C######\n"
    "######C##..........##C######\n"
    "######C##.###..###.##C######\n"
    "######C...#..G...#...C######\n"
    "######C##.########.##C######\n"
    "######C##....P.....##C######\n"
    "######C##.########.##C######\n"
    "#CCCCCCCCCCCC##CCCCCCCCCCCC#\n"
    "#C####C#####C##C#####C####C#\n"
    "#BCC##CCCCCCCCCCCCCCCC##CCB#\n"
    "###C##C##C########C##C##C###\n"
    "#CCCCCC##CCCC##CCCC##CCCCCC#\n"
    "#CCCCCCCCCCCCCCCCCCCCCCCCCC#\n"
    "############################\n";

// The code a file character stands for; any other byte is a wall.
CellCode CodeOfChar(char c)
{
    for (int code = 0; code < CodeCount; ++code)
        if (CodeChars[code] == c)
            return CellCodeOf(code);
    return Wall;
}

// The file character of a cell code; an unknown code is written as a wall.
char CharOfCode(CellCode code)
{
    const int number = IndexOf(code);
    return number >= 0 && number < CodeCount ? CodeChars[number] : CodeChars[IndexOf(Wall)];
}

std::string MapPath(int mapNumber)
{
    return "data/map_" + std::to_string(mapNumber) + ".lev";
}

// The complete lines of a level file, their line breaks removed.
struct LevelLines {
    std::string text;          // the characters of every line, one after another
    std::vector<int> lengths;  // characters of each line
    int longest = 0;           // the longest line: the level's width
};

// Reads the complete lines of a level. Stops (false) as soon as the level
// grows beyond the limits, so a huge file is never read whole; also false
// when no complete line holds a cell. An unterminated last line is dropped.
bool ReadLines(std::istream& in, LevelLines& lines)
{
    std::streambuf* source = in.good() ? in.rdbuf() : nullptr;
    if (!source)
        return false;
    int lineLength = 0;  // characters of the line being read
    for (int c = source->sbumpc(); c != std::char_traits<char>::eof(); c = source->sbumpc()) {
        if (c != LineFeed) {
            // One character more than a row may hold is allowed for a CR before the LF.
            if (++lineLength > MaxLevelLineLength + 1)
                return false;
            lines.text.push_back(static_cast<char>(c));
            continue;
        }
        if (lineLength > 0 && lines.text.back() == CarriageReturn) {
            lines.text.pop_back();
            --lineLength;
        }
        if (lineLength > MaxLevelLineLength)
            return false;
        lines.lengths.push_back(lineLength);
        lines.longest = std::max(lines.longest, lineLength);
        const int64_t rows = static_cast<int64_t>(lines.lengths.size());
        if (rows > MaxLevelCells || rows * lines.longest > MaxLevelCells)
            return false;
        lineLength = 0;
    }
    return lines.longest > 0;
}

// Replaces the maze's level with the built-in one.
void ReadBuiltInMaze(Maze& maze)
{
    std::istringstream in(BuiltInMaze);
    maze.ReadLevel(in);
}

}  // namespace

bool Maze::ReadLevel(std::istream& in)
{
    LevelLines lines;
    const bool complete = ReadLines(in, lines);
    in.clear();
    if (!complete)
        return false;

    // Every row is as wide as the longest line; shorter lines end in walls.
    width = lines.longest;
    height = static_cast<int>(lines.lengths.size());
    cellCount = width * height;
    cells.assign(cellCount, Wall);
    cornLeft = 0;
    int lineStart = 0;  // where the current line begins in lines.text
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < lines.lengths[y]; ++x) {
            const CellCode code = CodeOfChar(lines.text[lineStart + x]);
            cells[y * width + x] = code;
            if (code == Corn)
                ++cornLeft;
            else if (code == GhostStart)
                ghostStart = {x, y};
            else if (code == GulperStart)
                gulperStart = {x, y};
        }
        lineStart += lines.lengths[y];
    }

    EnsurePlayable();
    tileVariant.clear();
    RefreshTileVariants();
    if (TheBrush)
        TheBrush->MapRead();
    return true;
}

bool Maze::IsLevelText(const std::string& text)
{
    std::istringstream in(text);
    LevelLines lines;
    return ReadLines(in, lines);
}

void Maze::LoadNumbered(int& mapNumber, bool forward)
{
    const int mapCount = std::max(TheConfig->mapCount, 1);
    // A number outside the slots is wrapped into them first.
    mapNumber = (mapNumber % mapCount + mapCount) % mapCount;

    for (int tried = 0; tried < mapCount; ++tried) {
        std::ifstream in(MapPath(mapNumber), std::ios::binary);
        if (in && ReadLevel(in))
            return;
        fprintf(stdout, "File with data for level %d is missing!\n", mapNumber);
        if (forward)
            mapNumber = (mapNumber + 1) % mapCount;
        else
            mapNumber = mapNumber > 0 ? mapNumber - 1 : mapCount - 1;
    }
    // Every slot was tried once and the number is back where it started.
    fprintf(stdout, "No custom maze could be read from data/map_*.lev; using the built-in maze.\n");
    ReadBuiltInMaze(*this);
}

bool Maze::LoadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (in && ReadLevel(in))
        return true;
    fprintf(stdout, "Couldn't load maze level from file %s!", path);
    return false;
}

std::string Maze::LevelText() const
{
    std::string text;
    text.reserve(cells.size() + static_cast<size_t>(height) * 2);
    for (int i = 0; i < cellCount; ++i) {
        text.push_back(CharOfCode(cells[i]));
        if (i % width == width - 1)
            text += RowEnd;
    }
    return text;
}

bool Maze::Save(int mapNumber)
{
    EnsurePlayable();
    const std::string path = MapPath(mapNumber);
    if (!WriteFileAtomically(path, LevelText())) {
        fprintf(stdout, "Couldn't open file %s", path.c_str());
        return false;
    }
    if (TheBrush)
        TheBrush->unsavedChanges = false;
    return true;
}
