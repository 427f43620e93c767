// The panels of online play drawn over the game: the room code, the host's
// settings, the round trip; and the fitting of texts into their strips.
#include "gui/OnlinePanels.h"

#include <SDL/SDL.h>

#include <cstring>

#include "gui/BitmapFont.h"
#include "gui/Caption.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr const char* Ellipsis = "...";

// The room code panel's inside: the title in its band, the code, the line.
constexpr const char* RoomCodeTitle = "ROOM CODE";
constexpr int TitleX = 9, TitleY = 5;
constexpr int CodeY = 28;  // the top of the doubled letters
constexpr int LineY = 68;  // the top of the line's row
constexpr int LineMargin = (RoomCodePanelW - RoomCodeLineWidth) / 2;

// The settings panel, where the custom game menu stands.
constexpr const char* SettingsTitle = "SETTINGS";
constexpr int SettingsX = 0, SettingsY = 198;
constexpr int SettingsTitleX = 9, SettingsTitleY = 5;
constexpr int LabelX = 9;
constexpr int ValueX = LabelX + HostSettingsLabelWidth;
constexpr int FirstRowY = 27;

// The round trip: times past this show as "9999+ ms", which still fits the box.
constexpr int MaxShownRoundTrip = 9999;
constexpr int RoundTripTextMargin = 4;  // between the box's edges and the text

// Draws the text with every pixel of the font `scale` pixels wide and high.
// The glyphs are put together on a surface of the window's format, with the
// font's transparent colour around them, which is then enlarged.
void DrawScaledText(const BitmapFont& font, int x, int y, const std::string& text, int scale)
{
    const int width = font.TextWidth(text);
    if (width <= 0 || !font.image)
        return;
    const SDL_PixelFormat& format = *TheScreen->surface->format;
    // The fonts' colour key is black (BitmapFont); the browser's surfaces keep
    // the key outside the pixel format, so it is not read from there.
    const Uint32 transparent = SDL_MapRGB(&format, 0, 0, 0);
    SDL_Surface* line = SDL_CreateRGBSurface(SDL_SWSURFACE, width, font.height,
                                             format.BitsPerPixel, format.Rmask, format.Gmask,
                                             format.Bmask, format.Amask);
    SDL_Surface* scaled = SDL_CreateRGBSurface(SDL_SWSURFACE, width * scale, font.height * scale,
                                               format.BitsPerPixel, format.Rmask, format.Gmask,
                                               format.Bmask, format.Amask);
    if (line && scaled) {
        SDL_FillRect(line, nullptr, transparent);
        Sint16 penX = 0;
        for (const char c : text) {
            const int glyph = font.GlyphOf(c);
            if (glyph < 0)
                continue;
            SDL_Rect from{static_cast<Sint16>(font.offsets[glyph]), 0,
                          static_cast<Uint16>(font.widths[glyph]),
                          static_cast<Uint16>(font.height)};
            SDL_Rect to{penX, 0, 0, 0};
            SDL_BlitSurface(font.image, &from, line, &to);
            penX = static_cast<Sint16>(penX + font.widths[glyph]);
        }
        const int bytes = format.BytesPerPixel;
        for (int row = 0; row < scaled->h; ++row) {
            const auto* source =
                static_cast<const Uint8*>(line->pixels) + (row / scale) * line->pitch;
            auto* target = static_cast<Uint8*>(scaled->pixels) + row * scaled->pitch;
            for (int column = 0; column < scaled->w; ++column)
                std::memcpy(target + column * bytes, source + (column / scale) * bytes, bytes);
        }
        SDL_SetColorKey(scaled, SDL_SRCCOLORKEY, transparent);
        TheScreen->Blit(scaled, x, y, 0, 0, scaled->w, scaled->h);
    }
    SDL_FreeSurface(line);
    SDL_FreeSurface(scaled);
}

// Draws a text with its box's alignment, as a TextWidget does.
void DrawInBox(const BitmapFont& font, const std::string& text, int x, int y, int w, int h,
               int halign, int valign)
{
    TextWidget(font, text, x, y, w, h, halign, valign).Draw(0, 0);
}

}  // namespace

std::string FitText(const BitmapFont& font, const std::string& text, int width)
{
    if (font.TextWidth(text) <= width)
        return text;
    const int room = width - font.TextWidth(Ellipsis);
    if (room < 0)
        return "";
    std::string cut;
    for (const char c : text) {
        if (font.TextWidth(cut + c) > room)
            break;
        cut += c;
    }
    return cut + Ellipsis;
}

std::string FitStatusLine(const Gui& gui, const std::string& text, bool& large)
{
    large = gui.largeFont->TextWidth(text) <= StatusTextWidth;
    return large ? text : FitText(*gui.smallFont, text, StatusTextWidth);
}

std::string FitRoomCodeLine(const Gui& gui, const std::string& line, bool& large)
{
    large = gui.largeFont->TextWidth(line) <= RoomCodeLineWidth;
    return large ? line : FitText(*gui.smallFont, line, RoomCodeLineWidth);
}

void DrawRoomCode(const Gui& gui, const std::string& code, const std::string& line)
{
    const int x = (TheScreen->width - RoomCodePanelW) / 2;
    const int y = (TheScreen->height - RoomCodePanelH) / 2;
    TheScreen->Blit(gui.images[Menu216x90], x, y, 0, 0, RoomCodePanelW, RoomCodePanelH);
    gui.largeFont->DrawText(x + TitleX, y + TitleY, RoomCodeTitle);
    const BitmapFont& large = *gui.largeFont;
    const std::string shownCode = FitText(large, code, RoomCodeLineWidth / RoomCodeScale);
    const int codeWidth = large.TextWidth(shownCode) * RoomCodeScale;
    DrawScaledText(large, x + (RoomCodePanelW - codeWidth) / 2, y + CodeY, shownCode,
                   RoomCodeScale);
    bool largeLine = false;
    const std::string shownLine = FitRoomCodeLine(gui, line, largeLine);
    DrawInBox(largeLine ? large : *gui.smallFont, shownLine, x + LineMargin, y + LineY,
              RoomCodeLineWidth, RowHeight, AlignCentre, AlignMiddle);
}

void HostSettingsRows(const Gui& gui, const LevelSettings& settings,
                      SettingsRow (&rows)[HostSettingsRowCount])
{
    const auto controller = [&gui](Controller c) {
        const auto number = static_cast<size_t>(c);
        return number < gui.controllerNames.size() ? gui.controllerNames[number] : "?";
    };
    const bool custom = settings.gameMode == CustomMode;
    rows[0] = {"Gulper", controller(settings.gulperController)};
    rows[1] = {"Speed", DoubleToText(settings.gulperSpeed)};
    rows[2] = {"Ghosts", controller(settings.ghostsController)};
    rows[3] = {"Speed", DoubleToText(settings.ghostSpeed)};
    rows[4] = {"Number", IntToText(settings.ghostCount)};
    rows[5] = {custom ? "Map #" : "Level", IntToText(settings.level)};
    rows[6] = {"Timer", IntToText(settings.timeLimit)};
    rows[7] = {"FPS", IntToText(settings.framesPerSecond)};
}

void DrawHostSettings(const Gui& gui, const LevelSettings& settings)
{
    TheScreen->Blit(gui.images[Menu144x180], SettingsX, SettingsY, 0, 0, SmallPanelWidth,
                    SmallPanelHeight);
    gui.largeFont->DrawText(SettingsX + SettingsTitleX, SettingsY + SettingsTitleY,
                            SettingsTitle);
    SettingsRow rows[HostSettingsRowCount];
    HostSettingsRows(gui, settings, rows);
    int y = SettingsY + FirstRowY;
    for (const SettingsRow& row : rows) {
        DrawInBox(*gui.smallFont, FitText(*gui.smallFont, row.label, HostSettingsLabelWidth),
                  SettingsX + LabelX, y, HostSettingsLabelWidth, RowHeight, AlignLeft,
                  AlignMiddle);
        DrawInBox(*gui.largeFont, FitText(*gui.largeFont, row.value, HostSettingsValueWidth),
                  SettingsX + ValueX, y, HostSettingsValueWidth, RowHeight, AlignCentre,
                  AlignMiddle);
        y += RowHeight;
    }
}

std::string RoundTripText(int milliseconds)
{
    if (milliseconds < 0)
        return "-- ms";
    if (milliseconds > MaxShownRoundTrip)
        return IntToText(MaxShownRoundTrip) + "+ ms";
    return IntToText(milliseconds) + " ms";
}

void DrawRoundTrip(const Gui& gui, int milliseconds)
{
    const int x = TheScreen->width - RoundTripBoxW;
    TheScreen->FillRect(x, 0, RoundTripBoxW, CaptionStripHeight, CaptionStripColour);
    const int textWidth = RoundTripBoxW - 2 * RoundTripTextMargin;
    const std::string text = FitText(*gui.smallFont, RoundTripText(milliseconds), textWidth);
    DrawInBox(*gui.smallFont, text, x + RoundTripTextMargin, 0, textWidth, CaptionStripHeight,
              AlignRight, AlignMiddle);
}
