#include "input/PlayInput.h"

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Globals.h"
#include "input/KeyBindings.h"

namespace {

bool IsBetween(int action, int first, int last)
{
    return action >= first && action <= last;
}

}  // namespace

void AddKeyPressCommands(int action, bool humanGulper, bool humanGhosts, FrameCommands& out)
{
    const bool gulperDirection = IsBetween(action, MoveGulperRight, MoveGulperDown);
    const bool ghostDirection = IsBetween(action, MoveGhostRight, MoveGhostDown);

    if (humanGulper) {
        if (gulperDirection)
            out.Add(CommandType::SteerGulper, action - MoveGulperRight);
        else if (action == StopGulper)
            out.Add(CommandType::ToggleGulperStop);
        else if (ghostDirection && !humanGhosts)
            out.Add(CommandType::SteerGulper, action - MoveGhostRight);
    }
    if (!humanGhosts)
        return;
    if (ghostDirection)
        out.Add(CommandType::DriveGhost, action - MoveGhostRight);
    else if (gulperDirection && !humanGulper)
        out.Add(CommandType::DriveGhost, action - MoveGulperRight);
    else if (action == StopGhosts)
        out.Add(CommandType::StopGhosts);
    else if (action == SelectAllGhosts)
        out.Add(CommandType::SelectAll);
    else if (action == DeselectGhosts)
        out.Add(CommandType::SelectNone);
    else if (action == SelectNextGhost)
        out.Add(CommandType::SelectNext);
    else if (action == SelectPrevGhost)
        out.Add(CommandType::SelectPrev);
    else if (IsBetween(action, SelectGhost1, SelectGhost1 + MaxGhosts - 1))
        out.Add(CommandType::SelectGhost, action - SelectGhost1);
}

void ApplyCharacterCommand(const Command& command)
{
    GhostSquad& squad = *TheSquad;
    switch (command.type) {
    case CommandType::SteerGulper:
        TheGulper->wantedDirection = DirectionOf(command.a);
        TheGulper->stopped = false;
        break;
    case CommandType::ToggleGulperStop:
        TheGulper->stopped = !TheGulper->stopped;
        break;
    case CommandType::SelectGhost:
        squad.SelectOnly(command.a);
        break;
    case CommandType::SelectAll:
        squad.SelectAll();
        break;
    case CommandType::SelectNone:
        squad.DeselectAll();
        break;
    case CommandType::SelectNext:
        squad.SelectNext();
        break;
    case CommandType::SelectPrev:
        squad.SelectPrev();
        break;
    case CommandType::ClickSelect:
        squad.ClickSelect(command.a, command.b, command.add);
        break;
    case CommandType::BoxSelect:
        squad.SelectInBox(command.a, command.b, command.c, command.d, command.add);
        break;
    case CommandType::OrderToPoint:
        squad.OrderToPoint(command.a, command.b);
        break;
    case CommandType::DriveGhost:
        squad.DirectOrder(DirectionOf(command.a));
        break;
    case CommandType::StopGhosts:
        squad.StopAll();
        break;
    default:
        break;  // the game's own commands
    }
}
