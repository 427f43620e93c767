// The replays of the levels played in the window: each level is recorded
// from its start, and written to data/replays/ as soon as it ends or is left.
// The newest RotatedReplays files are kept, older ones removed; a replay the
// player keeps is written again under a name that is never removed.
#pragma once

#include <string>

#include "replay/Recorder.h"

constexpr const char* ReplayFolder = "data/replays";
constexpr int RotatedReplays = 20;  // recorded levels kept before the oldest goes

class ReplayArchive {
public:
    explicit ReplayArchive(std::string folder = ReplayFolder);

    // After each frame's tick and sounds, with the commands the tick was given:
    // a level that started in the frame is recorded from it on.
    void FrameDone(const FrameCommands& commands);
    // Writes the replay of a level recorded elsewhere (network play with
    // rollback records only the frames both machines have confirmed), as
    // FrameDone writes a level that ended.
    void WriteLevel(const Replay& replay);
    // Keeps the replay of the level that ended last; false when there is none
    // or it cannot be written.
    bool KeepLast();
    // The newest replay written, by its number; empty when there is none.
    std::string LatestPath() const;
    // What the end-of-level pause says about the level's replay.
    const std::string& Notice() const { return notice; }

    bool recording = true;  // false while a replay is being watched

private:
    void WriteFinished();
    void RemoveOldest() const;
    std::string PathOf(const char* prefix, int number) const;

    std::string folder;
    ReplayRecorder recorder;
    bool levelUnderWay = false;  // a level is being recorded
    int nextNumber = 1;          // the number of the next replay file
    int lastNumber = 0;          // the number of the replay written last; 0: none yet
    bool lastKept = false;       // it has been kept already
    std::string notice;
};


// The file name of a rotated replay and of a kept one, and their number.
constexpr const char* RotatedPrefix = "replay_";
constexpr const char* KeptPrefix = "kept_";
constexpr const char* ReplayExtension = ".gwr";
// The number in a file name made by PathOf with the prefix; 0 when it is not one.
int ReplayNumberOf(const std::string& fileName, const std::string& prefix);
