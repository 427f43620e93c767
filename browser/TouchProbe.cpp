// What the page's touch controls (browser/touch.js) and their tests ask the
// game: who plays by hand, what a tap at a point means, the keys bound to the
// actions its buttons and swipes press, and a read-only look at the gulper and
// the ghosts. Nothing here changes the game.
#include <emscripten.h>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "gui/Gui.h"
#include "input/KeyBindings.h"
#include "maze/Maze.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"

namespace {

// The bits of GulpwiseTouchPlayers.
constexpr int InPlay = 1;        // the level is being played
constexpr int HumanGulper = 2;   // a person steers the gulper
constexpr int HumanGhosts = 4;   // a person commands the ghosts

// What GulpwiseTapMeaning answers.
constexpr int TapClicks = 0;   // a plain left click
constexpr int TapSelects = 1;  // a ghost is there: a left click selects it
constexpr int TapSends = 2;    // a floor cell with ghosts selected: a right click sends them

// GulpwiseGhostField's fields.
enum GhostField { Selected = 0, GoalX = 1, GoalY = 2, CentreX = 3, CentreY = 4 };

bool AnySelected()
{
    for (const GhostActor* ghost : TheSquad->ghosts) {
        if (ghost->selected)
            return true;
    }
    return false;
}

}  // namespace

extern "C" {

// Who plays by touch now, as the bits above.
EMSCRIPTEN_KEEPALIVE int GulpwiseTouchPlayers()
{
    if (!TheConfig)
        return 0;
    return (GameState == Playing ? InPlay : 0) |
           (TheConfig->gulperController == Human ? HumanGulper : 0) |
           (TheConfig->ghostsController == Human ? HumanGhosts : 0);
}

// What a tap on the picture at game pixel (x, y) is, in play with a person commanding the ghosts.
EMSCRIPTEN_KEEPALIVE int GulpwiseTapMeaning(int x, int y)
{
    if (!TheSquad || !TheMaze || GameState != Playing || TheConfig->ghostsController != Human)
        return TapClicks;
    if (TheSquad->GhostAt(x, y))
        return TapSelects;
    const int size = static_cast<int>(TheMaze->cellSize);
    if (x < 0 || y < 0 || TheMaze->CellAt(x / size, y / size) == Wall)
        return TapClicks;  // a wall, or below the maze: a click there lets the selection go
    return AnySelected() ? TapSends : TapClicks;
}

// The key bound to an action (0 to 25, as in the key files), with the
// desktop's numbers; 0 for none.
EMSCRIPTEN_KEEPALIVE int GulpwiseBoundKey(int action)
{
    if (!TheGui || action < 0 || action >= ActionCount)
        return 0;
    return TheGui->keyBindings.keys[action];
}

// The name the keys screens show for the key bound to an action.
EMSCRIPTEN_KEEPALIVE const char* GulpwiseBoundKeyName(int action)
{
    const int key = GulpwiseBoundKey(action);
    if (!TheGui || key < 0 || key >= static_cast<int>(TheGui->keyBindings.keyNames.size()))
        return "";
    return TheGui->keyBindings.keyNames[key].c_str();
}

// The gulper's wanted direction (0 right, 1 left, 2 up, 3 down), or -1 before there is one.
EMSCRIPTEN_KEEPALIVE int GulpwiseGulperDirection()
{
    return TheGulper ? IndexOf(TheGulper->wantedDirection) : -1;
}

// The maze's cell code at (column, row): 0 floor, 1 wall, and so on (a wall outside the grid).
EMSCRIPTEN_KEEPALIVE int GulpwiseCellAt(int column, int row)
{
    return TheMaze ? static_cast<int>(TheMaze->CellAt(column, row)) : static_cast<int>(Wall);
}

EMSCRIPTEN_KEEPALIVE int GulpwiseGhostCount()
{
    return TheSquad ? TheSquad->count : 0;
}

// One field of ghost index (see GhostField), or -1 for no such ghost.
EMSCRIPTEN_KEEPALIVE int GulpwiseGhostField(int index, int field)
{
    if (!TheSquad || index < 0 || index >= static_cast<int>(TheSquad->ghosts.size()))
        return -1;
    const GhostActor& ghost = *TheSquad->ghosts[index];
    switch (field) {
    case Selected: return ghost.selected ? 1 : 0;
    case GoalX: return ghost.goal.x;
    case GoalY: return ghost.goal.y;
    case CentreX: return ghost.drawX;
    case CentreY: return ghost.drawY;
    default: return -1;
    }
}

}  // extern "C"
