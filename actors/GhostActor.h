// One ghost of the squad: hunting, afraid or eaten, with its timers,
// blinking and drawing. The squad moves and runs it.
#pragma once

#include <SDL/SDL.h>

#include "actors/Actor.h"

// What a ghost is doing.
enum class GhostState : int {
    Hunting = 0,  // coloured; catches the gulper
    Afraid = 1,   // frightened; the gulper eats it
    Eaten = 2,    // eyes only, on the way home
};
using enum GhostState;

constexpr int FearFrames = 160;      // frames of fear after a boost
constexpr int BlinkFromFrames = 40;  // fear frames left when blinking starts
constexpr int BlinkPeriod = 3;       // frames shown, then hidden, while blinking

// Values of blink.
enum : int { NeverAfraid = 0, AfraidShown = 1, AfraidHidden = 2 };

class GhostActor : public Actor {
public:
    GhostActor(double speed, Controller controller, SDL_Surface* sheet, int colour);

    using Actor::Reset;
    void Reset(double speed, Controller controller);
    void Draw() const override;
    // The tick's animation in the states that show the ghosts: the drawing
    // position and the walking phase.
    void Animate();
    void Update() override;
    void MakeAfraid();
    void Revive();
    void HoldHere();
    void Tick();

    GhostState state;
    int colour;          // 0 to 3: sprite row and selection frame
    bool selected;       // selected by the commanding player
    int animPhase;       // walking frame, 0 or 1
    int blink;           // NeverAfraid, AfraidShown or AfraidHidden
    int stateTimer;      // frames of fear left; NoValue when not running
    int blinkCounter;    // frames until blink toggles; NoValue when not running
    int nextPhaseFrame;  // frameCounter at which animPhase toggles next
    int frameCounter;    // Animate calls since the reset
    SDL_Surface* sprites;  // the shared ghost sheet, not owned
};
