// The settings of online play kept in "data/online.cfg": the address of the
// relay server through which players meet by room code. One line.
#pragma once

#include <string>

constexpr const char* OnlineConfigPath = "data/online.cfg";
constexpr const char* DefaultRelayUrl = "ws://127.0.0.1:24863";
constexpr const char* RelayUrlScheme = "ws://";
constexpr int MaxRelayUrlLength = 200;  // characters; a longer line is refused

struct OnlineConfig {
    std::string relayUrl = DefaultRelayUrl;  // ws://HOST[:PORT][/PATH]
};

// True when the text can be the relay's address: "ws://" and a host, printable
// characters without blanks, at most MaxRelayUrlLength characters.
bool IsRelayUrl(const std::string& url);

// Reads the file. A missing, unreadable or malformed file gives the default
// address, with one line on standard error saying why.
OnlineConfig LoadOnlineConfig(const char* path = OnlineConfigPath);

// Writes the address as the file's one line, atomically. An address that
// IsRelayUrl refuses, or a file that cannot be written, leaves the old file
// as it was and returns false.
bool SaveOnlineConfig(const OnlineConfig& config, const char* path = OnlineConfigPath);
