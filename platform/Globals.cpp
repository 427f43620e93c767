#include "platform/Globals.h"
#include "platform/GameState.h"

Screen* TheScreen = nullptr;
Config* TheConfig = nullptr;
SoundBank* TheSounds = nullptr;
Maze* TheMaze = nullptr;
GulperActor* TheGulper = nullptr;
SDL_Surface* GhostSprites = nullptr;
GhostSquad* TheSquad = nullptr;
EditorBrush* TheBrush = nullptr;
Gui* TheGui = nullptr;

int GameState = MainMenu;
int GameMode = CustomMode;
int PauseUntil = 0;
int FrameState = MainMenu;

bool IsMenuState(int state)
{
    return (state >= MainMenu && state <= OptionsMenu) ||
           (state >= ControlsMenu && state <= LevelEditor);
}
