// The gulper: its frame of play, eating, its mouth and its two animations.
#include "actors/GulperActor.h"

#include "actors/GameEvents.h"

#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr int LastMouthFrame = 3;      // mouth frames are columns 0 to 3
constexpr int StartMouthFrame = 2;     // so that the first moving frame shows 3
constexpr int AnimationFrames = 30;    // the appearing and the dying animation
constexpr int DyingFramesPerColumn = 4;
constexpr int BlinkCycle = 6;          // appearing: shown for 3 frames, hidden for 3
constexpr int BlinkShown = 3;
constexpr int Black = 0;

}  // namespace

GulperActor::GulperActor(double speed, Controller controller)
    : Actor(speed, controller, TheMaze->gulperStart), state(GulperNormal), mouthOpening(true), sprites(nullptr),
      mouthFrame(StartMouthFrame), animCounter(0), dyingCounter(0), animStarted(false),
      appearShown(false), dyingColumn(0), thinkCounter(0), nextThink(0)
{
    danger.clear();
    Reset(speed, controller);
    sprites = TheScreen->LoadImage("images/gulper.bmp", Black, Black, Black);
}

GulperActor::~GulperActor()
{
    SDL_FreeSurface(sprites);
}

void GulperActor::Reset(double newSpeed, Controller newController)
{
    Actor::Reset(PlayableSpeed(newSpeed, "Gulper"), newController, TheMaze->gulperStart);
    state = GulperNormal;
    mouthOpening = true;
    mouthFrame = StartMouthFrame;
    dyingCounter = animCounter = 0;
    animStarted = false;
    thinkCounter = nextThink = 0;
}

void GulperActor::Update()
{
    if (controller == Computer) {
        Think();
        FollowPath();
    } else {
        Move();
    }

    // Whatever lies in the cell that now holds the centre is eaten.
    switch (TheMaze->CellAt(cell.x, cell.y)) {
    case Corn:
        EatCorn();
        break;
    case Boost:
        state = GulperAteBoost;
        TheMaze->SetCell(cell, Tunnel);
        GameEvents.Emit(GameEvent::BoostEaten);
        break;
    default:
        break;
    }
}

void GulperActor::EatCorn()
{
    TheMaze->SetCell(cell, Tunnel);
    --TheMaze->cornLeft;
    GameEvents.Emit(GameEvent::CornEaten);
}

void GulperActor::Animate()
{
    drawX = static_cast<int>(posX);
    drawY = static_cast<int>(posY);
    if (moving) {
        // The mouth swings 3, 2, 1, 0, 1, 2, 3 ... while the gulper moves.
        if (mouthOpening) {
            if (++mouthFrame == LastMouthFrame)
                mouthOpening = false;
        } else {
            if (--mouthFrame == 0)
                mouthOpening = true;
        }
    }
}

void GulperActor::Draw() const
{
    DrawSprite(sprites, mouthFrame, IndexOf(direction));
}

bool GulperActor::PlayDying()
{
    // Shown where the gulper was last drawn.
    dyingColumn = dyingCounter / DyingFramesPerColumn;
    ++dyingCounter;
    if (!animStarted) {
        GameEvents.Emit(GameEvent::DyingBegins);
        animStarted = true;
    }
    if (dyingCounter >= AnimationFrames) {
        dyingCounter = 0;
        animStarted = false;
        return true;
    }
    return false;
}

void GulperActor::DrawDying() const
{
    DrawSprite(sprites, dyingColumn, IndexOf(direction));
}

bool GulperActor::PlayAppearing()
{
    if (state != GulperAppearAnimation) {
        state = GulperAppearAnimation;
        mouthFrame = StartMouthFrame;
        direction = Right;
        cell = TheMaze->gulperStart;
        posX = centreX;
        posY = centreY;
        animStarted = false;
    }
    animStarted = true;
    appearShown = animCounter % BlinkCycle < BlinkShown;
    if (++animCounter >= AnimationFrames) {
        animCounter = 0;
        animStarted = false;
        state = GulperNormal;
        return true;
    }
    return false;
}

void GulperActor::DrawAppearing() const
{
    if (appearShown)
        DrawSprite(sprites, mouthFrame, IndexOf(direction));
}
