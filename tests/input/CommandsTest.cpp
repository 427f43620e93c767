// A frame's commands as bytes: what replays store and network play sends. The
// encoding is pinned byte for byte, reads back exactly, and a record that is
// cut short, of another version or out of range is refused whole.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "input/Commands.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// One command of every type, operands at the edges of their ranges.
FrameCommands EveryCommand()
{
    FrameCommands commands;
    commands.Add(CommandType::SteerGulper, 3);
    commands.Add(CommandType::ToggleGulperStop);
    commands.Add(CommandType::SelectGhost, 7);
    commands.Add(CommandType::SelectAll);
    commands.Add(CommandType::SelectNone);
    commands.Add(CommandType::SelectNext);
    commands.Add(CommandType::SelectPrev);
    commands.Add(CommandType::ClickSelect, -5, 377, 0, 0, true);
    commands.Add(CommandType::BoxSelect, 0, 1, 503, 32767, false);
    commands.Add(CommandType::OrderToPoint, 260, -32768);
    commands.Add(CommandType::DriveGhost, 0);
    commands.Add(CommandType::StopGhosts);
    commands.Add(CommandType::Pause);
    commands.Add(CommandType::KeysHelp);
    commands.Add(CommandType::ExitGame);
    commands.Add(CommandType::Resume);
    return commands;
}

bool Decode(const Bytes& bytes, FrameCommands& commands, std::size_t& used)
{
    return DecodeCommands(bytes.data(), bytes.size(), commands, used);
}

TEST(CommandEncoding, IsVersionCountThenEachTypeWithItsOperandsLittleEndian)
{
    FrameCommands commands;
    commands.Add(CommandType::SteerGulper, 2);
    commands.Add(CommandType::ClickSelect, 260, -2, 0, 0, true);
    commands.Add(CommandType::Pause);
    Bytes bytes;
    EncodeCommands(commands, bytes);
    EXPECT_EQ(bytes, (Bytes{1, 3, 0, 2, 7, 0x04, 0x01, 0xFE, 0xFF, 1, 12}));

    bytes.clear();
    EncodeCommands(FrameCommands{}, bytes);
    EXPECT_EQ(bytes, (Bytes{1, 0}));  // a frame without commands
}

TEST(CommandEncoding, EveryCommandReadsBackAsWrittenAndTheRecordSaysItsLength)
{
    Bytes bytes;
    EncodeCommands(EveryCommand(), bytes);
    const std::size_t length = bytes.size();
    bytes.push_back(99);  // the next record's first byte is not read
    FrameCommands read;
    std::size_t used = 0;
    ASSERT_TRUE(Decode(bytes, read, used));
    EXPECT_EQ(read, EveryCommand());
    EXPECT_EQ(used, length);
}

TEST(CommandEncoding, ACutOrDamagedRecordIsRefused)
{
    Bytes whole;
    EncodeCommands(EveryCommand(), whole);
    FrameCommands read;
    std::size_t used = 0;
    for (std::size_t size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(DecodeCommands(whole.data(), size, read, used)) << "cut to " << size;

    const Bytes damaged[] = {
        {2, 0},                             // another version
        {1, 1, CommandTypeCount},           // no such type
        {1, 1, 0, 4},                       // no such direction
        {1, 1, 2, 8},                       // a ninth ghost
        {1, 1, 7, 0, 0, 0, 0, 2},           // a group flag of 2
    };
    for (const Bytes& bytes : damaged)
        EXPECT_FALSE(Decode(bytes, read, used)) << int(bytes[2 % bytes.size()]);
}

}  // namespace
