// gulpwise-sound: synthesizes every sound effect and piece of music of the
// game and writes them as WAV files into a game folder, then reads each file
// back, checks it and prints its length, peak and loudness.
//
//   gulpwise-sound <game folder>      e.g. gulpwise-sound gamedata
//
// Ends with status 1 when a file cannot be written or fails a check.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/AtomicFile.h"
#include "tools/sound/Loudness.h"
#include "tools/sound/SoundCatalogue.h"
#include "tools/sound/SoundChecks.h"
#include "tools/sound/WavFile.h"

namespace {

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Writes one sound, reads it back and checks it; false on any failure.
bool MakeSound(const std::filesystem::path& gameFolder, const SoundEntry& entry)
{
    const std::filesystem::path path = gameFolder / entry.path;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!WriteFileAtomically(path.string(), EncodeWav(FinishSound(entry)))) {
        std::printf("%-32s could not be written\n", entry.path);
        return false;
    }
    std::string bytes;
    Samples written;
    if (!ReadWholeFile(path, bytes) || !DecodeWav(bytes, written)) {
        std::printf("%-32s could not be read back\n", entry.path);
        return false;
    }
    const Loudness loudness = MeasureLoudness(written);
    std::printf("%-32s %6.3f s  peak %6.2f dBFS  RMS %6.2f dBFS\n", entry.path,
                SamplesToSeconds(written.size()), GainToDecibels(loudness.peak),
                GainToDecibels(loudness.rms));
    const auto problems = CheckSound(entry, written);
    for (const std::string& problem : problems)
        std::printf("    FAILED: %s\n", problem.c_str());
    return problems.empty();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: %s <game folder>\n", argv[0]);
        return 1;
    }
    bool allGood = true;
    for (const SoundEntry& entry : SoundCatalogue())
        allGood = MakeSound(argv[1], entry) && allGood;
    std::printf(allGood ? "All sounds written and checked.\n" : "Some sounds FAILED.\n");
    return allGood ? 0 : 1;
}
