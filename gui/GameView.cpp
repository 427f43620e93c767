// The picture of a frame: the maze, the characters as the frame's state shows
// them, the interface, and a caption line.
#include "gui/GameView.h"

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "gui/Caption.h"
#include "gui/Gui.h"
#include "maze/Maze.h"
#include "platform/GameState.h"
#include "rules/Tick.h"
#include "platform/Globals.h"

void DrawGame(const std::string& caption)
{
    const Maze& maze = *TheMaze;
    const GhostSquad& squad = *TheSquad;
    const GulperActor& gulper = *TheGulper;
    const Gui& gui = *TheGui;
    maze.Draw();
    switch (TheTick.frameState) {
    case LevelIntro:
        squad.Draw();
        break;
    case Playing:
    case Paused:
        squad.Draw();
        gulper.Draw();
        break;
    case GulperAppearing:
        squad.Draw();
        gulper.DrawAppearing();
        break;
    case GulperDying:
        squad.Draw();
        gulper.DrawDying();
        break;
    default:
        break;  // the menus show only their panel, the end pauses only their message
    }
    gui.DrawFrame();
    if (!caption.empty())
        DrawCaption(gui, caption);
}
