// The computer gulper's planner: eat the nearest food it can reach safely,
// flee when there is none, go home when it cannot even flee.
#include <algorithm>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "platform/Globals.h"

namespace {

constexpr int Unthreatened = 9999999;   // danger of a cell no hunting ghost can reach
constexpr int FoodHorizon = 200000;     // food farther than this many frames is not considered
constexpr int ReplanFrames = 10;        // frames between plans while fleeing or going home
constexpr double SafetyCells = 2.0;     // margin, in cells at the first ghost's speed

}  // namespace

int GulperActor::SafetyMargin() const
{
    // Frames the first, fastest ghost needs for two cells; without ghosts there is no margin.
    const std::vector<GhostActor*>& ghosts = TheSquad->ghosts;
    return ghosts.empty() ? 0 : static_cast<int>(SafetyCells * TheMaze->cellSize / ghosts[0]->speed);
}

void GulperActor::Think()
{
    // When to plan: in a new cell while hunting food, every 10th frame otherwise.
    if (state == GulperFleeing || state == GulperGoingHome) {
        if (++thinkCounter < nextThink)
            return;
        nextThink = thinkCounter + ReplanFrames;
    } else {
        if (cell == lastThinkCell)
            return;
        lastThinkCell = cell;
    }
    state = GulperNormal;

    const std::vector<GhostActor*>& ghosts = TheSquad->ghosts;
    const int cellCount = TheMaze->cellCount;

    // Danger: the fewest frames in which any hunting ghost reaches each cell.
    danger.assign(cellCount, Unthreatened);
    for (const GhostActor* ghost : ghosts) {
        if (ghost->state != Hunting)
            continue;
        for (int i = 0; i < cellCount; ++i)
            danger[i] = std::min(danger[i], ghost->costMap[i]);
    }

    // A cell is safe only if the gulper gets there more than the margin before
    // the nearest hunting ghost; every other cell is blocked.
    const int margin = SafetyMargin();
    for (int i = 0; i < cellCount; ++i) {
        if (costMap[i] >= danger[i] - margin)
            costMap[i] = BlockedMark;
    }
    TheMaze->FillCostMap(costMap, cell, speed, true);

    // Food: the nearest safely reachable corn or boost; ties go to the lowest index.
    const int width = TheMaze->width;
    goal = cell;
    int best = FoodHorizon;
    for (int i = 0; i < cellCount; ++i) {
        const CellCode code = TheMaze->cells[i];
        if ((code == Corn || code == Boost) && costMap[i] < best) {
            best = costMap[i];
            goal = {i % width, i / width};
        }
    }

    // Flight: the safely reachable cell the hunting ghosts reach last; ties go to the highest index.
    if (goal == cell) {
        best = 0;
        for (int i = 0; i < cellCount; ++i) {
            if (costMap[i] != NoValue && costMap[i] != BlockedMark && danger[i] >= best) {
                best = danger[i];
                goal = {i % width, i / width};
                state = GulperFleeing;
            }
        }
    }

    // Home: nothing better than standing here; head for the start cell over a clean map.
    if (goal == cell) {
        TheMaze->FillCostMap(costMap, cell, speed, false);
        goal = TheMaze->gulperStart;
        state = GulperGoingHome;
    }
}
