// What a human does with the characters in play: the gulper's keys, the
// ghosts' keys, and the mouse's selections and orders. (Key releases, with
// pause and the back key, belong to the game flow.)
#include <algorithm>
#include <cstdlib>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/Gui.h"
#include "maze/EditorBrush.h"

namespace {

constexpr int DragJitter = 5;  // pixels the pointer may move before a press becomes a drag

void SteerGulper(int direction)
{
    TheGulper->wantedDirection = direction;
    TheGulper->stopped = false;
}

// One action of a key press in play, by who controls each side: each side's
// direction keys steer the other side's character when that side is the computer's.
void PressAction(int action, bool& groupSelection)
{
    const bool humanGulper = TheConfig->gulperController == Human;
    const bool humanGhosts = TheConfig->ghostsController == Human;
    const bool gulperDirection = action >= MoveGulperRight && action <= MoveGulperDown;
    const bool ghostDirection = action >= MoveGhostRight && action <= MoveGhostDown;

    if (humanGulper) {
        if (gulperDirection)
            SteerGulper(action - MoveGulperRight);
        else if (action == StopGulper)
            TheGulper->stopped = !TheGulper->stopped;
        else if (ghostDirection && !humanGhosts)
            SteerGulper(action - MoveGhostRight);
    }
    if (!humanGhosts)
        return;
    if (ghostDirection)
        TheSquad->DirectOrder(action - MoveGhostRight);
    else if (gulperDirection && !humanGulper)
        TheSquad->DirectOrder(action - MoveGulperRight);
    else if (action == StopGhosts)
        TheSquad->StopAll();
    else if (action == SelectAllGhosts)
        TheSquad->SelectAll();
    else if (action == DeselectGhosts)
        TheSquad->DeselectAll();
    else if (action == SelectNextGhost)
        TheSquad->SelectNext();
    else if (action == SelectPrevGhost)
        TheSquad->SelectPrev();
    else if (action >= SelectGhost1 && action < SelectGhost1 + MaxGhosts)
        TheSquad->SelectOnly(action - SelectGhost1);
    else if (action == GroupSelection)
        groupSelection = true;
}

}  // namespace

bool Gui::OnKeyDown(int key)
{
    if (GameState != Playing)
        return false;
    // A key bound to several actions performs all of them, in action order.
    for (int action = 0; action < ActionCount; ++action) {
        if (keyBindings.Matches(action, key))
            PressAction(action, groupSelection);
    }
    return false;
}

void Gui::OnPlayLeftDown(int x, int y)
{
    if (TheConfig->ghostsController == Human) {
        selectionBox.x0 = x;
        selectionBox.y0 = y;
    }
    TheSquad->ClickSelect(x, y, groupSelection);
}

bool Gui::OnLeftDrag(int x, int y)
{
    if (GameState == LevelEditor) {
        TheBrush->PaintAt(x, y);
    } else if (GameState == Playing && TheConfig->ghostsController == Human) {
        SelectionBox& box = selectionBox;
        box.x1 = x;
        box.y1 = y;
        box.active = std::abs(box.x1 - box.x0) > DragJitter || std::abs(box.y1 - box.y0) > DragJitter;
    }
    return false;
}

void Gui::OnPlayLeftUp(int x, int y)
{
    SelectionBox& box = selectionBox;
    if (TheConfig->ghostsController != Human || !box.active)
        return;
    box.x1 = x;
    box.y1 = y;
    box.active = false;
    const int left = std::max(std::min(box.x0, box.x1), 0);
    const int right = std::min(std::max(box.x0, box.x1), TheScreen->width);
    const int top = std::max(std::min(box.y0, box.y1), 0);
    const int bottom = std::min(std::max(box.y0, box.y1), TheScreen->height);
    TheSquad->SelectInBox(left, top, right, bottom, groupSelection);
}

bool Gui::OnRightDown(int x, int y)
{
    if (GameState == Playing && TheConfig->ghostsController == Human)
        TheSquad->OrderToPoint(x, y);
    return false;
}
