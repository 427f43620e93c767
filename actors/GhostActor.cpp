// One ghost: its states and timers, fear and blinking, and its drawing.
#include "actors/GhostActor.h"

#include "actors/GameEvents.h"
#include "actors/GulperActor.h"
#include "platform/GameState.h"
#include "platform/Globals.h"

namespace {

constexpr int AfraidRow = 4;      // sheet row of the frightened ghost
constexpr int EyesRow = 5;        // sheet row of the eyes
constexpr int PhaseColumns = 4;   // walking phase 1 lies four columns to the right
constexpr int PhaseFrames = 10;   // frames between walking phases

}  // namespace

GhostActor::GhostActor(double speed, Controller controller, SDL_Surface* sheet, int colour)
    : Actor(speed, controller, TheMaze->ghostStart), state(Hunting), colour(colour), selected(false), animPhase(0),
      blink(NeverAfraid), stateTimer(NoValue), blinkCounter(NoValue), nextPhaseFrame(0),
      frameCounter(0), sprites(sheet)
{
    Reset(speed, controller);
}

void GhostActor::Reset(double newSpeed, Controller newController)
{
    Actor::Reset(newSpeed, newController, TheMaze->ghostStart);
    state = Hunting;
    animPhase = 0;
    blink = NeverAfraid;
    stateTimer = blinkCounter = NoValue;
    frameCounter = nextPhaseFrame = 0;
    selected = false;
}

void GhostActor::Update()
{
    // The squad moves the ghosts.
}

void GhostActor::MakeAfraid()
{
    if (state == Hunting || state == Afraid) {
        state = Afraid;
        blink = AfraidShown;
        blinkCounter = BlinkPeriod;
    }
    if (controller == Computer)
        goal = TheMaze->ghostStart;
    // Also for an eaten ghost: its wait as eyes starts again.
    stateTimer = FearFrames;
}

void GhostActor::Revive()
{
    state = Hunting;
    blink = NeverAfraid;
    stateTimer = blinkCounter = NoValue;
    if (controller == Computer)
        goal = TheGulper->cell;
}

void GhostActor::HoldHere()
{
    UpdateCell();
    goal = cell;
}

void GhostActor::Tick()
{
    if (state == Afraid && stateTimer > 0) {
        --stateTimer;
        if (stateTimer <= 0)
            Revive();
        if (stateTimer == BlinkFromFrames) {
            blink = AfraidHidden;
            blinkCounter = BlinkPeriod;
        }
        if (stateTimer < BlinkFromFrames && blinkCounter > 0) {
            if (--blinkCounter == 0) {
                blinkCounter = BlinkPeriod;
                blink = blink == AfraidShown ? AfraidHidden : AfraidShown;
            }
        }
    }
    if (state == Eaten) {
        if (stateTimer > 0) {
            --stateTimer;
        } else if (cell == TheMaze->ghostStart) {
            Revive();
            GameEvents.Emit(GameEvent::GhostRevived);
        }
    }
}

void GhostActor::Animate()
{
    drawX = static_cast<int>(posX);
    drawY = static_cast<int>(posY);
    // The walking phase first changes after the first frame shown, then every
    // PhaseFrames frames; it runs on also while the ghost is hidden.
    if (frameCounter > 0 && frameCounter >= nextPhaseFrame) {
        nextPhaseFrame = frameCounter + PhaseFrames;
        animPhase = 1 - animPhase;
    }
    ++frameCounter;
}

void GhostActor::Draw() const
{
    // A paused game shows every ghost: one caught in the hidden phase of its
    // blinking would stay invisible while the player studies the board.
    const bool shown = blink != AfraidHidden || GameState == Paused;
    const int walkingColumn = IndexOf(direction) + PhaseColumns * animPhase;
    if (state == Hunting)
        DrawSprite(sprites, walkingColumn, colour);
    else if (state == Afraid && shown)
        DrawSprite(sprites, walkingColumn, AfraidRow);
    else if (state == Eaten)
        DrawSprite(sprites, IndexOf(direction), EyesRow);
}
