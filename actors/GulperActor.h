// The gulper: eats corn and boosts, animates its mouth, appears and dies;
// under computer control it plans with GulperActor::Think.
#pragma once

#include <SDL/SDL.h>
#include <vector>

#include "actors/Actor.h"

// What the gulper is doing.
enum class GulperState : int {
    GulperNormal = 0,     // playing (the computer: hunting food)
    GulperAteBoost = 1,   // ate a boost this frame; the squad frightens the ghosts next frame
    GulperCaught = 2,     // caught by a hunting ghost
    GulperAppearAnimation = 3,  // the appearing animation is running
    GulperFleeing = 4,    // the computer flees
    GulperGoingHome = 5,  // the computer heads back to its start cell
};
using enum GulperState;

class GulperActor : public Actor {
public:
    GulperActor(double speed, Controller controller);
    ~GulperActor() override;

    using Actor::Reset;
    void Reset(double speed, Controller controller);
    void Draw() const override;
    void Update() override;
    void EatCorn();
    // The tick's animation in the states that show the walking gulper: the
    // drawing position and, while it moves, the mouth.
    void Animate();
    // One frame of the dying animation; true when it has finished (30 frames).
    bool PlayDying();
    void DrawDying() const;
    // One frame of the blinking appearance; true when it has finished (30 frames).
    bool PlayAppearing();
    void DrawAppearing() const;
    // The computer gulper's planner: chooses goal.
    void Think();
    // The planner's safety margin in frames.
    int SafetyMargin() const;

    GulperState state;
    bool mouthOpening;   // true while mouthFrame counts up
    SDL_Surface* sprites;  // "images/gulper.bmp", owned
    int mouthFrame;      // sprite column shown while walking, 0 to 3
    int animCounter;     // frames of the appearing animation shown so far
    int dyingCounter;    // frames of the dying animation shown so far
    bool animStarted;    // set on the first frame of an animation
    bool appearShown;    // the blinking appearance shows the gulper this frame
    int dyingColumn;     // sprite column of the dying animation this frame
    std::vector<int> danger;  // computer only: fewest frames for any hunting ghost to reach each cell
    int thinkCounter;    // computer only: frames spent fleeing or going home
    int nextThink;       // computer only: thinkCounter value of the next plan
};
