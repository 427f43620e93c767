// The level editor's brush: which element painting writes, and where it last painted.
#pragma once

#include <string>
#include <vector>

#include "app/GameTypes.h"

class EditorBrush {
public:
    EditorBrush();

    // Paints the brush into the cell under the mouse, at most once per cell in a row.
    void PaintAt(int mouseX, int mouseY);
    // Chooses the next element, wrapping, and forgets the last painted cell.
    void NextElement();
    // The editor is leaving or reloading its map without saving: says which
    // map's painting is dropped, if there is any, and forgets it.
    void DropUnsavedChanges();

    int brush;                              // the CellCode that painting writes
    std::vector<std::string> elementNames;  // index = CellCode
    int elementCount;                       // 6
    CellPos lastPainted;                    // (NoValue, NoValue) when none
    bool unsavedChanges;                    // painted since the map was last loaded or saved
};
