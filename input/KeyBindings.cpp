// The key bound to each input action: the key files and the key names.
#include "input/KeyBindings.h"

#include <SDL/SDL.h>
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/GameTypes.h"

const char ActionNames[ActionCount][ActionNameSize] = {
    "Move gulper right", "Move gulper left",  "Move gulper up",    "Move gulper down",
    "Stop Gulper",       "Move ghost right",  "Move ghost left",   "Move ghost up",
    "Move ghost down",   "Stop ghosts",       "Select all ghosts", "Deselect ghosts",
    "Select next ghost", "Select prev ghost", "Select ghost 1",    "Select ghost 2",
    "Select ghost 3",    "Select ghost 4",    "Select ghost 5",    "Select ghost 6",
    "Select ghost 7",    "Select ghost 8",    "Group selection",   "Pause",
    "Keys help screen",  "Exit game",
};

namespace {

constexpr int NoKey = 0;  // the key of an unbound action

// The name shown for a key symbol that has none in the list.
const std::string UnknownKeyName = "?";

}  // namespace

// Until a key file is read every action is unbound (key 0).
KeyBindings::KeyBindings() : keys{}, fileFlag(0), captureIndex(NoValue)
{
    Load(KeysPath);
    keyNames.reserve(KeyNameCount);
    for (int key = 0; key < KeyNameCount; ++key)
        keyNames.emplace_back(SDL_GetKeyName(static_cast<SDLKey>(key)));
}

// A key file: the flag on the first line, then the keys of the actions in
// index order. Reading stops at anything that is not a number, after 26 keys,
// and right after a number that runs up to the end of the file: such a last
// number is not taken. Keys not read keep their bindings.
bool KeyBindings::Load(const char* path)
{
    std::ifstream file(path);
    if (!file) {
        fprintf(stdout, "Couldn't open file %s, You will need to redefine keys", path);
        return false;
    }
    Load(file);
    return true;
}

void KeyBindings::Load(std::istream& in)
{
    int flag = 0;
    if (in >> flag)
        fileFlag = flag;
    int key = 0;
    for (int action = 0; action < ActionCount && in >> key && !in.eof(); ++action)
        keys[action] = key;
}

// Written in one piece beside the old file and then put in its place, so a
// failed save leaves the old bindings on disk and the game goes on with the
// ones in memory.
bool KeyBindings::Save() const
{
    std::string content = std::to_string(fileFlag) + "\n";
    for (const int key : keys)
        content += std::to_string(key) + "\n";
    if (!WriteFileAtomically(KeysPath, content)) {
        fprintf(stdout, "Couldn't open file %s", KeysPath);
        return false;
    }
    return true;
}

const std::string& KeyBindings::NameOf(int key) const
{
    if (key < 0 || static_cast<size_t>(key) >= keyNames.size())
        return UnknownKeyName;
    return keyNames[key];
}

bool KeyBindings::Matches(int action, int key) const
{
    return keys[action] != NoKey && keys[action] == key;
}
