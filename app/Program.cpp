#include "app/Program.h"

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Config.h"
#include "platform/Fullscreen.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/Gui.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"

namespace {
constexpr int StartFramesPerSecond = 20;
constexpr int WindowWidth = 504;
constexpr int WindowHeight = 378;
constexpr int MazeColumns = 28;
constexpr int MazeRows = 20;
constexpr int Black = 0;

// Deletes a global object and clears its pointer; a null pointer is skipped.
template <typename T>
void Destroy(T*& object)
{
    delete object;
    object = nullptr;
}
}  // namespace

void CreateScreenAndConfig(const DisplayOptions& display)
{
    TheScreen = new Screen(StartFramesPerSecond, !StartsFullscreen(display.start), WindowWidth,
                           WindowHeight, display.windowScale);
    TheConfig = new Config();
}

void CreateGlobals(const DisplayOptions& display)
{
    CreateScreenAndConfig(display);
    TheSounds = new SoundBank();
    TheMaze = new Maze(TheConfig->mapNumber, MazeColumns, MazeRows);
    TheGulper = new GulperActor(TheConfig->gulperSpeed, TheConfig->gulperController);
    GhostSprites = TheScreen->LoadImage("images/ghosts.bmp", Black, Black, Black);
    TheSquad = new GhostSquad(TheConfig->ghostSpeed, TheConfig->ghostsController,
                              TheConfig->ghostCount);
    TheBrush = new EditorBrush();
    TheGui = new Gui();
}

void DestroyGlobals()
{
    SDL_FreeSurface(GhostSprites);
    GhostSprites = nullptr;
    Destroy(TheBrush);
    Destroy(TheSquad);
    Destroy(TheGulper);
    Destroy(TheMaze);
    Destroy(TheScreen);
    Destroy(TheConfig);  // writes "data/config.cfg"
    Destroy(TheGui);
    Destroy(TheSounds);
}
