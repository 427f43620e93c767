// The interface object: what it owns and builds at start-up, what it draws in
// each state, and where a left press and a left release go.
#include "gui/Gui.h"

#include "platform/Clock.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Caption.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "gui/Screens.h"

namespace {

constexpr int Black = 0;  // the transparent colour of every image
constexpr int NoticeMilliseconds = 3000;  // how long a notice stays

// The shared images, in their load order (the order of GuiImage).
constexpr const char* ImagePaths[GuiImageCount] = {
    "images/button_72_18.bmp", "images/button_18_18.bmp", "images/button_12_12.bmp",
    "images/menu_144_180.bmp", "images/menu_90_126.bmp",  "images/menu_432_342.bmp",
    "images/menu_126_18.bmp",  "images/menu_216_90.bmp", "images/menu_288_63.bmp",
};

constexpr const char* LargeFontBitmap = "data/font18.bmp";
constexpr const char* LargeFontWidths = "data/font18_chars_w.cfg";
constexpr int LargeFontHeight = 18;
constexpr const char* SmallFontBitmap = "data/font10.bmp";
constexpr const char* SmallFontWidths = "data/font10_chars_w.cfg";
constexpr int SmallFontHeight = 10;
constexpr int FontFirstChar = 32;  // both fonts start at the space

// The in-game messages.
constexpr const char* PausedText = "GAME PAUSED";
constexpr const char* GulperWinsText = "GULPER WINS";
constexpr const char* GhostsWinText = "GHOSTS WIN";
constexpr const char* CampaignCompleteText = "YOU WIN!!!";

// The panel a menu state shows and takes input on, and what a release on it does.
struct MenuScreen {
    GameStateId state;
    std::unique_ptr<Panel> Gui::*panel;
    bool (*onRelease)(int id);
};

// Both controls states share the controls panel.
constexpr MenuScreen MenuScreens[] = {
    {MainMenu, &Gui::mainMenu, OnMainMenuRelease},
    {GameModeMenu, &Gui::gameModeMenu, OnGameModeRelease},
    {GulperCampaignMenu, &Gui::gulperCampaignMenu, OnCampaignMenuRelease},
    {GhostsCampaignMenu, &Gui::ghostsCampaignMenu, OnCampaignMenuRelease},
    {CustomGameMenu, &Gui::customGameMenu, OnCustomGameRelease},
    {HelpScreen, &Gui::helpPanel, OnHelpRelease},
    {OptionsMenu, &Gui::optionsMenu, OnOptionsRelease},
    {OnlineMenu, &Gui::onlineMenu, OnOnlineMenuRelease},
    {ControlsMenu, &Gui::controlsMenu, OnControlsRelease},
    {ControlsInGame, &Gui::controlsMenu, OnControlsRelease},
    {LevelEditor, &Gui::editorBar, OnEditorRelease},
    {EditorQuestion, &Gui::unsavedQuestion, OnUnsavedQuestionRelease},
};

const MenuScreen* MenuScreenOf(GameStateId state)
{
    for (const MenuScreen& screen : MenuScreens) {
        if (screen.state == state)
            return &screen;
    }
    return nullptr;
}

bool IsControlsState(GameStateId state)
{
    return state == ControlsMenu || state == ControlsInGame;
}

// The level indicator of the campaign being played; none in a custom game.
Panel* LevelIndicatorOf(const Gui& gui, int mode)
{
    if (mode == GulperCampaignMode)
        return gui.gulperLevelIndicator.get();
    if (mode == GhostsCampaignMode)
        return gui.ghostsLevelIndicator.get();
    return nullptr;
}

void DrawIfAny(const Panel* panel)
{
    if (panel)
        panel->Draw();
}

}  // namespace


Gui::Gui()
    : selectionBox(), images{}, controllerNames{"Human", "AI"}, groupSelection(false),
      noticeState(MainMenu), noticeUntil(0), pressScreen(NoValue)
{
    for (int i = 0; i < GuiImageCount; ++i)
        images[i] = TheScreen->LoadImage(ImagePaths[i], Black, Black, Black);
    largeFont = std::make_unique<BitmapFont>(LargeFontBitmap, LargeFontWidths, LargeFontHeight,
                                             FontFirstChar);
    smallFont = std::make_unique<BitmapFont>(SmallFontBitmap, SmallFontWidths, SmallFontHeight,
                                             FontFirstChar);
    timer = std::make_unique<CountdownTimer>(*largeFont, images[Button72x18]);
    TheTick.timer = timer.get();  // the tick counts it down

    mainMenu = BuildMainMenu(*this);
    gameModeMenu = BuildGameModeMenu(*this);
    gulperCampaignMenu = BuildCampaignMenu(*this, false);
    ghostsCampaignMenu = BuildCampaignMenu(*this, true);
    customGameMenu = BuildCustomGameMenu(*this);
    helpPanel = BuildHelpPanel(*this);
    optionsMenu = BuildOptionsMenu(*this);
    controlsMenu = BuildControlsMenu(*this);
    online = LoadOnlineConfig();
    onlineMenu = BuildOnlineMenu(*this);
    pausedMessage = BuildMessagePanel(*this, PausedText);
    gulperWinsMessage = BuildMessagePanel(*this, GulperWinsText);
    ghostsWinMessage = BuildMessagePanel(*this, GhostsWinText);
    campaignCompleteMessage = BuildMessagePanel(*this, CampaignCompleteText);
    editorBar = BuildEditorBar(*this);
    unsavedQuestion = BuildUnsavedQuestion(*this);
    gulperLevelIndicator = BuildLevelIndicator(*this, &TheConfig->gulperLevel);
    ghostsLevelIndicator = BuildLevelIndicator(*this, &TheConfig->ghostsLevel);
}

// The panels go with the members after this; they only point at the images.
Gui::~Gui()
{
    if (TheTick.timer == timer.get())
        TheTick.timer = nullptr;
    for (SDL_Surface*& image : images) {
        SDL_FreeSurface(image);
        image = nullptr;
    }
}

Panel* Gui::PanelOf(GameStateId state) const
{
    const MenuScreen* screen = MenuScreenOf(state);
    return screen ? (this->*(screen->panel)).get() : nullptr;
}

std::unique_ptr<TextWidget> Gui::Label(const std::string& text, bool large, int w, int h,
                                       int halign, int valign) const
{
    const BitmapFont& font = large ? *largeFont : *smallFont;
    return std::make_unique<TextWidget>(font, text, 0, 0, w, h, halign, valign);
}

void Gui::DrawFrame() const
{
    switch (GameState) {
    case Playing:
        timer->Draw();
        selectionBox.Draw();
        DrawIfAny(LevelIndicatorOf(*this, GameMode));
        break;
    case Paused:
        pausedMessage->Draw();
        timer->Draw();
        DrawIfAny(LevelIndicatorOf(*this, GameMode));
        break;
    case GulperWins:
        gulperWinsMessage->Draw();
        break;
    case GhostsWin:
        ghostsWinMessage->Draw();
        break;
    case CampaignComplete:
        campaignCompleteMessage->Draw();
        break;
    case EditorQuestion:
        editorBar->Draw();
        unsavedQuestion->Draw();
        break;
    default:
        DrawIfAny(PanelOf(GameState));  // the menus; the intro and the animations show none
        break;
    }
    if (!notice.empty() && GameState == noticeState && Now() < noticeUntil)
        DrawCaption(*this, notice);
}

void Gui::ShowNotice(const std::string& text)
{
    notice = text;
    noticeState = GameState;
    noticeUntil = Now() + NoticeMilliseconds;
}

bool Gui::OnLeftDown(int x, int y)
{
    const GameStateId state = StateAfterCommands();
    if (state == Playing) {
        OnPlayLeftDown(x, y);
        return false;
    }
    if (state != GameState)
        return false;  // play is paused or left by a command the tick has yet to carry out
    Panel* const panel = PanelOf(GameState);
    if (!panel)
        return false;
    const int pressed = panel->PressAt(x, y);
    // The first buttons of the controls panel are the actions' key fields.
    if (IsControlsState(GameState) && pressed < ActionCount)
        OnControlsPress(pressed);
    else if (GameState == LevelEditor)
        OnEditorPress(pressed, x, y);
    return false;
}

bool Gui::OnLeftUp(int x, int y)
{
    const GameStateId state = StateAfterCommands();
    if (state == Playing) {
        OnPlayLeftUp(x, y);
        return false;
    }
    if (state != GameState)
        return false;  // play is paused or left by a command the tick has yet to carry out
    const MenuScreen* screen = MenuScreenOf(GameState);
    if (!screen)
        return false;
    // The button is taken from the panel of the state current now, wherever
    // it was pressed and wherever the pointer is.
    const int id = (this->*(screen->panel))->TakeReleased();
    if (id == NoButton)
        return false;
    const bool quit = screen->onRelease(id);
    NoteScreen();
    return quit;
}

bool Gui::OnMouseIgnored(int, int)
{
    return false;
}
