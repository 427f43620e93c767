// The 26 input actions and the key bound to each, with the key files they
// are read from and written to.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Input actions, in the order of the key files and of the controls screen.
enum Action : int {
    MoveGulperRight = 0,
    MoveGulperLeft = 1,
    MoveGulperUp = 2,
    MoveGulperDown = 3,
    StopGulper = 4,
    MoveGhostRight = 5,
    MoveGhostLeft = 6,
    MoveGhostUp = 7,
    MoveGhostDown = 8,
    StopGhosts = 9,
    SelectAllGhosts = 10,
    DeselectGhosts = 11,
    SelectNextGhost = 12,
    SelectPrevGhost = 13,
    SelectGhost1 = 14,  // to SelectGhost1 + 7 for ghost 8
    GroupSelection = 22,
    PauseGame = 23,
    KeysHelpScreen = 24,
    ExitGame = 25,
    ActionCount = 26,
};

constexpr int ActionNameSize = 20;  // each name fits 19 characters and its terminating zero
extern const char ActionNames[ActionCount][ActionNameSize];

constexpr int KeyNameCount = 512;  // key symbols 0 to 511 have names
constexpr int UnknownKey = 63;     // the key symbol named "?", shown while a key is awaited

constexpr const char* KeysPath = "data/keys.cfg";
constexpr const char* DefaultKeysPath = "data/default_keys.cfg";
constexpr const char* DefaultHotseatKeysPath = "data/default_hotseat_keys.cfg";

class KeyBindings {
public:
    // Reads "data/keys.cfg" and fills the key names.
    KeyBindings();

    // Reads a key file; a short file changes only the first keys.
    // False (bindings unchanged) when it cannot be opened.
    bool Load(const char* path);
    // Reads the numbers of a key file's text, as Load(path) does once the file is open.
    void Load(std::istream& in);
    // Writes "data/keys.cfg"; false (file unchanged) when it cannot be written.
    bool Save() const;
    // The name of a key symbol, "?" for a symbol outside the name list.
    const std::string& NameOf(int key) const;
    // Whether a key symbol is the key of an action. An unbound action (key 0)
    // matches no key: the media library delivers keys it cannot name as 0 too.
    bool Matches(int action, int key) const;

    int keys[ActionCount];               // the key symbol of each action; 0 is no key
    std::vector<std::string> keyNames;   // the media library's name of each key symbol
    int fileFlag;                        // first number of the last key file read, written back unchanged
    int captureIndex;                    // the action waiting for a new key, or NoValue
};
