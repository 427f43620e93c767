// The first gamepad's input. On the menu screens the pad moves a highlight
// between the buttons and A clicks the highlighted one, B goes back; in play
// it becomes the frame's commands (input/Commands.h), as the keys do.
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "gui/Gui.h"
#include "input/Gamepad.h"

namespace {

constexpr int FirstPad = 0;  // only the first pad plays

int PadOf(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        return event.jaxis.which;
    case SDL_JOYHATMOTION:
        return event.jhat.which;
    default:
        return event.jbutton.which;
    }
}

// A pad button among the keys pressed on a screen: key symbols are never negative.
int PadPressCode(int button)
{
    return -1 - button;
}

}  // namespace

bool Gui::OnPadEvent(const SDL_Event& event)
{
    if (PadOf(event) != FirstPad)
        return false;
    const PadInput pad = padReader.Read(event);
    if (pad.kind == PadInput::Nothing)
        return false;
    if (pad.kind == PadInput::ButtonDown)
        NotePress(PadPressCode(pad.value));
    else if (pad.kind == PadInput::ButtonUp && !TakePress(PadPressCode(pad.value)))
        return false;
    const bool quit = ActOnPad(pad);
    NoteScreen();
    return quit;
}

bool Gui::ActOnPad(const PadInput& pad)
{
    const GameStateId state = StateAfterCommands();
    const bool released = pad.kind == PadInput::ButtonUp;
    // Any button resumes a paused game or leaves the keys help, as any key does.
    if (state == Paused || state == ControlsInGame) {
        if (released)
            commands.Add(CommandType::Resume);
        return false;
    }
    if (state == Playing) {
        const Side side = PadSide(TheConfig->gulperController == Human,
                                  TheConfig->ghostsController == Human, padPlaysGhosts);
        AddPadCommands(pad, side, commands);
        if (released && pad.value == PadStart)
            commands.Add(CommandType::Pause);
        else if (released && pad.value == PadBack)
            commands.Add(CommandType::KeysHelp);
        else if (released && pad.value == PadB)
            commands.Add(CommandType::ExitGame);
        return false;
    }
    if (state == LevelIntro || state == GulperAppearing) {
        if (released && pad.value == PadB)
            commands.Add(CommandType::ExitGame);
        return false;
    }
    if (state != GameState)
        return false;  // a level being left by a command the tick has yet to carry out
    return OnPadInMenu(pad);
}

bool Gui::OnPadInMenu(const PadInput& pad)
{
    Panel* const panel = PanelOf(GameState);
    if (!panel)
        return false;
    int x = 0, y = 0;
    switch (pad.kind) {
    case PadInput::Steer:
        panel->MoveHighlight(DirectionOf(pad.value));
        return false;
    case PadInput::ButtonDown:
        if (pad.value == PadA && panel->HighlightCentre(x, y))
            return OnLeftDown(x, y);
        return false;
    case PadInput::ButtonUp:
        if (pad.value == PadA && panel->HighlightCentre(x, y))
            return OnLeftUp(x, y);
        if (pad.value == PadB)
            return OnExitKey();
        return false;
    default:
        return false;
    }
}
