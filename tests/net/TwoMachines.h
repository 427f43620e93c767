// Two machines of a network game in one test process, over the simulated
// network (net/SimulatedLink.h): each machine has its own session and its
// own play state, kept as a snapshot while the other machine runs. A frame
// of machine A restores A's play state (and A's deferred actions), runs,
// and saves it again; then B's turn. The network's clock moves in small
// slices and each machine runs a frame whenever its frame period is due,
// as the paced game does, so that round trips cost frames as they would.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "net/NetSession.h"
#include "net/SimulatedLink.h"
#include "replay/ReplayFile.h"
#include "rules/PlayState.h"
#include "rules/Tick.h"

// What the host starts a level with.
struct NetLevelChoice {
    std::string mazeText;
    int timeLimit = 2;        // seconds of play
    int framesPerSecond = 5;  // few frames per second: short intros and end pauses
    bool hostPlaysGhosts = false;
    int exitPercent = 0;      // chance in a thousand per frame that a player leaves with the "Exit game" key
    // A fault planted on the joining machine: from this frame of the level
    // on, the change runs on its play state after each frame it runs.
    int joinerChangeFrom = -1;
    std::function<void()> joinerChange;
};

// How a level ended on both machines.
struct NetLevelResult {
    Replay replays[2];           // the host's, the joiner's
    std::string notices[2];      // what each session said at the end
    bool finished = false;       // both came back to the lobby (or offline) within the frame limit
    int frames[2] = {0, 0};      // frames each machine ran in the level, end pause included
    int waitedFrames[2] = {0, 0};
    int corrections[2] = {0, 0};  // rollback: times each machine went back
    int framesRerun[2] = {0, 0};  // rollback: frames each machine ran again
    int deepest[2] = {0, 0};      // rollback: the most frames one correction ran again
    // Input to screen: for each command given, the frames from the frame it
    // was given before to the first picture that shows it acted on, summed.
    long latencyFrames[2] = {0, 0};
    int latencyCount[2] = {0, 0};
    int soundsWhileTakingFrames[2] = {0, 0};  // sounds played inside the session's frame step (its corrections)
    int endShownUnconfirmed[2] = {0, 0};  // frames that showed the level's end while the session still played it
    bool endActedConfirmed[2] = {true, true};  // every end the session acted on had its frame confirmed
};

class TwoMachines {
public:
    // The game must be made (headless) and its state as a fresh game's menu.
    TwoMachines(const SimulatedConditions& conditions, const NetOptions& options,
                std::uint32_t playerSeed);
    ~TwoMachines();

    // Services both sessions until both machines agree (the lobby); false when they never do.
    bool Connect();
    // The host starts a level; both play it to its end with random commands.
    NetLevelResult PlayLevel(const NetLevelChoice& choice);
    // Outside a level: the host shows its lobby settings, then both sessions
    // are serviced for this long on the network's clock.
    void Settle(int milliseconds);
    // Runs the change on the host's play state (its options among them).
    void OnHost(const std::function<void()>& change);
    // The host's (0) or the joining machine's (1) session.
    const NetSession& Session(int index) const { return *machines[index].session; }

    SimulatedNetwork network;

private:
    struct Machine {
        std::unique_ptr<NetSession> session;
        PlaySnapshot play;
        std::vector<DeferredAction> deferred;
        std::uint32_t due = 0;  // on the network's clock: when its next frame is due
        std::mt19937 random;
        std::deque<std::uint32_t> given;  // when each command not yet acted on was given
    };
    void Enter(Machine& machine);
    void Leave(Machine& machine);
    // Services the machine's session and runs its frame if it is due.
    void Step(Machine& machine, const NetLevelChoice& choice, NetLevelResult& result, int index);
    void GiveRandomCommands(Machine& machine, const NetLevelChoice& choice, FrameCommands& given);

    Machine machines[2];
};
