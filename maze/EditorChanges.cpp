// What the editor does with painting that was never saved.
#include <cstdio>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "maze/EditorBrush.h"

// Painting is dropped whenever the editor reloads or leaves its map without
// saving; the player is told which map lost it.
void EditorBrush::DropUnsavedChanges()
{
    if (!unsavedChanges)
        return;
    const int mapNumber = TheConfig ? TheConfig->mapNumber : NoValue;
    fprintf(stdout, "Unsaved changes to map %d were dropped.\n", mapNumber);
    unsavedChanges = false;
}
