// The base of every test that needs the game's globals: starts the media
// library headless (dummy video and audio), enters a throw-away game folder,
// switches to a manual clock, and creates the screen, the configuration and
// the sound bank as the program does. Subsystem fixtures derive from it and
// add the globals they need.
#pragma once

#include <gtest/gtest.h>
#include <cstdint>
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

    // The window's pixels (it stays locked between blits, so they may be read
    // and written directly): a pixel as 0xRRGGBB, the whole window painted one
    // colour, and the number of pixels of a colour.
    static uint32_t PixelAt(int x, int y);
    // A hash (FNV-1a, 64 bits) of the window's pixel rows, or of a text.
    static uint64_t WindowHash();
    static uint64_t Hash(const std::string& text);
    static void FillWindow(uint32_t colour);
    static int CountPixels(uint32_t colour);

    std::unique_ptr<Sandbox> sandbox;
};

// A headless test with the screen, the configuration and the sound bank in place.
class BaseGlobalsTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        CreateBaseGlobals();
    }
    void TearDown() override
    {
        DestroyBaseGlobals();
        HeadlessTest::TearDown();
    }
};

