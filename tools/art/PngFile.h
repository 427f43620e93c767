// Writing pictures as PNG files for the desktop's icon theme: 8-bit RGBA,
// the transparent colour (pure black) fully transparent, the image data
// deflated without compression so that no compression library is needed.
#pragma once

#include <string>

#include "tools/art/Image.h"

// The complete file content.
std::string EncodePng(const Image& image);
// Writes the file atomically; false (with a message) when it cannot be written.
bool WritePng(const std::string& path, const Image& image);
