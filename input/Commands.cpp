#include "input/Commands.h"

#include <algorithm>

#include "actors/GhostSquad.h"
#include "platform/GameTypes.h"

namespace {

// The operands each type carries.
enum class Operands { None, Direction, Ghost, Point, PointAndGroup, BoxAndGroup };

Operands OperandsOf(CommandType type)
{
    switch (type) {
    case CommandType::SteerGulper:
    case CommandType::DriveGhost:
        return Operands::Direction;
    case CommandType::SelectGhost:
        return Operands::Ghost;
    case CommandType::OrderToPoint:
        return Operands::Point;
    case CommandType::ClickSelect:
        return Operands::PointAndGroup;
    case CommandType::BoxSelect:
        return Operands::BoxAndGroup;
    default:
        return Operands::None;
    }
}

void PutPixel(int value, std::vector<std::uint8_t>& out)
{
    const auto bits = static_cast<std::uint16_t>(std::clamp(value, MinPixel, MaxPixel));
    out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    out.push_back(static_cast<std::uint8_t>(bits >> 8));
}

// Reads the bytes of one record, refusing to read past its end.
struct Reader {
    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t at = 0;

    bool Byte(int& value)
    {
        if (at >= size)
            return false;
        value = bytes[at++];
        return true;
    }
    bool Pixel(int& value)
    {
        int low = 0, high = 0;
        if (!Byte(low) || !Byte(high))
            return false;
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
        return true;
    }
};

}  // namespace

Side SideOf(CommandType type)
{
    if (type == CommandType::SteerGulper || type == CommandType::ToggleGulperStop)
        return Side::Gulper;
    if (type >= CommandType::Pause)
        return Side::Game;
    return Side::Ghosts;
}

void EncodeCommands(const FrameCommands& commands, std::vector<std::uint8_t>& out)
{
    const int count = std::min(static_cast<int>(commands.list.size()), MaxCommandsPerFrame);
    out.push_back(CommandEncodingVersion);
    out.push_back(static_cast<std::uint8_t>(count));
    for (int i = 0; i < count; ++i) {
        const Command& command = commands.list[i];
        out.push_back(static_cast<std::uint8_t>(command.type));
        switch (OperandsOf(command.type)) {
        case Operands::None:
            break;
        case Operands::Direction:
        case Operands::Ghost:
            out.push_back(static_cast<std::uint8_t>(command.a));
            break;
        case Operands::Point:
            PutPixel(command.a, out);
            PutPixel(command.b, out);
            break;
        case Operands::PointAndGroup:
            PutPixel(command.a, out);
            PutPixel(command.b, out);
            out.push_back(command.add);
            break;
        case Operands::BoxAndGroup:
            for (const int value : {command.a, command.b, command.c, command.d})
                PutPixel(value, out);
            out.push_back(command.add);
            break;
        }
    }
}

bool DecodeCommands(const std::uint8_t* bytes, std::size_t size, FrameCommands& commands,
                    std::size_t& used)
{
    commands.list.clear();
    Reader in{bytes, size};
    int version = 0, count = 0;
    if (!in.Byte(version) || version != CommandEncodingVersion || !in.Byte(count))
        return false;
    for (int i = 0; i < count; ++i) {
        int type = 0, flag = 0;
        if (!in.Byte(type) || type >= CommandTypeCount)
            return false;
        Command command;
        command.type = static_cast<CommandType>(type);
        bool read = true;
        switch (OperandsOf(command.type)) {
        case Operands::None:
            break;
        case Operands::Direction:
            read = in.Byte(command.a) && command.a <= IndexOf(Down);
            break;
        case Operands::Ghost:
            read = in.Byte(command.a) && command.a < MaxGhosts;
            break;
        case Operands::Point:
            read = in.Pixel(command.a) && in.Pixel(command.b);
            break;
        case Operands::PointAndGroup:
            read = in.Pixel(command.a) && in.Pixel(command.b) && in.Byte(flag) && flag <= 1;
            break;
        case Operands::BoxAndGroup:
            read = in.Pixel(command.a) && in.Pixel(command.b) && in.Pixel(command.c) &&
                   in.Pixel(command.d) && in.Byte(flag) && flag <= 1;
            break;
        }
        if (!read)
            return false;
        command.add = flag == 1;
        commands.list.push_back(command);
    }
    used = in.at;
    return true;
}
