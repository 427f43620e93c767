// The drag-selection rectangle of the ghosts' player, owned by the interface.
#pragma once

struct SelectionBox {
    int x0 = 0, y0 = 0;   // where the left button went down
    int x1 = 0, y1 = 0;   // where the pointer is, or where it was released
    bool active = false;  // a drag is in progress and has moved far enough

    // Draws the white outline while active.
    void Draw() const;
};
