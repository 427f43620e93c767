// The way into a game: the main menu, the game mode menu, the two campaign
// menus with their level choice, and the level indicator shown in play.
#include <cstdio>
#include <memory>

#include "platform/Config.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/Screens.h"

namespace {

constexpr bool LargeFont = true;
constexpr bool SmallFont = false;
constexpr bool Backward = false;  // the search direction past missing custom mazes

constexpr int MenuButtonWidth = 72;
constexpr int MenuButtonHeight = 18;
constexpr int ChoiceWidth = 126;  // the game mode choices
constexpr int ChoiceHeight = 18;
constexpr int StepperSize = 18;   // the "+" and "-" buttons
constexpr int CloseSize = 12;     // the "x" button

// Main menu: a column of five buttons in the bottom-left corner.
constexpr int MainMenuX = 0, MainMenuY = 252, MainMenuW = 90, MainMenuH = 126;
constexpr int MainButtonX = 9;
constexpr int MainButtonTop = 9;
constexpr int MainButtonPitch = 22;

// Game mode and campaign menus share their size and the place of the close
// button and the title.
constexpr int GameModeMenuX = 0, GameModeMenuY = 268;
constexpr int CampaignMenuX = 0, CampaignMenuY = 300;
constexpr int SideMenuW = 144, SideMenuH = 180;
constexpr int CloseX = 128, CloseY = 4;
constexpr int TitleX = 18, TitleY = 5, TitleW = 72, TitleH = 18;
constexpr int ChoiceX = 9, ChoiceTop = 27, ChoicePitch = 22;

constexpr int PlusX = 99, MinusX = 117, StepperY = 27;
constexpr int StartX = 36, StartY = 49;
constexpr int LevelLabelX = 18, LevelLabelY = 27, LevelLabelW = 72, LevelLabelH = 18;
constexpr int LevelValueX = 63, LevelValueY = 27, LevelValueW = 36, LevelValueH = 18;

// Level indicator: a button-sized panel in the bottom-right corner.
constexpr int IndicatorW = 72, IndicatorH = 18;
constexpr int IndicatorLabelX = 9, IndicatorLabelW = 63;
constexpr int IndicatorValueX = 45, IndicatorValueW = 27;

constexpr int FirstCampaignLevel = 1;

void AddCloseButton(const Gui& gui, Panel& panel)
{
    panel.AddButton(CloseX, CloseY, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                    gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
}

void AddTitle(const Gui& gui, Panel& panel, const char* title)
{
    panel.AddWidget(std::make_unique<TextWidget>(*gui.largeFont, title, TitleX, TitleY, TitleW,
                                                 TitleH, AlignLeft, AlignTop));
}

// The level shown on the campaign menu of the current state, and the highest
// level that menu lets the player choose.
int& ShownLevel()
{
    return GameState == GhostsCampaignMenu ? TheConfig->ghostsLevel : TheConfig->gulperLevel;
}

int ShownMaxLevel()
{
    return GameState == GhostsCampaignMenu ? TheConfig->ghostsMaxLevel
                                           : TheConfig->gulperMaxLevel;
}

// Enters a campaign's menu with its current level loaded. A level whose maze
// cannot be read leaves the player on the game mode menu (the loader has said why).
void ChooseCampaign(int mode, GameStateId menu, int level)
{
    GameMode = mode;
    if (LoadCampaignLevel(level))
        GameState = menu;
}

// Loads the level just stepped to. A level whose maze cannot be read is not
// taken: the level shown before stays, loaded afresh so that its settings are
// the ones in use (the loader has said what was missing).
void LoadSteppedLevel(int previous)
{
    int& level = ShownLevel();
    if (LoadCampaignLevel(level))
        return;
    level = previous;
    LoadCampaignLevel(level);
}

// "+": the next level, up to the highest level reached. (Compared before the
// step, so that a level read from the configuration as the largest int does
// not overflow.)
void NextCampaignLevel()
{
    int& level = ShownLevel();
    if (level >= ShownMaxLevel()) {
        level = ShownMaxLevel();
        return;
    }
    ++level;
    LoadSteppedLevel(level - 1);
}

// "-": the previous level, down to the first.
void PreviousCampaignLevel()
{
    int& level = ShownLevel();
    if (level <= FirstCampaignLevel) {
        level = FirstCampaignLevel;
        return;
    }
    --level;
    LoadSteppedLevel(level + 1);
}

}  // namespace

std::unique_ptr<Panel> BuildMainMenu(const Gui& gui)
{
    struct Entry {
        int id;
        const char* label;
    };
    constexpr Entry entries[] = {
        {PlayButton, "Play"},     {HelpButton, "Help"}, {OptionsButton, "Options"},
        {EditorButton, "Editor"}, {ExitButton, "Exit"},
    };
    auto panel = std::make_unique<Panel>(MainMenuX, MainMenuY, MainMenuW, MainMenuH,
                                         gui.images[Menu90x126]);
    int y = MainButtonTop;
    for (const Entry& entry : entries) {
        panel->AddButton(MainButtonX, y, MenuButtonWidth, MenuButtonHeight,
                         gui.images[Button72x18], entry.id,
                         gui.Label(entry.label, LargeFont, MenuButtonWidth, MenuButtonHeight,
                                   AlignCentre, AlignTop));
        y += MainButtonPitch;
    }
    return panel;
}

std::unique_ptr<Panel> BuildGameModeMenu(const Gui& gui)
{
    struct Entry {
        int id;
        const char* label;
    };
    constexpr Entry entries[] = {
        {GulperCampaignButton, "Gulper's Campaign"},
        {GhostsCampaignButton, "Ghosts' Campaign"},
        {CustomGameButton, "Custom Game"},
    };
    auto panel = std::make_unique<Panel>(GameModeMenuX, GameModeMenuY, SideMenuW, SideMenuH,
                                         gui.images[Menu144x180]);
    AddCloseButton(gui, *panel);
    int y = ChoiceTop;
    for (const Entry& entry : entries) {
        panel->AddButton(ChoiceX, y, ChoiceWidth, ChoiceHeight, gui.images[Menu126x18], entry.id,
                         gui.Label(entry.label, SmallFont, ChoiceWidth, ChoiceHeight,
                                   AlignCentre, AlignMiddle));
        y += ChoicePitch;
    }
    AddTitle(gui, *panel, "Game Mode");
    return panel;
}

std::unique_ptr<Panel> BuildCampaignMenu(const Gui& gui, bool ghostsSide)
{
    auto panel = std::make_unique<Panel>(CampaignMenuX, CampaignMenuY, SideMenuW, SideMenuH,
                                         gui.images[Menu144x180]);
    AddCloseButton(gui, *panel);
    panel->AddButton(PlusX, StepperY, StepperSize, StepperSize, gui.images[Button18x18],
                     PlusButton,
                     gui.Label("+", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
    panel->AddButton(MinusX, StepperY, StepperSize, StepperSize, gui.images[Button18x18],
                     MinusButton,
                     gui.Label("-", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
    panel->AddButton(StartX, StartY, MenuButtonWidth, MenuButtonHeight, gui.images[Button72x18],
                     StartButton,
                     gui.Label("Start!", LargeFont, MenuButtonWidth, MenuButtonHeight,
                               AlignCentre, AlignTop));
    AddTitle(gui, *panel, ghostsSide ? "GHOSTS" : "GULPER");
    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, "Level", LevelLabelX,
                                                  LevelLabelY, LevelLabelW, LevelLabelH,
                                                  AlignLeft, AlignTop));
    const int* level = ghostsSide ? &TheConfig->ghostsLevel : &TheConfig->gulperLevel;
    panel->AddWidget(std::make_unique<IntWidget>(*gui.largeFont, level, LevelValueX,
                                                 LevelValueY, LevelValueW, LevelValueH,
                                                 AlignCentre, AlignMiddle));
    return panel;
}

std::unique_ptr<Panel> BuildLevelIndicator(const Gui& gui, const int* level)
{
    auto panel = std::make_unique<Panel>(TheScreen->width - IndicatorW,
                                         TheScreen->height - IndicatorH, IndicatorW, IndicatorH,
                                         gui.images[Button72x18]);
    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, "Level", IndicatorLabelX, 0,
                                                  IndicatorLabelW, IndicatorH, AlignLeft,
                                                  AlignTop));
    panel->AddWidget(std::make_unique<IntWidget>(*gui.largeFont, level, IndicatorValueX, 0,
                                                 IndicatorValueW, IndicatorH, AlignCentre,
                                                 AlignBottom));
    return panel;
}

bool OnMainMenuRelease(int id)
{
    switch (id) {
    case PlayButton:
        GameState = GameModeMenu;
        break;
    case HelpButton:
        GameState = HelpScreen;
        break;
    case OptionsButton:
        GameState = OptionsMenu;
        break;
    case EditorButton:
        GameMode = CustomMode;
        ReloadCustomMaze(Backward);
        GameState = LevelEditor;
        break;
    case ExitButton:
        fprintf(stdout, "exiting\n");
        return true;
    default:
        break;
    }
    return false;
}

bool OnGameModeRelease(int id)
{
    switch (id) {
    case GulperCampaignButton:
        ChooseCampaign(GulperCampaignMode, GulperCampaignMenu, TheConfig->gulperLevel);
        break;
    case GhostsCampaignButton:
        ChooseCampaign(GhostsCampaignMode, GhostsCampaignMenu, TheConfig->ghostsLevel);
        break;
    case CustomGameButton:
        GameMode = CustomMode;
        ReloadCustomMaze(Backward);
        GameState = CustomGameMenu;
        break;
    case CloseButton:
        GameState = MainMenu;
        break;
    default:
        break;
    }
    return false;
}

bool OnCampaignMenuRelease(int id)
{
    switch (id) {
    case PlusButton:
        NextCampaignLevel();
        break;
    case MinusButton:
        PreviousCampaignLevel();
        break;
    case StartButton:
        TheGui->request = GuiRequest::StartLevel;
        break;
    case CloseButton:
        GameState = GameModeMenu;
        break;
    default:
        break;
    }
    return false;
}
