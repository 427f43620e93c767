// Two machines of a network game in one process, their play states swapped
// in and out around each machine's turn.
#include "tests/net/TwoMachines.h"

#include <algorithm>

#include "app/HeadlessGame.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"

namespace {

constexpr int SliceMilliseconds = 5;        // the network's clock moves this much at a time
constexpr int ConnectMilliseconds = 20000;  // of simulated time for the handshake
constexpr int MaxLevelFrames = 5000;        // a level that runs longer is stuck
constexpr int MaxLevelSlices = 200000;      // and one whose machines wait this long on the network
constexpr int MaxCatchUpFrames = 4;         // as the frame pacer: later frames are dropped

int SoundsPlayed()
{
    int played = 0;
    for (const int count : TheSounds->playCount)
        played += count;
    return played;
}

// With rollback: the screen may show the level's end before the session acts
// on it, and the session acts on it only once its frame is confirmed.
void NoteEnd(const NetSession& session, NetLevelResult& result, int index)
{
    const RollbackSchedule* rollback = session.Rollback();
    if (!rollback)
        return;
    const bool shown = GameState == GulperWins || GameState == GhostsWin;
    if (shown && session.Phase() == NetPhase::Level)
        ++result.endShownUnconfirmed[index];
    const Replay& replay = session.LastReplay();
    if (session.Phase() != NetPhase::Level &&
        (rollback->ConfirmedFrames() != replay.frameCount || replay.frameCount == 0))
        result.endActedConfirmed[index] = false;
}

bool InLevel(const NetSession& session)
{
    return session.Phase() == NetPhase::Level || session.Phase() == NetPhase::LevelEnded;
}

}  // namespace

TwoMachines::TwoMachines(const SimulatedConditions& conditions, const NetOptions& options,
                         std::uint32_t playerSeed)
    : network(conditions)
{
    const PlaySnapshot fresh = SavePlay();
    for (int i = 0; i < 2; ++i) {
        NetOptions own = options;
        own.role = i == 0 ? NetRole::Host : NetRole::Join;
        machines[i].session = std::make_unique<NetSession>(own, network.TakeEndpoint(i));
        machines[i].play = fresh;
        machines[i].random.seed(playerSeed * 2 + static_cast<std::uint32_t>(i));
    }
}

TwoMachines::~TwoMachines()
{
    for (Machine& machine : machines) {
        Enter(machine);
        machine.session.reset();  // gives back the player's settings of a level under way
        Leave(machine);
    }
}

void TwoMachines::Enter(Machine& machine)
{
    RestorePlay(machine.play);
    TheTick.deferred = machine.deferred;
}

void TwoMachines::Leave(Machine& machine)
{
    machine.play = SavePlay();
    machine.deferred = TheTick.deferred;
    TheTick.deferred.clear();
}

bool TwoMachines::Connect()
{
    for (Machine& machine : machines) {
        Enter(machine);
        machine.session->Open();
        Leave(machine);
    }
    network.Connect();
    const std::uint32_t until = network.Now() + ConnectMilliseconds;
    while (static_cast<int>(until - network.Now()) > 0) {
        bool agreed = true;
        for (Machine& machine : machines) {
            Enter(machine);
            machine.session->Service(0);
            agreed = agreed && machine.session->Phase() == NetPhase::Lobby;
            Leave(machine);
        }
        if (agreed)
            return true;
        network.Advance(SliceMilliseconds);
    }
    return false;
}

void TwoMachines::OnHost(const std::function<void()>& change)
{
    Enter(machines[0]);
    change();
    Leave(machines[0]);
}

void TwoMachines::Settle(int milliseconds)
{
    const std::uint32_t until = network.Now() + static_cast<std::uint32_t>(milliseconds);
    while (static_cast<int>(until - network.Now()) > 0) {
        for (Machine& machine : machines) {
            Enter(machine);
            machine.session->ShowLobbySettings();
            machine.session->Service(0);
            Leave(machine);
        }
        network.Advance(SliceMilliseconds);
    }
}

void TwoMachines::GiveRandomCommands(Machine& machine, const NetLevelChoice& choice,
                                     FrameCommands& given)
{
    auto below = [&](int count) {
        return static_cast<int>(machine.random() % static_cast<unsigned>(count));
    };
    if (choice.exitPercent > 0 && below(1000) < choice.exitPercent) {
        given.Add(CommandType::ExitGame);
        return;
    }
    if (below(4) != 0)
        return;
    if (machine.session->LocalSide() == Side::Gulper) {
        given.Add(CommandType::SteerGulper, below(4));
        return;
    }
    switch (below(4)) {
    case 0:
        given.Add(CommandType::SelectAll);
        break;
    case 1:
        given.Add(CommandType::SelectGhost, below(4));
        break;
    case 2:
        given.Add(CommandType::OrderToPoint, below(504), below(360));
        break;
    default:
        given.Add(CommandType::DriveGhost, below(4));
        break;
    }
}

void TwoMachines::Step(Machine& machine, const NetLevelChoice& choice, NetLevelResult& result,
                       int index)
{
    NetSession& session = *machine.session;
    session.Service(0);
    if (!InLevel(session) || static_cast<int>(network.Now() - machine.due) < 0)
        return;
    const int period = TheScreen->framePeriod;
    if (session.Phase() == NetPhase::LevelEnded) {
        result.replays[index] = session.LastReplay();
        RunHeadlessFrame(FrameCommands(), false);
        session.EndFrameDone();
    } else {
        FrameCommands given;
        if (session.FrameReady())
            GiveRandomCommands(machine, choice, given);
        FrameCommands commands;
        const int soundsBefore = SoundsPlayed();
        const bool ready = session.TakeLevelFrame(given, commands);
        result.soundsWhileTakingFrames[index] += SoundsPlayed() - soundsBefore;
        NoteEnd(session, result, index);
        if (!ready)
            return;  // the frame waits for the other side, looking again next slice
        if (!given.list.empty())
            machine.given.push_back(network.Now());
        // The frame that carries out a command of this side shows it when it is drawn.
        const Side own = session.LocalSide();
        const bool acts = std::any_of(commands.list.begin(), commands.list.end(),
                                      [&](const Command& command) { return SideOf(command.type) == own; });
        if (acts && !machine.given.empty()) {
            result.latencyFrames[index] +=
                static_cast<long>(network.Now() - machine.given.front()) / period + 1;
            ++result.latencyCount[index];
            machine.given.pop_front();
        }
        RunHeadlessFrame(commands, false);
        if (index == 1 && choice.joinerChange && choice.joinerChangeFrom >= 0 &&
            result.frames[1] >= choice.joinerChangeFrom)
            choice.joinerChange();
        session.LevelFrameDone(commands);
        result.replays[index] = session.LastReplay();
        NoteEnd(session, result, index);
    }
    ++result.frames[index];
    machine.due += static_cast<std::uint32_t>(period + session.AdvisedWaitMilliseconds());
    if (static_cast<int>(network.Now() - machine.due) > MaxCatchUpFrames * period)
        machine.due = network.Now();
}

NetLevelResult TwoMachines::PlayLevel(const NetLevelChoice& choice)
{
    NetLevelResult result;
    Machine& host = machines[0];
    Enter(host);
    Config& config = *TheConfig;
    config.gulperController = choice.hostPlaysGhosts ? Computer : Human;
    config.ghostsController = choice.hostPlaysGhosts ? Human : Computer;
    config.framesPerSecond = choice.framesPerSecond;
    TheTick.timer->limit = choice.timeLimit;
    const bool started = host.session->HostStartLevel(choice.mazeText);
    Leave(host);
    if (!started) {
        result.notices[0] = host.session->Notice();
        return result;
    }
    for (Machine& machine : machines) {
        machine.due = network.Now();
        machine.given.clear();
    }
    const int levelNumber = host.session->LevelNumber();
    auto playing = [&](const Machine& machine) {
        return InLevel(*machine.session) && machine.session->LevelNumber() == levelNumber;
    };
    // The joiner has not heard of the level yet: it is in the level once it has.
    bool joinerStarted = false;
    for (int slice = 0; slice < MaxLevelSlices && result.frames[0] < MaxLevelFrames &&
                        result.frames[1] < MaxLevelFrames;
         ++slice) {
        for (int i = 0; i < 2; ++i) {
            Enter(machines[i]);
            Step(machines[i], choice, result, i);
            // The replay of this level, whatever ended it, until the next level starts.
            if (machines[i].session->LevelNumber() == levelNumber)
                result.replays[i] = machines[i].session->LastReplay();
            Leave(machines[i]);
        }
        joinerStarted = joinerStarted || machines[1].session->LevelNumber() == levelNumber;
        const bool joinerGone = machines[1].session->Phase() == NetPhase::Offline;
        if (!playing(machines[0]) && (joinerStarted || joinerGone) && !playing(machines[1])) {
            result.finished = true;
            break;
        }
        network.Advance(SliceMilliseconds);
    }
    for (int i = 0; i < 2; ++i) {
        result.notices[i] = machines[i].session->Notice();
        if (!result.finished)
            result.notices[i] += " (phase " + std::to_string(static_cast<int>(machines[i].session->Phase())) +
                                 ", level " + std::to_string(machines[i].session->LevelNumber()) +
                                 ", frames " + std::to_string(result.frames[i]) + ")";
        result.waitedFrames[i] = machines[i].session->waitedFrames;
        if (const RollbackSchedule* rollback = machines[i].session->Rollback()) {
            result.corrections[i] = rollback->corrections;
            result.framesRerun[i] = rollback->framesRerun;
            result.deepest[i] = rollback->deepest;
        }
    }
    return result;
}
