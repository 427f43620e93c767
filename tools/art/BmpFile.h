// Writing pictures as uncompressed 24-bit BMP files, the format the game's
// media library loads.
#pragma once

#include <string>

#include "tools/art/Image.h"

// The complete file content: header, then the rows bottom-up, each padded to 4 bytes.
std::string EncodeBmp(const Image& image);
// Writes the file atomically; false (with a message) when it cannot be written.
bool WriteBmp(const std::string& path, const Image& image);
