// The base of every test that needs the game's globals: starts the media
// library headless (dummy video and audio), enters a throw-away game folder,
// switches to a manual clock, and creates the screen, the configuration and
// the sound bank as the program does. Subsystem fixtures derive from it and
// add the globals they need.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "tests/support/Sandbox.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Put files in place before the globals are created (override in a test fixture).
    virtual void PrepareFiles() {}

    // Creates the screen (unless there is one), the configuration and the sound bank.
    static void CreateBaseGlobals();
    // Destroys the configuration (which saves it) and the sound bank; the
    // screen stays until the test ends.
    static void DestroyBaseGlobals();

    // Collects what the game prints to standard output until TakeOutput.
    static void CaptureOutput();
    static std::string TakeOutput();

    std::unique_ptr<Sandbox> sandbox;
};

// Starts the media library headless unless the environment already chose drivers.
void UseHeadlessDrivers();
