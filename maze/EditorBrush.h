// The level editor's brush: which element painting writes, and where it last painted.
#pragma once

#include <string>
#include <vector>

#include "platform/GameTypes.h"

// What the editor's bar says of the last save, for a while after it.
enum SaveNotice : int { NoSaveNotice = 0, SavedNotice = 1, NotSavedNotice = 2 };

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
    // The map was read from its file: nothing is unsaved and no save is reported.
    void MapRead();
    // A save's outcome, shown on the editor's bar for that many frames.
    void NoteSave(bool saved, int frames);
    // The bar has shown the save notice for one more frame.
    void CountNoticeFrame();

    int brush;                              // the number of the CellCode that painting writes
    std::vector<std::string> elementNames;  // index = CellCode
    int elementCount;                       // 6
    CellPos lastPainted;                    // (NoValue, NoValue) when none
    bool unsavedChanges;                    // painted since the map was last loaded or saved
    int saveNotice;                         // SaveNotice shown on the editor's bar
    int noticeFramesLeft;                   // frames the notice is still shown
};
