// The online screen, reached by the O key on the game mode menu: "Host
// online", a room code typed into a field, "Join online" and "Watch" with
// that code, and the relay's address. What it asks for, the program's
// online mode serves.
#include <cctype>
#include <climits>
#include <memory>

#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/OnlinePanels.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"

namespace {

// The panel stands where the custom game menu does.
constexpr int PanelX = 0;
constexpr int PanelY = 198;

constexpr int ChoiceX = 9;        // the three choices, as wide as the game mode menu's
constexpr int ChoiceWidth = 126;  // "images/menu_126_18.bmp"
constexpr int CloseX = 128, CloseY = 4;
constexpr int TitleX = 9, TitleY = 5;
constexpr int HostY = 27;
constexpr int CodeRowY = 51;
constexpr int FieldX = 57;  // the room code field's left edge; it ends where the choices do
constexpr int CodeCaptionWidth = FieldX - ChoiceX;
constexpr int JoinY = 75;
constexpr int WatchY = 97;
constexpr int NoticeY = 119;
constexpr int NoticePitch = 12;
constexpr int RelayCaptionY = 147;
constexpr int RelayUrlY = 159;
constexpr int SmallRowHeight = 12;  // a row of the small font with its shadow

// The field: a dark box in the panels' frame colour, the code in the large
// font from its left, and a line under the place of the next character.
constexpr int FieldFill = 0x0C0E22;     // the panels' fill
constexpr int FieldOutline = 0x546EE6;  // the panels' frame
constexpr int CursorColour = 0xFFCE78;  // the large font's warm lower colour
constexpr int FieldTextX = 3;           // from the field's left edge to the text
constexpr int CursorGap = 1;            // between the text and the cursor
constexpr int CursorWidth = 6;
constexpr int CursorTop = 14, CursorHeight = 2;  // just under the large font's baseline

// Keys of the keypad's digits, which type digits too.
constexpr int KeypadZero = SDLK_KP0;
constexpr int KeypadNine = SDLK_KP9;

class RoomCodeField : public TextWidget {
public:
    explicit RoomCodeField(const Gui& gui)
        : TextWidget(*gui.largeFont, "", FieldX, CodeRowY, RoomCodeFieldWidth, RowHeight,
                     AlignLeft, AlignMiddle),
          gui(gui)
    {
    }
    void Draw(int ox, int oy) const override
    {
        text = gui.onlineCode;
        const int left = ox + x, top = oy + y;
        TheScreen->FillRect(left, top, w, h, FieldFill);
        TheScreen->DrawRectOutline(left, top, w - 1, h - 1, FieldOutline);
        font.DrawText(left + FieldTextX, top + (h - font.height) / 2, text);
        const int cursorX = left + RoomCodeFieldUsedWidth(gui, text) - CursorWidth;
        TheScreen->FillRect(cursorX, top + CursorTop, CursorWidth, CursorHeight, CursorColour);
    }

private:
    const Gui& gui;
};

// The notice under the choices, wrapped onto its lines.
class NoticeWidget : public TextWidget {
public:
    explicit NoticeWidget(const Gui& gui)
        : TextWidget(*gui.smallFont, "", ChoiceX, NoticeY, OnlineNoticeWidth,
                     NoticePitch * OnlineNoticeLines, AlignCentre, AlignTop),
          gui(gui)
    {
    }
    void Draw(int ox, int oy) const override
    {
        text = gui.onlineNotice;
        int lineY = oy + y;
        for (const std::string& line : OnlineNoticeLinesOf(gui, text)) {
            TextWidget(font, line, ox + x, lineY, w, SmallRowHeight, halign, AlignTop).Draw(0, 0);
            lineY += NoticePitch;
        }
    }

private:
    const Gui& gui;
};

// The relay's address, cut to the panel's width.
class RelayUrlWidget : public TextWidget {
public:
    explicit RelayUrlWidget(const Gui& gui)
        : TextWidget(*gui.smallFont, "", ChoiceX, RelayUrlY, OnlineNoticeWidth, SmallRowHeight,
                     AlignLeft, AlignTop),
          gui(gui)
    {
    }
    void Draw(int ox, int oy) const override
    {
        text = FitText(font, gui.online.relayUrl, w);
        TextWidget::Draw(ox, oy);
    }

private:
    const Gui& gui;
};

// The character a key types into the room code, upper case; NotTyped for
// a key that is neither a letter nor a digit.
constexpr char NotTyped = 0;
char TypedCharacter(int key)
{
    if (key >= KeypadZero && key <= KeypadNine)
        return static_cast<char>('0' + (key - KeypadZero));
    if (key >= 0 && key <= UCHAR_MAX && std::isalnum(key))
        return static_cast<char>(std::toupper(key));
    return NotTyped;
}

void AddChoice(const Gui& gui, Panel& panel, int y, int id, const char* label)
{
    panel.AddButton(ChoiceX, y, ChoiceWidth, RowHeight, gui.images[Menu126x18], id,
                    gui.Label(label, SmallFont, ChoiceWidth, RowHeight, AlignCentre,
                              AlignMiddle));
}

// Join and Watch: asked for only with a whole code; otherwise the screen says what is missing.
void AskWithCode(GuiRequest request)
{
    Gui& gui = *TheGui;
    if (gui.onlineCode.size() != static_cast<size_t>(RoomCodeLength)) {
        gui.onlineNotice = ShortRoomCodeNotice;
        return;
    }
    gui.onlineNotice.clear();
    gui.request = request;
}

}  // namespace

std::unique_ptr<Panel> BuildOnlineMenu(const Gui& gui)
{
    auto panel = std::make_unique<Panel>(PanelX, PanelY, SmallPanelWidth, SmallPanelHeight,
                                         gui.images[Menu144x180]);
    panel->AddButton(CloseX, CloseY, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                     gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    AddChoice(gui, *panel, HostY, HostOnlineButton, "Host online");
    AddChoice(gui, *panel, JoinY, JoinOnlineButton, "Join online");
    AddChoice(gui, *panel, WatchY, WatchOnlineButton, "Watch");
    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, "ONLINE PLAY", TitleX, TitleY,
                                                  ChoiceWidth, RowHeight, AlignLeft, AlignTop));
    panel->AddWidget(std::make_unique<TextWidget>(*gui.smallFont, "Room code", ChoiceX,
                                                  CodeRowY, CodeCaptionWidth, RowHeight,
                                                  AlignLeft, AlignMiddle));
    panel->AddWidget(std::make_unique<RoomCodeField>(gui));
    panel->AddWidget(std::make_unique<NoticeWidget>(gui));
    panel->AddWidget(std::make_unique<TextWidget>(*gui.smallFont, "Relay", ChoiceX,
                                                  RelayCaptionY, OnlineNoticeWidth,
                                                  SmallRowHeight, AlignLeft, AlignTop));
    panel->AddWidget(std::make_unique<RelayUrlWidget>(gui));
    return panel;
}

bool OnOnlineMenuRelease(int id)
{
    switch (id) {
    case HostOnlineButton:
        TheGui->onlineNotice.clear();
        TheGui->request = GuiRequest::HostOnline;
        break;
    case JoinOnlineButton:
        AskWithCode(GuiRequest::JoinOnline);
        break;
    case WatchOnlineButton:
        AskWithCode(GuiRequest::WatchOnline);
        break;
    case CloseButton:
        GameState = GameModeMenu;
        break;
    default:
        break;
    }
    return false;
}

bool TypeRoomCodeKey(Gui& gui, int key)
{
    if (!IsRoomCodeKey(key))
        return false;
    if (key == SDLK_BACKSPACE) {
        if (!gui.onlineCode.empty())
            gui.onlineCode.pop_back();
    } else if (gui.onlineCode.size() < static_cast<size_t>(RoomCodeLength)) {
        gui.onlineCode += TypedCharacter(key);
    }
    gui.onlineNotice.clear();
    return true;
}

bool IsRoomCodeKey(int key)
{
    return key == SDLK_BACKSPACE || TypedCharacter(key) != NotTyped;
}

int RoomCodeFieldUsedWidth(const Gui& gui, const std::string& code)
{
    return FieldTextX + gui.largeFont->TextWidth(code) + CursorGap + CursorWidth;
}

std::vector<std::string> OnlineNoticeLinesOf(const Gui& gui, const std::string& notice)
{
    std::vector<std::string> lines;
    if (notice.empty())
        return lines;
    for (const std::string& line : WrapLines({notice}, OnlineNoticeWidth, *gui.smallFont)) {
        if (lines.size() == static_cast<size_t>(OnlineNoticeLines)) {
            lines.back() = FitText(*gui.smallFont, lines.back() + line, OnlineNoticeWidth);
            break;
        }
        lines.push_back(FitText(*gui.smallFont, line, OnlineNoticeWidth));
    }
    return lines;
}
