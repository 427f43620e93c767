// The program's global objects, one of each, created by the entry function
// in this order and reached through these pointers by every part of the game.
#pragma once

#include <SDL/SDL.h>

class Screen;
class Config;
class SoundBank;
class Maze;
class GulperActor;
class GhostSquad;
class EditorBrush;
class Gui;

constexpr const char* GameTitle = "Gulpwise";
constexpr const char* GameVersion = "1.5";

extern Screen* TheScreen;          // window, drawing, frame clock
extern Config* TheConfig;          // options and campaign progress
extern SoundBank* TheSounds;       // sound effects and music
extern Maze* TheMaze;              // the level grid
extern GulperActor* TheGulper;     // the gulper
extern SDL_Surface* GhostSprites;  // "images/ghosts.bmp", shared by all ghosts
extern GhostSquad* TheSquad;       // all ghosts and their selection
extern EditorBrush* TheBrush;      // the level editor's brush
extern Gui* TheGui;                // fonts, panels and input handlers
