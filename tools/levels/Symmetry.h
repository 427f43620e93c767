// Left-right symmetric mazes are designed as their left half; the right half
// is its mirror image.
#pragma once

#include <string>

// The full row: the half, then the half reversed. A start cell (P or G) is
// not doubled: its mirror image is plain floor.
std::string MirrorHalfRow(const std::string& half);
