// What online play draws over the game: the room code in large letters, the
// host's level settings on the joiner's waiting screen, the round trip in
// the corner; and the fitting of a text into a strip that all of them use.
#pragma once

#include <string>

#include "platform/LevelSettings.h"

class BitmapFont;
class Gui;

// The room code panel: centred over the maze, a title band, the code drawn
// at twice the large font's size, and one line under it.
constexpr int RoomCodePanelW = 216;  // "images/menu_216_90.bmp"
constexpr int RoomCodePanelH = 90;
constexpr int RoomCodeScale = 2;     // the code's pixels are drawn this many times larger
constexpr int RoomCodeLineWidth = RoomCodePanelW - 16;  // the strip the line under the code fits in

// The round trip's box in the top-right corner, one strip high like the caption.
constexpr int RoundTripBoxW = 54;

// The text as it fits in `width` pixels of the font: unchanged when it fits,
// otherwise cut and ended with "..." (or nothing of it, when not even that fits).
std::string FitText(const BitmapFont& font, const std::string& text, int width);

// The strip over the game in which network play says what it is doing.
constexpr int StatusStripW = 432;
constexpr int StatusTextWidth = StatusStripW - 8;  // the text keeps clear of the strip's ends

// A status as the strip shows it: in the large font when it fits, else in
// the small font, cut when even that is too wide. `large` says which font.
std::string FitStatusLine(const Gui& gui, const std::string& text, bool& large);

// The line under a room code as drawn: in the large font when it fits the
// strip, else in the small font, cut when even that is too wide. `large`
// says which font was taken.
std::string FitRoomCodeLine(const Gui& gui, const std::string& line, bool& large);

// The room code in large letters with a line of text under it ("Give this
// code to the other player"), on a panel over the game.
void DrawRoomCode(const Gui& gui, const std::string& code, const std::string& line);

// A small panel listing the level's settings: both sides' controllers and
// speeds, the ghost count, the map, the time limit and the frame rate.
void DrawHostSettings(const Gui& gui, const LevelSettings& settings);

// The texts of the settings panel's rows, label and value, in drawing order.
struct SettingsRow {
    std::string label;
    std::string value;
};
constexpr int HostSettingsRowCount = 8;
void HostSettingsRows(const Gui& gui, const LevelSettings& settings,
                      SettingsRow (&rows)[HostSettingsRowCount]);
constexpr int HostSettingsLabelWidth = 54;  // the label column of the settings panel
constexpr int HostSettingsValueWidth = 72;  // the value column

// The round trip to the other machine, "42 ms", in the top-right corner;
// a negative time shows "-- ms" (not measured yet).
void DrawRoundTrip(const Gui& gui, int milliseconds);
std::string RoundTripText(int milliseconds);
