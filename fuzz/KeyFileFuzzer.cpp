// Fuzzes the reader of the key files, and the key names the controls screen
// shows for whatever keys a file binds.
#include <cstdint>
#include <sstream>

#include "fuzz/FuzzGame.h"
#include "input/KeyBindings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::ScreenAndConfig);
    static KeyBindings bindings;
    std::istringstream in(InputText(data, size));
    bindings.Load(in);
    for (const int key : bindings.keys)
        Require(!bindings.NameOf(key).empty(), "every bound key has a name to show");
    return 0;
}
