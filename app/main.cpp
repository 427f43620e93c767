// Gulpwise: a maze-chase game.
#include "app/Globals.h"
#include "app/Program.h"
#include "app/Screen.h"

int main(int, char**)
{
    CreateGlobals();
    TheScreen->Run();
    DestroyGlobals();
    return 0;
}
