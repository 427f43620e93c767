// The game-state machine: what each frame does in each state, the start and
// the end of a level, and the keyboard's navigation keys.
#include "app/GameFlow.h"

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "app/Campaign.h"
#include "app/Clock.h"
#include "app/Config.h"
#include "app/GameState.h"
#include "app/Globals.h"
#include "app/SoundBank.h"
#include "gui/Gui.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"

namespace {

constexpr int IntroMilliseconds = 3000;  // the pause before a level, with the starting music
constexpr int EndMilliseconds = 4500;    // the pause after a level and after a campaign
constexpr int PlayOnce = 0;              // loop counts of the two music pieces: both play once
constexpr int PlayEndMusicOnce = 1;

void StartPause(int milliseconds)
{
    PauseUntil = Now() + milliseconds;
}

void EndWithMusic(int nextState)
{
    GameState = nextState;
    StartPause(EndMilliseconds);
    TheSounds->PlayMusic(GameEndMusic, PlayEndMusicOnce);
}

int& CampaignLevel()
{
    return GameMode == GhostsCampaignMode ? TheConfig->ghostsLevel : TheConfig->gulperLevel;
}

int& CampaignMaxLevel()
{
    return GameMode == GhostsCampaignMode ? TheConfig->ghostsMaxLevel : TheConfig->gulperMaxLevel;
}

int CampaignMenu()
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
    TheSounds->HaltAllSound();
}

// The "Exit game" key in each state; true ends the program.
bool ExitGameKey()
{
    switch (GameState) {
    case MainMenu:
        return true;
    case GameModeMenu:
    case HelpScreen:
    case OptionsMenu:
        GameState = MainMenu;
        break;
    case GulperCampaignMenu:
    case GhostsCampaignMenu:
    case CustomGameMenu:
        GameState = GameModeMenu;
        break;
    case ControlsMenu:
        GameState = OptionsMenu;  // edits made on the controls screen stay in use, unsaved
        break;
    case ControlsInGame:
    case Paused:
        GameState = Playing;
        break;
    case LevelEditor:
        TheBrush->DropUnsavedChanges();
        ReloadCustomMaze(true);
        GameState = MainMenu;
        break;
    case LevelIntro:
    case Playing:
    case GulperAppearing:
        LeaveLevel();
        break;
    default:
        break;  // dying, the end pauses and the campaign's end cannot be left
    }
    return false;
}

}  // namespace

bool PauseIsOver()
{
    return Now() >= PauseUntil;
}

void ReloadCustomMaze(bool forward)
{
    TheMaze->LoadNumbered(TheConfig->mapNumber, forward);
}

void StartLevel()
{
    TheGulper->Reset(TheConfig->gulperSpeed, TheConfig->gulperController);
    TheSquad->Create(TheConfig->ghostSpeed, TheConfig->ghostsController, TheConfig->ghostCount);
    StartPause(IntroMilliseconds);
    TheSounds->PlayMusic(StartingLevelMusic, PlayOnce);
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
        TheSounds->HaltEffects();
        return;
    }
    TheGulper->Update();
    CountdownTimer& timer = *TheGui->timer;
    if (TheMaze->cornLeft != 0 && timer.framesLeft > 0)
        timer.Tick();
    else
        EndWithMusic(GulperWins);  // the last corn eaten, or the time survived
}

bool UpdateGameFrame()
{
    // A frame is the frame of the state it starts in: a level that ends
    // during a Playing frame is still drawn as play, and the dying animation
    // or the end pause begins with the next frame. The interface already
    // shows the new state.
    const int state = GameState;
    if (state == Playing)
        RunPlayingLogic();

    TheMaze->Draw();
    switch (state) {
    case LevelIntro:
        TheSquad->Draw();
        if (PauseIsOver())
            GameState = GulperAppearing;
        break;
    case Playing:
    case Paused:
        TheSquad->Draw();
        TheGulper->Draw();
        break;
    case GulperAppearing:
        TheSquad->Draw();
        if (TheGulper->PlayAppearing()) {
            GameState = Playing;
            TheGui->timer->Reset();
        }
        break;
    case GulperDying:
        TheSquad->Draw();
        if (TheGulper->PlayDying())
            EndWithMusic(GhostsWin);
        break;
    case GulperWins:
    case GhostsWin:
        TheSounds->HaltEffects();
        if (PauseIsOver())
            EndLevel();
        break;
    case CampaignComplete:
        if (PauseIsOver())
            GameState = GameModeMenu;
        break;
    default:
        break;  // the menus, options, controls and the editor show only their panel
    }
    TheGui->DrawFrame();
    return false;
}

bool Gui::OnKeyUp(int key)
{
    // A key awaited on the controls screen takes this release and nothing else.
    if (keyBindings.captureIndex != NoValue) {
        keyBindings.keys[keyBindings.captureIndex] = key;
        keyBindings.captureIndex = NoValue;
        return false;
    }
    // Any key resumes a paused game or leaves the keys help.
    if (GameState == ControlsInGame || GameState == Paused) {
        GameState = Playing;
        return false;
    }
    for (int action = GroupSelection; action <= ExitGame; ++action) {
        if (!keyBindings.Matches(action, key))
            continue;
        switch (action) {
        case GroupSelection:
            groupSelection = false;
            break;
        case PauseGame:
            if (GameState == Playing) {
                GameState = Paused;
                TheSounds->HaltAllSound();
            }
            break;
        case KeysHelpScreen:
            if (GameState == Playing) {
                GameState = ControlsInGame;
                TheSounds->HaltAllSound();
            }
            break;
        case ExitGame:
            if (ExitGameKey())
                return true;
            break;
        }
    }
    return false;
}
