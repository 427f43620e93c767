// The browser's key numbers turned into the desktop's. Emscripten's SDL gives
// keys without a character (arrows, function keys, modifiers, the keys that
// move through a page) as a scan code plus 1024, where the desktop's SDL 1.2
// has its own numbers; the key files hold the desktop's, so the same keys.cfg
// means the same keys in the window and in the page.
#include "browser/BrowserKeys.h"

namespace {

constexpr int ScanCodeKey = 1 << 10;  // Emscripten's mark on a key named by its scan code

struct KeyPair {
    int scanCode;     // the USB scan code Emscripten names the key by
    int desktopKey;   // the desktop SDL 1.2 key number
};

constexpr KeyPair Keys[] = {
    {79, 275},  {80, 276},  {81, 274},  {82, 273},                // right, left, down, up
    {73, 277},  {74, 278},  {77, 279},  {75, 280},  {78, 281},    // insert, home, end, page up, page down
    {58, 282},  {59, 283},  {60, 284},  {61, 285},  {62, 286},  {63, 287},  // F1 to F6
    {64, 288},  {65, 289},  {66, 290},  {67, 291},  {68, 292},  {69, 293},  // F7 to F12
    {57, 301},                                                    // caps lock
    {229, 303}, {225, 304}, {228, 305}, {224, 306}, {230, 307}, {226, 308},  // right/left shift, ctrl, alt
};

int DesktopKey(int key)
{
    if ((key & ScanCodeKey) == 0)
        return key;
    for (const KeyPair& pair : Keys) {
        if ((pair.scanCode | ScanCodeKey) == key)
            return pair.desktopKey;
    }
    return key;  // a key the desktop has no number for keeps the browser's
}

}  // namespace

int PollBrowserEvent(SDL_Event* event)
{
    const int got = SDL_PollEvent(event);
    if (got && (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP))
        event->key.keysym.sym = static_cast<SDLKey>(DesktopKey(event->key.keysym.sym));
    return got;
}
