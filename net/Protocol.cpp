#include "net/Protocol.h"

#include <cmath>

#include "platform/BitCast.h"

namespace {

void PutU8(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value)
{
    PutU8(out, value & 0xff);
    PutU8(out, (value >> 8) & 0xff);
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

void PutU64(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    PutU32(out, static_cast<std::uint32_t>(value));
    PutU32(out, static_cast<std::uint32_t>(value >> 32));
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text)
{
    PutU32(out, static_cast<std::uint32_t>(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Reads fields from the front of a packet; once a read runs past the end,
// every later read fails too.
class Reader {
public:
    Reader(const std::uint8_t* bytes, std::size_t size) : bytes(bytes), size(size) {}

    bool U8(unsigned& value)
    {
        if (!Have(1))
            return false;
        value = bytes[at++];
        return true;
    }
    bool U16(unsigned& value)
    {
        unsigned low = 0, high = 0;
        if (!U8(low) || !U8(high))
            return false;
        value = low | (high << 8);
        return true;
    }
    bool U32(std::uint32_t& value)
    {
        unsigned low = 0, high = 0;
        if (!U16(low) || !U16(high))
            return false;
        value = low | (static_cast<std::uint32_t>(high) << 16);
        return true;
    }
    bool U64(std::uint64_t& value)
    {
        std::uint32_t low = 0, high = 0;
        if (!U32(low) || !U32(high))
            return false;
        value = low | (static_cast<std::uint64_t>(high) << 32);
        return true;
    }
    bool Double(double& value)
    {
        std::uint64_t bits = 0;
        if (!U64(bits))
            return false;
        value = BitCast<double>(bits);
        return true;
    }
    bool Text(std::string& text, std::size_t limit)
    {
        std::uint32_t length = 0;
        if (!U32(length) || length > limit || !Have(length))
            return false;
        text.assign(reinterpret_cast<const char*>(bytes + at), length);
        at += length;
        return true;
    }
    bool Commands(FrameCommands& commands)
    {
        std::size_t used = 0;
        if (!DecodeCommands(bytes + at, size - at, commands, used))
            return false;
        at += used;
        return true;
    }
    bool AtEnd() const { return at == size; }

private:
    bool Have(std::size_t count) const { return count <= size - at; }

    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t at = 0;  // the next byte to read
};

bool InRange(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

bool InRange(unsigned value, int low, int high)
{
    return static_cast<int>(value) >= low && static_cast<int>(value) <= high;
}

bool ReadSettings(Reader& in, NetSettings& settings)
{
    unsigned ghosts = 0, rate = 0;
    std::uint32_t seconds = 0;
    if (!in.Double(settings.gulperSpeed) || !in.Double(settings.ghostSpeed) || !in.U8(ghosts) ||
        !in.U32(seconds) || !in.U8(rate) || seconds > MaxNetTimeLimit)
        return false;
    settings.ghostCount = static_cast<int>(ghosts);
    settings.timeLimit = static_cast<int>(seconds);
    settings.framesPerSecond = static_cast<int>(rate);
    return InRange(settings.gulperSpeed, MinNetSpeed, MaxNetSpeed) &&
           InRange(settings.ghostSpeed, MinNetSpeed, MaxNetSpeed) &&
           InRange(ghosts, MinNetGhosts, MaxNetGhosts) &&
           InRange(seconds, MinNetTimeLimit, MaxNetTimeLimit) &&
           InRange(rate, MinNetFrameRate, MaxNetFrameRate);
}

bool ReadLevel(Reader& in, std::uint16_t& level)
{
    unsigned value = 0;
    const bool read = in.U16(value);
    level = static_cast<std::uint16_t>(value);
    return read;
}

bool ReadStart(Reader& in, NetMessage& message)
{
    unsigned delay = 0, side = 0, rollback = 0;
    if (!ReadSettings(in, message.settings) || !in.U8(delay) || !in.U8(side) ||
        !ReadLevel(in, message.level) || !in.U8(rollback) || rollback > 1 ||
        !in.Text(message.mazeText, MaxNetMazeBytes))
        return false;
    message.delay = static_cast<int>(delay);
    message.joinerSide = static_cast<Side>(side);
    message.rollback = rollback == 1;
    const bool delayFits = message.rollback ? InRange(delay, 0, MaxRollbackDelay)
                                            : InRange(delay, MinNetDelay, MaxNetDelay);
    return delayFits &&
           (message.joinerSide == Side::Gulper || message.joinerSide == Side::Ghosts);
}

bool ReadFrame(Reader& in, NetMessage& message)
{
    return ReadLevel(in, message.level) && in.U32(message.frame) && message.frame <= MaxNetFrame;
}

}  // namespace

void EncodeNetMessage(const NetMessage& message, std::vector<std::uint8_t>& out)
{
    out.clear();
    PutU8(out, static_cast<unsigned>(message.type));
    switch (message.type) {
    case NetMessageType::Hello:
    case NetMessageType::Welcome:
        PutU16(out, message.protocol);
        PutText(out, message.gameVersion.substr(0, MaxNetVersionBytes));
        break;
    case NetMessageType::Refuse:
        PutU8(out, static_cast<unsigned>(message.refusal));
        PutU16(out, message.protocol);
        PutText(out, message.gameVersion.substr(0, MaxNetVersionBytes));
        break;
    case NetMessageType::StartLevel: {
        const NetSettings& settings = message.settings;
        PutU64(out, BitCast<std::uint64_t>(settings.gulperSpeed));
        PutU64(out, BitCast<std::uint64_t>(settings.ghostSpeed));
        PutU8(out, static_cast<unsigned>(settings.ghostCount));
        PutU32(out, static_cast<std::uint32_t>(settings.timeLimit));
        PutU8(out, static_cast<unsigned>(settings.framesPerSecond));
        PutU8(out, static_cast<unsigned>(message.delay));
        PutU8(out, static_cast<unsigned>(message.joinerSide));
        PutU16(out, message.level);
        PutU8(out, message.rollback ? 1 : 0);
        PutText(out, message.mazeText);
        break;
    }
    case NetMessageType::LobbySettings: {
        const NetSettings& settings = message.settings;
        PutU64(out, BitCast<std::uint64_t>(settings.gulperSpeed));
        PutU64(out, BitCast<std::uint64_t>(settings.ghostSpeed));
        PutU8(out, static_cast<unsigned>(settings.ghostCount));
        PutU32(out, static_cast<std::uint32_t>(settings.timeLimit));
        PutU8(out, static_cast<unsigned>(settings.framesPerSecond));
        PutU8(out, static_cast<unsigned>(message.joinerSide));
        PutU8(out, static_cast<unsigned>(settings.level));
        break;
    }
    case NetMessageType::Commands: {
        PutU16(out, message.level);
        PutU32(out, message.frame);
        std::vector<std::uint8_t> record;
        EncodeCommands(message.commands, record);
        out.insert(out.end(), record.begin(), record.end());
        break;
    }
    case NetMessageType::Hash:
        PutU16(out, message.level);
        PutU32(out, message.frame);
        PutU64(out, message.value);
        break;
    case NetMessageType::Ping:
    case NetMessageType::Pong:
        PutU64(out, message.value);
        break;
    case NetMessageType::Snapshot:
        PutU16(out, message.level);
        PutU32(out, message.frame);
        PutText(out, message.snapshot.substr(0, MaxNetSnapshotBytes));
        break;
    }
}

bool DecodeNetMessage(const std::uint8_t* bytes, std::size_t size, NetMessage& message)
{
    message = NetMessage();
    Reader in(bytes, size);
    unsigned type = 0;
    if (!in.U8(type))
        return false;
    message.type = static_cast<NetMessageType>(type);
    bool read = false;
    switch (message.type) {
    case NetMessageType::Hello:
    case NetMessageType::Welcome: {
        unsigned protocol = 0;
        read = in.U16(protocol) && in.Text(message.gameVersion, MaxNetVersionBytes);
        message.protocol = static_cast<std::uint16_t>(protocol);
        break;
    }
    case NetMessageType::Refuse: {
        unsigned refusal = 0, protocol = 0;
        read = in.U8(refusal) &&
               InRange(refusal, static_cast<int>(NetRefusal::Versions),
                       static_cast<int>(NetRefusal::Busy)) &&
               in.U16(protocol) && in.Text(message.gameVersion, MaxNetVersionBytes);
        message.refusal = static_cast<NetRefusal>(refusal);
        message.protocol = static_cast<std::uint16_t>(protocol);
        break;
    }
    case NetMessageType::StartLevel:
        read = ReadStart(in, message);
        break;
    case NetMessageType::LobbySettings: {
        unsigned side = 0, map = 0;
        read = ReadSettings(in, message.settings) && in.U8(side) && in.U8(map) &&
               map <= MaxNetMapNumber;
        message.joinerSide = static_cast<Side>(side);
        message.settings.level = static_cast<int>(map);
        read = read && (message.joinerSide == Side::Gulper || message.joinerSide == Side::Ghosts);
        break;
    }
    case NetMessageType::Commands:
        read = ReadFrame(in, message) && in.Commands(message.commands);
        break;
    case NetMessageType::Hash:
        read = ReadFrame(in, message) && in.U64(message.value);
        break;
    case NetMessageType::Ping:
    case NetMessageType::Pong:
        read = in.U64(message.value);
        break;
    case NetMessageType::Snapshot:
        read = ReadFrame(in, message) && in.Text(message.snapshot, MaxNetSnapshotBytes);
        break;
    default:
        return false;  // an unknown type
    }
    return read && in.AtEnd();
}
