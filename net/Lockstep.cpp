#include "net/Lockstep.h"

#include <algorithm>

Lockstep::Lockstep(Side localSide, int delay)
    : localSide(localSide), delay(delay), local(delay), remote(delay),
      remoteNext(static_cast<std::uint32_t>(delay))
{
}

bool Lockstep::MayGive(Side side, const Command& command)
{
    const Side of = SideOf(command.type);
    return of == side || (of == Side::Game && command.type != CommandType::KeysHelp);
}

FrameCommands Lockstep::ScheduleLocal(const FrameCommands& given)
{
    FrameCommands kept;
    for (const Command& command : given.list)
        if (MayGive(localSide, command))
            kept.list.push_back(command);
    local.push_back(kept);
    return kept;
}

bool Lockstep::AcceptRemote(std::uint32_t remoteFrame, const FrameCommands& commands)
{
    // A peer on schedule has ticked at most delay - 1 frames past ours and
    // sends for delay frames past its own.
    if (remoteFrame != remoteNext || remoteFrame > static_cast<std::uint32_t>(frame + 2 * delay))
        return false;
    const Side remoteSide = localSide == Side::Gulper ? Side::Ghosts : Side::Gulper;
    for (const Command& command : commands.list)
        if (!MayGive(remoteSide, command))
            return false;
    remote.push_back(commands);
    ++remoteNext;
    return true;
}

FrameCommands Lockstep::Advance()
{
    FrameCommands merged = localSide == Side::Gulper ? local.front() : remote.front();
    const FrameCommands& second = localSide == Side::Gulper ? remote.front() : local.front();
    merged.list.insert(merged.list.end(), second.list.begin(), second.list.end());
    local.pop_front();
    remote.pop_front();
    ++frame;
    return merged;
}

bool Lockstep::RemoteGives(CommandType type) const
{
    if (remote.empty())
        return false;
    for (const Command& command : remote.front().list)
        if (command.type == type)
            return true;
    return false;
}

void Lockstep::NoteLocalHash(std::uint32_t hashFrame, std::uint64_t hash)
{
    localHashes[hashFrame] = hash;
    CompareHashes();
}

bool Lockstep::AcceptRemoteHash(std::uint32_t hashFrame, std::uint64_t hash)
{
    if (static_cast<std::int64_t>(hashFrame) <= lastRemoteHash ||
        hashFrame >= static_cast<std::uint32_t>(frame + delay))
        return false;
    lastRemoteHash = hashFrame;
    remoteHashes[hashFrame] = hash;
    CompareHashes();
    return true;
}

void Lockstep::CompareHashes()
{
    // Both maps hold frames in order and each side sends every frame it notes.
    while (!localHashes.empty() && !remoteHashes.empty()) {
        const auto mine = localHashes.begin();
        const auto theirs = remoteHashes.begin();
        if (mine->first < theirs->first) {
            localHashes.erase(mine);  // a frame the other side has not noted
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

WatchSchedule::WatchSchedule(int delay)
    : gulper(delay), ghosts(delay), gulperNext(static_cast<std::uint32_t>(delay)),
      ghostsNext(static_cast<std::uint32_t>(delay))
{
}

bool WatchSchedule::Accept(Side side, std::uint32_t sentFrame, const FrameCommands& commands)
{
    std::uint32_t& next = side == Side::Gulper ? gulperNext : ghostsNext;
    if (sentFrame != next)
        return false;
    for (const Command& command : commands.list)
        if (SideOf(command.type) != side && SideOf(command.type) != Side::Game)
            return false;
    (side == Side::Gulper ? gulper : ghosts).push_back(commands);
    ++next;
    return true;
}

int WatchSchedule::FramesBehind() const
{
    return static_cast<int>(std::min(gulper.size(), ghosts.size()));
}

FrameCommands WatchSchedule::Advance()
{
    FrameCommands merged = gulper.front();
    merged.list.insert(merged.list.end(), ghosts.front().list.begin(), ghosts.front().list.end());
    gulper.pop_front();
    ghosts.pop_front();
    ++frame;
    return merged;
}
