// Texts drawn in a box with alignment, and the three kinds that show the
// current value of a variable owned elsewhere.
#pragma once

#include <string>
#include <vector>

class BitmapFont;

enum HAlign : int { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };
enum VAlign : int { AlignTop = 0, AlignMiddle = 1, AlignBottom = 2 };

class TextWidget {
public:
    TextWidget(const BitmapFont& font, std::string text, int x, int y, int w, int h,
               int halign, int valign);
    virtual ~TextWidget() = default;
    // Draws the text aligned in the box, relative to the origin (ox, oy).
    virtual void Draw(int ox, int oy) const;

    const BitmapFont& font;
    // What the widget shows; a widget of a value writes its value here when drawn.
    mutable std::string text;
    int x, y;  // box position relative to the origin
    int w, h;  // box size, used only for alignment
    int halign;  // HAlign
    int valign;  // VAlign
};

// Shows an int owned elsewhere.
class IntWidget : public TextWidget {
public:
    IntWidget(const BitmapFont& font, const int* value, int x, int y, int w, int h,
              int halign, int valign);
    void Draw(int ox, int oy) const override;
    const int* value;
};

// Shows a double owned elsewhere.
class DoubleWidget : public TextWidget {
public:
    DoubleWidget(const BitmapFont& font, const double* value, int x, int y, int w, int h,
                 int halign, int valign);
    void Draw(int ox, int oy) const override;
    const double* value;
};

// Shows the name an int owned elsewhere picks from a list; "?" when the int
// lies outside the list.
class LookupWidget : public TextWidget {
public:
    LookupWidget(const BitmapFont& font, const int* index, const std::vector<std::string>* names,
                 int x, int y, int w, int h, int halign, int valign);
    void Draw(int ox, int oy) const override;
    const int* index;
    const std::vector<std::string>* names;
};
