// The ghost squad: creation, the frame's movement, timers and meetings, the
// computer's planning, the looping ghost sound, and drawing.
#include "actors/GhostSquad.h"

#include <cstdio>

#include "actors/GameEvents.h"
#include "actors/GulperActor.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"

namespace {

constexpr int GhostColours = 4;        // colours repeat: ghosts 1 and 5 share colour 0
constexpr int MarkerSize = 20;         // selection frames in the top row of the marker image
constexpr int JunctionReach = 100000;  // a ghost farther than this from a junction is not sent there
constexpr int Black = 0;

}  // namespace

GhostSquad::GhostSquad(double speed, Controller controller, int count)
    : count(0), controller(controller), markerImage(nullptr), directActive(false),
      directDirection(Left), directIndex(NoValue), gulperCell{}, lastGulperCell{}, loopChannel(0),
      loopSound(NoValue)
{
    markerImage = TheScreen->LoadImage("images/ghost_controls.bmp", Black, Black, Black);
    Create(speed, controller, count);
}

GhostSquad::~GhostSquad()
{
    for (GhostActor* ghost : ghosts)
        delete ghost;
    SDL_FreeSurface(markerImage);
}

void GhostSquad::Create(double speed, Controller newController, int newCount)
{
    for (GhostActor* ghost : ghosts)
        delete ghost;
    ghosts.clear();

    directActive = false;
    directDirection = Left;
    directIndex = NoValue;
    gulperCell = lastGulperCell = TheMaze->gulperStart;
    controller = newController;
    if (newCount < 0 || newCount > MaxGhosts) {
        const int playable = newCount < 0 ? 0 : MaxGhosts;
        fprintf(stdout, "Ghost count %d is outside 0 to %d; playing with %d\n", newCount, MaxGhosts,
                playable);
        newCount = playable;
    }
    count = newCount;

    // The speed ladder: ghost 1 is the fastest, the last runs at half the base speed.
    const double base = PlayableSpeed(speed, "Ghost");
    const double half = base * 0.5;
    for (int i = 0; i < count; ++i) {
        const double ghostSpeed = half + (count - 1 - i) * (half / count);
        GhostActor* ghost = new GhostActor(ghostSpeed, controller, GhostSprites, i % GhostColours);
        if (controller == Computer)
            ghost->goal = TheGulper->cell;
        ghosts.push_back(ghost);
    }
}

void GhostSquad::Update()
{
    // A boost eaten in the gulper's last move frightens every ghost now.
    if (TheGulper->state == GulperAteBoost) {
        for (GhostActor* ghost : ghosts)
            ghost->MakeAfraid();
        TheGulper->state = GulperNormal;
    }

    gulperCell = TheGulper->cell;
    if (!(gulperCell == lastGulperCell)) {
        if (controller == Computer)
            Retarget();
        lastGulperCell = gulperCell;
    }

    for (int i = 0; i < count; ++i) {
        GhostActor* ghost = ghosts[i];
        if (i != directIndex) {
            ghost->FollowPath();
        } else if (controller == Human) {
            ghost->wantedDirection = directDirection;
            ghost->stopped = false;
            ghost->Move();
        }
        ghost->Tick();

        // Meetings: the gulper eats an afraid ghost first; a hunting one catches it.
        if (ghost->state == Afraid && ghost->cell == gulperCell) {
            ghost->state = Eaten;
            GameEvents.Emit(GameEvent::GhostEaten);
        }
        if (ghost->cell == gulperCell && ghost->state == Hunting)
            TheGulper->state = GulperCaught;
    }

    GameEvents.Emit(GameEvent::GhostsMoved);
}

void GhostSquad::Retarget()
{
    TheMaze->FindJunctions(gulperCell, junctions);

    for (GhostActor* ghost : ghosts)
        ghost->goal = ghost->state == Hunting ? gulperCell : TheMaze->ghostStart;

    // Each junction takes the nearest ghost still chasing the gulper's cell.
    const int width = TheMaze->width;
    for (const CellPos& junction : junctions) {
        const int index = junction.y * width + junction.x;
        GhostActor* nearest = nullptr;
        int nearestCost = JunctionReach;
        for (GhostActor* ghost : ghosts) {
            if (ghost->goal == gulperCell && ghost->costMap[index] < nearestCost) {
                nearestCost = ghost->costMap[index];
                nearest = ghost;
            }
        }
        if (nearest)
            nearest->goal = junction;
    }
}

void GhostSquad::UpdateLoopSound()
{
    // The squad's mood: eyes win over fear, fear over the hunt.
    bool anyAfraid = false;
    bool anyEaten = false;
    for (const GhostActor* ghost : ghosts) {
        anyAfraid = anyAfraid || ghost->state == Afraid;
        anyEaten = anyEaten || ghost->state == Eaten;
    }
    const int sound = anyEaten ? GhostEyesOnlySound : anyAfraid ? GhostAfraidSound : GhostAttackingSound;

    if (sound == loopSound && TheSounds->IsPlaying(loopChannel))
        return;
    loopSound = sound;
    TheSounds->HaltChannel(loopChannel);
    loopChannel = TheSounds->PlayEffect(sound, LoopForever);
}

void GhostSquad::Animate()
{
    for (GhostActor* ghost : ghosts)
        ghost->Animate();
}

void GhostSquad::Draw() const
{
    // From the last ghost to the first, so that ghost 1 is drawn on top.
    for (int i = count - 1; i >= 0; --i)
        ghosts[i]->Draw();

    const int half = static_cast<int>(TheMaze->cellSize * 0.5);
    for (int i = count - 1; i >= 0; --i) {
        const GhostActor* ghost = ghosts[i];
        if (ghost->selected)
            TheScreen->Blit(markerImage, ghost->drawX - half, ghost->drawY - half,
                            MarkerSize * ghost->colour, 0, MarkerSize, MarkerSize);
    }
}
