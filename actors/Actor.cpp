// Grid movement shared by every character: turning at cell centres, stopping
// at walls, and walking a traced shortest path to a goal.
#include "actors/Actor.h"

#include <cstdio>

#include "platform/Globals.h"
#include "platform/Screen.h"

namespace {

constexpr double TurnToleranceShare = 0.6;  // of the speed: how near a centre counts as at it
constexpr int SpritePitch = 20;   // character sheets: 20 x 20 cells, each sprite with a one-pixel frame
constexpr int SpriteBorder = 1;

double CentreOf(int cell)
{
    return (cell + 0.5) * TheMaze->cellSize;
}

bool IsInside(int x, int y)
{
    return x >= 0 && y >= 0 && x < TheMaze->width && y < TheMaze->height;
}

}  // namespace

double PlayableSpeed(double speed, const char* who)
{
    if (speed >= MinSpeed && speed <= MaxSpeed)
        return speed;
    const double playable = speed > MaxSpeed ? MaxSpeed : MinSpeed;  // NaN becomes the slowest
    fprintf(stdout, "%s speed %g is outside %g to %g pixels per frame; playing at %g\n", who, speed,
            MinSpeed, MaxSpeed, playable);
    return playable;
}

Actor::Actor(double speed, Controller controller, CellPos start)
    : cell{}, lastThinkCell{}, costMapCell{}, drawX(0), drawY(0), posX(0.0), posY(0.0),
      centreX(0.0), centreY(0.0), plannedGoal{}, goal{}, moving(false), stopped(false),
      speed(0.0), turnTolerance(0.0), controller(Human), direction(Right),
      wantedDirection(Right)
{
    Actor::Reset(speed, controller, start);
}

Actor::~Actor() = default;

void Actor::Reset(double newSpeed, Controller newController, CellPos start)
{
    speed = newSpeed;
    controller = newController;
    cell = start;
    lastThinkCell.x = NoValue;
    costMapCell = plannedGoal = goal = start;
    pathMarks.resize(TheMaze->cellCount);
    centreX = posX = CentreOf(start.x);
    centreY = posY = CentreOf(start.y);
    TheMaze->FillCostMap(costMap, start, speed, false);
    turnTolerance = speed * TurnToleranceShare;
    moving = true;
    direction = wantedDirection = Right;
    stopped = false;
    drawX = static_cast<int>(posX);
    drawY = static_cast<int>(posY);
}

void Actor::Draw() const
{
}

void Actor::DrawSprite(SDL_Surface* sheet, int column, int row) const
{
    const int size = static_cast<int>(TheMaze->cellSize);
    const int half = static_cast<int>(TheMaze->cellSize * 0.5);
    TheScreen->Blit(sheet, drawX - half, drawY - half, SpriteBorder + SpritePitch * column,
                    SpriteBorder + SpritePitch * row, size, size);
}

bool Actor::IsNearCentre() const
{
    const double dx = posX - centreX;
    const double dy = posY - centreY;
    return -turnTolerance < dx && dx < turnTolerance && -turnTolerance < dy && dy < turnTolerance;
}

void Actor::Move()
{
    if (!stopped) {
        // A reversal is taken at once, wherever the actor is.
        if (AreOpposite(direction, wantedDirection))
            direction = wantedDirection;
        // Any other turn waits for a cell centre, where the actor snaps onto it.
        if (IsNearCentre()) {
            direction = wantedDirection;
            posX = centreX;
            posY = centreY;
        }

        moving = false;
        const double size = TheMaze->cellSize;
        const double oldX = posX, oldY = posY;
        switch (direction) {
        case Right:
            if (!(TheMaze->CellAt(cell.x + 1, cell.y) == Wall && cell.x * size <= posX - size * 0.5))
                posX += speed;
            break;
        case Left:
            if (!(TheMaze->CellAt(cell.x - 1, cell.y) == Wall && posX <= CentreOf(cell.x)))
                posX -= speed;
            break;
        case Up:
            if (!(TheMaze->CellAt(cell.x, cell.y - 1) == Wall && posY <= CentreOf(cell.y)))
                posY -= speed;
            break;
        case Down:
            if (!(TheMaze->CellAt(cell.x, cell.y + 1) == Wall && posY >= CentreOf(cell.y)))
                posY += speed;
            break;
        default:
            break;
        }
        moving = posX != oldX || posY != oldY;
    }

    UpdateCell();
    // The actor has reached this cell of its path.
    if (IsMarked(cell))
        pathMarks[cell.y * TheMaze->width + cell.x] = false;
}

bool Actor::IsMarked(CellPos p) const
{
    if (!IsInside(p.x, p.y))
        return false;
    const size_t index = static_cast<size_t>(p.y) * TheMaze->width + p.x;
    return index < pathMarks.size() && pathMarks[index];
}

void Actor::UpdateCell()
{
    cell.x = static_cast<int>(posX / TheMaze->cellSize);
    cell.y = static_cast<int>(posY / TheMaze->cellSize);
    if (cell == costMapCell)
        return;
    TheMaze->FillCostMap(costMap, cell, speed, false);
    costMapCell = cell;
    centreX = CentreOf(cell.x);
    centreY = CentreOf(cell.y);
}

void Actor::FollowPath()
{
    if (!(goal == plannedGoal)) {
        TheMaze->TracePath(cell, goal, costMap, pathMarks, speed);
        plannedGoal = goal;
    }

    // The direction of the next cell of the path: the first marked neighbour,
    // in the order right, left, up, down (the order of the directions).
    const CellPos neighbours[4] = {{cell.x + 1, cell.y}, {cell.x - 1, cell.y},
                                   {cell.x, cell.y - 1}, {cell.x, cell.y + 1}};
    int marked = NoValue;
    for (int d = 0; d < 4 && marked == NoValue; ++d) {
        if (IsMarked(neighbours[d]))
            marked = d;
    }
    const Direction next = DirectionOf(marked);

    if (marked != NoValue && (next == Right || next == Left)) {
        // A horizontal turn: first bring back an actor that overshot its centre vertically.
        if (wantedDirection == Down && posY > centreY + turnTolerance)
            direction = wantedDirection = Up;
        else if (wantedDirection == Up && posY < centreY - turnTolerance)
            direction = wantedDirection = Down;
        else
            wantedDirection = next;
        Move();
    } else if (marked != NoValue && (next == Up || next == Down)) {
        if (wantedDirection == Right && posX > centreX + turnTolerance)
            direction = wantedDirection = Left;
        else if (wantedDirection == Left && posX < centreX - turnTolerance)
            direction = wantedDirection = Right;
        else
            wantedDirection = next;
        Move();
    } else if (cell == plannedGoal) {
        // Arrived: walk onto the goal's centre, then stand there.
        if (posY > centreY + turnTolerance)
            wantedDirection = Up;
        else if (posY < centreY - turnTolerance)
            wantedDirection = Down;
        else if (posX > centreX + turnTolerance)
            wantedDirection = Left;
        else if (posX < centreX - turnTolerance)
            wantedDirection = Right;
        else {
            posX = centreX;
            posY = centreY;
            return;
        }
        Move();
    }
    // Otherwise there is no path ahead (an unreachable goal): stand still this frame.
}
