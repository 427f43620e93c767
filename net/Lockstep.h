// The lockstep schedule of one level played by two machines: each machine
// sends only its own player's commands, and both tick a frame only when they
// hold both players' commands for it. Commands given before frame N's tick
// act in frame N + delay on both machines; the first delay frames have none.
// It knows nothing of sockets: the caller sends what it returns and hands it
// what arrives.
#pragma once

#include <cstdint>
#include <deque>
#include <map>

#include "input/Commands.h"

class Lockstep {
public:
    Lockstep(Side localSide, int delay);

    int Frame() const { return frame; }  // the next frame to tick, from 0
    int Delay() const { return delay; }
    Side LocalSide() const { return localSide; }

    // The local player's commands given before this frame's tick, kept to
    // its own side and the game's (not the keys help, which would stop one
    // machine only): scheduled for Frame() + delay. Call once before each
    // Advance; returns the commands kept, to be sent for that frame.
    FrameCommands ScheduleLocal(const FrameCommands& given);
    // The other side's commands for a frame. False when the peer broke the
    // protocol: not the frame that follows its last, further ahead than a
    // peer keeping to the schedule can be, or a command that is not its own.
    bool AcceptRemote(std::uint32_t remoteFrame, const FrameCommands& commands);
    // Both players' commands for Frame() are here.
    bool Ready() const { return !remote.empty(); }
    // The commands of Frame(), the gulper's player's first; moves on one frame.
    FrameCommands Advance();
    // The other side gives a command of this type in Frame() (once Ready).
    bool RemoteGives(CommandType type) const;

    // The state hash after a frame, from this machine and from the other;
    // false when the other's frame is out of order or further ahead than its
    // schedule allows. A hash that differs from this machine's for the same
    // frame is kept in mismatchFrame.
    void NoteLocalHash(std::uint32_t hashFrame, std::uint64_t hash);
    bool AcceptRemoteHash(std::uint32_t hashFrame, std::uint64_t hash);
    int mismatchFrame = -1;  // the first frame whose hashes differ; -1: none yet
    // The frame of the other side's last hash; -1: none yet.
    std::int64_t LastRemoteHashFrame() const { return lastRemoteHash; }

private:
    // A command the player of this side may give over the network.
    static bool MayGive(Side side, const Command& command);
    void CompareHashes();

    Side localSide;
    int delay;
    int frame = 0;
    std::deque<FrameCommands> local;   // this side's commands for Frame(), Frame() + 1, ...
    std::deque<FrameCommands> remote;  // the other side's, from Frame() on
    std::uint32_t remoteNext;          // the frame the other side's next commands are for
    std::int64_t lastRemoteHash = -1;  // the frame of the other side's last hash
    std::map<std::uint32_t, std::uint64_t> localHashes, remoteHashes;  // not yet compared
};

// What a spectator follows: both players' commands as they sent them, each
// for the frame it acts in (the first delay frames have none), merged the
// way the players' machines merge them.
class WatchSchedule {
public:
    explicit WatchSchedule(int delay);
    int Frame() const { return frame; }  // the next frame to tick, from 0
    // One player's commands for a frame; false when they are out of order or
    // not that player's to give.
    bool Accept(Side side, std::uint32_t sentFrame, const FrameCommands& commands);
    // Both players' commands for Frame() are here.
    bool Ready() const { return !gulper.empty() && !ghosts.empty(); }
    // Frames both players have sent and the spectator has yet to tick.
    int FramesBehind() const;
    // The commands of Frame(), the gulper's player's first; moves on one frame.
    FrameCommands Advance();

private:
    int frame = 0;
    std::deque<FrameCommands> gulper, ghosts;  // each side's commands from Frame() on
    std::uint32_t gulperNext, ghostsNext;      // the frame each side's next commands are for
};
