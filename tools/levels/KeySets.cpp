#include "tools/levels/KeySets.h"

#include <SDL/SDL_keysym.h>

#include <map>

namespace {

// The part both sets share: ghost commands on the left of the keyboard.
KeySet CommonKeys()
{
    KeySet keys{};
    keys[MoveGulperRight] = SDLK_RIGHT;
    keys[MoveGulperLeft] = SDLK_LEFT;
    keys[MoveGulperUp] = SDLK_UP;
    keys[MoveGulperDown] = SDLK_DOWN;
    keys[MoveGhostRight] = SDLK_d;
    keys[MoveGhostLeft] = SDLK_a;
    keys[MoveGhostUp] = SDLK_w;
    keys[MoveGhostDown] = SDLK_s;
    keys[StopGhosts] = SDLK_x;
    keys[SelectAllGhosts] = SDLK_r;
    keys[DeselectGhosts] = SDLK_f;
    keys[SelectNextGhost] = SDLK_e;
    keys[SelectPrevGhost] = SDLK_q;
    for (int action = SelectGhost1; action < GroupSelection; ++action)
        keys[action] = SDLK_1 + (action - SelectGhost1);  // ghost n on number key n
    keys[GroupSelection] = SDLK_LSHIFT;
    keys[PauseGame] = SDLK_p;
    keys[KeysHelpScreen] = SDLK_F1;
    keys[ExitGame] = SDLK_ESCAPE;
    return keys;
}

}  // namespace

KeySet SinglePlayerKeys()
{
    KeySet keys = CommonKeys();
    keys[StopGulper] = SDLK_SPACE;
    return keys;
}

KeySet HotseatKeys()
{
    // Space lies between the two players' hands; the gulper stops with the
    // Ctrl key next to the arrows instead.
    KeySet keys = CommonKeys();
    keys[StopGulper] = SDLK_RCTRL;
    return keys;
}

std::string FormatKeyFile(const KeySet& keys)
{
    std::string text = std::to_string(KeyFileFlag) + "\n";
    for (const int key : keys)
        text += std::to_string(key) + "\n";
    return text;
}

std::vector<std::string> CheckKeySet(const KeySet& keys, const FontWidths& font,
                                     const std::function<std::string(int)>& keyName)
{
    std::vector<std::string> problems;
    std::map<int, int> firstActionOfKey;
    for (int action = 0; action < ActionCount; ++action) {
        const int key = keys[action];
        const std::string name = keyName(key);
        if (key == SDLK_UNKNOWN) {
            problems.push_back(std::string(ActionNames[action]) + " has no key");
            continue;
        }
        const auto [first, isNew] = firstActionOfKey.emplace(key, action);
        if (!isNew)
            problems.push_back("key " + name + " serves both " + ActionNames[first->second] +
                               " and " + ActionNames[action]);
        if (TextWidth(font, name) > KeyLabelWidth)
            problems.push_back("the name of key " + name + " is wider than its button");
    }
    return problems;
}
