// The play state listed once (VisitPlayState), and the four walks over the
// list: the hash, saving, restoring, and the first difference in words.
#include "rules/PlayState.h"

#include <cstring>
#include <iomanip>
#include <sstream>
#include <type_traits>
#include <utility>

#include "actors/GhostSquad.h"
#include "actors/GulperActor.h"
#include "maze/Maze.h"
#include "platform/BitCast.h"
#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "rules/Tick.h"

namespace {

constexpr std::uint64_t FnvOffset = 14695981039346656037ull;
constexpr std::uint64_t FnvPrime = 1099511628211ull;
// What a restore accepts as the size of any container: no listed one is
// larger than the largest level's grid.
constexpr std::uint32_t MaxSequence = MaxLevelCells;
// Room made for a snapshot at once: a full-size level with eight ghosts.
constexpr std::size_t TypicalSnapshotBytes = 40 << 10;

// Whether a listed field is part of the state hash.
enum class Hashed : bool { No, Yes };

// A field's name in words: its owner, the owner's number (0: the only one)
// and the field.
struct FieldName {
    const char* owner;
    int number;
    const char* field;
};

// Every character's fields. The first eight are hashed, in the order the
// hash has always taken them.
template <typename Visitor>
void VisitActor(Visitor& v, const char* owner, int number, Actor& a)
{
    const auto name = [&](const char* field) { return FieldName{owner, number, field}; };
    v.Field(name("posX"), a.posX, Hashed::Yes);
    v.Field(name("posY"), a.posY, Hashed::Yes);
    v.Field(name("cell"), a.cell, Hashed::Yes);
    v.Field(name("direction"), a.direction, Hashed::Yes);
    v.Field(name("wantedDirection"), a.wantedDirection, Hashed::Yes);
    v.Field(name("stopped"), a.stopped, Hashed::Yes);
    v.Field(name("speed"), a.speed, Hashed::Yes);
    v.Field(name("goal"), a.goal, Hashed::Yes);
    v.Field(name("lastThinkCell"), a.lastThinkCell, Hashed::No);
    v.Field(name("costMapCell"), a.costMapCell, Hashed::No);
    v.Field(name("drawX"), a.drawX, Hashed::No);
    v.Field(name("drawY"), a.drawY, Hashed::No);
    v.Field(name("centreX"), a.centreX, Hashed::No);
    v.Field(name("centreY"), a.centreY, Hashed::No);
    v.Field(name("plannedGoal"), a.plannedGoal, Hashed::No);
    v.Field(name("moving"), a.moving, Hashed::No);
    v.Field(name("turnTolerance"), a.turnTolerance, Hashed::No);
    v.Field(name("controller"), a.controller, Hashed::No);
    v.Sequence(name("pathMarks"), a.pathMarks, Hashed::No);
    v.Sequence(name("costMap"), a.costMap, Hashed::No);
}

// The one list of the play state. A visitor has Field(name, value, hashed)
// for plain values, Sequence(name, vector, hashed) for containers (the
// hash takes their elements, not their size), and GhostCount(squad), called
// once squad.count is visited and before the ghosts are.
template <typename Visitor>
void VisitPlayState(Visitor& v)
{
    v.Field({"game", 0, "state"}, GameState, Hashed::Yes);
    v.Field({"game", 0, "mode"}, GameMode, Hashed::No);
    v.Field({"game", 0, "pauseUntil"}, PauseUntil, Hashed::No);
    v.Field({"game", 0, "frameState"}, TheTick.frameState, Hashed::No);
    v.Field({"game", 0, "gameTime"}, TheTick.gameTime, Hashed::No);

    // The options a level is played with, which a campaign's level sets,
    // and the campaigns' progress, which a level's end moves on.
    Config& config = *TheConfig;
    v.Field({"config", 0, "gulperController"}, config.gulperController, Hashed::No);
    v.Field({"config", 0, "ghostsController"}, config.ghostsController, Hashed::No);
    v.Field({"config", 0, "gulperSpeed"}, config.gulperSpeed, Hashed::No);
    v.Field({"config", 0, "ghostSpeed"}, config.ghostSpeed, Hashed::No);
    v.Field({"config", 0, "ghostCount"}, config.ghostCount, Hashed::No);
    v.Field({"config", 0, "mapNumber"}, config.mapNumber, Hashed::No);
    v.Field({"config", 0, "framesPerSecond"}, config.framesPerSecond, Hashed::No);
    v.Field({"config", 0, "gulperLevel"}, config.gulperLevel, Hashed::No);
    v.Field({"config", 0, "gulperMaxLevel"}, config.gulperMaxLevel, Hashed::No);
    v.Field({"config", 0, "ghostsLevel"}, config.ghostsLevel, Hashed::No);
    v.Field({"config", 0, "ghostsMaxLevel"}, config.ghostsMaxLevel, Hashed::No);
    v.Field({"screen", 0, "framesPerSecond"}, TheScreen->framesPerSecond, Hashed::No);
    v.Field({"screen", 0, "framePeriod"}, TheScreen->framePeriod, Hashed::No);

    Maze& maze = *TheMaze;
    v.Field({"maze", 0, "width"}, maze.width, Hashed::Yes);
    v.Field({"maze", 0, "height"}, maze.height, Hashed::Yes);
    v.Sequence({"maze", 0, "cells"}, maze.cells, Hashed::Yes);
    v.Field({"maze", 0, "cornLeft"}, maze.cornLeft, Hashed::Yes);
    v.Field({"maze", 0, "cellCount"}, maze.cellCount, Hashed::No);
    v.Field({"maze", 0, "ghostStart"}, maze.ghostStart, Hashed::No);
    v.Field({"maze", 0, "gulperStart"}, maze.gulperStart, Hashed::No);
    // The wall looks do not decide play, but a restored frame must look as it did.
    v.Sequence({"maze", 0, "tileVariant"}, maze.tileVariant, Hashed::No);
    v.Field({"maze", 0, "wallLooks"}, maze.wallLooks, Hashed::No);

    GulperActor& gulper = *TheGulper;
    VisitActor(v, "gulper", 0, gulper);
    v.Field({"gulper", 0, "state"}, gulper.state, Hashed::Yes);
    v.Field({"gulper", 0, "mouthFrame"}, gulper.mouthFrame, Hashed::Yes);
    v.Field({"gulper", 0, "mouthOpening"}, gulper.mouthOpening, Hashed::No);
    v.Field({"gulper", 0, "animCounter"}, gulper.animCounter, Hashed::No);
    v.Field({"gulper", 0, "dyingCounter"}, gulper.dyingCounter, Hashed::No);
    v.Field({"gulper", 0, "animStarted"}, gulper.animStarted, Hashed::No);
    v.Field({"gulper", 0, "appearShown"}, gulper.appearShown, Hashed::No);
    v.Field({"gulper", 0, "dyingColumn"}, gulper.dyingColumn, Hashed::No);
    v.Sequence({"gulper", 0, "danger"}, gulper.danger, Hashed::No);
    v.Field({"gulper", 0, "thinkCounter"}, gulper.thinkCounter, Hashed::No);
    v.Field({"gulper", 0, "nextThink"}, gulper.nextThink, Hashed::No);

    GhostSquad& squad = *TheSquad;
    v.Field({"squad", 0, "count"}, squad.count, Hashed::Yes);
    v.GhostCount(squad);
    for (int i = 0; i < static_cast<int>(squad.ghosts.size()); ++i) {
        GhostActor& ghost = *squad.ghosts[i];
        const int number = i + 1;
        VisitActor(v, "ghost", number, ghost);
        v.Field({"ghost", number, "state"}, ghost.state, Hashed::Yes);
        v.Field({"ghost", number, "stateTimer"}, ghost.stateTimer, Hashed::Yes);
        v.Field({"ghost", number, "blink"}, ghost.blink, Hashed::Yes);
        v.Field({"ghost", number, "blinkCounter"}, ghost.blinkCounter, Hashed::Yes);
        v.Field({"ghost", number, "selected"}, ghost.selected, Hashed::Yes);
        v.Field({"ghost", number, "colour"}, ghost.colour, Hashed::No);
        v.Field({"ghost", number, "animPhase"}, ghost.animPhase, Hashed::No);
        v.Field({"ghost", number, "nextPhaseFrame"}, ghost.nextPhaseFrame, Hashed::No);
        v.Field({"ghost", number, "frameCounter"}, ghost.frameCounter, Hashed::No);
    }
    v.Field({"squad", 0, "directActive"}, squad.directActive, Hashed::Yes);
    v.Field({"squad", 0, "directDirection"}, squad.directDirection, Hashed::Yes);
    v.Field({"squad", 0, "directIndex"}, squad.directIndex, Hashed::Yes);
    v.Field({"squad", 0, "controller"}, squad.controller, Hashed::No);
    v.Field({"squad", 0, "gulperCell"}, squad.gulperCell, Hashed::No);
    v.Field({"squad", 0, "lastGulperCell"}, squad.lastGulperCell, Hashed::No);
    v.Sequence({"squad", 0, "junctions"}, squad.junctions, Hashed::No);

    LevelTimer& timer = *TheTick.timer;
    v.Field({"timer", 0, "framesLeft"}, timer.framesLeft, Hashed::Yes);
    v.Field({"timer", 0, "limit"}, timer.limit, Hashed::No);
    v.Field({"timer", 0, "seconds"}, timer.seconds, Hashed::No);
    v.Field({"timer", 0, "tens"}, timer.tens, Hashed::No);
    v.Field({"timer", 0, "units"}, timer.units, Hashed::No);
    v.Field({"timer", 0, "minutes"}, timer.minutes, Hashed::No);
    v.Field({"timer", 0, "framesToNextSecond"}, timer.framesToNextSecond, Hashed::No);
}

// Makes or removes ghosts until the squad has count of them; the fields of
// a new one are the list's to set.
void MatchGhostsToCount(GhostSquad& squad)
{
    while (static_cast<int>(squad.ghosts.size()) > squad.count) {
        delete squad.ghosts.back();
        squad.ghosts.pop_back();
    }
    while (static_cast<int>(squad.ghosts.size()) < squad.count)
        squad.ghosts.push_back(new GhostActor(squad.ghosts.empty() ? 1.0 : squad.ghosts[0]->speed,
                                              squad.controller, GhostSprites, 0));
}

// --- the hash ---

struct Hasher {
    std::uint64_t value = FnvOffset;

    // Every value goes in as a 64-bit little-endian number.
    void Add(std::int64_t number)
    {
        auto bits = static_cast<std::uint64_t>(number);
        for (int i = 0; i < 8; ++i, bits >>= 8)
            value = (value ^ (bits & 0xFF)) * FnvPrime;
    }
    void Add(double number) { Add(BitCast<std::int64_t>(number)); }
    void Add(bool flag) { Add(std::int64_t{flag}); }
    void Add(int number) { Add(std::int64_t{number}); }
    template <typename Enum>
        requires std::is_enum_v<Enum>
    void Add(Enum e)
    {
        Add(static_cast<std::int64_t>(e));
    }
    void Add(CellPos cell)
    {
        Add(cell.x);
        Add(cell.y);
    }

    template <typename T>
    void Field(FieldName, T& value, Hashed hashed)
    {
        if constexpr (requires { Add(value); }) {
            if (hashed == Hashed::Yes)
                Add(value);
        }
    }
    template <typename T>
    void Sequence(FieldName, std::vector<T>& values, Hashed hashed)
    {
        if (hashed == Hashed::Yes)
            for (const T value : values)
                Add(value);
    }
    void GhostCount(GhostSquad&) {}
};

// --- saving ---

struct Saver {
    std::vector<std::uint8_t>& out;

    void Put(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        out.insert(out.end(), bytes, bytes + size);
    }
    template <typename T>
    void Field(FieldName, T& value, Hashed)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        Put(&value, sizeof value);
    }
    template <typename T>
    void Sequence(FieldName, std::vector<T>& values, Hashed)
    {
        const auto size = static_cast<std::uint32_t>(values.size());
        Put(&size, sizeof size);
        if constexpr (std::is_same_v<T, bool>) {
            const std::size_t start = out.size();
            out.resize(start + values.size());
            std::uint8_t* flags = out.data() + start;
            for (const bool value : values)
                *flags++ = value ? 1 : 0;
        } else {
            Put(values.data(), values.size() * sizeof(T));
        }
    }
    void GhostCount(GhostSquad&) {}
};

// --- restoring ---

struct Restorer {
    const std::vector<std::uint8_t>& in;
    std::size_t at = 0;
    bool failed = false;  // the bytes ran out or held an impossible size

    bool Take(void* data, std::size_t size)
    {
        if (failed || in.size() - at < size) {
            failed = true;
            return false;
        }
        if (size > 0)  // an empty sequence may have no storage at all
            std::memcpy(data, in.data() + at, size);
        at += size;
        return true;
    }
    template <typename T>
    void Field(FieldName, T& value, Hashed)
    {
        Take(&value, sizeof value);
    }
    template <typename T>
    void Sequence(FieldName, std::vector<T>& values, Hashed)
    {
        std::uint32_t size = 0;
        if (!Take(&size, sizeof size))
            return;
        if (size > MaxSequence) {
            failed = true;
            return;
        }
        if constexpr (std::is_same_v<T, bool>) {
            if (in.size() - at < size) {
                failed = true;
                return;
            }
            values.resize(size);
            const std::uint8_t* flags = in.data() + at;
            for (std::uint32_t i = 0; i < size; ++i)
                values[i] = flags[i] != 0;
            at += size;
        } else {
            if (in.size() - at < std::size_t{size} * sizeof(T)) {
                failed = true;
                return;
            }
            values.resize(size);
            Take(values.data(), values.size() * sizeof(T));
        }
    }
    // The squad gets as many ghosts as the snapshot has; their fields follow.
    void GhostCount(GhostSquad& squad)
    {
        if (failed || squad.count < 0 || squad.count > MaxGhosts) {
            failed = true;
            squad.count = 0;
        }
        MatchGhostsToCount(squad);
    }
};

// --- the fields in words ---

// Every listed field (each element of a container on its own) as a name and
// its value in words, in the list's order.
struct Flattener {
    std::vector<std::pair<std::string, std::string>> fields;

    static std::string NameOf(FieldName name)
    {
        std::string text = name.owner;
        if (name.number > 0)
            text += " " + std::to_string(name.number);
        return text + " " + name.field;
    }
    template <typename T>
    static std::string Text(const T& value)
    {
        std::ostringstream out;
        if constexpr (std::is_same_v<T, CellPos>) {
            out << "(" << value.x << ", " << value.y << ")";
        } else if constexpr (std::is_same_v<T, double>) {
            out << std::setprecision(17) << value;
        } else if constexpr (std::is_enum_v<T>) {
            out << static_cast<long long>(value);
        } else if constexpr (std::is_arithmetic_v<T>) {
            out << +value;
        } else {
            // Anything else (the wall looks' random sequence): its bytes.
            const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
            out << std::hex;
            for (std::size_t i = 0; i < sizeof value; ++i)
                out << std::setw(2) << std::setfill('0') << static_cast<int>(bytes[i]);
        }
        return out.str();
    }
    template <typename T>
    void Field(FieldName name, T& value, Hashed)
    {
        fields.emplace_back(NameOf(name), Text(value));
    }
    template <typename T>
    void Sequence(FieldName name, std::vector<T>& values, Hashed)
    {
        const std::string base = NameOf(name);
        fields.emplace_back(base + " size", std::to_string(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i)
            fields.emplace_back(base + "[" + std::to_string(i) + "]", Text(T(values[i])));
    }
    void GhostCount(GhostSquad&) {}
};

// Changes the field of the given place in the list (counting a container
// as one field) to another value, and tells which field it was.
struct Nudger {
    int target;             // the place in the list of the field to change
    int place = 0;          // the place of the field visited next
    PlayField changed = {}; // the field changed

    template <typename T>
    static void Change(T& value)
    {
        if constexpr (std::is_same_v<T, bool>)
            value = !value;
        else if constexpr (std::is_same_v<T, CellPos>)
            ++value.x;
        else if constexpr (std::is_enum_v<T>)
            value = static_cast<T>(static_cast<long long>(value) + 1);
        else if constexpr (std::is_arithmetic_v<T>)
            value = static_cast<T>(value + 1);
        else
            reinterpret_cast<unsigned char*>(&value)[0] ^= 1;  // the random sequence's state
    }
    void Note(FieldName name, Hashed hashed)
    {
        changed = {Flattener::NameOf(name), hashed == Hashed::Yes};
    }
    template <typename T>
    void Field(FieldName name, T& value, Hashed hashed)
    {
        if (place++ != target)
            return;
        Change(value);
        Note(name, hashed);
    }
    template <typename T>
    void Sequence(FieldName name, std::vector<T>& values, Hashed hashed)
    {
        if (place++ != target)
            return;
        if (values.empty()) {
            values.push_back(T{});
        } else {
            T value = values.back();
            Change(value);
            values.back() = value;
        }
        Note(name, hashed);
    }
    // A nudged count brings a ghost more, so that the state stays whole.
    void GhostCount(GhostSquad& squad) { MatchGhostsToCount(squad); }
};

std::vector<std::pair<std::string, std::string>> FieldsOf(const PlaySnapshot& snapshot)
{
    Flattener flat;
    if (RestorePlay(snapshot))
        VisitPlayState(flat);
    else
        flat.fields.emplace_back("snapshot", "not a snapshot of this game");
    return flat.fields;
}

}  // namespace

std::uint64_t HashGameState()
{
    Hasher hasher;
    VisitPlayState(hasher);
    return hasher.value;
}

PlaySnapshot SavePlay()
{
    PlaySnapshot snapshot;
    snapshot.bytes.reserve(TypicalSnapshotBytes);
    Saver saver{snapshot.bytes};
    VisitPlayState(saver);
    return snapshot;
}

bool RestorePlay(const PlaySnapshot& snapshot)
{
    // Bytes that turn out not to be a snapshot leave the game as it was.
    PlaySnapshot before;
    before.bytes.reserve(snapshot.bytes.size());
    Saver saver{before.bytes};
    VisitPlayState(saver);

    Restorer restorer{snapshot.bytes};
    VisitPlayState(restorer);
    if (restorer.failed || restorer.at != snapshot.bytes.size()) {
        Restorer back{before.bytes};
        VisitPlayState(back);
        TheMaze->background.Forget();
        return false;
    }
    TheMaze->background.Forget();
    return true;
}

int PlayFieldCount()
{
    Nudger counter{-1, 0, {}};
    VisitPlayState(counter);
    return counter.place;
}

PlayField NudgePlayField(int index)
{
    Nudger nudger{index, 0, {}};
    VisitPlayState(nudger);
    return nudger.changed;
}

std::string FirstDifference(const PlaySnapshot& here, const PlaySnapshot& there)
{
    if (here == there)
        return "";
    const PlaySnapshot now = SavePlay();
    const auto a = FieldsOf(here);
    const auto b = FieldsOf(there);
    RestorePlay(now);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            if (a[i].first != b[i].first)
                return a[i].first + " here, " + b[i].first + " there";
            return a[i].first + ": " + a[i].second + " here, " + b[i].second + " there";
        }
    }
    return a.size() < b.size() ? "there has more: " + b[a.size()].first
                               : "here has more: " + a[b.size()].first;
}
