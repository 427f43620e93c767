// gulpwise-art: draws every image and both fonts of the game.
//
//   gulpwise-art GAME_FOLDER            writes images/*.bmp and the fonts under data/
//   gulpwise-art --preview FOLDER       writes enlarged mock-ups of the maze and the menus
//   gulpwise-art --icons FOLDER         writes the desktop icons, gulpwise_N.png for each size
//   gulpwise-art --web-icons FOLDER     writes the web page's icons, gulpwise_N.png for each size
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "tools/art/ArtSet.h"
#include "tools/art/DesktopIcons.h"
#include "tools/art/PngFile.h"
#include "tools/art/Preview.h"

int main(int argc, char** argv)
{
    const bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    const bool webIcons = argc == 3 && std::strcmp(argv[1], "--web-icons") == 0;
    const bool write = argc == 2 && argv[1][0] != '-';
    if (!write && !preview && !icons && !webIcons) {
        printf("Usage: %s GAME_FOLDER | --preview FOLDER | --icons FOLDER | --web-icons FOLDER\n", argv[0]);
        return 2;
    }
    if (icons || webIcons) {
        std::error_code error;
        std::filesystem::create_directories(argv[2], error);
        for (const int size : icons ? std::span<const int>(DesktopIconSizes) : std::span<const int>(WebIconSizes)) {
            const std::string path = std::string(argv[2]) + "/gulpwise_" + std::to_string(size) + ".png";
            if (!WritePng(path, icons ? MakeDesktopIcon(size) : MakeWebIcon(size)))
                return 1;
        }
        return 0;
    }
    const std::optional<ArtSet> art = MakeArtSet();
    if (!art)
        return 1;
    if (preview) {
        std::error_code error;
        std::filesystem::create_directories(argv[2], error);
        return WritePreviews(*art, argv[2]) ? 0 : 1;
    }
    if (!WriteArtSet(*art, argv[1]))
        return 1;
    printf("Wrote %zu images and 2 font width files under %s\n", art->images.size(), argv[1]);
    return 0;
}
