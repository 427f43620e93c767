// Panels: drawing a background with its buttons and widgets, and the two
// halves of a click, the press that marks a button and the release that
// hands its id on.
#include "gui/Panel.h"

#include <utility>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/ButtonIds.h"

namespace {

constexpr int PlayOnce = 0;  // loop count of a sound played once

// True when the point lies strictly inside the rectangle: its first row and
// column, and the row and column just past its end, do not count.
bool StrictlyInside(int px, int py, int x, int y, int w, int h)
{
    return px > x && py > y && px < x + w && py < y + h;
}

}  // namespace

Panel::Panel(int x, int y, int w, int h, SDL_Surface* image)
    : image(image), x(x), y(y), w(w), h(h)
{
}

Button& Panel::AddButton(int x, int y, int w, int h, SDL_Surface* image, int id,
                         std::unique_ptr<TextWidget> label)
{
    buttons.push_back(std::make_unique<Button>(
        Button{x, y, w, h, std::move(label), image, id, ButtonIdle}));
    return *buttons.back();
}

TextWidget& Panel::AddWidget(std::unique_ptr<TextWidget> widget)
{
    widgets.push_back(std::move(widget));
    return *widgets.back();
}

// The background, then each button's frame for its state with its label over
// it, then the widgets.
void Panel::Draw() const
{
    TheScreen->Blit(image, x, y, 0, 0, w, h);
    for (const auto& button : buttons) {
        const int left = x + button->x;
        const int top = y + button->y;
        TheScreen->Blit(button->image, left, top, 0, button->state * button->h, button->w,
                        button->h);
        if (button->label)
            button->label->Draw(left, top);
    }
    for (const auto& widget : widgets)
        widget->Draw(x, y);
}

int Panel::PressAt(int px, int py)
{
    if (!StrictlyInside(px, py, x, y, w, h))
        return NoHit;
    const int localX = px - x;
    const int localY = py - y;
    for (size_t i = 0; i < buttons.size(); ++i) {
        Button& button = *buttons[i];
        if (StrictlyInside(localX, localY, button.x, button.y, button.w, button.h)) {
            button.state = ButtonPressed;
            TheSounds->PlayEffect(ButtonClickSound, PlayOnce);
            return static_cast<int>(i);
        }
    }
    return NoHit;
}

// Where the release happens does not matter: a press on a button followed by
// a release anywhere is a click.
int Panel::TakeReleased()
{
    for (const auto& button : buttons) {
        if (button->state == ButtonPressed) {
            button->state = ButtonIdle;
            return button->id;
        }
    }
    return NoButton;
}
