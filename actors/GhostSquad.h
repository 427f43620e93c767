// All ghosts of the level: creation with their speeds, the frame's movement,
// timers and meetings with the gulper, the looping ghost sound, drawing with
// selection frames, the computer's planning, and the human player's commands.
#pragma once

#include <SDL/SDL.h>
#include <vector>

#include "actors/GhostActor.h"

constexpr int MaxGhosts = 8;

class GhostSquad {
public:
    GhostSquad(double speed, Controller controller, int count);
    ~GhostSquad();
    GhostSquad(const GhostSquad&) = delete;
    GhostSquad& operator=(const GhostSquad&) = delete;

    void Create(double speed, Controller controller, int count);
    void Update();
    // The tick's animation of every ghost in the states that show them.
    void Animate();
    void Draw() const;
    void Retarget();
    void UpdateLoopSound();

    // --- the commanding player's operations ---
    void EndDirectControl();
    void DirectOrder(Direction direction);
    void StopAll();
    void SelectAll();
    void DeselectAll();
    void SelectOnly(int index);
    void SelectNext();
    void SelectPrev();
    void OrderToPoint(int x, int y);
    void ClickSelect(int x, int y, bool add);
    // The ghost a click at (x, y) selects, or none.
    GhostActor* GhostAt(int x, int y) const;
    void SelectInBox(int left, int top, int right, int bottom, bool add);

    std::vector<GhostActor*> ghosts;  // owned; index = ghost number - 1
    int count;            // number of ghosts
    Controller controller;
    SDL_Surface* markerImage;  // "images/ghost_controls.bmp", owned
    bool directActive;    // one ghost is driven with the direction keys
    Direction directDirection;  // the way the driven ghost is driven
    int directIndex;      // index of the driven ghost, or NoValue
    CellPos gulperCell;      // the gulper's cell at the start of this update
    CellPos lastGulperCell;  // the gulper's cell at the previous update
    std::vector<CellPos> junctions;  // junctions last found around the gulper

    int loopChannel;  // mixer channel of the looping ghost sound
    int loopSound;    // the looping sound playing there, or NoValue
};
