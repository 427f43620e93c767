#include "replay/Archive.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "actors/GameEvents.h"
#include "platform/GameState.h"
#include "rules/Settings.h"
#include "platform/Globals.h"
#include "maze/Maze.h"

namespace fs = std::filesystem;

namespace {

constexpr int NumberDigits = 6;
constexpr const char* KeepHint = "K keeps this level's replay";

// The numbers of the files with the prefix in the folder, in any order.
std::vector<int> NumbersIn(const std::string& folder, const std::string& prefix)
{
    std::vector<int> numbers;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const int number = ReplayNumberOf(it->path().filename().string(), prefix);
        if (number > 0)
            numbers.push_back(number);
    }
    return numbers;
}

}  // namespace

int ReplayNumberOf(const std::string& fileName, const std::string& prefix)
{
    const std::string extension = ReplayExtension;
    if (fileName.size() != prefix.size() + NumberDigits + extension.size() ||
        fileName.compare(0, prefix.size(), prefix) != 0 ||
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        return 0;
    int number = 0;
    for (int i = 0; i < NumberDigits; ++i) {
        const char digit = fileName[prefix.size() + i];
        if (digit < '0' || digit > '9')
            return 0;
        number = number * 10 + (digit - '0');
    }
    return number;
}

ReplayArchive::ReplayArchive(std::string folderPath) : folder(std::move(folderPath))
{
    // Numbering goes on after the highest number of either kind.
    std::vector<int> numbers = NumbersIn(folder, RotatedPrefix);
    const std::vector<int> kept = NumbersIn(folder, KeptPrefix);
    numbers.insert(numbers.end(), kept.begin(), kept.end());
    if (!numbers.empty())
        nextNumber = *std::max_element(numbers.begin(), numbers.end()) + 1;
}

std::string ReplayArchive::PathOf(const char* prefix, int number) const
{
    char name[64];
    snprintf(name, sizeof name, "%s%0*d%s", prefix, NumberDigits, number, ReplayExtension);
    return folder + "/" + name;
}

void ReplayArchive::FrameDone(const FrameCommands& commands)
{
    // A level that started in this frame (from a menu, or the next level of a
    // campaign at the end of the last one) is recorded from this frame on.
    if (GameEvents.CountLast(GameEvent::LevelStarted) > 0) {
        levelUnderWay = recording;
        if (levelUnderWay)
            recorder.Start(TheMaze->LevelText(), CurrentLevelSettings());
    }
    if (!levelUnderWay)
        return;
    recorder.AddFrame(commands);
    if (recorder.Finished()) {
        levelUnderWay = false;
        // A level left before any frame of play (a start that failed or was
        // taken back) shows nothing worth a replay, and would push real ones
        // out of the newest.
        const Replay& replay = recorder.replay;
        const bool empty = replay.outcome.end == ReplayEnd::Left && replay.outcome.playFrames == 0;
        if (!empty)
            WriteFinished();
    }
}

void ReplayArchive::WriteLevel(const Replay& replay)
{
    if (!recording || replay.frameCount == 0)
        return;
    recorder.replay = replay;
    WriteFinished();
}

void ReplayArchive::WriteFinished()
{
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string path = PathOf(RotatedPrefix, nextNumber);
    if (!WriteReplay(path.c_str(), recorder.replay)) {
        fprintf(stdout, "The replay could not be written to %s\n", path.c_str());
        notice.clear();
        return;
    }
    lastNumber = nextNumber++;
    lastKept = false;
    notice = KeepHint;
    RemoveOldest();
}

void ReplayArchive::RemoveOldest() const
{
    std::vector<int> numbers = NumbersIn(folder, RotatedPrefix);
    if (static_cast<int>(numbers.size()) <= RotatedReplays)
        return;
    std::sort(numbers.begin(), numbers.end());
    const std::size_t surplus = numbers.size() - RotatedReplays;
    for (std::size_t i = 0; i < surplus; ++i) {
        std::error_code error;
        fs::remove(PathOf(RotatedPrefix, numbers[i]), error);
    }
}

bool ReplayArchive::KeepLast()
{
    if (lastNumber == 0 || levelUnderWay)
        return false;  // nothing has ended since the last level started
    if (lastKept)
        return true;
    const std::string path = PathOf(KeptPrefix, lastNumber);
    if (!WriteReplay(path.c_str(), recorder.replay)) {
        fprintf(stdout, "The replay could not be kept in %s\n", path.c_str());
        notice = "The replay could not be kept";
        return false;
    }
    lastKept = true;
    notice = "Replay kept as " + path;
    return true;
}

std::string ReplayArchive::LatestPath() const
{
    if (lastNumber != 0)
        return PathOf(RotatedPrefix, lastNumber);
    const std::vector<int> numbers = NumbersIn(folder, RotatedPrefix);
    if (numbers.empty())
        return "";
    return PathOf(RotatedPrefix, *std::max_element(numbers.begin(), numbers.end()));
}
