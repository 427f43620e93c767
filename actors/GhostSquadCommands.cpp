// What the ghosts' player can tell the squad: selections, orders to a cell,
// driving one ghost with the direction keys, and stopping.
#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "platform/Globals.h"

namespace {

constexpr int HitMargin = 5;  // a click this many pixels beside a ghost's sprite still hits it

// The cell under a window pixel, or false when the pixel lies outside the maze.
bool CellUnder(int x, int y, CellPos& cell)
{
    if (x < 0 || y < 0)
        return false;
    const int size = static_cast<int>(TheMaze->cellSize);
    cell = {x / size, y / size};
    return cell.x < TheMaze->width && cell.y < TheMaze->height;
}

void PlaySelecting()
{
    GameEvents.Emit(GameEvent::GhostSelected);
}

void PlayOrder()
{
    GameEvents.Emit(GameEvent::OrderIssued);
}

bool Inside(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

void GhostSquad::EndDirectControl()
{
    if (!directActive)
        return;
    directActive = false;
    ghosts[directIndex]->HoldHere();
    directIndex = NoValue;
}

void GhostSquad::DirectOrder(Direction direction)
{
    // A ghost driven until now keeps the goal it had; it is not held.
    directActive = false;
    directIndex = NoValue;
    int selectedIndex = NoValue;
    int selectedCount = 0;
    for (int i = 0; i < count; ++i) {
        if (ghosts[i]->selected) {
            selectedIndex = i;
            ++selectedCount;
        }
    }
    if (selectedCount == 1) {
        directIndex = selectedIndex;
        directActive = true;
        directDirection = direction;
    }
}

void GhostSquad::StopAll()
{
    EndDirectControl();
    for (GhostActor* ghost : ghosts)
        ghost->goal = ghost->cell;
    PlayOrder();
}

void GhostSquad::SelectAll()
{
    EndDirectControl();
    for (GhostActor* ghost : ghosts)
        ghost->selected = true;
    PlaySelecting();
}

void GhostSquad::DeselectAll()
{
    EndDirectControl();
    for (GhostActor* ghost : ghosts)
        ghost->selected = false;
}

void GhostSquad::SelectOnly(int index)
{
    DeselectAll();
    if (index >= 0 && index < count) {
        ghosts[index]->selected = true;
        PlaySelecting();
    }
}

void GhostSquad::SelectNext()
{
    if (count == 0)
        return;
    int last = 0;
    for (int i = 0; i < count; ++i) {
        if (ghosts[i]->selected)
            last = i;
    }
    SelectOnly((last + 1) % count);
}

void GhostSquad::SelectPrev()
{
    if (count == 0)
        return;
    int first = 0;
    for (int i = count - 1; i >= 0; --i) {
        if (ghosts[i]->selected)
            first = i;
    }
    SelectOnly(first - 1 < 0 ? count - 1 : first - 1);
}

void GhostSquad::OrderToPoint(int x, int y)
{
    EndDirectControl();
    CellPos cell;
    if (!CellUnder(x, y, cell) || TheMaze->CellAt(cell.x, cell.y) == Wall)
        return;
    bool ordered = false;
    for (GhostActor* ghost : ghosts) {
        if (ghost->selected) {
            ghost->goal = cell;
            ordered = true;
        }
    }
    if (ordered)
        PlayOrder();
}

GhostActor* GhostSquad::GhostAt(int x, int y) const
{
    // The first ghost, by number, whose sprite enlarged by the margin holds the point.
    const double reach = TheMaze->cellSize * 0.5 + HitMargin;
    for (GhostActor* ghost : ghosts) {
        if (ghost->drawX - reach < x && x < ghost->drawX + reach && ghost->drawY - reach < y &&
            y < ghost->drawY + reach)
            return ghost;
    }
    return nullptr;
}

void GhostSquad::ClickSelect(int x, int y, bool add)
{
    EndDirectControl();
    CellPos cell;
    if (!CellUnder(x, y, cell))
        return;
    if (TheMaze->CellAt(cell.x, cell.y) == Wall) {
        DeselectAll();
        return;
    }

    bool anySelected = false;
    for (const GhostActor* ghost : ghosts)
        anySelected = anySelected || ghost->selected;

    GhostActor* hit = GhostAt(x, y);

    if (!hit) {
        if (anySelected)
            DeselectAll();
        return;
    }
    if (anySelected && !add) {
        for (GhostActor* ghost : ghosts)
            ghost->selected = false;
    }
    hit->selected = true;
    PlaySelecting();
}

void GhostSquad::SelectInBox(int left, int top, int right, int bottom, bool add)
{
    // A box selection leaves a driven ghost driven.
    if (!add) {
        for (GhostActor* ghost : ghosts)
            ghost->selected = false;
    }
    const int half = static_cast<int>(TheMaze->cellSize * 0.5);
    bool heard = false;
    for (GhostActor* ghost : ghosts) {
        const int gl = ghost->drawX - half, gt = ghost->drawY - half;
        const int gr = ghost->drawX + half, gb = ghost->drawY + half;
        // Touching: a corner of either box lies in the other (a plain crossing does not count).
        const bool touches =
            Inside(gl, gt, left, top, right, bottom) || Inside(gr, gt, left, top, right, bottom) ||
            Inside(gl, gb, left, top, right, bottom) || Inside(gr, gb, left, top, right, bottom) ||
            Inside(left, top, gl, gt, gr, gb) || Inside(right, top, gl, gt, gr, gb) ||
            Inside(left, bottom, gl, gt, gr, gb) || Inside(right, bottom, gl, gt, gr, gb);
        if (!touches)
            continue;
        ghost->selected = true;
        if (!heard) {
            PlaySelecting();
            heard = true;
        }
    }
}
