#include "tools/art/ArtSet.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "tools/art/BmpFile.h"
#include "tools/art/Characters.h"
#include "tools/art/Panels.h"
#include "tools/art/TileSets.h"

namespace {

constexpr int MenuBarWidth = 126;
constexpr int Row = 18;  // one text row: the height of buttons and bars

}  // namespace

const Image& ArtSet::Find(const std::string& path) const
{
    for (const NamedImage& named : images)
        if (named.path == path)
            return named.image;
    printf("The art set has no image %s\n", path.c_str());
    std::exit(1);
}

std::optional<ArtSet> MakeArtSet()
{
    std::optional<MadeFont> large = MakeLargeFont();
    std::optional<MadeFont> small = MakeSmallFont();
    if (!large || !small)
        return std::nullopt;

    ArtSet art{{}, std::move(*large), std::move(*small)};
    art.images.push_back({"images/icon.bmp", MakeIcon()});
    for (int set = 0; set < TileSetCount; ++set)
        art.images.push_back({"images/tiles" + std::to_string(set) + ".bmp", MakeTileSheet(set)});
    art.images.push_back({"images/gulper.bmp", MakeGulperSheet()});
    art.images.push_back({"images/ghosts.bmp", MakeGhostSheet()});
    art.images.push_back({"images/ghost_controls.bmp", MakeGhostControls()});
    art.images.push_back({"images/button_72_18.bmp", MakeButton(72, Row)});
    art.images.push_back({"images/button_18_18.bmp", MakeButton(Row, Row)});
    art.images.push_back({"images/button_12_12.bmp", MakeButton(12, 12)});
    art.images.push_back({"images/menu_126_18.bmp", MakeButton(MenuBarWidth, Row)});
    art.images.push_back({"images/menu_90_126.bmp", MakePanel(90, 126, 0)});
    art.images.push_back({"images/menu_144_180.bmp", MakePanel(144, 180, MenuBandHeight)});
    art.images.push_back({"images/menu_432_342.bmp", MakePanel(432, 342, DialogBandHeight)});
    art.images.push_back({"images/menu_216_90.bmp", MakePanel(216, 90, MenuBandHeight)});
    art.images.push_back({"images/menu_288_63.bmp", MakePanel(288, 63, DialogBandHeight)});
    art.images.push_back({"data/font18.bmp", art.largeFont.bitmap});
    art.images.push_back({"data/font10.bmp", art.smallFont.bitmap});
    return art;
}

bool WriteArtSet(const ArtSet& art, const std::string& gameFolder)
{
    for (const char* folder : {"images", "data"}) {
        std::error_code ignored;  // a folder that cannot be made shows up as files not written
        std::filesystem::create_directories(gameFolder + "/" + folder, ignored);
    }
    bool written = true;
    for (const NamedImage& named : art.images)
        written = WriteBmp(gameFolder + "/" + named.path, named.image) && written;
    for (const auto& [path, widths] : {std::pair{"data/font18_chars_w.cfg", &art.largeFont.widths},
                                       std::pair{"data/font10_chars_w.cfg", &art.smallFont.widths}}) {
        const std::string fullPath = gameFolder + "/" + path;
        if (!WriteFileAtomically(fullPath, *widths)) {
            printf("Couldn't write file %s\n", fullPath.c_str());
            written = false;
        }
    }
    return written;
}
