// The sounds of a frame: effects and music played from the frame's events,
// in the order they happened.
#include "rules/FrameSounds.h"

#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "platform/GameState.h"
#include "rules/Tick.h"
#include "platform/Globals.h"
#include "platform/SoundBank.h"

namespace {

constexpr int PlayOnce = 0;              // loop counts of the two music pieces: both play once
constexpr int PlayEndMusicOnce = 1;

}  // namespace

void PlayFrameSounds()
{
    // No effect outlasts a level's end.
    if (TheTick.frameState == GulperWins || TheTick.frameState == GhostsWin)
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
