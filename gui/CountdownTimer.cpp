// The level countdown's box: the time left drawn at the bottom centre.
#include "gui/CountdownTimer.h"

#include <string>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/BitmapFont.h"

namespace {

// The box at the bottom centre of the window.
constexpr int BoxX = 216;
constexpr int BoxY = 360;
constexpr int BoxWidth = 72;
constexpr int BoxHeight = 18;

}  // namespace

CountdownTimer::CountdownTimer(const BitmapFont& font, SDL_Surface* image)
    : x(BoxX), y(BoxY), w(BoxWidth), h(BoxHeight), font(font), image(image)
{
    Reset();
}

// The background, then the time centred across the box at its top edge.
void CountdownTimer::Draw() const
{
    TheScreen->Blit(image, x, y, 0, 0, w, h);
    const std::string text = IntToText(minutes) + ":" + IntToText(tens) + IntToText(units);
    font.DrawText(x + (w - font.TextWidth(text)) / 2, y, text);
}
