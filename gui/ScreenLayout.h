// Sizes shared by the screens' layouts: the standard button and panel
// images, and the two fonts as Gui::Label names them.
#pragma once

constexpr int WideButtonWidth = 72;  // "images/button_72_18.bmp"
constexpr int RowHeight = 18;        // wide buttons, steppers and text boxes are one row high
constexpr int StepperSize = 18;      // "images/button_18_18.bmp", the "+" and "-" buttons
constexpr int CloseSize = 12;        // "images/button_12_12.bmp", the "x" buttons
constexpr int ValueWidth = 36;       // the box of a number shown beside its steppers

constexpr int SmallPanelWidth = 144;  // "images/menu_144_180.bmp"
constexpr int SmallPanelHeight = 180;
constexpr int DialogWidth = 432;      // "images/menu_432_342.bmp"
constexpr int DialogHeight = 342;
constexpr int QuestionWidth = 288;    // "images/menu_288_63.bmp"
constexpr int QuestionHeight = 63;

constexpr bool LargeFont = true;   // the 18-pixel font
constexpr bool SmallFont = false;  // the 10-pixel font
