// Gulpwise: a maze-chase game.
#include "platform/Globals.h"
#include "app/Program.h"
#include "platform/Screen.h"

int main(int, char**)
{
    CreateGlobals();
    TheScreen->Run();
    DestroyGlobals();
    return 0;
}
