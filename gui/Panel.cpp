// Panels: drawing a background with its buttons and widgets, and the two
// halves of a click, the press that marks a button and the release that
// hands its id on.
#include "gui/Panel.h"

#include <cstdlib>
#include <utility>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/ButtonIds.h"

namespace {

constexpr int PlayOnce = 0;  // loop count of a sound played once
constexpr int HighlightColour = 0xFFFF00;  // yellow, around the button the gamepad points at
constexpr int CrossWeight = 2;  // a button off to the side counts as this much further away

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
    if (highlighted >= 0 && highlighted < static_cast<int>(buttons.size())) {
        const Button& button = *buttons[highlighted];
        TheScreen->DrawRectOutline(x + button.x - 1, y + button.y - 1, button.w + 1, button.h + 1,
                                   HighlightColour);
    }
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

// The nearest button whose centre lies that way from the highlighted one's,
// distance along the way plus twice the distance across it.
void Panel::MoveHighlight(Direction direction)
{
    const int count = static_cast<int>(buttons.size());
    if (highlighted < 0 || highlighted >= count) {
        highlighted = count > 0 ? 0 : NoHit;
        return;
    }
    const Button& from = *buttons[highlighted];
    const int fromX = 2 * from.x + from.w;  // centres, doubled to stay whole
    const int fromY = 2 * from.y + from.h;
    int best = NoHit;
    long bestScore = 0;
    for (int i = 0; i < count; ++i) {
        const Button& to = *buttons[i];
        const int dx = 2 * to.x + to.w - fromX;
        const int dy = 2 * to.y + to.h - fromY;
        const int along = direction == Right ? dx : direction == Left ? -dx : direction == Down ? dy : -dy;
        const int across = direction == Right || direction == Left ? std::abs(dy) : std::abs(dx);
        if (i == highlighted || along <= 0)
            continue;
        const long score = along + CrossWeight * static_cast<long>(across);
        if (best == NoHit || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    if (best != NoHit)
        highlighted = best;
}

bool Panel::HighlightCentre(int& cx, int& cy) const
{
    if (highlighted < 0 || highlighted >= static_cast<int>(buttons.size()))
        return false;
    const Button& button = *buttons[highlighted];
    cx = x + button.x + button.w / 2;
    cy = y + button.y + button.h / 2;
    return true;
}
