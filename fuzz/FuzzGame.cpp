#include "fuzz/FuzzGame.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>


namespace fs = std::filesystem;

namespace {

std::string gameFolder;  // the throw-away game folder, empty until created

void RemoveGameFolder()
{
    if (gameFolder.empty())
        return;
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(gameFolder, ignored);
}

// A fresh folder with a copy of the shipped data, made the working directory.
void EnterGameFolder()
{
    std::string pattern = (fs::temp_directory_path() / "gulpwise-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        fprintf(stderr, "Couldn't create a game folder for fuzzing\n");
        exit(1);
    }
    gameFolder = pattern;
    atexit(RemoveGameFolder);
    std::error_code failed;
    fs::copy(GULPWISE_DATA_DIR, gameFolder, fs::copy_options::recursive, failed);
    if (failed) {
        fprintf(stderr, "Couldn't copy the game data: %s\n", failed.message().c_str());
        exit(1);
    }
    fs::current_path(gameFolder);
}

}  // namespace

void StartFuzzGame(GameParts parts)
{
    static bool started = false;
    if (started)
        return;
    started = true;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EnterGameFolder();
    StartHeadlessGame(parts);
}

std::string InputText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

void WriteGameFile(const char* path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    fprintf(stderr, "Property broken: %s\n", what);
    abort();
}
