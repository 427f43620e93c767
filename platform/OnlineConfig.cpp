// Reading and writing "data/online.cfg", the relay's address.
#include "platform/OnlineConfig.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/AtomicFile.h"

namespace {

constexpr char FirstPrintable = '!';  // blanks and control characters are refused
constexpr char LastPrintable = '~';

void Complain(const char* path, const std::string& why)
{
    fprintf(stderr, "%s: %s; using the relay at %s\n", path, why.c_str(), DefaultRelayUrl);
}

// The text with the line feed (and a carriage return before it) at its end taken off.
std::string WithoutLineEnd(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

}  // namespace

bool IsRelayUrl(const std::string& url)
{
    const std::string scheme = RelayUrlScheme;
    if (url.size() > static_cast<size_t>(MaxRelayUrlLength) || url.size() <= scheme.size() ||
        url.compare(0, scheme.size(), scheme) != 0)
        return false;
    if (url[scheme.size()] == '/' || url[scheme.size()] == ':')
        return false;  // no host
    for (const char c : url) {
        if (c < FirstPrintable || c > LastPrintable)
            return false;
    }
    return true;
}

OnlineConfig LoadOnlineConfig(const char* path)
{
    OnlineConfig config;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Complain(path, "cannot be read");
        return config;
    }
    // Read at most one character more than a line may hold, so that a huge file costs nothing.
    constexpr size_t MaxFileLength = MaxRelayUrlLength + 2;  // the line and its "\r\n"
    std::string text(MaxFileLength + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) {
        Complain(path, "cannot be read");
        return config;
    }
    const std::string line = WithoutLineEnd(text);
    if (line.size() > static_cast<size_t>(MaxRelayUrlLength)) {
        Complain(path, "the line is longer than " + std::to_string(MaxRelayUrlLength) +
                           " characters");
        return config;
    }
    if (!IsRelayUrl(line)) {
        Complain(path, "not a relay address (one line: ws://HOST:PORT)");
        return config;
    }
    config.relayUrl = line;
    return config;
}

bool SaveOnlineConfig(const OnlineConfig& config, const char* path)
{
    if (!IsRelayUrl(config.relayUrl))
        return false;
    return WriteFileAtomically(path, config.relayUrl + "\n");
}
