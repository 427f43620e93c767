// Small helpers shared by the tests of the settings and editor screens.
#pragma once

#include <string>
#include <vector>

#include "app/GameState.h"
#include "app/Globals.h"
#include "gui/Gui.h"
#include "gui/Panel.h"
#include "maze/Maze.h"

namespace ScreenTests {

constexpr int MapWidth = 28;
constexpr int MapHeight = 21;  // the custom mazes' size: the last row lies under the editor's bar

// A custom maze that tells itself apart by its corn: the gulper and the
// ghost start on row 1 with `corn` corn between them (at most 24).
inline std::vector<std::string> MapWithCorn(int corn, int height = MapHeight)
{
    std::vector<std::string> rows(height, std::string(MapWidth, '#'));
    rows[1] = "#P" + std::string(corn, 'C') + std::string(MapWidth - 4 - corn, '.') + "G#";
    return rows;
}

// The number of cells of the maze holding a code.
inline int CountCells(int code)
{
    int count = 0;
    for (const int cell : TheMaze->cells)
        count += cell == code;
    return count;
}

// What a widget of the current state's panel showed when the panel was last
// drawn (value widgets take their text from their variable as they draw).
inline std::string WidgetText(int widgetIndex)
{
    return TheGui->PanelOf(GameState)->widgets.at(widgetIndex)->text;
}

}  // namespace ScreenTests
