#include "replay/ReplayFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "actors/Actor.h"
#include "actors/GameEvents.h"
#include "actors/GhostSquad.h"
#include "platform/AtomicFile.h"
#include "platform/BitCast.h"
#include "platform/GameState.h"

namespace {

constexpr int GameModeCount = CustomMode + 1;
constexpr int MaxNumber = 0x7FFFFFFF;  // the largest count or number stored in a u32
constexpr std::size_t HeaderBytes = sizeof ReplayMagic + 2;
constexpr std::size_t HashBytes = 8;
constexpr std::size_t SmallestRecordBytes = 3;  // the gap, the version and the count
constexpr int GapBits = 7;                      // LEB128: seven bits a byte, the top bit "more"
constexpr int LongestGapBytes = 5;

// Appends little-endian numbers and lengths with bytes.
struct Writer {
    std::string bytes;

    void Unsigned(std::uint64_t value, int size)
    {
        for (int i = 0; i < size; ++i, value >>= 8)
            bytes.push_back(static_cast<char>(value & 0xFF));
    }
    void U8(int value) { Unsigned(static_cast<std::uint64_t>(value), 1); }
    void U16(int value) { Unsigned(static_cast<std::uint64_t>(value), 2); }
    void U32(int value) { Unsigned(static_cast<std::uint32_t>(value), 4); }
    void F64(double value) { Unsigned(BitCast<std::uint64_t>(value), 8); }
    void Text(const std::string& text, int lengthSize)
    {
        Unsigned(text.size(), lengthSize);
        bytes += text;
    }
    void Gap(std::uint32_t value)
    {
        do {
            const int low = value & 0x7F;
            value >>= GapBits;
            U8(value != 0 ? low | 0x80 : low);
        } while (value != 0);
    }
};

// Reads little-endian numbers, never past the end; the first failure is kept.
struct Reader {
    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t at = 0;
    std::string error;

    std::size_t Left() const { return size - at; }
    bool Fail(const std::string& why)
    {
        if (error.empty())
            error = why;
        return false;
    }
    bool Unsigned(std::uint64_t& value, int count)
    {
        value = 0;
        if (Left() < static_cast<std::size_t>(count))
            return Fail("truncated");
        for (int i = 0; i < count; ++i)
            value |= static_cast<std::uint64_t>(bytes[at++]) << (8 * i);
        return true;
    }
    // A number of count bytes that must not exceed most.
    bool Number(int& value, int count, std::int64_t most, const char* what)
    {
        std::uint64_t raw = 0;
        if (!Unsigned(raw, count))
            return false;
        if (raw > static_cast<std::uint64_t>(most))
            return Fail(std::string("corrupted: ") + what + " out of range");
        value = static_cast<int>(raw);
        return true;
    }
    bool Speed(double& value, const char* what)
    {
        std::uint64_t raw = 0;
        if (!Unsigned(raw, 8))
            return false;
        value = BitCast<double>(raw);
        if (!(value >= MinSpeed && value <= MaxSpeed))
            return Fail(std::string("corrupted: ") + what + " out of range");
        return true;
    }
    bool Text(std::string& text, int lengthSize, std::size_t most, const char* what)
    {
        std::uint64_t length = 0;
        if (!Unsigned(length, lengthSize))
            return false;
        if (length > most)
            return Fail(std::string("corrupted: ") + what + " too long");
        if (length > Left())
            return Fail("truncated");
        text.assign(reinterpret_cast<const char*>(bytes + at), length);
        at += length;
        return true;
    }
    bool Gap(int& value, int most)
    {
        std::uint64_t gap = 0;
        for (int i = 0; i < LongestGapBytes; ++i) {
            std::uint64_t byte = 0;
            if (!Unsigned(byte, 1))
                return false;
            gap |= (byte & 0x7F) << (GapBits * i);
            if ((byte & 0x80) == 0) {
                if (most < 0 || gap > static_cast<std::uint64_t>(most))
                    return Fail("corrupted: commands beyond the last frame");
                value = static_cast<int>(gap);
                return true;
            }
        }
        return Fail("corrupted: a frame gap too long");
    }
};

bool ReadSettings(Reader& in, LevelSettings& settings)
{
    int gulper = 0, ghosts = 0;
    if (!in.Number(gulper, 1, static_cast<int>(Computer), "gulper controller") ||
        !in.Number(ghosts, 1, static_cast<int>(Computer), "ghosts controller"))
        return false;
    settings.gulperController = ControllerOf(gulper);
    settings.ghostsController = ControllerOf(ghosts);
    if (!in.Speed(settings.gulperSpeed, "gulper speed") ||
        !in.Speed(settings.ghostSpeed, "ghost speed") ||
        !in.Number(settings.ghostCount, 1, MaxGhosts, "ghost count") ||
        !in.Number(settings.timeLimit, 4, MaxReplayTimeLimit, "time limit") ||
        !in.Number(settings.framesPerSecond, 2, MaxReplayFramesPerSecond, "frame rate"))
        return false;
    if (settings.framesPerSecond == 0)
        return in.Fail("corrupted: frame rate out of range");
    return in.Number(settings.gameMode, 1, GameModeCount - 1, "game mode") &&
           in.Number(settings.level, 4, MaxNumber, "level number");
}

bool ReadOutcome(Reader& in, ReplayOutcome& outcome)
{
    int end = 0;
    if (!in.Number(end, 1, ReplayEndCount - 1, "outcome"))
        return false;
    outcome.end = static_cast<ReplayEnd>(end);
    return in.Number(outcome.playFrames, 4, MaxReplayFrames, "frames of play") &&
           in.Number(outcome.cornEaten, 4, MaxNumber, "corn eaten") &&
           in.Number(outcome.boostsEaten, 4, MaxNumber, "boosts eaten") &&
           in.Number(outcome.ghostsEaten, 4, MaxNumber, "ghosts eaten");
}

bool ReadRecords(Reader& in, Replay& replay)
{
    int recordCount = 0;
    if (!in.Number(replay.frameCount, 4, MaxReplayFrames, "frame count") ||
        !in.Number(recordCount, 4, replay.frameCount, "record count"))
        return false;
    if (static_cast<std::size_t>(recordCount) > in.Left() / SmallestRecordBytes)
        return in.Fail("truncated");
    replay.records.clear();
    replay.records.reserve(recordCount);
    int next = 0;  // the first frame the next record may be for
    for (int i = 0; i < recordCount; ++i) {
        int gap = 0;
        if (!in.Gap(gap, replay.frameCount - next - 1))
            return false;
        ReplayRecord record;
        record.frame = next + gap;
        std::size_t used = 0;
        if (!DecodeCommands(in.bytes + in.at, in.Left(), record.commands, used))
            return in.Fail("truncated or corrupted: the commands of frame " +
                           std::to_string(record.frame));
        in.at += used;
        next = record.frame + 1;
        replay.records.push_back(std::move(record));
    }
    return true;
}

bool ReadHashes(Reader& in, Replay& replay)
{
    int hashCount = 0;
    if (!in.Number(hashCount, 4, MaxReplayFrames, "hash count"))
        return false;
    if (hashCount != replay.outcome.playFrames / replay.settings.framesPerSecond)
        return in.Fail("corrupted: the hashes do not match the frames of play");
    if (static_cast<std::size_t>(hashCount) + 1 > in.Left() / HashBytes)
        return in.Fail("truncated");
    replay.secondHashes.resize(hashCount);
    for (std::uint64_t& hash : replay.secondHashes)
        in.Unsigned(hash, HashBytes);
    return in.Unsigned(replay.endHash, HashBytes);
}

}  // namespace

const char* ReplayEndName(ReplayEnd end)
{
    switch (end) {
    case ReplayEnd::LastCorn:
        return "gulper wins: last corn";
    case ReplayEnd::TimeOut:
        return "gulper wins: time out";
    case ReplayEnd::Caught:
        return "ghosts win: caught";
    case ReplayEnd::Left:
        return "left before the end";
    }
    return "";
}

void NoteEnding(ReplayEnd& end)
{
    NoteEnding(end, GameEvents.lastFrame);
}

void NoteEnding(ReplayEnd& end, const std::vector<GameEvent>& events)
{
    const auto happened = [&](GameEvent event) {
        return std::find(events.begin(), events.end(), event) != events.end();
    };
    if (happened(GameEvent::LastCornEaten))
        end = ReplayEnd::LastCorn;
    if (happened(GameEvent::TimeOut))
        end = ReplayEnd::TimeOut;
    if (happened(GameEvent::GulperCaught))
        end = ReplayEnd::Caught;
}

std::string EncodeReplay(const Replay& replay)
{
    Writer out;
    out.bytes.append(ReplayMagic, sizeof ReplayMagic);
    out.U16(ReplayFormatVersion);
    out.Text(replay.gameVersion, 2);

    const LevelSettings& settings = replay.settings;
    out.U8(static_cast<int>(settings.gulperController));
    out.U8(static_cast<int>(settings.ghostsController));
    out.F64(settings.gulperSpeed);
    out.F64(settings.ghostSpeed);
    out.U8(settings.ghostCount);
    out.U32(settings.timeLimit);
    out.U16(settings.framesPerSecond);
    out.U8(settings.gameMode);
    out.U32(settings.level);

    const ReplayOutcome& outcome = replay.outcome;
    out.U8(static_cast<int>(outcome.end));
    out.U32(outcome.playFrames);
    out.U32(outcome.cornEaten);
    out.U32(outcome.boostsEaten);
    out.U32(outcome.ghostsEaten);

    out.Text(replay.mazeText, 4);

    out.U32(replay.frameCount);
    out.U32(static_cast<int>(replay.records.size()));
    int next = 0;
    std::vector<std::uint8_t> encoded;
    for (const ReplayRecord& record : replay.records) {
        out.Gap(static_cast<std::uint32_t>(record.frame - next));
        encoded.clear();
        EncodeCommands(record.commands, encoded);
        out.bytes.append(encoded.begin(), encoded.end());
        next = record.frame + 1;
    }

    out.U32(static_cast<int>(replay.secondHashes.size()));
    for (const std::uint64_t hash : replay.secondHashes)
        out.Unsigned(hash, HashBytes);
    out.Unsigned(replay.endHash, HashBytes);
    return out.bytes;
}

bool WriteReplay(const char* path, const Replay& replay)
{
    return WriteFileAtomically(path, EncodeReplay(replay));
}

bool DecodeReplay(const std::uint8_t* bytes, std::size_t size, Replay& replay, std::string& error)
{
    Reader in{bytes, size, 0, {}};
    if (size < HeaderBytes || std::memcmp(bytes, ReplayMagic, sizeof ReplayMagic) != 0) {
        error = size < HeaderBytes ? "truncated" : "not a replay file";
        return false;
    }
    in.at = sizeof ReplayMagic;
    int version = 0;
    in.Number(version, 2, 0xFFFF, "format version");
    if (version != ReplayFormatVersion) {
        error = "format version " + std::to_string(version) + ", this game reads version " +
                std::to_string(ReplayFormatVersion);
        return false;
    }
    const bool read = in.Text(replay.gameVersion, 2, MaxReplayVersionBytes, "game version") &&
                      ReadSettings(in, replay.settings) && ReadOutcome(in, replay.outcome) &&
                      in.Text(replay.mazeText, 4, MaxReplayMazeBytes, "maze") &&
                      ReadRecords(in, replay) && ReadHashes(in, replay);
    if (read && replay.outcome.playFrames > replay.frameCount)
        in.Fail("corrupted: more frames of play than frames");
    if (read && in.Left() != 0)
        in.Fail("corrupted: bytes after the end");
    error = in.error;
    return error.empty();
}

bool ReadReplay(const char* path, Replay& replay, std::string& error)
{
    // A folder opens as a file of no use whose size is nonsense.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        error = "is a folder";
        return false;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        error = "cannot be read";
        return false;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > MaxReplayFileBytes) {
        error = "corrupted: too large for a replay";
        return false;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.seekg(0);
    if (!file.read(bytes.data(), size)) {
        error = "cannot be read";
        return false;
    }
    return DecodeReplay(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), replay,
                        error);
}
