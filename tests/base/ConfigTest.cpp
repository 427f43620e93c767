// The configuration file: defaults, reading, saving, and damaged or unwritable files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/Config.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

const char* const DefaultsFile = "0\n3.4\n1\n4\n2.4\n1\n100\n100\n20\n0\n1\n1\n1\n1\n";

class ConfigTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
        DestroyBaseGlobals();  // each test makes its own configuration
        sandbox->Remove("data/config.cfg");
    }
    // Loads the configuration the way start-up does.
    Config* Load()
    {
        TheConfig = new Config();
        return TheConfig;
    }
    // Ends the run the way shutdown does: the destructor saves.
    void Shutdown()
    {
        delete TheConfig;
        TheConfig = nullptr;
    }
};

TEST_F(ConfigTest, MissingFileGivesDefaultsAndIsCreatedAtShutdown)
{
    CaptureOutput();
    Config* config = Load();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg, loading default settings");
    EXPECT_EQ(config->gulperController, 0);
    EXPECT_EQ(config->ghostsController, 1);
    EXPECT_EQ(config->ghostCount, 4);
    EXPECT_EQ(config->mapNumber, 1);
    EXPECT_EQ(config->mapCount, 100);
    EXPECT_EQ(config->musicVolume, 100);
    EXPECT_EQ(config->effectsVolume, 100);
    EXPECT_EQ(config->framesPerSecond, 20);
    EXPECT_EQ(config->tileSet, 0);
    EXPECT_DOUBLE_EQ(config->gulperSpeed, 3.4);
    EXPECT_DOUBLE_EQ(config->ghostSpeed, 2.4);
    EXPECT_EQ(config->gulperLevel, 1);
    EXPECT_EQ(config->gulperMaxLevel, 1);
    EXPECT_EQ(config->ghostsLevel, 1);
    EXPECT_EQ(config->ghostsMaxLevel, 1);
    EXPECT_EQ(TheScreen->framePeriod, 50);
    Shutdown();
    EXPECT_EQ(sandbox->Read("data/config.cfg"), DefaultsFile);
}

TEST_F(ConfigTest, ValuesAreReadInTheFileOrder)
{
    sandbox->Write("data/config.cfg", "1 4.5 0 7 1.5 12 30 40 25 2 3 5 2 6");
    Config* config = Load();
    EXPECT_EQ(config->gulperController, 1);
    EXPECT_DOUBLE_EQ(config->gulperSpeed, 4.5);
    EXPECT_EQ(config->ghostsController, 0);
    EXPECT_EQ(config->ghostCount, 7);
    EXPECT_DOUBLE_EQ(config->ghostSpeed, 1.5);
    EXPECT_EQ(config->mapNumber, 12);
    EXPECT_EQ(config->musicVolume, 30);
    EXPECT_EQ(config->effectsVolume, 40);
    EXPECT_EQ(config->framesPerSecond, 25);
    EXPECT_EQ(config->tileSet, 2);
    EXPECT_EQ(config->gulperLevel, 3);
    EXPECT_EQ(config->gulperMaxLevel, 5);
    EXPECT_EQ(config->ghostsLevel, 2);
    EXPECT_EQ(config->ghostsMaxLevel, 6);
    EXPECT_EQ(config->mapCount, 100);
    Shutdown();
    EXPECT_EQ(sandbox->Read("data/config.cfg"), "1\n4.5\n0\n7\n1.5\n12\n30\n40\n25\n2\n3\n5\n2\n6\n");
}

TEST_F(ConfigTest, StoredFrameRateIsAppliedAtOnce)
{
    sandbox->Write("data/config.cfg", "0\n3.4\n1\n4\n2.4\n1\n100\n100\n30\n0\n1\n1\n1\n1\n");
    Load();
    EXPECT_EQ(TheScreen->framesPerSecond, 30);
    EXPECT_EQ(TheScreen->framePeriod, 33);
    Shutdown();
}

TEST_F(ConfigTest, AccumulatedSpeedIsSavedShortAndReadBackEqual)
{
    Config* config = Load();
    config->gulperSpeed = 1.2000000000000002;
    config->ghostSpeed = 0.95;
    Shutdown();
    EXPECT_EQ(sandbox->Read("data/config.cfg"), "0\n1.2\n1\n4\n0.95\n1\n100\n100\n20\n0\n1\n1\n1\n1\n");
    config = Load();
    EXPECT_EQ(config->gulperSpeed, 1.2);
    Shutdown();
}

TEST_F(ConfigTest, ShortFileGivesDefaultsForTheValuesItLacks)
{
    sandbox->Write("data/config.cfg", "1\n4.2\n0\n6\n3.1\n");
    Config* config = Load();
    EXPECT_EQ(config->gulperController, 1);
    EXPECT_DOUBLE_EQ(config->ghostSpeed, 3.1);
    EXPECT_EQ(config->mapNumber, 1);
    EXPECT_EQ(config->musicVolume, 100);
    EXPECT_EQ(config->framesPerSecond, 20);
    EXPECT_EQ(config->ghostsMaxLevel, 1);
    EXPECT_EQ(TheScreen->framePeriod, 50);
    Shutdown();
}

TEST_F(ConfigTest, UnreadableValueEndsTheReadWithDefaults)
{
    sandbox->Write("data/config.cfg", "1\n4.2\n0\n6\n3.1\n7\nloud\n50\n40\n2\n3\n3\n3\n3\n");
    Config* config = Load();
    EXPECT_EQ(config->mapNumber, 7);
    EXPECT_EQ(config->musicVolume, 100);
    EXPECT_EQ(config->effectsVolume, 100);  // not 50: reading stopped at "loud"
    EXPECT_EQ(config->tileSet, 0);
    Shutdown();
}

TEST_F(ConfigTest, FrameRateBelowOneIsNeverApplied)
{
    for (const char* rate : {"0", "-5"}) {
        sandbox->Write("data/config.cfg",
                       std::string("0\n3.4\n1\n4\n2.4\n1\n100\n100\n") + rate + "\n0\n1\n1\n1\n1\n");
        Config* config = Load();
        EXPECT_EQ(config->framesPerSecond, 20) << rate;
        EXPECT_EQ(TheScreen->framePeriod, 50) << rate;
        Shutdown();
    }
}

TEST_F(ConfigTest, UnwritableFileIsReportedAndTheOldFileSurvives)
{
    sandbox->Write("data/config.cfg", DefaultsFile);
    Config* config = Load();
    config->musicVolume = 10;
    // The temporary file cannot be created where a folder of that name stands.
    std::filesystem::create_directory(sandbox->path + "/data/config.cfg.tmp");
    CaptureOutput();
    Shutdown();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg to save configuration!");
    EXPECT_EQ(sandbox->Read("data/config.cfg"), DefaultsFile);
}

TEST_F(ConfigTest, MissingDataFolderIsReportedWithoutHarm)
{
    Config* config = Load();
    std::filesystem::remove_all(sandbox->path + "/data");
    config->tileSet = 1;
    CaptureOutput();
    Shutdown();
    EXPECT_EQ(TakeOutput(), "Couldn't open file data/config.cfg to save configuration!");
}

TEST_F(ConfigTest, SaveReplacesTheWholeFileAndLeavesNoTemporaryFile)
{
    sandbox->Write("data/config.cfg", std::string(DefaultsFile) + "junk after the values\n");
    Config* config = Load();
    config->ghostCount = 8;
    Shutdown();
    EXPECT_EQ(sandbox->Read("data/config.cfg"), "0\n3.4\n1\n8\n2.4\n1\n100\n100\n20\n0\n1\n1\n1\n1\n");
    EXPECT_FALSE(sandbox->Exists("data/config.cfg.tmp"));
}

}  // namespace
