// What happened in the game, in the order it happened. The tick (and a level
// started from a menu) writes it; after the tick the sounds are played from
// it, and the match simulator, replays and tests read it.
#pragma once

#include <vector>

enum class GameEvent : unsigned char {
    LevelStarted,       // a level begins with its intro
    CornEaten,
    BoostEaten,
    GhostEaten,
    GhostRevived,       // an eaten ghost is home and hunts again
    GhostsMoved,        // the squad's frame of play is done: its looping sound follows its mood
    GhostSelected,      // the ghosts' player selected one or more ghosts
    OrderIssued,        // the ghosts' player sent ghosts to a cell or stopped them all
    GulperCaught,
    DyingBegins,        // the first frame of the dying animation
    LastCornEaten,      // how the gulper wins: no corn left ...
    TimeOut,            // ... or the time limit survived
    GulperWon,          // the level is over: the gulper's end pause begins
    GhostsWon,          // the level is over: the ghosts' end pause begins
    CampaignCompleted,  // the last level of a campaign was won
    PlayInterrupted,    // play paused, the keys help opened, or the level left
};

// Events since the last frame ended, and those of the frame that ended last.
struct EventLog {
    std::vector<GameEvent> pending;
    std::vector<GameEvent> lastFrame;

    void Emit(GameEvent event) { pending.push_back(event); }
    // Ends the frame: what was pending becomes the last frame's events.
    void EndFrame()
    {
        lastFrame.swap(pending);
        pending.clear();
    }
    // How often an event happened in the last frame.
    int CountLast(GameEvent event) const
    {
        int count = 0;
        for (const GameEvent e : lastFrame)
            count += e == event;
        return count;
    }
};

extern EventLog GameEvents;
