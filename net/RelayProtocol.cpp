// Reading and writing the relay protocol's messages (net/RelayProtocol.h).
#include "net/RelayProtocol.h"

namespace {

// A text of an Error or Closing message: printable ASCII, not empty.
bool IsRelayText(std::string_view text)
{
    if (text.empty() || text.size() > RelayMaxTextBytes)
        return false;
    for (const char c : text)
        if (c < ' ' || c > '~')
            return false;
    return true;
}

}  // namespace

bool IsRelayCode(std::string_view code)
{
    if (code.size() != RelayCodeLength)
        return false;
    for (const char c : code)
        if (RelayCodeAlphabet.find(c) == std::string_view::npos)
            return false;
    return true;
}

std::string NormalizeRelayCode(std::string_view typed)
{
    std::string code;
    for (const char c : typed) {
        if (c == ' ' || c == '-')
            continue;
        code += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return code;
}

bool DecodeRelayMessage(const std::uint8_t* data, std::size_t size, RelayMessage& message)
{
    if (size < 1)
        return false;
    const auto rest = [&](std::size_t from) { return std::string(data + from, data + size); };
    message = RelayMessage{};
    message.kind = static_cast<RelayKind>(data[0]);
    switch (message.kind) {
    case RelayKind::Hello:
        if (size < 3)
            return false;
        message.version = data[1];
        message.role = static_cast<RelayRole>(data[2]);
        if (message.role == RelayRole::Create)
            return size == 3;
        if (message.role != RelayRole::Join && message.role != RelayRole::Watch)
            return false;
        message.code = rest(3);
        return IsRelayCode(message.code);
    case RelayKind::Data:
        if (size < 2 || (data[1] & ~RelayFlag::All) != 0)
            return false;
        message.flags = data[1];
        message.payload.assign(data + 2, data + size);
        return true;
    case RelayKind::Room:
        message.code = rest(1);
        return IsRelayCode(message.code);
    case RelayKind::PeerJoined:
        return size == 1;
    case RelayKind::Delivery:
        if (size < 2 || data[1] > 1)
            return false;
        message.player = data[1];
        message.payload.assign(data + 2, data + size);
        return true;
    case RelayKind::PeerLeft:
        if (size != 2 || data[1] > 1)
            return false;
        message.player = data[1];
        return true;
    case RelayKind::Error:
    case RelayKind::Closing:
        message.text = rest(1);
        return IsRelayText(message.text);
    }
    return false;
}

void EncodeRelayMessage(const RelayMessage& message, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    bytes.push_back(static_cast<std::uint8_t>(message.kind));
    switch (message.kind) {
    case RelayKind::Hello:
        bytes.push_back(message.version);
        bytes.push_back(static_cast<std::uint8_t>(message.role));
        if (message.role != RelayRole::Create)
            bytes.insert(bytes.end(), message.code.begin(), message.code.end());
        break;
    case RelayKind::Data:
        bytes.push_back(message.flags);
        bytes.insert(bytes.end(), message.payload.begin(), message.payload.end());
        break;
    case RelayKind::Room:
        bytes.insert(bytes.end(), message.code.begin(), message.code.end());
        break;
    case RelayKind::PeerJoined:
        break;
    case RelayKind::Delivery:
        bytes.push_back(message.player);
        bytes.insert(bytes.end(), message.payload.begin(), message.payload.end());
        break;
    case RelayKind::PeerLeft:
        bytes.push_back(message.player);
        break;
    case RelayKind::Error:
    case RelayKind::Closing:
        bytes.insert(bytes.end(), message.text.begin(), message.text.end());
        break;
    }
}

std::vector<std::uint8_t> RelayHello(RelayRole role, std::string_view code)
{
    RelayMessage message;
    message.kind = RelayKind::Hello;
    message.role = role;
    message.code = code;
    std::vector<std::uint8_t> bytes;
    EncodeRelayMessage(message, bytes);
    return bytes;
}

std::vector<std::uint8_t> RelayData(std::uint8_t flags, const std::vector<std::uint8_t>& payload)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(payload.size() + 2);
    bytes.push_back(static_cast<std::uint8_t>(RelayKind::Data));
    bytes.push_back(flags);
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return bytes;
}

std::vector<std::uint8_t> RelayText(RelayKind kind, std::string_view text)
{
    RelayMessage message;
    message.kind = kind;
    message.text = text;
    std::vector<std::uint8_t> bytes;
    EncodeRelayMessage(message, bytes);
    return bytes;
}

bool IsRelayKeepAlive(const RelayMessage& message)
{
    return message.kind == RelayKind::Data && message.flags == 0 && message.payload.empty();
}

std::vector<std::uint8_t> RelayKeepAlive()
{
    return RelayData(0, {});
}
