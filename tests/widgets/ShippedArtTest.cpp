// The shipped images and fonts, as the game loads them: every image has the
// size and frame grid its users draw from, black stays transparent only where
// something must show through, and every label of every screen fits its box
// in the fonts' widths.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "app/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr int CellSize = 18;  // maze cells, tiles and sprites
constexpr int Pitch = 20;     // the grid of the character sheets and the selection frames
constexpr int Directions = 4;
constexpr int GlyphCount = 95;  // character codes 32 to 126
constexpr int FirstCode = 32;
constexpr int LargeHeight = 18;
constexpr int SmallHeight = 10;
constexpr int Black = 0x000000;

// A shipped image loaded through the game's own loader (window format, black transparent).
class ShippedImage {
public:
    explicit ShippedImage(const std::string& relativePath)
        : surface(TheScreen->LoadImage((ShippedDataDir() + "/" + relativePath).c_str(), 0, 0, 0))
    {
    }
    ~ShippedImage() { SDL_FreeSurface(surface); }
    ShippedImage(const ShippedImage&) = delete;
    ShippedImage& operator=(const ShippedImage&) = delete;

    bool Loaded() const { return surface != nullptr; }
    int Width() const { return surface->w; }
    int Height() const { return surface->h; }
    // The colour 0xRRGGBB of a pixel inside the image.
    int At(int x, int y) const
    {
        const Uint32 pixel = static_cast<const Uint32*>(surface->pixels)[y * (surface->pitch / 4) + x];
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        return (r << 16) | (g << 8) | b;
    }
    bool IsInk(int x, int y) const { return At(x, y) != Black; }
    int InkIn(int left, int top, int w, int h) const
    {
        int ink = 0;
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x)
                ink += IsInk(x, y);
        return ink;
    }
    // The pixels of a block, for comparing frames.
    std::vector<int> Block(int left, int top, int w, int h) const
    {
        std::vector<int> pixels;
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }

private:
    SDL_Surface* surface;
};

int Red(int colour) { return colour >> 16; }
int Green(int colour) { return (colour >> 8) & 0xFF; }
int Blue(int colour) { return colour & 0xFF; }
int Brightness(int colour) { return (Red(colour) + Green(colour) + Blue(colour)) / 3; }

// A font's widths as the game reads its width file: integers until an
// extraction fails or leaves the stream at its end.
std::vector<int> ReadWidths(const std::string& relativePath)
{
    std::ifstream in(ShippedDataDir() + "/" + relativePath);
    std::vector<int> widths;
    int width = 0;
    while (in >> width && !in.eof())
        widths.push_back(width);
    return widths;
}

int TextWidth(const std::vector<int>& widths, const std::string& text)
{
    int total = 0;
    for (const char c : text)
        total += widths.at(c - FirstCode);
    return total;
}

class ShippedArtTest : public HeadlessTest {
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

// ---- Sizes ----

class ShippedImages : public ShippedArtTest {};

TEST_F(ShippedImages, HaveTheSizesTheirUsersDrawFrom)
{
    const std::map<std::string, std::pair<int, int>> sizes{
        {"images/icon.bmp", {32, 32}},
        {"images/tiles0.bmp", {144, 54}},
        {"images/tiles1.bmp", {144, 54}},
        {"images/tiles2.bmp", {144, 54}},
        {"images/gulper.bmp", {160, 80}},
        {"images/ghosts.bmp", {160, 120}},
        {"images/ghost_controls.bmp", {80, 20}},
        {"images/button_72_18.bmp", {72, 36}},
        {"images/button_18_18.bmp", {18, 36}},
        {"images/button_12_12.bmp", {12, 24}},
        {"images/menu_126_18.bmp", {126, 36}},
        {"images/menu_90_126.bmp", {90, 126}},
        {"images/menu_144_180.bmp", {144, 180}},
        {"images/menu_432_342.bmp", {432, 342}},
        {"data/font18.bmp", {762, LargeHeight}},
        {"data/font10.bmp", {465, SmallHeight}},
    };
    for (const auto& [path, size] : sizes) {
        const ShippedImage image(path);
        ASSERT_TRUE(image.Loaded()) << path;
        EXPECT_EQ(image.Width(), size.first) << path;
        EXPECT_EQ(image.Height(), size.second) << path;
    }
}

// ---- Tile sheets ----

class TileSheets : public ShippedArtTest {};

// The maze is the backdrop of every frame: a hole in a floor or a wall would
// show whatever the last frame left there.
TEST_F(TileSheets, FloorsAndWallsAreOpaque)
{
    for (const char* path : {"images/tiles0.bmp", "images/tiles1.bmp", "images/tiles2.bmp"}) {
        const ShippedImage sheet(path);
        ASSERT_TRUE(sheet.Loaded());
        EXPECT_EQ(sheet.InkIn(0, 0, 144, 2 * CellSize), 144 * 2 * CellSize) << path;
    }
}

TEST_F(TileSheets, ItemsAreDrawnOverTheFloorWithTheFloorShowingAround)
{
    constexpr int Items = 4;  // corn, boost, gulper start, ghost start
    for (const char* path : {"images/tiles0.bmp", "images/tiles1.bmp", "images/tiles2.bmp"}) {
        const ShippedImage sheet(path);
        for (int item = 0; item < Items; ++item) {
            const int left = item * CellSize;
            const int top = 2 * CellSize;
            EXPECT_GT(sheet.InkIn(left, top, CellSize, CellSize), 0) << path << " item " << item;
            EXPECT_FALSE(sheet.IsInk(left, top)) << path << " item " << item;
            EXPECT_FALSE(sheet.IsInk(left + CellSize - 1, top + CellSize - 1)) << path;
        }
    }
}

// Floor column = shadow mask: 1 wall to the left, 2 wall up-left, 4 wall above.
// Each wall darkens the floor on its own side and nowhere else.
TEST_F(TileSheets, ShadowsFallFromTheWallsTheMaskNames)
{
    struct Probe {
        int bit;
        int x, y;  // a pixel that only the shadow of that wall covers
    };
    const Probe probes[] = {{1, 1, 12}, {2, 1, 1}, {4, 12, 1}};
    for (const char* path : {"images/tiles0.bmp", "images/tiles1.bmp", "images/tiles2.bmp"}) {
        const ShippedImage sheet(path);
        for (int mask = 0; mask < 8; ++mask)
            for (const Probe& probe : probes) {
                const int lit = Brightness(sheet.At(probe.x, probe.y));
                const int here = Brightness(sheet.At(mask * CellSize + probe.x, probe.y));
                if (mask & probe.bit) {
                    EXPECT_LT(here, lit) << path << " mask " << mask << " bit " << probe.bit;
                } else {
                    EXPECT_EQ(here, lit) << path << " mask " << mask << " bit " << probe.bit;
                }
            }
        // The far corner never lies in a shadow.
        for (int mask = 1; mask < 8; ++mask)
            EXPECT_EQ(sheet.At(mask * CellSize + 16, 16), sheet.At(16, 16)) << path;
    }
}

TEST_F(TileSheets, WallVariantsLookDifferent)
{
    for (const char* path : {"images/tiles0.bmp", "images/tiles1.bmp", "images/tiles2.bmp"}) {
        const ShippedImage sheet(path);
        std::set<std::vector<int>> variants;
        for (int variant = 0; variant < 8; ++variant)
            variants.insert(sheet.Block(variant * CellSize, CellSize, CellSize, CellSize));
        EXPECT_EQ(variants.size(), 8u) << path;
    }
}

// ---- Character sheets ----

class CharacterSheets : public ShippedArtTest {
protected:
    // Nothing is drawn on the one-pixel frame around each sprite, where the game never copies from.
    static void ExpectFramesEmpty(const ShippedImage& sheet)
    {
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width(); ++x)
                if (x % Pitch == 0 || x % Pitch == Pitch - 1 || y % Pitch == 0 ||
                    y % Pitch == Pitch - 1) {
                    ASSERT_FALSE(sheet.IsInk(x, y)) << "ink on the frame at " << x << ", " << y;
                }
    }
    static std::vector<int> Sprite(const ShippedImage& sheet, int column, int row)
    {
        return sheet.Block(1 + Pitch * column, 1 + Pitch * row, CellSize, CellSize);
    }
    static int SpriteInk(const ShippedImage& sheet, int column, int row)
    {
        return sheet.InkIn(1 + Pitch * column, 1 + Pitch * row, CellSize, CellSize);
    }
};

TEST_F(CharacterSheets, SpritesStayInsideTheirFrames)
{
    ExpectFramesEmpty(ShippedImage("images/gulper.bmp"));
    ExpectFramesEmpty(ShippedImage("images/ghosts.bmp"));
}

TEST_F(CharacterSheets, EveryFrameTheGameDrawsHasASpriteWithTheFloorShowingAtItsCorners)
{
    const ShippedImage gulper("images/gulper.bmp");
    for (int row = 0; row < Directions; ++row)
        for (int column = 0; column < 8; ++column) {
            EXPECT_GT(SpriteInk(gulper, column, row), 0) << "gulper " << column << ", " << row;
            EXPECT_FALSE(gulper.IsInk(1 + Pitch * column, 1 + Pitch * row));
        }
    const ShippedImage ghosts("images/ghosts.bmp");
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < (row == 5 ? Directions : 8); ++column) {
            EXPECT_GT(SpriteInk(ghosts, column, row), 0) << "ghost " << column << ", " << row;
            EXPECT_FALSE(ghosts.IsInk(1 + Pitch * column, 1 + Pitch * row));
        }
}

// The mouth frames are played 3, 2, 1, 0, 1, 2, 3: frame 0 closed, frame 3 wide open.
TEST_F(CharacterSheets, GulperMouthOpensFromColumnZeroToThree)
{
    const ShippedImage gulper("images/gulper.bmp");
    for (int row = 0; row < Directions; ++row)
        for (int column = 1; column < 4; ++column)
            EXPECT_LT(SpriteInk(gulper, column, row), SpriteInk(gulper, column - 1, row))
                << "row " << row << " column " << column;
}

TEST_F(CharacterSheets, GulperOpensItsMouthTheWayOfItsRow)
{
    const ShippedImage gulper("images/gulper.bmp");
    constexpr int Centre = CellSize / 2;
    constexpr int Reach = 6;  // from the centre towards the lips
    struct Look {
        int dx, dy;
    };
    const Look looks[Directions] = {{Reach, 0}, {-Reach, 0}, {0, -Reach}, {0, Reach}};
    for (int row = 0; row < Directions; ++row) {
        const int x = 1 + Pitch * 3 + Centre;
        const int y = 1 + Pitch * row + Centre;
        EXPECT_FALSE(gulper.IsInk(x + looks[row].dx, y + looks[row].dy)) << "row " << row;
        EXPECT_TRUE(gulper.IsInk(x - looks[row].dx, y - looks[row].dy)) << "row " << row;
    }
}

// The dark blue of the ghosts' pupils.
bool IsPupil(int colour)
{
    return Blue(colour) >= 120 && Red(colour) < 60 && Green(colour) < 60;
}

TEST_F(CharacterSheets, GhostsLookTheWayTheyMove)
{
    const ShippedImage ghosts("images/ghosts.bmp");
    for (const int row : {0, 1, 2, 3, 5}) {
        double sumX[Directions] = {};
        double sumY[Directions] = {};
        for (int direction = 0; direction < Directions; ++direction) {
            int count = 0;
            for (int y = 0; y < CellSize; ++y)
                for (int x = 0; x < CellSize; ++x)
                    if (IsPupil(ghosts.At(1 + Pitch * direction + x, 1 + Pitch * row + y))) {
                        sumX[direction] += x;
                        sumY[direction] += y;
                        ++count;
                    }
            ASSERT_GT(count, 0) << "row " << row << " direction " << direction;
            sumX[direction] /= count;
            sumY[direction] /= count;
        }
        EXPECT_GT(sumX[0], sumX[1]) << "row " << row << ": right looks further right than left";
        EXPECT_LT(sumY[2], sumY[3]) << "row " << row << ": up looks higher than down";
    }
}

TEST_F(CharacterSheets, GhostSkirtsWaveBetweenTheTwoWalkingPhases)
{
    const ShippedImage ghosts("images/ghosts.bmp");
    for (int row = 0; row < 5; ++row)
        for (int direction = 0; direction < Directions; ++direction)
            EXPECT_NE(Sprite(ghosts, direction, row), Sprite(ghosts, direction + 4, row))
                << "row " << row << " direction " << direction;
}

TEST_F(CharacterSheets, TheFrightenedGhostIsBlue)
{
    const ShippedImage ghosts("images/ghosts.bmp");
    long red = 0, green = 0, blue = 0;
    for (int column = 0; column < 8; ++column)
        for (const int colour : Sprite(ghosts, column, 4)) {
            red += Red(colour);
            green += Green(colour);
            blue += Blue(colour);
        }
    EXPECT_GT(blue, 2 * red);
    EXPECT_GT(blue, 2 * green);
}

// Each selection frame wears the body colour of the ghosts of its colour index
// and leaves the ghost inside visible.
TEST_F(CharacterSheets, SelectionFramesWearTheirGhostsColoursAndAreOpenInside)
{
    const ShippedImage ghosts("images/ghosts.bmp");
    const ShippedImage frames("images/ghost_controls.bmp");
    for (int colour = 0; colour < 4; ++colour) {
        std::map<int, int> counts;
        for (const int pixel : Sprite(ghosts, 0, colour))
            if (pixel != Black)
                ++counts[pixel];
        int body = Black;
        for (const auto& [pixel, count] : counts)
            if (body == Black || count > counts[body])
                body = pixel;
        const std::vector<int> frame = frames.Block(Pitch * colour, 0, Pitch, Pitch);
        EXPECT_NE(std::find(frame.begin(), frame.end(), body), frame.end()) << "colour " << colour;
        EXPECT_EQ(frames.InkIn(Pitch * colour + 4, 4, 10, 10), 0) << "colour " << colour;
    }
}

// ---- Panels and buttons ----

class PanelImages : public ShippedArtTest {
protected:
    // Every pixel but the rounded-off corner pixels is opaque, so text over it stays readable.
    static void ExpectOpaqueBesideCorners(const ShippedImage& image, int top, int w, int h,
                                          const std::string& what)
    {
        int holes = 0;
        for (int y = top; y < top + h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool corner = (x == 0 || x == w - 1) && (y == top || y == top + h - 1);
                holes += !corner && !image.IsInk(x, y);
            }
        EXPECT_EQ(holes, 0) << what;
    }
};

TEST_F(PanelImages, ButtonsHoldAnIdleFrameAboveAPressedOne)
{
    const std::map<std::string, std::pair<int, int>> buttons{
        {"images/button_72_18.bmp", {72, 18}},
        {"images/button_18_18.bmp", {18, 18}},
        {"images/button_12_12.bmp", {12, 12}},
        {"images/menu_126_18.bmp", {126, 18}},
    };
    for (const auto& [path, size] : buttons) {
        const auto [w, h] = size;
        const ShippedImage button(path);
        ASSERT_TRUE(button.Loaded()) << path;
        ExpectOpaqueBesideCorners(button, 0, w, h, path + " idle");
        ExpectOpaqueBesideCorners(button, h, w, h, path + " pressed");
        EXPECT_NE(button.Block(0, 0, w, h), button.Block(0, h, w, h)) << path;
    }
}

TEST_F(PanelImages, PanelsAreOpaque)
{
    const std::map<std::string, std::pair<int, int>> panels{
        {"images/menu_90_126.bmp", {90, 126}},
        {"images/menu_144_180.bmp", {144, 180}},
        {"images/menu_432_342.bmp", {432, 342}},
    };
    for (const auto& [path, size] : panels) {
        const ShippedImage panel(path);
        ASSERT_TRUE(panel.Loaded()) << path;
        ExpectOpaqueBesideCorners(panel, 0, size.first, size.second, path);
    }
}

// ---- Fonts ----

class ShippedFonts : public ShippedArtTest {};

TEST_F(ShippedFonts, WidthFilesCoverEveryPrintableCharacterAndEndWithALineBreak)
{
    for (const char* path : {"data/font18_chars_w.cfg", "data/font10_chars_w.cfg"}) {
        EXPECT_EQ(ReadWidths(path).size(), static_cast<size_t>(GlyphCount)) << path;
        std::ifstream in(ShippedDataDir() + "/" + path, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        ASSERT_FALSE(content.empty()) << path;
        EXPECT_EQ(content.back(), '\n') << path;
    }
}

TEST_F(ShippedFonts, GlyphsFillTheirBitmapsExactly)
{
    const struct {
        const char* bitmap;
        const char* widths;
        int height;
    } fonts[] = {{"data/font18.bmp", "data/font18_chars_w.cfg", LargeHeight},
                 {"data/font10.bmp", "data/font10_chars_w.cfg", SmallHeight}};
    for (const auto& font : fonts) {
        const ShippedImage bitmap(font.bitmap);
        const std::vector<int> widths = ReadWidths(font.widths);
        ASSERT_EQ(widths.size(), static_cast<size_t>(GlyphCount));
        int offset = 0;
        for (int glyph = 0; glyph < GlyphCount; ++glyph) {
            const int ink = bitmap.InkIn(offset, 0, widths[glyph], font.height);
            if (glyph == 0) {
                EXPECT_EQ(ink, 0) << font.bitmap << ": the space is blank";
            } else {
                EXPECT_GT(ink, 0) << font.bitmap << ": glyph of code " << glyph + FirstCode;
            }
            // The last column holds at most the dark shadow: letters never touch.
            for (int y = 0; y < font.height; ++y)
                EXPECT_LT(Brightness(bitmap.At(offset + widths[glyph] - 1, y)), 128)
                    << font.bitmap << ": glyph of code " << glyph + FirstCode;
            offset += widths[glyph];
        }
        EXPECT_EQ(offset, bitmap.Width()) << font.bitmap;
        EXPECT_EQ(bitmap.Height(), font.height) << font.bitmap;
    }
}

class TextFit : public ShippedArtTest {
protected:
    void SetUp() override
    {
        ShippedArtTest::SetUp();
        large = ReadWidths("data/font18_chars_w.cfg");
        small = ReadWidths("data/font10_chars_w.cfg");
        ASSERT_EQ(large.size(), static_cast<size_t>(GlyphCount));
        ASSERT_EQ(small.size(), static_cast<size_t>(GlyphCount));
    }
    std::vector<int> large;
    std::vector<int> small;
};

TEST_F(TextFit, ButtonLabelsFitTheirButtons)
{
    for (const char* label : {"Play", "Help", "Options", "Editor", "Exit", "Start!", "Change",
                              "Controls", "Default", "Cancel", "OK", "Save", "Reset", "Human",
                              "AI", "5.0", "9:59"})
        EXPECT_LE(TextWidth(large, label), 72) << label;
    for (const char* label : {"+", "-"})
        EXPECT_LE(TextWidth(large, label), 18) << label;
    EXPECT_LE(TextWidth(large, "x"), 12);
    EXPECT_LE(TextWidth(small, "Def.Hotseat"), 72);
    for (const char* label : {"Gulper's Campaign", "Ghosts' Campaign", "Custom Game"})
        EXPECT_LE(TextWidth(small, label), 126) << label;
    for (const char* element : {"Tunnel", "Wall", "Corn", "Boost", "Gulper", "Ghosts"})
        EXPECT_LE(TextWidth(small, element), 72) << element;
}

TEST_F(TextFit, MessagesFitTheirBanner)
{
    for (const char* message : {"GAME PAUSED", "GULPER WINS", "GHOSTS WIN", "YOU WIN!!!"})
        EXPECT_LE(TextWidth(large, message), 126) << message;
}

// Titles start 9 or 18 pixels in and must end before the close button.
TEST_F(TextFit, TitlesEndBeforeTheCloseButton)
{
    EXPECT_LE(9 + TextWidth(large, "CUSTOM GAME"), 128);
    for (const char* title : {"Game Mode", "GULPER", "GHOSTS", "OPTIONS"})
        EXPECT_LE(18 + TextWidth(large, title), 128) << title;
    for (const char* title : {"Controls configuration", "Gulpwise 1.5 help"})
        EXPECT_LE(18 + TextWidth(large, title), 416) << title;
}

// A row label ends before the number centred in the box beside it.
TEST_F(TextFit, RowLabelsClearTheValuesBesideThem)
{
    const auto valueStart = [&](int boxX, int boxWidth, const char* value) {
        return boxX + (boxWidth - TextWidth(large, value)) / 2;
    };
    EXPECT_LE(9 + TextWidth(large, "Level"), valueStart(45, 27, "88"));   // level indicator
    EXPECT_LE(18 + TextWidth(large, "Level"), valueStart(63, 36, "88"));  // campaign menus
    EXPECT_LE(18 + TextWidth(large, "Map #"), valueStart(63, 36, "99"));  // editor bar
    EXPECT_LE(15 + TextWidth(large, "Map #"), valueStart(63, 36, "99"));  // custom game
    EXPECT_LE(5 + TextWidth(large, "Gulper"), 63);
    EXPECT_LE(9 + TextWidth(large, "Ghosts"), 63);
    for (const char* label : {"Timer", "Music"})
        EXPECT_LE(18 + TextWidth(large, label), valueStart(63, 36, "600")) << label;
    for (const char* label : {"FPS", "SFX", "Tiles"})
        EXPECT_LE(18 + TextWidth(large, label), 63) << label;
    for (const char* label : {"Speed", "Number"})
        EXPECT_LE(15 + TextWidth(small, label), 63) << label;
}

TEST_F(TextFit, ActionNamesFitTheirColumnOnTheControlsScreen)
{
    for (const char* name :
         {"Move gulper right", "Move gulper left", "Move gulper up", "Move gulper down",
          "Stop Gulper", "Move ghost right", "Move ghost left", "Move ghost up",
          "Move ghost down", "Stop ghosts", "Select all ghosts", "Deselect ghosts",
          "Select next ghost", "Select prev ghost", "Select ghost 8", "Group selection", "Pause",
          "Keys help screen", "Exit game"})
        EXPECT_LE(TextWidth(small, name), 108) << name;
}

TEST_F(TextFit, EveryKeyNameOfTheMediaLibraryFitsItsKeyButton)
{
    for (int key = 0; key < 512; ++key) {
        const std::string name = SDL_GetKeyName(static_cast<SDLKey>(key));
        bool printable = true;
        for (const char c : name)
            printable = printable && c >= FirstCode && c < FirstCode + GlyphCount;
        if (printable) {
            EXPECT_LE(TextWidth(small, name), 72) << "key " << key << " \"" << name << "\"";
        }
    }
}

}  // namespace
