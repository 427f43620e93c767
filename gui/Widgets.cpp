// Texts drawn in a box with alignment, and the widgets that show a value.
#include "gui/Widgets.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

#include "gui/BitmapFont.h"

namespace {

// What a LookupWidget shows when its index lies outside its name list.
const std::string UnknownName = "?";

// The offset that places something of the given size in a box of the given
// size: nothing when aligned to the start, half the room (truncated toward
// zero) when centred, all of it when aligned to the end. The room may be
// negative: the content then starts before the box.
int AlignmentOffset(int alignment, int boxSize, int contentSize)
{
    const int64_t room = int64_t{boxSize} - contentSize;
    int64_t offset = 0;
    if (alignment == AlignCentre)
        offset = room / 2;
    else if (alignment == AlignRight)
        offset = room;
    return static_cast<int>(std::clamp<int64_t>(offset, INT_MIN, INT_MAX));
}

}  // namespace

TextWidget::TextWidget(const BitmapFont& font, std::string text, int x, int y, int w, int h,
                       int halign, int valign)
    : font(font), text(std::move(text)), x(x), y(y), w(w), h(h), halign(halign), valign(valign)
{
}

// HAlign and VAlign share their numbers (start, centre, end), so one rule serves both.
void TextWidget::Draw(int ox, int oy) const
{
    static_assert(AlignCentre == int{AlignMiddle} && AlignRight == int{AlignBottom});
    const int dx = AlignmentOffset(halign, w, font.TextWidth(text));
    const int dy = AlignmentOffset(valign, h, font.height);
    if (text.empty())
        return;
    font.DrawText(ox + x + dx, oy + y + dy, text);
}

IntWidget::IntWidget(const BitmapFont& font, const int* value, int x, int y, int w, int h,
                     int halign, int valign)
    : TextWidget(font, "", x, y, w, h, halign, valign), value(value)
{
}

void IntWidget::Draw(int ox, int oy) const
{
    text = IntToText(*value);
    TextWidget::Draw(ox, oy);
}

DoubleWidget::DoubleWidget(const BitmapFont& font, const double* value, int x, int y, int w,
                           int h, int halign, int valign)
    : TextWidget(font, "", x, y, w, h, halign, valign), value(value)
{
}

void DoubleWidget::Draw(int ox, int oy) const
{
    text = DoubleToText(*value);
    TextWidget::Draw(ox, oy);
}

LookupWidget::LookupWidget(const BitmapFont& font, const int* index,
                           const std::vector<std::string>* names, int x, int y, int w, int h,
                           int halign, int valign)
    : TextWidget(font, "", x, y, w, h, halign, valign), index(index), names(names)
{
}

void LookupWidget::Draw(int ox, int oy) const
{
    const int i = *index;
    const bool listed = i >= 0 && static_cast<size_t>(i) < names->size();
    text = listed ? (*names)[i] : UnknownName;
    TextWidget::Draw(ox, oy);
}
