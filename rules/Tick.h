// The game's rules in time: one tick of the game for each state, the start
// and the end of a level, the commands carried out, and the one function
// that says which state a command leads to.
#pragma once

#include <string>
#include <vector>

#include "input/Commands.h"
#include "platform/GameState.h"
#include "rules/Settings.h"
#include "rules/LevelTimer.h"

// What NextState says once a command leaves the level: no state yet, so the
// rest of the frame's input waits for the next frame.
constexpr GameStateId LevelBeingLeft = static_cast<GameStateId>(-1);

// A change to the game asked for between ticks, carried out at the start of
// the next tick before its commands: network play starts and aborts its
// levels this way, so that every change to a level happens inside the tick.
struct DeferredAction {
    enum class Kind {
        StartLevel,  // reads mazeText, puts settings in force, starts the level
        AbortLevel,  // leaves the level under way for the custom game menu
    };
    Kind kind = Kind::StartLevel;
    LevelSettings settings;  // StartLevel
    std::string mazeText;    // StartLevel: a level file's text
};

// What the tick keeps from one tick to the next, beyond the global objects.
struct TickState {
    // The game's own time, in milliseconds: one frame period more after every
    // tick. The timed pauses are measured with it rather than with the clock,
    // so that each lasts the same number of frames however late a frame runs,
    // and a replay meets every pause's end on the frame it was recorded on.
    int gameTime = 0;
    // The state the last tick began in, after its commands: the world is
    // drawn as this state shows it, the interface as GameState shows it.
    GameStateId frameState = MainMenu;
    LevelTimer* timer = nullptr;  // the level's countdown; the interface owns and shows it
    std::vector<DeferredAction> deferred;  // carried out by the next tick, in order
};
extern TickState TheTick;

// The state a command given in this state leads to (LevelBeingLeft when it
// leaves a level under way); the state itself when the command changes none.
GameStateId NextState(GameStateId state, CommandType command);
// True in the states of a level under way that the "Exit game" key leaves.
bool IsLevelUnderWay(GameStateId state);

// Advances the game by one frame in every state: the deferred actions, the
// commands, then the state's frame. The only place where play, the timed
// pauses, the animations and the level endings move on. True asks the
// program to end.
bool Tick(const FrameCommands& commands);
// Starts the level loaded in the maze: resets both sides, plays the intro music.
void StartLevel();
// True when the current timed pause is over.
bool PauseIsOver();
// Loads the configured custom maze, stepping past missing files.
void ReloadCustomMaze(bool forward);
// The logic of one Playing frame: the ghosts, the gulper, the timer and the
// end of the level. The game draws after it; the match simulator does not.
void RunPlayingLogic();
// Its steps after the ghosts' update: the gulper, the timer and the end of the level.
void RunPlayingLogicAfterSquad();
