// The rollback schedule: prediction, correction by going back to a
// snapshot, and the frames confirmed for the replay and the hashes.
#include "net/Rollback.h"

#include <algorithm>

#include "actors/GameEvents.h"

RollbackSchedule::RollbackSchedule(Side localSide, int inputDelay)
    : localSide(localSide), delay(inputDelay), remote(static_cast<std::size_t>(inputDelay)),
      remoteNext(static_cast<std::uint32_t>(inputDelay))
{
}

bool RollbackSchedule::MayGive(Side side, const Command& command)
{
    const Side of = SideOf(command.type);
    return (of == side || of == Side::Game) && command.type != CommandType::KeysHelp;
}

FrameCommands RollbackSchedule::ScheduleLocal(const FrameCommands& given)
{
    FrameCommands kept;
    for (const Command& command : given.list)
        if (MayGive(localSide, command))
            kept.list.push_back(command);
    local[frame + delay] = kept;
    return kept;
}

bool RollbackSchedule::AcceptRemote(std::uint32_t remoteFrame, const FrameCommands& commands)
{
    // A peer on schedule is at most the window ahead, and sends for its input delay past that.
    if (remoteFrame != remoteNext ||
        remoteFrame > static_cast<std::uint32_t>(frame + RollbackWindow + delay))
        return false;
    const Side remoteSide = localSide == Side::Gulper ? Side::Ghosts : Side::Gulper;
    for (const Command& command : commands.list)
        if (!MayGive(remoteSide, command))
            return false;
    remote.push_back(commands);
    ++remoteNext;
    // The frame ran with none predicted: other commands mean going back to it.
    const int at = static_cast<int>(remoteFrame);
    if (at < frame && !commands.list.empty() && (correctFrom < 0 || at < correctFrom))
        correctFrom = at;
    return true;
}

FrameCommands RollbackSchedule::Commands(int at) const
{
    static const FrameCommands none;
    const auto mine = local.find(at);
    const FrameCommands& ours = mine != local.end() ? mine->second : none;
    const std::size_t index = static_cast<std::size_t>(at - recorded);
    const FrameCommands& theirs = at < Known() && at >= recorded ? remote[index] : none;
    FrameCommands merged = localSide == Side::Gulper ? ours : theirs;
    const FrameCommands& second = localSide == Side::Gulper ? theirs : ours;
    merged.list.insert(merged.list.end(), second.list.begin(), second.list.end());
    return merged;
}

bool RollbackSchedule::RemoteGives(int at, CommandType type) const
{
    if (at < recorded || at >= Known())
        return false;
    for (const Command& command : remote[static_cast<std::size_t>(at - recorded)].list)
        if (command.type == type)
            return true;
    return false;
}

void RollbackSchedule::KeepStart(PlaySnapshot snapshot, std::vector<DeferredAction> deferred)
{
    starts[frame] = {std::move(snapshot), std::move(deferred)};
}

void RollbackSchedule::Ran(FrameFacts ranFacts)
{
    facts[frame] = std::move(ranFacts);
    ++frame;
}

int RollbackSchedule::Correct()
{
    if (correctFrom < 0)
        return 0;
    const int from = correctFrom;
    correctFrom = -1;
    const Start& start = starts.at(from);
    RestorePlay(start.play);
    TheTick.deferred = start.deferred;
    for (int at = from; at < frame; ++at) {
        if (at > from)
            starts[at] = {SavePlay(), TheTick.deferred};
        Tick(Commands(at));
        GameEvents.EndFrame();  // silently: no sound is played again
        facts[at] = ReadFrameFacts(true);
    }
    ++corrections;
    framesRerun += frame - from;
    deepest = std::max(deepest, frame - from);
    return frame - from;
}

bool RollbackSchedule::NextConfirmed(int& at, FrameCommands& commands, FrameFacts& ranFacts) const
{
    if (recorded >= frame || recorded >= Known() || correctFrom >= 0)
        return false;
    at = recorded;
    commands = Commands(at);
    ranFacts = facts.at(at);
    return true;
}

PlaySnapshot RollbackSchedule::StateAfter(int at) const
{
    if (const auto next = starts.find(at + 1); next != starts.end())
        return next->second.play;
    return at == frame - 1 ? SavePlay() : PlaySnapshot();
}

void RollbackSchedule::Confirmed()
{
    local.erase(recorded);
    starts.erase(recorded);
    facts.erase(recorded);
    remote.pop_front();
    ++recorded;
}

int RollbackSchedule::FramesAhead(int roundTripFrames) const
{
    // The other side sent its commands for frame F + delay while at frame F,
    // half a round trip ago.
    const int theirs = Known() - delay + roundTripFrames / 2;
    return frame - theirs;
}

void RollbackSchedule::NoteLocalHash(std::uint32_t hashFrame, std::uint64_t hash)
{
    localHashes[hashFrame] = hash;
    CompareHashes();
}

bool RollbackSchedule::AcceptRemoteHash(std::uint32_t hashFrame, std::uint64_t hash)
{
    // The other side hashes only frames confirmed there, whose commands it sent us.
    if (static_cast<std::int64_t>(hashFrame) <= lastRemoteHash ||
        hashFrame >= static_cast<std::uint32_t>(frame + RollbackWindow + delay))
        return false;
    lastRemoteHash = hashFrame;
    remoteHashes[hashFrame] = hash;
    CompareHashes();
    return true;
}

void RollbackSchedule::CompareHashes()
{
    while (!localHashes.empty() && !remoteHashes.empty()) {
        const auto mine = localHashes.begin();
        const auto theirs = remoteHashes.begin();
        if (mine->first < theirs->first) {
            localHashes.erase(mine);
        } else if (theirs->first < mine->first) {
            remoteHashes.erase(theirs);
        } else {
            if (mine->second != theirs->second && mismatchFrame < 0)
                mismatchFrame = static_cast<int>(mine->first);
            localHashes.erase(mine);
            remoteHashes.erase(theirs);
        }
    }
}
