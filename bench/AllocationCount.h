// Counts the allocations of the game's own code (every operator new) made
// by the program this is linked into, so that benchmarks can show how many
// a frame makes.
#pragma once

#include <cstdint>

// Allocations made since the program started.
int64_t AllocationsSoFar();
