// gulpwise-levels: writes the level files, campaign settings, stock key sets
// and help page of the game into a game folder, then reads every file back
// and checks it.
//
//   gulpwise-levels <sources folder> <game folder>
//       e.g. gulpwise-levels tools/levels gamedata
//
// The sources folder holds the maze designs (mazes/<name>.txt) and the help
// text (help_text.txt). The help text is measured with the game's small font
// (data/font10_chars_w.cfg in the game folder) when it exists. Ends with
// status 1 when a file cannot be written or fails a check.
#include <SDL/SDL.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/AtomicFile.h"
#include "tools/levels/BlankCanvas.h"
#include "tools/levels/Campaigns.h"
#include "tools/levels/CustomMaps.h"
#include "tools/levels/HelpText.h"
#include "tools/levels/KeySets.h"
#include "tools/levels/LevelRules.h"
#include "tools/levels/MazeDesign.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SmallFontWidthsPath = "data/font10_chars_w.cfg";
constexpr const char* HelpTextPath = "data/help_text.cfg";
constexpr int SettingsValueCount = 6;  // controllers, ghosts, two speeds, seconds

bool ReadWholeFile(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void Report(const std::string& file, const std::vector<std::string>& problems)
{
    for (const std::string& problem : problems)
        std::printf("FAILED %s: %s\n", file.c_str(), problem.c_str());
}

// The writing and checking of every file, with a running verdict.
class DataWriter {
public:
    DataWriter(fs::path sources, fs::path gameFolder)
        : sources(std::move(sources)), gameFolder(std::move(gameFolder))
    {
    }

    bool allGood = true;

    // Writes data/<name>, then reads it back into text; false on failure.
    bool WriteAndReadBack(const std::string& name, const std::string& content, std::string& text)
    {
        const fs::path path = gameFolder / "data" / name;
        if (!WriteFileAtomically(path.string(), content)) {
            Fail(name, "cannot be written");
            return false;
        }
        if (!ReadWholeFile(path, text) || text != content) {
            Fail(name, "does not read back as written");
            return false;
        }
        return true;
    }

    void WriteLevel(const std::string& name, const LevelRows& rows)
    {
        std::string text;
        if (!WriteAndReadBack(name, FormatLevel(rows), text))
            return;
        LevelRows written;
        std::string problem;
        if (!ParseLevel(text, written, problem))
            return Fail(name, problem);
        Check(name, CheckLevel(written));
    }

    // The level of a design; a blank canvas (and a failure) when the design is unusable.
    LevelRows Design(const std::string& design)
    {
        std::string source;
        LevelRows rows;
        std::string problem;
        const fs::path path = sources / "mazes" / (design + ".txt");
        if (!ReadWholeFile(path, source))
            problem = "cannot be read";
        else if (BuildDesign(source, rows, problem))
            return rows;
        Fail(path.string(), problem);
        return MakeBlankCanvas();
    }

    void WriteCustomMaps()
    {
        int designed = 0;
        for (int number = 0; number < CustomMapCount; ++number) {
            const std::string design = CustomMapDesign(number);
            designed += design.empty() ? 0 : 1;
            WriteLevel("map_" + std::to_string(number) + ".lev",
                       design.empty() ? MakeBlankCanvas() : Design(design));
        }
        std::printf("Custom maps: %d designed, %d blank canvases\n", designed,
                    CustomMapCount - designed);
    }

    void WriteCampaign(const Campaign& campaign)
    {
        const std::string side = campaign.side;
        for (std::size_t i = 0; i < campaign.levels.size(); ++i) {
            const CampaignLevel& level = campaign.levels[i];
            const std::string number = std::to_string(i + 1);
            WriteLevel(side + "_level_" + number + ".lev", Design(level.design));
            WriteSettings(side + "_settings_" + number + ".lev", FormatSettings(campaign, level));
            std::printf("  %s %2s: %-10s %d ghosts, gulper %.1f, ghosts %.1f, %3d s\n",
                        side.c_str(), number.c_str(), level.design, level.ghostCount,
                        level.gulperSpeed, level.ghostSpeed, level.seconds);
        }
        RemoveLevelsBeyond(side, static_cast<int>(campaign.levels.size()));
    }

    void WriteSettings(const std::string& name, const std::string& content)
    {
        std::string text;
        if (!WriteAndReadBack(name, content, text))
            return;
        std::istringstream in(text);
        double value = 0.0;
        int count = 0;
        while (in >> value)
            ++count;
        if (count != SettingsValueCount || !in.eof())
            Fail(name, "does not hold six numbers");
    }

    // A campaign ends at its first missing level, so files of levels beyond
    // the table (left from a longer table) must go.
    void RemoveLevelsBeyond(const std::string& side, int levelCount)
    {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(gameFolder / "data", error)) {
            const std::string name = entry.path().filename().string();
            const int level = CampaignFileLevel(name, side);
            if (level > levelCount) {
                fs::remove(entry.path(), error);
                std::printf("  removed %s, beyond the campaign's last level\n", name.c_str());
            }
        }
    }

    // The level number of a campaign file of the side ("<side>_level_N.lev" or
    // "<side>_settings_N.lev"), or 0 when the name is not one.
    static int CampaignFileLevel(const std::string& name, const std::string& side)
    {
        for (const char* kind : {"_level_", "_settings_"}) {
            const std::string prefix = side + kind;
            const std::string suffix = ".lev";
            if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string digits =
                name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
            if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
                return 0;
            return std::stoi(digits);
        }
        return 0;
    }

    void WriteKeySet(const std::string& name, const KeySet& keys, const FontWidths& font)
    {
        std::string text;
        WriteAndReadBack(name, FormatKeyFile(keys), text);
        Check(name, CheckKeySet(keys, font, [](int key) {
                  return std::string(SDL_GetKeyName(static_cast<SDLKey>(key)));
              }));
    }

    void WriteHelpText(const FontWidths& font)
    {
        std::string source;
        const fs::path path = sources / "help_text.txt";
        if (!ReadWholeFile(path, source))
            return Fail(path.string(), "cannot be read");
        std::string text;
        if (!WriteAndReadBack("help_text.cfg", source, text))
            return;
        const auto lines = WrapHelpLines(HelpParagraphs(text), HelpWrapWidth, font);
        std::printf("Help text: %zu of %d lines (%s)\n", lines.size(), HelpPanelLines,
                    font.measured ? "measured with data/font10_chars_w.cfg"
                                  : "assuming 5 pixels per character: no font widths yet");
        Check(HelpTextPath, CheckHelpText(text, font));
    }

    FontWidths SmallFont() const
    {
        std::ifstream in(gameFolder / SmallFontWidthsPath);
        return in ? ReadFontWidths(in) : AssumedFontWidths();
    }

private:
    void Fail(const std::string& file, const std::string& problem)
    {
        Report(file, {problem});
        allGood = false;
    }

    void Check(const std::string& file, const std::vector<std::string>& problems)
    {
        Report(file, problems);
        allGood = allGood && problems.empty();
    }

    fs::path sources;     // tools/levels: designs and help text
    fs::path gameFolder;  // gamedata: the files are written to its data folder
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::printf("usage: %s <sources folder> <game folder>\n", argv[0]);
        return 1;
    }
    DataWriter writer(argv[1], argv[2]);
    std::error_code error;
    fs::create_directories(fs::path(argv[2]) / "data", error);

    writer.WriteCustomMaps();
    for (const Campaign& campaign : Campaigns()) {
        std::printf("Campaign %s: %zu levels\n", campaign.side, campaign.levels.size());
        writer.WriteCampaign(campaign);
    }
    const FontWidths font = writer.SmallFont();
    writer.WriteKeySet("default_keys.cfg", SinglePlayerKeys(), font);
    writer.WriteKeySet("default_hotseat_keys.cfg", HotseatKeys(), font);
    writer.WriteKeySet("keys.cfg", SinglePlayerKeys(), font);
    writer.WriteHelpText(font);

    std::printf(writer.allGood ? "All level data written and checked.\n"
                               : "Some level data FAILED.\n");
    return writer.allGood ? 0 : 1;
}
