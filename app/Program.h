// Start-up and shutdown of the program's global objects.
#pragma once

// Creates the global objects in their fixed order, each stored in its global
// pointer before the next is made.
void CreateGlobals();
// The first two of them alone: the screen, then the configuration.
void CreateScreenAndConfig();
// Destroys them in the shutdown order (saving the configuration); null pointers are skipped.
void DestroyGlobals();
