// The browser's key numbers turned into the desktop's. Emscripten's SDL gives
// keys without a character (arrows, function keys, modifiers, the keys that
// move through a page) as a scan code plus 1024, where the desktop's SDL 1.2
// has its own numbers; the key files hold the desktop's, so the same keys.cfg
// means the same keys in the window and in the page. The keys' names, which
// the browser's SDL does not know, are the desktop's too.
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

// The desktop SDL 1.2 name of each key number it names, as it spells them
// (the semicolon's name included).
struct KeyName {
    int key;           // the desktop key number
    const char* name;  // its name in the desktop's media library
};

constexpr KeyName KeyNames[] = {
    {8, "backspace"}, {9, "tab"}, {12, "clear"}, {13, "return"}, {19, "pause"}, {27, "escape"},
    {32, "space"}, {33, "!"}, {34, "\""}, {35, "#"}, {36, "$"}, {38, "&"}, {39, "'"}, {40, "("},
    {41, ")"}, {42, "*"}, {43, "+"}, {44, ","}, {45, "-"}, {46, "."}, {47, "/"}, {48, "0"},
    {49, "1"}, {50, "2"}, {51, "3"}, {52, "4"}, {53, "5"}, {54, "6"}, {55, "7"}, {56, "8"},
    {57, "9"}, {58, ":"}, {59, ");"}, {60, "<"}, {61, "="}, {62, ">"}, {63, "?"}, {64, "@"},
    {91, "["}, {92, "\\"}, {93, "]"}, {94, "^"}, {95, "_"}, {96, "`"}, {97, "a"}, {98, "b"},
    {99, "c"}, {100, "d"}, {101, "e"}, {102, "f"}, {103, "g"}, {104, "h"}, {105, "i"}, {106, "j"},
    {107, "k"}, {108, "l"}, {109, "m"}, {110, "n"}, {111, "o"}, {112, "p"}, {113, "q"}, {114, "r"},
    {115, "s"}, {116, "t"}, {117, "u"}, {118, "v"}, {119, "w"}, {120, "x"}, {121, "y"}, {122, "z"},
    {127, "delete"}, {160, "world 0"}, {161, "world 1"}, {162, "world 2"}, {163, "world 3"},
    {164, "world 4"}, {165, "world 5"}, {166, "world 6"}, {167, "world 7"}, {168, "world 8"},
    {169, "world 9"}, {170, "world 10"}, {171, "world 11"}, {172, "world 12"}, {173, "world 13"},
    {174, "world 14"}, {175, "world 15"}, {176, "world 16"}, {177, "world 17"}, {178, "world 18"},
    {179, "world 19"}, {180, "world 20"}, {181, "world 21"}, {182, "world 22"}, {183, "world 23"},
    {184, "world 24"}, {185, "world 25"}, {186, "world 26"}, {187, "world 27"}, {188, "world 28"},
    {189, "world 29"}, {190, "world 30"}, {191, "world 31"}, {192, "world 32"}, {193, "world 33"},
    {194, "world 34"}, {195, "world 35"}, {196, "world 36"}, {197, "world 37"}, {198, "world 38"},
    {199, "world 39"}, {200, "world 40"}, {201, "world 41"}, {202, "world 42"}, {203, "world 43"},
    {204, "world 44"}, {205, "world 45"}, {206, "world 46"}, {207, "world 47"}, {208, "world 48"},
    {209, "world 49"}, {210, "world 50"}, {211, "world 51"}, {212, "world 52"}, {213, "world 53"},
    {214, "world 54"}, {215, "world 55"}, {216, "world 56"}, {217, "world 57"}, {218, "world 58"},
    {219, "world 59"}, {220, "world 60"}, {221, "world 61"}, {222, "world 62"}, {223, "world 63"},
    {224, "world 64"}, {225, "world 65"}, {226, "world 66"}, {227, "world 67"}, {228, "world 68"},
    {229, "world 69"}, {230, "world 70"}, {231, "world 71"}, {232, "world 72"}, {233, "world 73"},
    {234, "world 74"}, {235, "world 75"}, {236, "world 76"}, {237, "world 77"}, {238, "world 78"},
    {239, "world 79"}, {240, "world 80"}, {241, "world 81"}, {242, "world 82"}, {243, "world 83"},
    {244, "world 84"}, {245, "world 85"}, {246, "world 86"}, {247, "world 87"}, {248, "world 88"},
    {249, "world 89"}, {250, "world 90"}, {251, "world 91"}, {252, "world 92"}, {253, "world 93"},
    {254, "world 94"}, {255, "world 95"}, {256, "[0]"}, {257, "[1]"}, {258, "[2]"}, {259, "[3]"},
    {260, "[4]"}, {261, "[5]"}, {262, "[6]"}, {263, "[7]"}, {264, "[8]"}, {265, "[9]"},
    {266, "[.]"}, {267, "[/]"}, {268, "[*]"}, {269, "[-]"}, {270, "[+]"}, {271, "enter"},
    {272, "equals"}, {273, "up"}, {274, "down"}, {275, "right"}, {276, "left"}, {277, "insert"},
    {278, "home"}, {279, "end"}, {280, "page up"}, {281, "page down"}, {282, "f1"}, {283, "f2"},
    {284, "f3"}, {285, "f4"}, {286, "f5"}, {287, "f6"}, {288, "f7"}, {289, "f8"}, {290, "f9"},
    {291, "f10"}, {292, "f11"}, {293, "f12"}, {294, "f13"}, {295, "f14"}, {296, "f15"},
    {300, "numlock"}, {301, "caps lock"}, {302, "scroll lock"}, {303, "right shift"},
    {304, "left shift"}, {305, "right ctrl"}, {306, "left ctrl"}, {307, "right alt"},
    {308, "left alt"}, {309, "right meta"}, {310, "left meta"}, {311, "left super"},
    {312, "right super"}, {313, "alt gr"}, {314, "compose"}, {315, "help"}, {316, "print screen"},
    {317, "sys req"}, {318, "break"}, {319, "menu"}, {320, "power"}, {321, "euro"}, {322, "undo"},
};
constexpr const char* UnknownKey = "unknown key";

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

// In place of the browser's SDL, which names every key "unknown key".
extern "C" const char* SDL_GetKeyName(SDL_Keycode key)
{
    for (const KeyName& known : KeyNames) {
        if (known.key == key)
            return known.name;
    }
    return UnknownKey;
}
