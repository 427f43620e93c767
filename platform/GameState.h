// The game-state machine's states and modes, and the globals that hold them.
#pragma once

#include <iosfwd>

// Values of GameState: what a frame does and which panel takes input.
enum class GameStateId : int {
    MainMenu = 0,
    GameModeMenu = 1,
    GulperCampaignMenu = 2,
    GhostsCampaignMenu = 3,
    CustomGameMenu = 4,
    HelpScreen = 5,
    OptionsMenu = 6,
    OnlineMenu = 7,  // hosting, joining or watching a game by room code
    // 8 and 9 are not used.
    ControlsMenu = 10,
    ControlsInGame = 11,
    LevelEditor = 12,
    LevelIntro = 13,
    Playing = 14,
    Paused = 15,
    GulperAppearing = 16,
    GulperDying = 17,
    GulperWins = 18,
    GhostsWin = 19,
    CampaignComplete = 20,
    EditorQuestion = 21,  // the editor asks what becomes of unsaved painting
};
using enum GameStateId;

// Values of GameMode: which kind of game is chosen or played.
enum : int {
    GulperCampaignMode = 0,
    GhostsCampaignMode = 1,
    CustomMode = 2,  // a custom game or the level editor
};

extern GameStateId GameState;  // MainMenu at start
extern int GameMode;    // one of the modes above; CustomMode at start
extern int PauseUntil;  // the game time (ms, counted by the ticks) at which the current timed pause ends

// True when the state is one of the menu, option, controls or editor screens
// (the editor's question included).
bool IsMenuState(GameStateId state);
// Writes a state as its number, for messages.
std::ostream& operator<<(std::ostream& out, GameStateId state);
