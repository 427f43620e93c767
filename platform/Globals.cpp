#include "platform/Globals.h"
#include "platform/GameState.h"
#include "platform/GameTypes.h"

#include <istream>
#include <ostream>

Screen* TheScreen = nullptr;
Config* TheConfig = nullptr;
SoundBank* TheSounds = nullptr;
Maze* TheMaze = nullptr;
GulperActor* TheGulper = nullptr;
SDL_Surface* GhostSprites = nullptr;
GhostSquad* TheSquad = nullptr;
EditorBrush* TheBrush = nullptr;
Gui* TheGui = nullptr;

GameStateId GameState = MainMenu;
int GameMode = CustomMode;
int PauseUntil = 0;

bool IsMenuState(GameStateId state)
{
    return (state >= MainMenu && state <= OnlineMenu) ||
           (state >= ControlsMenu && state <= LevelEditor) || state == EditorQuestion;
}

std::ostream& operator<<(std::ostream& out, GameStateId state)
{
    return out << static_cast<int>(state);
}

std::istream& operator>>(std::istream& in, Controller& controller)
{
    int number = 0;
    if (in >> number)
        controller = ControllerOf(number);
    return in;
}

std::ostream& operator<<(std::ostream& out, Controller controller)
{
    return out << static_cast<int>(controller);
}
