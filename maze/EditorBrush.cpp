// The level editor's brush: paints one element into the cell under the mouse.
#include "maze/EditorBrush.h"

#include "platform/Globals.h"
#include "maze/Maze.h"

EditorBrush::EditorBrush()
    : brush(IndexOf(Tunnel)), elementNames{"Tunnel", "Wall", "Corn", "Boost", "Gulper", "Ghosts"},
      elementCount(static_cast<int>(elementNames.size())), lastPainted{NoValue, NoValue},
      unsavedChanges(false), saveNotice(NoSaveNotice), noticeFramesLeft(0)
{
}

void EditorBrush::PaintAt(int mouseX, int mouseY)
{
    Maze* const maze = TheMaze;
    if (!maze)
        return;
    const CellPos cell = {static_cast<int>(mouseX * (1 / maze->cellSize)),
                          static_cast<int>(mouseY * (1 / maze->cellSize))};
    // A drag within one cell paints it once.
    if (cell == lastPainted)
        return;
    // The bottom row lies under the editor's bar and is never painted.
    if (cell.x < 0 || cell.x >= maze->width || cell.y < 0 || cell.y >= maze->height - 1)
        return;
    // There is at most one gulper start and one ghost start.
    const CellCode code = CellCodeOf(brush);
    if (code == GulperStart || code == GhostStart)
        maze->ClearCode(code);
    maze->SetCell(cell, code);
    maze->RefreshTileVariants();
    lastPainted = cell;
    unsavedChanges = true;
}

void EditorBrush::NextElement()
{
    brush = (brush + 1) % elementCount;
    lastPainted = {NoValue, NoValue};
}

void EditorBrush::MapRead()
{
    unsavedChanges = false;
    saveNotice = NoSaveNotice;
    noticeFramesLeft = 0;
}

void EditorBrush::NoteSave(bool saved, int frames)
{
    saveNotice = saved ? SavedNotice : NotSavedNotice;
    noticeFramesLeft = frames;
}

void EditorBrush::CountNoticeFrame()
{
    if (noticeFramesLeft > 0 && --noticeFramesLeft == 0)
        saveNotice = NoSaveNotice;
}
