// The game's rules in time: what each tick does in each state, the start and
// the end of a level, and the commands of a frame carried out in order.
#include "rules/Settings.h"
#include "rules/Tick.h"

#include <sstream>

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "input/PlayInput.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "rules/Campaign.h"

TickState TheTick;

namespace {

constexpr int IntroMilliseconds = 3000;  // the pause before a level, with the starting music
constexpr int EndMilliseconds = 4500;    // the pause after a level and after a campaign

void StartPause(int milliseconds)
{
    PauseUntil = TheTick.gameTime + milliseconds;
}

// Ends a level or a campaign: the state's pause, with the end music.
void EndWithMusic(GameStateId nextState)
{
    GameState = nextState;
    StartPause(EndMilliseconds);
    GameEvents.Emit(nextState == GulperWins  ? GameEvent::GulperWon
                    : nextState == GhostsWin ? GameEvent::GhostsWon
                                             : GameEvent::CampaignCompleted);
}

int& CampaignLevel()
{
    return GameMode == GhostsCampaignMode ? TheConfig->ghostsLevel : TheConfig->gulperLevel;
}

int& CampaignMaxLevel()
{
    return GameMode == GhostsCampaignMode ? TheConfig->ghostsMaxLevel : TheConfig->gulperMaxLevel;
}

GameStateId CampaignMenu()
{
    return GameMode == GhostsCampaignMode ? GhostsCampaignMenu : GulperCampaignMenu;
}

// After the pause of GulperWins or GhostsWin: the next level, the same level
// again, the end of the campaign, or back to the custom game menu.
void EndLevel()
{
    if (GameMode == CustomMode) {
        ReloadCustomMaze(true);
        GameState = CustomGameMenu;
        return;
    }

    int& level = CampaignLevel();
    const bool won = (GameMode == GulperCampaignMode && GameState == GulperWins) ||
                     (GameMode == GhostsCampaignMode && GameState == GhostsWin);
    if (won) {
        ++level;
        if (LoadCampaignLevel(level)) {
            StartLevel();
        } else {
            // No maze for the next level: the campaign is complete.
            --level;
            LoadCampaignLevel(level);
            EndWithMusic(CampaignComplete);
        }
        if (level > CampaignMaxLevel())
            CampaignMaxLevel() = level;
    } else if (LoadCampaignLevel(level)) {
        StartLevel();
    } else {
        // The level's maze has gone: back to the campaign's menu rather than out of the game.
        GameState = CampaignMenu();
    }
}

// Leaves a level with the "Exit game" key, reloading it so its menu shows it fresh.
void LeaveLevel()
{
    if (GameMode == CustomMode) {
        GameState = CustomGameMenu;
        ReloadCustomMaze(true);
    } else {
        GameState = CampaignMenu();
        LoadCampaignLevel(CampaignLevel());
    }
    GameEvents.Emit(GameEvent::PlayInterrupted);
}

// Carries out one command of the frame, in the state left by the ones before it.
void ApplyCommand(const Command& command)
{
    const GameStateId next = NextState(GameState, command.type);
    if (next == LevelBeingLeft) {
        LeaveLevel();
    } else if (next != GameState) {
        GameState = next;
        if (next == Paused || next == ControlsInGame)
            GameEvents.Emit(GameEvent::PlayInterrupted);
    } else if (GameState == Playing && SideOf(command.type) != Side::Game) {
        ApplyCharacterCommand(command);
    }
}

// Carries out what was asked for between ticks.
void ApplyDeferred(const DeferredAction& action)
{
    switch (action.kind) {
    case DeferredAction::Kind::StartLevel: {
        std::istringstream maze(action.mazeText);
        if (!TheMaze->ReadLevel(maze))
            return;  // the sender checked it; a level that is not one starts nothing
        ApplyLevelSettings(action.settings);
        TheTick.timer->Reset();  // from the level's limit, whatever it last showed
        StartLevel();
        break;
    }
    case DeferredAction::Kind::AbortLevel:
        // Back to the custom game menu, with the settings the player had.
        GameState = CustomGameMenu;
        ReloadCustomMaze(true);
        GameEvents.Emit(GameEvent::PlayInterrupted);
        ApplyLevelSettings(action.settings);
        TheTick.timer->Reset();
        break;
    }
}

}  // namespace

GameStateId NextState(GameStateId state, CommandType command)
{
    switch (command) {
    case CommandType::Pause:
        return state == Playing ? Paused : state;
    case CommandType::KeysHelp:
        return state == Playing ? ControlsInGame : state;
    case CommandType::Resume:
        return state == Paused || state == ControlsInGame ? Playing : state;
    case CommandType::ExitGame:
        return state == Paused || state == ControlsInGame ? Playing
               : IsLevelUnderWay(state)                   ? LevelBeingLeft
                                                          : state;
    default:
        return state;
    }
}

bool IsLevelUnderWay(GameStateId state)
{
    return state == LevelIntro || state == Playing || state == GulperAppearing;
}

bool PauseIsOver()
{
    return TheTick.gameTime >= PauseUntil;
}

void ReloadCustomMaze(bool forward)
{
    TheMaze->LoadNumbered(TheConfig->mapNumber, forward);
}

void StartLevel()
{
    TheGulper->Reset(TheConfig->gulperSpeed, TheConfig->gulperController);
    TheSquad->Create(TheConfig->ghostSpeed, TheConfig->ghostsController,
                     TheConfig->ghostCount);
    StartPause(IntroMilliseconds);
    GameEvents.Emit(GameEvent::LevelStarted);
    GameState = LevelIntro;
}

void RunPlayingLogic()
{
    TheSquad->Update();
    RunPlayingLogicAfterSquad();
}

void RunPlayingLogicAfterSquad()
{
    if (TheGulper->state == GulperCaught) {
        GameState = GulperDying;
        GameEvents.Emit(GameEvent::GulperCaught);
        return;
    }
    TheGulper->Update();
    LevelTimer& timer = *TheTick.timer;
    if (TheMaze->cornLeft != 0 && timer.framesLeft > 0) {
        timer.Tick();
        return;
    }
    GameEvents.Emit(TheMaze->cornLeft == 0 ? GameEvent::LastCornEaten : GameEvent::TimeOut);
    EndWithMusic(GulperWins);
}

bool Tick(const FrameCommands& commands)
{
    std::vector<DeferredAction> deferred;
    deferred.swap(TheTick.deferred);
    for (const DeferredAction& action : deferred)
        ApplyDeferred(action);
    for (const Command& command : commands.list)
        ApplyCommand(command);

    // A frame is the frame of the state it starts in: a level that ends
    // during a Playing frame is still drawn as play, and the dying animation
    // or the end pause begins with the next frame. The interface already
    // shows the new state.
    TheTick.frameState = GameState;
    switch (TheTick.frameState) {
    case LevelIntro:
        TheSquad->Animate();
        if (PauseIsOver())
            GameState = GulperAppearing;
        break;
    case Playing:
        RunPlayingLogic();
        TheSquad->Animate();
        TheGulper->Animate();
        break;
    case Paused:
        TheSquad->Animate();
        TheGulper->Animate();  // the mouth of a gulper paused in motion swings on
        break;
    case GulperAppearing:
        TheSquad->Animate();
        if (TheGulper->PlayAppearing()) {
            GameState = Playing;
            TheTick.timer->Reset();
        }
        break;
    case GulperDying:
        TheSquad->Animate();
        if (TheGulper->PlayDying())
            EndWithMusic(GhostsWin);
        break;
    case GulperWins:
    case GhostsWin:
        if (PauseIsOver())
            EndLevel();
        break;
    case CampaignComplete:
        if (PauseIsOver())
            GameState = GameModeMenu;
        break;
    case LevelEditor:
        TheBrush->CountNoticeFrame();  // what the last save did is shown for a while
        break;
    default:
        break;  // the menus, options, controls and the editor change only by input
    }
    TheTick.gameTime += TheScreen->framePeriod;
    return false;
}
