// The base of every moving character: its place on the grid, its speed and
// directions, and the two movement rules all characters share.
#pragma once

#include <SDL/SDL.h>

#include "platform/GameTypes.h"
#include "maze/Maze.h"

// The slowest and fastest speeds a level runs with, in pixels per frame: at
// zero a cost map would divide by zero, and a character faster than half a
// cell per frame could skip cells and end inside a wall.
constexpr double MinSpeed = 0.1;
constexpr double MaxSpeed = 9.0;

// A speed from a file or the options, brought into [MinSpeed, MaxSpeed] with
// one message when it lies outside; "who" names the side in that message.
double PlayableSpeed(double speed, const char* who);

class Actor {
public:
    Actor(double speed, Controller controller, CellPos start);

    // Puts the actor back on a start cell at a speed; not overridden.
    virtual void Reset(double speed, Controller controller, CellPos start);
    virtual ~Actor();
    // Draws the character as the last tick left it; drawing changes nothing.
    virtual void Draw() const;
    virtual void Update() = 0;
    // One frame of movement along the grid: turns at cell centres, stops at walls.
    virtual void Move();
    // One frame of steering along a traced shortest path towards goal.
    virtual void FollowPath();

    // True when the centre lies within turnTolerance of the cell's centre on both axes.
    bool IsNearCentre() const;
    // Recomputes cell from the position, refilling the cost map in a new cell.
    void UpdateCell();
    // True when a cell inside the maze is marked on the path.
    bool IsMarked(CellPos p) const;
    // Draws the sprite in (column, row) of a character sheet centred on (drawX, drawY).
    void DrawSprite(SDL_Surface* sheet, int column, int row) const;

    CellPos cell;           // the cell that holds the centre
    CellPos lastThinkCell;  // the computer gulper's last planning cell (x NoValue: none)
    CellPos costMapCell;    // the cell costMap was last filled from
    int drawX, drawY;       // integer centre, refreshed by the tick in the states that show the character
    double posX, posY;      // pixel position of the centre
    double centreX, centreY;  // pixel centre of cell
    CellPos plannedGoal;    // the goal pathMarks were traced for
    CellPos goal;           // where FollowPath steers
    bool moving;            // the last Move changed the position
    bool stopped;           // while set, Move neither moves nor turns
    double speed;           // pixels per frame
    double turnTolerance;   // 0.6 * speed: how near a centre counts as at it
    Controller controller;
    Direction direction;    // the way it faces and moves
    Direction wantedDirection;  // the way to take at the next cell centre
    PathMarks pathMarks;    // cells of the traced path still ahead
    CostMap costMap;        // frames to reach each cell from costMapCell
};
