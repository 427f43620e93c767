// The game-state machine: what each frame does in each state, the start and
// the end of a level, and the keyboard's navigation keys.
#include "app/GameFlow.h"

#include <utility>

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Campaign.h"
#include "app/ReplayArchive.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/Caption.h"
#include "gui/Gui.h"
#include "input/PlayInput.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"

namespace {

constexpr int IntroMilliseconds = 3000;  // the pause before a level, with the starting music
constexpr int EndMilliseconds = 4500;    // the pause after a level and after a campaign
constexpr int PlayOnce = 0;              // loop counts of the two music pieces: both play once
constexpr int PlayEndMusicOnce = 1;

// The game's own time, in milliseconds: one frame period more after every
// tick. The timed pauses are measured with it rather than with the clock, so
// that each lasts the same number of frames however late a frame runs, and a
// replay meets every pause's end on the frame it was recorded on.
int gameTime = 0;

void StartPause(int milliseconds)
{
    PauseUntil = gameTime + milliseconds;
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
    switch (command.type) {
    case CommandType::Pause:
        if (GameState == Playing) {
            GameState = Paused;
            GameEvents.Emit(GameEvent::PlayInterrupted);
        }
        break;
    case CommandType::KeysHelp:
        if (GameState == Playing) {
            GameState = ControlsInGame;
            GameEvents.Emit(GameEvent::PlayInterrupted);
        }
        break;
    case CommandType::ExitGame:
        if (GameState == LevelIntro || GameState == Playing || GameState == GulperAppearing)
            LeaveLevel();
        else if (GameState == Paused || GameState == ControlsInGame)
            GameState = Playing;
        break;
    case CommandType::Resume:
        if (GameState == Paused || GameState == ControlsInGame)
            GameState = Playing;
        break;
    default:
        if (GameState == Playing)
            ApplyCharacterCommand(command);
        break;
    }
}

}  // namespace

bool PauseIsOver()
{
    return gameTime >= PauseUntil;
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
    if (TheArchive)
        TheArchive->LevelStarted();
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
    CountdownTimer& timer = *TheGui->timer;
    if (TheMaze->cornLeft != 0 && timer.framesLeft > 0) {
        timer.Tick();
        return;
    }
    GameEvents.Emit(TheMaze->cornLeft == 0 ? GameEvent::LastCornEaten : GameEvent::TimeOut);
    EndWithMusic(GulperWins);
}

bool Tick(const FrameCommands& commands)
{
    for (const Command& command : commands.list)
        ApplyCommand(command);

    // A frame is the frame of the state it starts in: a level that ends
    // during a Playing frame is still drawn as play, and the dying animation
    // or the end pause begins with the next frame. The interface already
    // shows the new state.
    FrameState = GameState;
    switch (FrameState) {
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
            TheGui->timer->Reset();
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
    gameTime += TheScreen->framePeriod;
    return false;
}

void PlayFrameSounds()
{
    // No effect outlasts a level's end.
    if (FrameState == GulperWins || FrameState == GhostsWin)
        TheSounds->HaltEffects();
    for (const GameEvent event : GameEvents.pending) {
        switch (event) {
        case GameEvent::LevelStarted:
            TheSounds->PlayMusic(StartingLevelMusic, PlayOnce);
            break;
        case GameEvent::CornEaten:
            TheSounds->PlayEffect(EatingCornSound, 0);
            break;
        case GameEvent::GhostEaten:
            TheSounds->PlayEffect(EatingGhostSound, 0);
            break;
        case GameEvent::GhostsMoved:
            TheSquad->UpdateLoopSound();
            break;
        case GameEvent::GhostSelected:
            TheSounds->PlayEffect(SelectingGhostSound, 0);
            break;
        case GameEvent::OrderIssued:
            TheSounds->PlayEffect(IssuingOrderSound, 0);
            break;
        case GameEvent::GulperCaught:
            TheSounds->HaltEffects();
            break;
        case GameEvent::DyingBegins:
            TheSounds->PlayEffect(DyingSound, 0);
            break;
        case GameEvent::GulperWon:
        case GameEvent::GhostsWon:
        case GameEvent::CampaignCompleted:
            TheSounds->PlayMusic(GameEndMusic, PlayEndMusicOnce);
            break;
        case GameEvent::PlayInterrupted:
            TheSounds->HaltAllSound();
            break;
        default:
            break;  // a boost, a revival and the way a level was won have no sound of their own
        }
    }
    GameEvents.EndFrame();
}

void DrawGame()
{
    const Maze& maze = *TheMaze;
    const GhostSquad& squad = *TheSquad;
    const GulperActor& gulper = *TheGulper;
    const Gui& gui = *TheGui;
    maze.Draw();
    switch (FrameState) {
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
    const bool levelOver = FrameState == GulperWins || FrameState == GhostsWin;
    if (levelOver && TheArchive && !TheArchive->Notice().empty())
        DrawCaption(gui, TheArchive->Notice());
}

bool RunGameFrame(const FrameCommands& commands, bool draw)
{
    const bool quit = Tick(commands);
    PlayFrameSounds();
    if (TheArchive)
        TheArchive->FrameDone(commands);
    if (draw)
        DrawGame();
    return quit;
}

bool UpdateGameFrame()
{
    FrameCommands commands;
    std::swap(commands, TheGui->commands);  // the input of the next frame starts afresh
    return RunGameFrame(commands, true);
}
