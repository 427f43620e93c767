// The rollback schedule of one level played by two machines: the local
// player's commands act on the next frame (or after a small input delay),
// the other side's commands for frames not heard of yet are predicted as
// none, and when they come and differ, the game goes back to the snapshot
// taken before the first frame they change and runs forward again. At most
// RollbackWindow frames run ahead of the other side's last commands. It
// knows nothing of sockets; the session sends what it returns.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "input/Commands.h"
#include "replay/Recorder.h"
#include "rules/PlayState.h"
#include "rules/Tick.h"

constexpr int RollbackWindow = 8;  // frames a machine may run past the other side's last commands

class RollbackSchedule {
public:
    RollbackSchedule(Side localSide, int inputDelay);

    int Frame() const { return frame; }  // the next frame to run, from 0
    int InputDelay() const { return delay; }
    Side LocalSide() const { return localSide; }
    // Frames whose commands of both sides are here.
    int Known() const { return static_cast<int>(remoteNext); }
    // The next frame may run: the other side is not further behind than the window.
    bool CanRun() const { return frame - Known() < RollbackWindow; }

    // The local player's commands given before this frame, kept to its side
    // and the game's, for Frame() + InputDelay(); returns them, to be sent.
    FrameCommands ScheduleLocal(const FrameCommands& given);
    // The other side's commands for a frame, in order; false when the peer
    // broke the protocol. Commands for a frame already run that are not the
    // "none" predicted mark it for correction.
    bool AcceptRemote(std::uint32_t remoteFrame, const FrameCommands& commands);
    // A frame's commands as both machines merge them (the gulper's player's
    // first), the other side's predicted as none when not here yet.
    FrameCommands Commands(int at) const;
    // The other side's commands for a frame not yet confirmed hold one of this type.
    bool RemoteGives(int at, CommandType type) const;

    // Before running Frame(): keeps the state it starts from; after: moves on.
    void KeepStart(PlaySnapshot snapshot, std::vector<DeferredAction> deferred);
    void Ran(FrameFacts facts);
    // Goes back and runs forward again when commands came that change a
    // frame already run: the frames re-run silently (their sounds were heard
    // or belong to events the correction removed). Returns the frames re-run.
    int Correct();
    // The first frame not yet handed to the recorder, when its commands of
    // both sides are here and it ran with them: its facts; false otherwise.
    bool NextConfirmed(int& at, FrameCommands& commands, FrameFacts& facts) const;
    void Confirmed();  // that frame was recorded; what it kept is let go
    // The play state after a frame that ran and is not yet let go: the start
    // of the next frame, or the state now after the last frame run. Empty
    // when neither is kept.
    PlaySnapshot StateAfter(int at) const;
    int ConfirmedFrames() const { return recorded; }
    std::int64_t LastRemoteHashFrame() const { return lastRemoteHash; }  // -1: none yet

    // Frames this machine is ahead of the other, by the commands heard and
    // the round trip in frames: the machine ahead slows down.
    int FramesAhead(int roundTripFrames) const;

    // The state hashes of confirmed frames, as Lockstep compares them.
    void NoteLocalHash(std::uint32_t hashFrame, std::uint64_t hash);
    bool AcceptRemoteHash(std::uint32_t hashFrame, std::uint64_t hash);
    int mismatchFrame = -1;  // the first confirmed frame whose hashes differ; -1: none yet
    int corrections = 0;     // times the game went back
    int framesRerun = 0;     // frames run again in all
    int deepest = 0;         // the most frames run again by one correction

private:
    static bool MayGive(Side side, const Command& command);
    void CompareHashes();

    struct Start {
        PlaySnapshot play;
        std::vector<DeferredAction> deferred;  // the tick's, which a re-run of frame 0 needs again
    };

    Side localSide;
    int delay;
    int frame = 0;
    int recorded = 0;         // frames handed to the recorder
    int correctFrom = -1;     // the first frame to run again; -1: none
    std::map<int, FrameCommands> local;   // this side's, by frame
    std::deque<FrameCommands> remote;     // the other side's, from frame `recorded` on
    std::uint32_t remoteNext;             // the frame the other side's next commands are for
    std::map<int, Start> starts;          // the state before each frame not yet confirmed
    std::map<int, FrameFacts> facts;      // what each frame not yet confirmed left
    std::int64_t lastRemoteHash = -1;  // the frame of the other side's last hash
    std::map<std::uint32_t, std::uint64_t> localHashes, remoteHashes;
};
