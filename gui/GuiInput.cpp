// The interface's input handlers. On the menu screens keys and clicks act at
// once; in play they become the frame's commands (input/Commands.h), which
// the next tick carries out.
#include <algorithm>
#include <cstdlib>

#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/Gui.h"
#include "gui/Screens.h"
#include "input/PlayInput.h"
#include "maze/EditorBrush.h"

namespace {

constexpr int DragJitter = 5;  // pixels the pointer may move before a press becomes a drag
constexpr int WatchLatestReplayKey = 'r';  // on the main menu
constexpr int KeepReplayKey = 'k';         // during the pause after a level
constexpr int OnlineMenuKey = 'o';         // on the game mode menu: the online screen

bool HumanGulper()
{
    return TheConfig->gulperController == Human;
}

bool HumanGhosts()
{
    return TheConfig->ghostsController == Human;
}

// The screen a state shows, as far as pressing and releasing a key goes: a
// level is one screen from its intro to its end pause (a key held as the
// gulper appears still acts when let go); the pause, the keys help, every
// menu and the level being left are screens of their own.
int ScreenOf(GameStateId state)
{
    switch (state) {
    case LevelIntro:
    case GulperAppearing:
    case Playing:
    case GulperDying:
    case GulperWins:
    case GhostsWin:
    case CampaignComplete:
        return static_cast<int>(Playing);
    default:
        return static_cast<int>(state);
    }
}

}  // namespace

GameStateId Gui::StateAfterCommands() const
{
    // A level asked for from a menu starts before the next tick.
    GameStateId state = request == GuiRequest::StartLevel ? LevelIntro : GameState;
    for (const Command& command : commands.list)
        state = NextState(state, command.type);
    return state;
}

void Gui::NoteScreen()
{
    const int screen = ScreenOf(StateAfterCommands());
    if (screen != pressScreen) {
        presses.clear();
        notice.clear();  // a notice belongs to the screen it was given on
    }
    pressScreen = screen;
}

void Gui::NotePress(int code)
{
    NoteScreen();
    if (std::find(presses.begin(), presses.end(), code) == presses.end())
        presses.push_back(code);
}

bool Gui::TakePress(int code)
{
    NoteScreen();
    const auto press = std::find(presses.begin(), presses.end(), code);
    if (press == presses.end())
        return false;
    presses.erase(press);
    return true;
}

bool Gui::OnKeyDown(int key)
{
    NotePress(key);
    if (GameState == OnlineMenu) {
        TypeRoomCodeKey(*this, key);
        return false;
    }
    if (StateAfterCommands() != Playing)
        return false;
    // A key bound to several actions performs all of them, in action order.
    for (int action = 0; action < ActionCount; ++action) {
        if (!keyBindings.Matches(action, key))
            continue;
        if (action == GroupSelection)
            groupSelection = true;
        else
            AddKeyPressCommands(action, HumanGulper(), HumanGhosts(), commands);
    }
    return false;
}

bool Gui::OnKeyUp(int key)
{
    // The group key let go is let go, whichever screen saw it pressed.
    if (keyBindings.Matches(GroupSelection, key))
        groupSelection = false;
    if (!TakePress(key))
        return false;
    const bool quit = ActOnKeyUp(key);
    NoteScreen();
    return quit;
}

bool Gui::ActOnKeyUp(int key)
{
    // A key awaited on the controls screen takes this release and nothing else.
    if (keyBindings.captureIndex != NoValue) {
        keyBindings.keys[keyBindings.captureIndex] = key;
        keyBindings.captureIndex = NoValue;
        return false;
    }
    if (GameState == EditorQuestion && OnUnsavedQuestionKey(key))
        return false;
    if (key == WatchLatestReplayKey && GameState == MainMenu) {
        request = GuiRequest::WatchLatestReplay;
        return false;
    }
    if (key == OnlineMenuKey && GameState == GameModeMenu) {
        onlineNotice.clear();
        GameState = OnlineMenu;
        return false;
    }
    // The keys the room code field takes act for no action there.
    if (GameState == OnlineMenu && IsRoomCodeKey(key))
        return false;
    if (key == KeepReplayKey && (GameState == GulperWins || GameState == GhostsWin)) {
        request = GuiRequest::KeepReplay;
        return false;
    }
    // Any key resumes a paused game or leaves the keys help.
    const GameStateId state = StateAfterCommands();
    if (state == ControlsInGame || state == Paused) {
        commands.Add(CommandType::Resume);
        return false;
    }
    // Each action bound to the key, in order, judged in the state the ones before it leave.
    for (int action = PauseGame; action <= ExitGame; ++action) {
        if (!keyBindings.Matches(action, key))
            continue;
        const GameStateId now = StateAfterCommands();
        switch (action) {
        case PauseGame:
            if (now == Playing)
                commands.Add(CommandType::Pause);
            break;
        case KeysHelpScreen:
            if (now == Playing)
                commands.Add(CommandType::KeysHelp);
            break;
        case ExitGame:
            if (IsLevelUnderWay(now) || now == Paused || now == ControlsInGame)
                commands.Add(CommandType::ExitGame);
            else if (now == GameState && OnExitKey())
                return true;
            break;
        }
    }
    return false;
}

bool Gui::OnExitKey()
{
    switch (GameState) {
    case MainMenu:
        return true;
    case OnlineMenu:
        GameState = GameModeMenu;
        break;
    case GameModeMenu:
    case HelpScreen:
    case OptionsMenu:
        GameState = MainMenu;
        break;
    case GulperCampaignMenu:
    case GhostsCampaignMenu:
    case CustomGameMenu:
        GameState = GameModeMenu;
        break;
    case ControlsMenu:
        GameState = OptionsMenu;  // edits made on the controls screen stay in use, unsaved
        break;
    case LevelEditor:
        TakeEditorStep(EditorStep::Leave);
        break;
    case EditorQuestion:
        GameState = LevelEditor;  // as Cancel
        break;
    default:
        break;  // dying, the end pauses and the campaign's end cannot be left
    }
    return false;
}

void Gui::OnPlayLeftDown(int x, int y)
{
    if (HumanGhosts()) {
        selectionBox.x0 = x;
        selectionBox.y0 = y;
    }
    commands.Add(CommandType::ClickSelect, x, y, 0, 0, groupSelection);
}

bool Gui::OnLeftDrag(int x, int y)
{
    if (GameState == LevelEditor) {
        TheBrush->PaintAt(x, y);
    } else if (StateAfterCommands() == Playing && HumanGhosts()) {
        SelectionBox& box = selectionBox;
        box.x1 = x;
        box.y1 = y;
        box.active = std::abs(box.x1 - box.x0) > DragJitter || std::abs(box.y1 - box.y0) > DragJitter;
    }
    return false;
}

void Gui::OnPlayLeftUp(int x, int y)
{
    SelectionBox& box = selectionBox;
    if (!HumanGhosts() || !box.active)
        return;
    box.x1 = x;
    box.y1 = y;
    box.active = false;
    const int left = std::max(std::min(box.x0, box.x1), 0);
    const int right = std::min(std::max(box.x0, box.x1), TheScreen->width);
    const int top = std::max(std::min(box.y0, box.y1), 0);
    const int bottom = std::min(std::max(box.y0, box.y1), TheScreen->height);
    commands.Add(CommandType::BoxSelect, left, top, right, bottom, groupSelection);
}

bool Gui::OnRightDown(int x, int y)
{
    if (StateAfterCommands() == Playing && HumanGhosts())
        commands.Add(CommandType::OrderToPoint, x, y);
    return false;
}
