// What the players did in one frame of play, as plain data. The interface
// turns keys and clicks into these records before the tick; the tick applies
// them and never sees a key or a mouse event. Replays store the records and
// network play sends them, in the byte encoding below.
#pragma once

#include <cstdint>
#include <vector>

enum class CommandType : std::uint8_t {
    // The gulper's side.
    SteerGulper,       // a: the Direction to take at the next cell centre
    ToggleGulperStop,  // stop, or walk on
    // The ghosts' side.
    SelectGhost,       // a: ghost index; only that ghost
    SelectAll,
    SelectNone,
    SelectNext,
    SelectPrev,
    ClickSelect,       // a, b: window pixel; add: keep the selection
    BoxSelect,         // a, b, c, d: left, top, right, bottom; add: keep the selection
    OrderToPoint,      // a, b: window pixel of the goal cell
    DriveGhost,        // a: the Direction the one selected ghost is driven in
    StopGhosts,
    // The game, from either player.
    Pause,
    KeysHelp,
    ExitGame,
    Resume,            // any key released while paused or in the keys help
};
constexpr int CommandTypeCount = static_cast<int>(CommandType::Resume) + 1;

// Who gives a command: the gulper's player, the ghosts' player, or either.
enum class Side : std::uint8_t { Gulper, Ghosts, Game };
Side SideOf(CommandType type);

struct Command {
    CommandType type = CommandType::Pause;
    bool add = false;          // ClickSelect, BoxSelect: the group key was held
    int a = 0, b = 0, c = 0, d = 0;  // see CommandType; unused ones are 0
    bool operator==(const Command&) const = default;
};

// One frame's commands in the order they were given.
struct FrameCommands {
    std::vector<Command> list;

    void Add(CommandType type, int a = 0, int b = 0, int c = 0, int d = 0, bool add = false)
    {
        list.push_back({type, add, a, b, c, d});
    }
    bool operator==(const FrameCommands&) const = default;
};

// The byte encoding: a version byte, the number of commands (one byte), then
// each command as its type byte and the operands its type has: a direction or
// a ghost index as one byte, pixels as 16-bit little-endian signed numbers,
// the group flag as one byte.
constexpr std::uint8_t CommandEncodingVersion = 1;
constexpr int MaxCommandsPerFrame = 255;  // more in one frame are dropped
constexpr int MaxPixel = 32767;           // pixels are kept to 16 signed bits
constexpr int MinPixel = -32768;

void EncodeCommands(const FrameCommands& commands, std::vector<std::uint8_t>& out);
// Reads one frame's record from bytes[0, size); false for a record that is
// cut short, of another version, or holds a type or operand out of range.
// used: the bytes the record took.
bool DecodeCommands(const std::uint8_t* bytes, std::size_t size, FrameCommands& commands,
                    std::size_t& used);
