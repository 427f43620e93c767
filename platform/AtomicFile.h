// Writing a file so that a crash, a kill or a full disk never leaves it half
// written: the content goes to a temporary file beside it, which then
// replaces the file in one rename. Readers see the complete old content or
// the complete new content, nothing in between.
#pragma once

#include <string>

// Returns false (and leaves the old file untouched) when the file cannot be written.
bool WriteFileAtomically(const std::string& path, const std::string& content);
