// The configuration file: defaults, reading, saving, and damaged or unwritable files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Config.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

const std::string DefaultsFile = "0\n3.4\n1\n4\n2.4\n1\n100\n100\n20\n0\n1\n1\n1\n1\n";

// Each test loads and saves its own configuration, as start-up and shutdown do.
class ConfigTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
        DestroyBaseGlobals();
        sandbox->Remove(ConfigPath);
    }
    static Config& Load() { return *(TheConfig = new Config()); }
    static void Shutdown()
    {
        delete TheConfig;  // the destructor saves
        TheConfig = nullptr;
    }
};

TEST_F(ConfigTest, MissingFileGivesDefaultsAndIsCreatedAtShutdown)
{
    CaptureOutput();
    const Config& config = Load();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg, loading default settings");
    EXPECT_EQ(config.mapCount, 100);
    EXPECT_EQ(TheScreen->framePeriod, 50);
    Shutdown();
    EXPECT_EQ(sandbox->Read(ConfigPath), DefaultsFile);  // every default, in the file's order
    EXPECT_FALSE(sandbox->Exists("data/config.cfg.tmp"));
}

TEST_F(ConfigTest, ValuesAreReadInTheFileOrderAndWrittenBackOnePerLine)
{
    sandbox->Write(ConfigPath, "1 4.5 0 7 1.5 12 30 40 25 2 3 5 2 6 junk after the values");
    const Config& config = Load();
    EXPECT_EQ(config.gulperController, Computer);
    EXPECT_DOUBLE_EQ(config.gulperSpeed, 4.5);
    EXPECT_EQ(config.ghostsController, Human);
    EXPECT_EQ(config.ghostCount, 7);
    EXPECT_DOUBLE_EQ(config.ghostSpeed, 1.5);
    EXPECT_EQ(config.mapNumber, 12);
    EXPECT_EQ(config.musicVolume, 30);
    EXPECT_EQ(config.effectsVolume, 40);
    EXPECT_EQ(config.framesPerSecond, 25);
    EXPECT_EQ(config.tileSet, 2);
    EXPECT_EQ(config.gulperLevel, 3);
    EXPECT_EQ(config.gulperMaxLevel, 5);
    EXPECT_EQ(config.ghostsLevel, 2);
    EXPECT_EQ(config.ghostsMaxLevel, 6);
    Shutdown();
    EXPECT_EQ(sandbox->Read(ConfigPath), "1\n4.5\n0\n7\n1.5\n12\n30\n40\n25\n2\n3\n5\n2\n6\n");
}

// A short file, or one with a value that is no number, gives the defaults from there on.
TEST_F(ConfigTest, ValuesAFileLacksTakeTheirDefaults)
{
    const struct {
        const char* text;
        const char* saved;
    } cases[] = {
        {"1\n4.2\n0\n6\n3.1\n", "1\n4.2\n0\n6\n3.1\n1\n100\n100\n20\n0\n1\n1\n1\n1\n"},
        {"1 4.2 0 6 3.1 7 loud 50 40 2 3 3 3 3", "1\n4.2\n0\n6\n3.1\n7\n100\n100\n20\n0\n1\n1\n1\n1\n"},
    };
    for (const auto& c : cases) {
        sandbox->Write(ConfigPath, c.text);
        Load();
        EXPECT_EQ(TheScreen->framePeriod, 50) << c.text;
        Shutdown();
        EXPECT_EQ(sandbox->Read(ConfigPath), c.saved) << c.text;
    }
}

// The frame loop divides by the rate: a stored rate below one is never applied.
TEST_F(ConfigTest, StoredFrameRateIsAppliedAtOnceUnlessBelowOne)
{
    const struct {
        const char* stored;
        int rate, period;
    } cases[] = {{"30", 30, 33}, {"0", 20, 50}, {"-5", 20, 50}};
    for (const auto& c : cases) {
        sandbox->Write(ConfigPath, std::string("0 3.4 1 4 2.4 1 100 100 ") + c.stored + " 0 1 1 1 1\n");
        EXPECT_EQ(Load().framesPerSecond, c.rate) << c.stored;
        EXPECT_EQ(TheScreen->framesPerSecond, c.rate) << c.stored;
        EXPECT_EQ(TheScreen->framePeriod, c.period) << c.stored;
        Shutdown();
    }
}

// A folder in the way of the temporary file, or no data folder at all.
TEST_F(ConfigTest, UnwritableFileIsReportedAndTheOldFileSurvives)
{
    sandbox->Write(ConfigPath, DefaultsFile);
    Load().musicVolume = 10;
    std::filesystem::create_directory(sandbox->path + "/data/config.cfg.tmp");
    CaptureOutput();
    Shutdown();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg to save configuration!");
    EXPECT_EQ(sandbox->Read(ConfigPath), DefaultsFile);

    Load();
    std::filesystem::remove_all(sandbox->path + "/data");
    CaptureOutput();
    Shutdown();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg to save configuration!");
}

}  // namespace
