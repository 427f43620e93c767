// Buttons and the panels that hold them: every menu, dialog and in-game message.
#pragma once

#include <SDL/SDL.h>
#include <memory>
#include <vector>

#include "platform/GameTypes.h"
#include "gui/Widgets.h"

// What PressAt returns when no button was hit.
constexpr int NoHit = NoValue;

struct Button {
    int x, y;  // top-left corner relative to the panel
    int w, h;  // size; also the size of one image frame
    std::unique_ptr<TextWidget> label;  // drawn over the image with box (0, 0, w, h)
    SDL_Surface* image;  // idle frame above, pressed frame below; not owned
    int id;              // ButtonId handed to the release dispatcher
    int state;           // 0 idle, 1 pressed
};

class Panel {
public:
    Panel(int x, int y, int w, int h, SDL_Surface* image);

    // Adds a button whose label is the given widget (its box is the button's own).
    Button& AddButton(int x, int y, int w, int h, SDL_Surface* image, int id,
                      std::unique_ptr<TextWidget> label);
    // Adds a widget drawn after the buttons.
    TextWidget& AddWidget(std::unique_ptr<TextWidget> widget);

    void Draw() const;
    // Marks the first button strictly containing the point as pressed and
    // plays the click; returns its index, or NoHit.
    int PressAt(int px, int py);
    // Releases the first pressed button and returns its id; 0 when none is pressed.
    int TakeReleased();
    // Moves the gamepad's highlight to the nearest button that way; the
    // first move highlights the first button.
    void MoveHighlight(Direction direction);
    // The centre of the highlighted button on the window; false when none is highlighted.
    bool HighlightCentre(int& cx, int& cy) const;

    std::vector<std::unique_ptr<Button>> buttons;  // press and release order
    std::vector<std::unique_ptr<TextWidget>> widgets;  // drawn after the buttons
    SDL_Surface* image;  // background, not owned
    int x, y;  // top-left corner on the window
    int w, h;  // size: the press area and the part of the image drawn
    int highlighted = NoHit;  // index of the button the gamepad points at, drawn outlined
};

constexpr int ButtonIdle = 0;
constexpr int ButtonPressed = 1;
