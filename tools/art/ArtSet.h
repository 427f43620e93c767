// Everything the art tool makes, in memory, under the file names the game reads.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/art/Fonts.h"
#include "tools/art/Image.h"

struct NamedImage {
    std::string path;  // relative to the game folder, e.g. "images/gulper.bmp"
    Image image;
};

struct ArtSet {
    std::vector<NamedImage> images;
    MadeFont largeFont;
    MadeFont smallFont;

    const Image& Find(const std::string& path) const;  // the image of that path; it must exist
};

// Draws everything; nothing when a glyph set is malformed (the fault is printed).
std::optional<ArtSet> MakeArtSet();
// Writes every file under the game folder; false when one could not be written.
bool WriteArtSet(const ArtSet& art, const std::string& gameFolder);
