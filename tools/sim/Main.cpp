// gulpwise-sim: plays levels computer against computer, with no window and no
// delay, and prints how each ended. Level designers balance levels with it.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tools/sim/Match.h"
#include "tools/sim/Monkey.h"
#include "tools/sim/Recording.h"
#include "replay/Checker.h"
#include "replay/Recorder.h"

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: gulpwise-sim [--data DIR] LEVEL [--settings FILE] [--gulper-speed S]\n"
    "                    [--ghost-speed S] [--ghosts N] [--time SECONDS] [--fps N]\n"
    "       gulpwise-sim [--data DIR] --campaign gulper|ghosts [--fps N]\n"
    "       add --spread to either to replay each level with both speeds varied\n"
    "       by -0.2 to +0.2 and count the gulper's wins of those 25 matches\n"
    "       gulpwise-sim [--data DIR] --monkey SEED [--frames-per-level N]\n"
    "                    [--sides vary|gulper|ghosts|both]\n"
    "       gulpwise-sim [--data DIR] --verify REPLAY...\n"
    "       plays each replay back and compares it second by second with its\n"
    "       recording; exits 1 when one differs or cannot be read\n"
    "       gulpwise-sim [--data DIR] --record FOLDER\n"
    "       records the replay corpus into FOLDER: both campaigns and custom\n"
    "       games, computer against computer, some with random commands\n"
    "       plays every shipped maze with a seeded random player on the chosen\n"
    "       side (default: varied per level), checking the game's rules after\n"
    "       every frame, in a copy of the game folder; exits 1 on a broken rule\n"
    "Plays the level (a maze file, relative to the game folder DIR) with the\n"
    "computer on both sides and prints how it ended. --settings reads a campaign\n"
    "settings file (controllers, ghosts, gulper speed, ghost speed, seconds);\n"
    "the options after it override its values. --campaign plays every level of a\n"
    "campaign with its own settings, one line per level. DIR defaults to the\n"
    "game data of the source tree.\n";

struct Options {
    std::string data = GULPWISE_DATA_DIR;
    std::string level;
    std::string campaign;      // "gulper" or "ghosts"
    std::string settingsFile;  // relative to the game folder, like the level
    // Values given on the command line; they win over the settings file.
    std::optional<double> gulperSpeed, ghostSpeed;
    std::optional<int> ghostCount, timeLimit;
    int framesPerSecond = 20;
    bool spread = false;  // also play each level with the speeds varied
    std::optional<uint32_t> monkeySeed;  // play as the monkey, with this seed
    MonkeyOptions monkey;
    std::vector<std::string> replays;  // --verify: the replay files to check
    bool verify = false;
    std::string recordFolder;  // --record: where the corpus goes
};

// The speed offsets of a spread: every pair of -0.2 to +0.2 in steps of 0.1.
constexpr int SpreadSteps = 5;
constexpr double SpreadStep = 0.1;

[[noreturn]] void Fail(const std::string& message)
{
    fprintf(stderr, "gulpwise-sim: %s\n%s", message.c_str(), Usage);
    exit(2);
}

// Reads a campaign settings file's values into the settings (controllers are ignored).
void ReadSettingsFile(const std::string& path, LevelSettings& settings)
{
    std::ifstream in(path);
    if (!in)
        Fail("cannot read " + path);
    int gulperController = 0, ghostsController = 0;
    in >> gulperController >> ghostsController >> settings.ghostCount >> settings.gulperSpeed >>
        settings.ghostSpeed;
    int limit = 0;
    if (in >> limit)
        settings.timeLimit = limit;
}

MonkeySides ParseSides(const std::string& name)
{
    if (name == "vary")
        return MonkeySides::Vary;
    if (name == "gulper")
        return MonkeySides::Gulper;
    if (name == "ghosts")
        return MonkeySides::Ghosts;
    if (name == "both")
        return MonkeySides::Both;
    Fail("the sides are vary, gulper, ghosts or both");
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                Fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--data")
            options.data = value();
        else if (arg == "--campaign")
            options.campaign = value();
        else if (arg == "--settings")
            options.settingsFile = value();
        else if (arg == "--gulper-speed")
            options.gulperSpeed = atof(value().c_str());
        else if (arg == "--ghost-speed")
            options.ghostSpeed = atof(value().c_str());
        else if (arg == "--ghosts")
            options.ghostCount = atoi(value().c_str());
        else if (arg == "--time")
            options.timeLimit = atoi(value().c_str());
        else if (arg == "--fps")
            options.framesPerSecond = atoi(value().c_str());
        else if (arg == "--spread")
            options.spread = true;
        else if (arg == "--monkey")
            options.monkeySeed = static_cast<uint32_t>(strtoul(value().c_str(), nullptr, 10));
        else if (arg == "--frames-per-level")
            options.monkey.framesPerLevel = atoi(value().c_str());
        else if (arg == "--sides")
            options.monkey.sides = ParseSides(value());
        else if (arg == "--verify")
            options.verify = true;
        else if (arg == "--record")
            options.recordFolder = value();
        else if (arg == "--help" || arg == "-h")
            Fail("");
        else if (!arg.empty() && arg[0] != '-' && options.verify)
            options.replays.push_back(arg);
        else if (!arg.empty() && arg[0] != '-' && options.level.empty())
            options.level = arg;
        else
            Fail("unknown argument " + arg);
    }
    const int modes = !options.level.empty() + !options.campaign.empty() +
                      options.monkeySeed.has_value() + options.verify + !options.recordFolder.empty();
    if (modes != 1)
        Fail("give one of a level file, --campaign, --monkey, --verify or --record");
    if (options.verify && options.replays.empty())
        Fail("--verify needs replay files");
    if (!options.campaign.empty() && options.campaign != "gulper" && options.campaign != "ghosts")
        Fail("the campaign is gulper or ghosts");
    if (options.framesPerSecond < 1)
        Fail("the frame rate is at least 1");
    return options;
}

// The settings of a single level: the file's, then the command line's.
LevelSettings SettingsOfOptions(const Options& options)
{
    LevelSettings settings;
    if (!options.settingsFile.empty())
        ReadSettingsFile(options.settingsFile, settings);
    settings.gulperSpeed = options.gulperSpeed.value_or(settings.gulperSpeed);
    settings.ghostSpeed = options.ghostSpeed.value_or(settings.ghostSpeed);
    settings.ghostCount = options.ghostCount.value_or(settings.ghostCount);
    settings.timeLimit = options.timeLimit.value_or(settings.timeLimit);
    settings.framesPerSecond = options.framesPerSecond;
    return settings;
}

void PrintResult(const std::string& name, const LevelSettings& settings, const MatchResult& result)
{
    printf("%-18s ghosts %d  speeds %.2f/%.2f  limit %3ds | %-22s  frames %5d  corn %3d/%-3d  "
           "boosts %d/%d  ghosts eaten %d  (%.0f frames/s)  game frames %d\n",
           name.c_str(), settings.ghostCount, settings.gulperSpeed, settings.ghostSpeed,
           settings.timeLimit, ReplayEndName(result.end), result.frames, result.cornEaten,
           result.cornTotal, result.boostsEaten, result.boostsTotal, result.ghostsEaten,
           result.framesPerSecond, result.gameFrames);
    fflush(stdout);
}

// Plays a level again with both speeds varied around the settings, reloading
// it before each match, and prints how many of those matches the gulper won.
template <typename Reload>
void PrintSpread(const LevelSettings& settings, Reload reload)
{
    int gulperWins = 0;
    for (int i = 0; i < SpreadSteps * SpreadSteps; ++i) {
        LevelSettings varied = settings;
        varied.gulperSpeed += (i / SpreadSteps - SpreadSteps / 2) * SpreadStep;
        varied.ghostSpeed += (i % SpreadSteps - SpreadSteps / 2) * SpreadStep;
        reload();
        gulperWins += PlayMatch(varied).end != ReplayEnd::Caught;
    }
    printf("%18s spread: gulper wins %d of %d\n", "", gulperWins, SpreadSteps * SpreadSteps);
    fflush(stdout);
}

}  // namespace

// Every maze of the game folder: the custom maps and both campaigns, in name order.
std::vector<std::string> ShippedMazes()
{
    std::vector<std::string> mazes;
    for (const auto& entry : fs::directory_iterator("data")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("map_") || name.find("_level_") != std::string::npos)
            mazes.push_back("data/" + name);
    }
    std::sort(mazes.begin(), mazes.end());
    return mazes;
}

// The monkey plays in a copy of the game folder: it may save keys, maps and
// options, and the shipped files must never change.
int RunMonkeyMode(const Options& options)
{
    std::string pattern = (fs::temp_directory_path() / "gulpwise-monkey-XXXXXX").string();
    const std::string folder = mkdtemp(pattern.data());
    fs::copy(options.data, folder, fs::copy_options::recursive);
    StartSimulation(folder);

    MonkeyOptions monkey = options.monkey;
    monkey.seed = *options.monkeySeed;
    MonkeyReport report;
    Quietly([&] { report = RunMonkey(ShippedMazes(), monkey); });
    printf("monkey seed %u: %lld frames, %lld events, %d levels, %d restarts, %d states seen, "
           "trace %016llx, %zu broken rules\n",
           monkey.seed, report.frames, report.events, report.levels, report.restarts,
           report.statesSeen, static_cast<unsigned long long>(report.trace),
           report.violations.size());
    const size_t shown = std::min<size_t>(report.violations.size(), 20);
    for (size_t i = 0; i < shown; ++i)
        printf("  %s\n", report.violations[i].c_str());

    fs::remove_all(folder);
    return report.violations.empty() ? 0 : 1;
}

// Plays each replay back; one line per file. The files are named relative
// to the folder the simulator was started in, not the game folder.
int RunVerifyMode(const Options& options)
{
    const fs::path startFolder = fs::current_path();
    StartSimulation(options.data);
    bool allMatch = true;
    for (const std::string& name : options.replays) {
        const std::string path = (startFolder / name).string();
        Replay replay;
        std::string error;
        if (!ReadReplay(path.c_str(), replay, error)) {
            printf("%s: not read: %s\n", name.c_str(), error.c_str());
            allMatch = false;
            continue;
        }
        ReplayCheck check;
        Quietly([&] { check = CheckReplay(replay); });
        const ReplayOutcome& outcome = check.outcome;
        printf("%s: %s, %d frames of play, corn %d, boosts %d, ghosts eaten %d: ", name.c_str(),
               ReplayEndName(outcome.end), outcome.playFrames, outcome.cornEaten,
               outcome.boostsEaten, outcome.ghostsEaten);
        if (check.matches)
            printf("OK\n");
        else
            printf("MISMATCH: %s\n", check.difference.c_str());
        fflush(stdout);
        allMatch = allMatch && check.matches;
    }
    return allMatch ? 0 : 1;
}

// One replay of the corpus: its file name, the maze, the settings and the meddler's seed.
struct CorpusEntry {
    std::string name;
    std::string maze;  // relative to the game folder
    LevelSettings settings;
    std::uint32_t seed = 0;  // 0: computer against computer, nothing else
    MatchSides sides = MatchSides::Computer;
};

std::vector<CorpusEntry> CorpusEntries()
{
    std::vector<CorpusEntry> entries;
    for (const bool ghosts : {false, true}) {
        const std::string side = ghosts ? "ghosts" : "gulper";
        for (int level = 1;; ++level) {
            CorpusEntry entry;
            if (!CampaignLevelSettings(ghosts, level, entry.settings))
                break;
            entry.name = side + "_level_" + std::to_string(level);
            entry.maze = "data/" + entry.name + ".lev";
            // Every other level also carries commands.
            entry.seed = level % 2 == 0 ? static_cast<std::uint32_t>(level) : 0;
            entries.push_back(entry);
        }
    }
    // Custom games: the defaults, eight fast ghosts, one slow ghost at 30
    // frames a second, a short time limit that ends in a time out, and a
    // slow ten-minute game full of commands.
    struct Custom {
        int map;
        LevelSettings settings;
        std::uint32_t seed;
    };
    const LevelSettings defaults;
    LevelSettings eight = defaults;
    eight.ghostCount = 8;
    eight.gulperSpeed = 5.0;
    eight.ghostSpeed = 4.0;
    LevelSettings slow = defaults;
    slow.ghostCount = 1;
    slow.ghostSpeed = 1.0;
    slow.framesPerSecond = 30;
    LevelSettings shortLimit = defaults;
    shortLimit.timeLimit = 15;
    LevelSettings tenMinutes = slow;
    tenMinutes.gulperSpeed = 1.0;
    tenMinutes.ghostSpeed = 0.5;
    tenMinutes.framesPerSecond = 20;
    tenMinutes.timeLimit = 600;
    const Custom customs[] = {
        {5, defaults, 0},     {1, defaults, 11},     {2, defaults, 0},   {8, defaults, 23},
        {10, defaults, 0},    {3, eight, 0},         {4, eight, 0},      {6, eight, 0},
        {12, eight, 13},      {9, slow, 0},          {13, slow, 0},      {7, slow, 17},
        {11, shortLimit, 0},  {14, shortLimit, 19},  {8, tenMinutes, 29}};
    for (const Custom& custom : customs) {
        CorpusEntry entry;
        entry.name = "custom_map_" + std::to_string(custom.map) + "_" +
                     std::to_string(custom.settings.ghostCount) + "_ghosts_" +
                     std::to_string(custom.settings.timeLimit) + "s";
        if (custom.seed != 0)
            entry.name += "_commands";
        entry.maze = "data/map_" + std::to_string(custom.map) + ".lev";
        entry.settings = custom.settings;
        entry.settings.level = custom.map;
        entry.seed = custom.seed;
        entries.push_back(entry);
    }
    // The hotseat: two human players, whose every move is the meddler's.
    const struct {
        int map;
        int ghostCount;
        std::uint32_t seed;
    } hotseats[] = {{2, 4, 31}, {6, 8, 37}};
    for (const auto& hotseat : hotseats) {
        CorpusEntry entry;
        entry.name = "hotseat_map_" + std::to_string(hotseat.map) + "_" +
                     std::to_string(hotseat.ghostCount) + "_ghosts";
        entry.maze = "data/map_" + std::to_string(hotseat.map) + ".lev";
        entry.settings.ghostCount = hotseat.ghostCount;
        entry.settings.level = hotseat.map;
        entry.seed = hotseat.seed;
        entry.sides = MatchSides::Humans;
        entries.push_back(entry);
    }
    return entries;
}

// Records the corpus, one line per replay.
int RunRecordMode(const Options& options)
{
    const fs::path folder = fs::absolute(options.recordFolder);
    StartSimulation(options.data);
    fs::create_directories(folder);
    for (const CorpusEntry& entry : CorpusEntries()) {
        std::string maze;
        Replay replay;
        if (!ReadTextFile(entry.maze, maze) || !RecordMatch(maze, entry.settings, entry.seed, replay, entry.sides))
            Fail("cannot read the level " + entry.maze);
        const std::string path = (folder / (entry.name + ".gwr")).string();
        if (!WriteReplay(path.c_str(), replay))
            Fail("cannot write " + path);
        const ReplayOutcome& outcome = replay.outcome;
        printf("%-32s %-22s frames %5d  commands %3zu  corn %3d  boosts %d  ghosts eaten %d  "
               "%6zu bytes\n",
               entry.name.c_str(), ReplayEndName(outcome.end), outcome.playFrames,
               replay.records.size(), outcome.cornEaten, outcome.boostsEaten, outcome.ghostsEaten,
               EncodeReplay(replay).size());
        fflush(stdout);
    }
    return 0;
}

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    if (options.monkeySeed)
        return RunMonkeyMode(options);
    if (options.verify)
        return RunVerifyMode(options);
    if (!options.recordFolder.empty())
        return RunRecordMode(options);
    StartSimulation(options.data);

    if (!options.level.empty()) {
        const LevelSettings settings = SettingsOfOptions(options);
        if (!LoadMatchMaze(options.level))
            Fail("cannot read the level " + options.level);
        PrintResult(options.level, settings, PlayMatch(settings));
        if (options.spread)
            PrintSpread(settings, [&] { LoadMatchMaze(options.level); });
        return 0;
    }

    const bool ghosts = options.campaign == "ghosts";
    int played = 0;
    for (int level = 1;; ++level) {
        LevelSettings settings;
        if (!LoadCampaignMatch(ghosts, level, settings))
            break;
        settings.framesPerSecond = options.framesPerSecond;
        PrintResult(options.campaign + " level " + std::to_string(level), settings,
                    PlayMatch(settings));
        if (options.spread)
            PrintSpread(settings, [&] {
                LevelSettings ignored;
                LoadCampaignMatch(ghosts, level, ignored);
            });
        ++played;
    }
    if (played == 0)
        Fail("no level of the " + options.campaign + " campaign was found");
    return 0;
}
