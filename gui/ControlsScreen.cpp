// The controls screen: the key of every action, rebinding by click and key,
// the stock key sets, and keeping or dropping the changes.
#include <memory>

#include "platform/GameState.h"
#include "platform/GameTypes.h"
#include "platform/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"

namespace {

// The dialog, over the maze.
constexpr int PanelX = 36;
constexpr int PanelY = 18;

// The actions sit in two columns of up to fourteen rows: the name, then the
// key button.
constexpr int RowsPerColumn = 14;
constexpr int ColumnPitch = 216;
constexpr int FirstRowY = 27;
constexpr int NameX = 9;
constexpr int NameWidth = 108;
constexpr int KeyButtonX = 126;

constexpr int BottomRowY = 315;  // "Default", "Def.Hotseat", "Cancel", "OK"

void AddTextButton(Panel& panel, const Gui& gui, int x, int id, const char* text, bool large)
{
    panel.AddButton(x, BottomRowY, WideButtonWidth, RowHeight, gui.images[Button72x18], id,
                    gui.Label(text, large, WideButtonWidth, RowHeight, AlignCentre, AlignMiddle));
}

// Leaves the screen for where it was opened from: the options at once, or
// the game by a command that the next tick carries out (and the replay and
// the network carry like any other).
void LeaveControls()
{
    if (GameState == ControlsInGame)
        TheGui->commands.Add(CommandType::Resume);
    else
        GameState = OptionsMenu;
}

}  // namespace

std::unique_ptr<Panel> BuildControlsMenu(Gui& gui)
{
    KeyBindings& bindings = gui.keyBindings;
    auto panel = std::make_unique<Panel>(PanelX, PanelY, DialogWidth, DialogHeight,
                                         gui.images[Menu432x342]);

    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, "Controls configuration", 18, 4,
                                                  WideButtonWidth, RowHeight, AlignLeft,
                                                  AlignTop));
    // The key buttons come first, so action i's button has index i.
    for (int action = 0; action < ActionCount; ++action) {
        const int left = ColumnPitch * (action / RowsPerColumn);
        const int y = FirstRowY + RowHeight * (action % RowsPerColumn);
        panel->AddButton(left + KeyButtonX, y, WideButtonWidth, RowHeight,
                         gui.images[Button72x18], KeyButton,
                         std::make_unique<LookupWidget>(*gui.smallFont, &bindings.keys[action],
                                                        &bindings.keyNames, 0, 0,
                                                        WideButtonWidth, RowHeight, AlignCentre,
                                                        AlignMiddle));
        panel->AddWidget(std::make_unique<TextWidget>(*gui.smallFont, ActionNames[action],
                                                      left + NameX, y, NameWidth, RowHeight,
                                                      AlignCentre, AlignMiddle));
    }
    panel->AddButton(416, 4, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                     gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    AddTextButton(*panel, gui, 63, DefaultKeysButton, "Default", LargeFont);
    AddTextButton(*panel, gui, 139, DefaultHotseatKeysButton, "Def.Hotseat", SmallFont);
    AddTextButton(*panel, gui, 215, CancelButton, "Cancel", LargeFont);
    AddTextButton(*panel, gui, 291, OkButton, "OK", LargeFont);
    return panel;
}

// A press on action i's key button (the dispatcher passes only indices of
// key buttons): the next key release will be bound to that action.
void OnControlsPress(int buttonIndex)
{
    if (buttonIndex < 0 || buttonIndex >= ActionCount)
        return;
    TheGui->keyBindings.captureIndex = buttonIndex;
}

bool OnControlsRelease(int id)
{
    KeyBindings& bindings = TheGui->keyBindings;
    switch (id) {
    case KeyButton:
        // The awaited action shows "?" until its key is released; a key
        // released before the mouse button has already been bound.
        if (bindings.captureIndex >= 0 && bindings.captureIndex < ActionCount)
            bindings.keys[bindings.captureIndex] = UnknownKey;
        break;
    case DefaultKeysButton:
        bindings.Load(DefaultKeysPath);
        break;
    case DefaultHotseatKeysButton:
        bindings.Load(DefaultHotseatKeysPath);
        break;
    case OkButton:
        // A key file that cannot be written keeps the bindings in use for this run.
        bindings.Save();
        LeaveControls();
        break;
    case CancelButton:
    case CloseButton:
        bindings.Load(KeysPath);
        LeaveControls();
        break;
    default:
        break;
    }
    return false;
}
