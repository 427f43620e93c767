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
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/GameTypes.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "tests/support/HeadlessTest.h"

namespace {

constexpr int CellSize = 18;  // maze cells, tiles and sprites
constexpr int Pitch = 20;     // the grid of the character sheets and the selection frames
constexpr int Directions = 4;
constexpr int GlyphCount = 95;  // character codes 32 to 126
constexpr int FirstCode = 32;
constexpr int Black = 0x000000;
const char* const TileSheets[] = {"images/tiles0.bmp", "images/tiles1.bmp", "images/tiles2.bmp"};

int Red(int colour) { return colour >> 16; }
int Green(int colour) { return (colour >> 8) & 0xFF; }
int Blue(int colour) { return colour & 0xFF; }
int Brightness(int colour) { return (Red(colour) + Green(colour) + Blue(colour)) / 3; }

// A shipped image loaded through the game's own loader (window format, black transparent).
class Image {
public:
    explicit Image(const std::string& path)
        : surface(TheScreen->LoadImage((ShippedDataDir() + "/" + path).c_str(), 0, 0, 0), SDL_FreeSurface)
    {
    }
    int Width() const { return surface ? surface->w : 0; }
    int Height() const { return surface ? surface->h : 0; }
    int At(int x, int y) const  // 0xRRGGBB
    {
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(static_cast<const Uint32*>(surface->pixels)[y * (surface->pitch / 4) + x],
                   surface->format, &r, &g, &b);
        return (r << 16) | (g << 8) | b;
    }
    bool IsInk(int x, int y) const { return At(x, y) != Black; }
    std::vector<int> Block(int left, int top, int w, int h) const
    {
        std::vector<int> pixels;
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }
    int InkIn(int left, int top, int w, int h) const
    {
        const std::vector<int> block = Block(left, top, w, h);
        return static_cast<int>(block.size() - std::count(block.begin(), block.end(), Black));
    }
    // The sprite in (column, row) of a character sheet, inside its one-pixel frame.
    std::vector<int> Sprite(int column, int row) const
    {
        return Block(1 + Pitch * column, 1 + Pitch * row, CellSize, CellSize);
    }
    int SpriteInk(int column, int row) const
    {
        return InkIn(1 + Pitch * column, 1 + Pitch * row, CellSize, CellSize);
    }

private:
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface;
};

// A font's widths as the game reads its width file.
std::vector<int> ReadWidths(const std::string& path)
{
    std::ifstream in(ShippedDataDir() + "/" + path);
    std::vector<int> widths;
    int width = 0;
    while (in >> width && !in.eof())
        widths.push_back(width);
    return widths;
}

// Opaque but for the rounded-off corner pixels, so text over it stays readable.
void ExpectOpaqueBesideCorners(const Image& image, int top, int w, int h, const std::string& what)
{
    int holes = 0;
    for (int y = top; y < top + h; ++y)
        for (int x = 0; x < w; ++x)
            holes += !((x == 0 || x == w - 1) && (y == top || y == top + h - 1)) && !image.IsInk(x, y);
    EXPECT_EQ(holes, 0) << what;
}

using ShippedArt = BaseGlobalsTest;

TEST_F(ShippedArt, ImagesHaveTheSizesTheirUsersDrawFrom)
{
    const std::map<std::string, std::pair<int, int>> sizes{
        {"images/icon.bmp", {32, 32}},          {"images/tiles0.bmp", {144, 54}},
        {"images/tiles1.bmp", {144, 54}},       {"images/tiles2.bmp", {144, 54}},
        {"images/gulper.bmp", {160, 80}},       {"images/ghosts.bmp", {160, 120}},
        {"images/ghost_controls.bmp", {80, 20}}, {"images/button_72_18.bmp", {72, 36}},
        {"images/button_18_18.bmp", {18, 36}},  {"images/button_12_12.bmp", {12, 24}},
        {"images/menu_126_18.bmp", {126, 36}},  {"images/menu_90_126.bmp", {90, 126}},
        {"images/menu_144_180.bmp", {144, 180}}, {"images/menu_432_342.bmp", {432, 342}},
        {"data/font18.bmp", {762, 18}},         {"data/font10.bmp", {465, 10}},
    };
    for (const auto& [path, size] : sizes) {
        const Image image(path);
        EXPECT_EQ(image.Width(), size.first) << path;
        EXPECT_EQ(image.Height(), size.second) << path;
    }
}

// The floor column is the shadow mask (1 wall to the left, 2 up-left, 4 above):
// each wall darkens the floor on its own side only. Floors and walls are opaque
// (the maze is the backdrop of every frame); items show the floor around them.
TEST_F(ShippedArt, TileSheetsHaveOpaqueShadedFloorsEightWallsAndItems)
{
    const struct {
        int bit, x, y;  // a pixel that only the shadow of that wall covers
    } probes[] = {{1, 1, 12}, {2, 1, 1}, {4, 12, 1}};
    for (const char* path : TileSheets) {
        const Image sheet(path);
        ASSERT_EQ(sheet.Width(), 144) << path;
        EXPECT_EQ(sheet.InkIn(0, 0, 144, 2 * CellSize), 144 * 2 * CellSize) << path;
        std::set<std::vector<int>> walls;
        for (int tile = 0; tile < 8; ++tile) {
            walls.insert(sheet.Block(tile * CellSize, CellSize, CellSize, CellSize));
            for (const auto& probe : probes) {
                const int lit = Brightness(sheet.At(probe.x, probe.y));
                const int here = Brightness(sheet.At(tile * CellSize + probe.x, probe.y));
                EXPECT_EQ(here < lit, (tile & probe.bit) != 0) << path << " mask " << tile;
                EXPECT_LE(here, lit) << path << " mask " << tile;
            }
            EXPECT_EQ(sheet.At(tile * CellSize + 16, 16), sheet.At(16, 16)) << path;  // never shaded
        }
        EXPECT_EQ(walls.size(), 8u) << path;
        for (int item = 0; item < 4; ++item) {  // corn, boost, gulper start, ghost start
            const int left = item * CellSize, top = 2 * CellSize;
            EXPECT_GT(sheet.InkIn(left, top, CellSize, CellSize), 0) << path << " item " << item;
            EXPECT_FALSE(sheet.IsInk(left, top)) << path << " item " << item;
            EXPECT_FALSE(sheet.IsInk(left + CellSize - 1, top + CellSize - 1)) << path;
        }
    }
}

// Every frame the game draws holds a sprite inside its one-pixel frame, with
// the floor showing at its corners.
TEST_F(ShippedArt, CharacterSheetsHoldEverySpriteInsideItsFrame)
{
    const Image gulper("images/gulper.bmp");
    const Image ghosts("images/ghosts.bmp");
    for (const Image* sheet : {&gulper, &ghosts}) {
        ASSERT_GT(sheet->Width(), 0);
        for (int y = 0; y < sheet->Height(); ++y)
            for (int x = 0; x < sheet->Width(); ++x)
                if (x % Pitch == 0 || x % Pitch == Pitch - 1 || y % Pitch == 0 || y % Pitch == Pitch - 1) {
                    ASSERT_FALSE(sheet->IsInk(x, y)) << "ink on the frame at " << x << ", " << y;
                }
        const int rows = sheet == &gulper ? Directions : 6;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < (row == 5 ? Directions : 8); ++column) {
                EXPECT_GT(sheet->SpriteInk(column, row), 0) << column << ", " << row;
                EXPECT_FALSE(sheet->IsInk(1 + Pitch * column, 1 + Pitch * row));
            }
    }
}

// The mouth frames are played 3, 2, 1, 0, 1, 2, 3: frame 0 closed, frame 3
// wide open towards the way of its row.
TEST_F(ShippedArt, TheGulpersMouthOpensFromColumnZeroToThreeTheWayItFaces)
{
    const Image gulper("images/gulper.bmp");
    const int reach[Directions][2] = {{6, 0}, {-6, 0}, {0, -6}, {0, 6}};  // from the centre to the lips
    for (int row = 0; row < Directions; ++row) {
        for (int column = 1; column < 4; ++column)
            EXPECT_LT(gulper.SpriteInk(column, row), gulper.SpriteInk(column - 1, row)) << row;
        const int x = 1 + Pitch * 3 + CellSize / 2, y = 1 + Pitch * row + CellSize / 2;
        EXPECT_FALSE(gulper.IsInk(x + reach[row][0], y + reach[row][1])) << "row " << row;
        EXPECT_TRUE(gulper.IsInk(x - reach[row][0], y - reach[row][1])) << "row " << row;
    }
}

// The ghosts' pupils (dark blue) look the way they move; the skirts wave
// between the two walking phases; the frightened ghost is blue.
TEST_F(ShippedArt, GhostsLookTheWayTheyMoveWaveTheirSkirtsAndTurnBlueWhenAfraid)
{
    const Image ghosts("images/ghosts.bmp");
    for (const int row : {0, 1, 2, 3, 5}) {
        double meanX[Directions] = {}, meanY[Directions] = {};
        for (int direction = 0; direction < Directions; ++direction) {
            int count = 0;
            for (int y = 0; y < CellSize; ++y)
                for (int x = 0; x < CellSize; ++x) {
                    const int c = ghosts.At(1 + Pitch * direction + x, 1 + Pitch * row + y);
                    if (Blue(c) >= 120 && Red(c) < 60 && Green(c) < 60) {
                        meanX[direction] += x;
                        meanY[direction] += y;
                        ++count;
                    }
                }
            ASSERT_GT(count, 0) << "row " << row << " direction " << direction;
            meanX[direction] /= count;
            meanY[direction] /= count;
        }
        EXPECT_GT(meanX[IndexOf(Right)], meanX[IndexOf(Left)]) << "row " << row;
        EXPECT_LT(meanY[IndexOf(Up)], meanY[IndexOf(Down)]) << "row " << row;
    }
    for (int row = 0; row < 5; ++row)
        for (int direction = 0; direction < Directions; ++direction)
            EXPECT_NE(ghosts.Sprite(direction, row), ghosts.Sprite(direction + 4, row)) << row;
    long red = 0, green = 0, blue = 0;
    for (int column = 0; column < 8; ++column)
        for (const int colour : ghosts.Sprite(column, 4)) {
            red += Red(colour);
            green += Green(colour);
            blue += Blue(colour);
        }
    EXPECT_GT(blue, 2 * red);
    EXPECT_GT(blue, 2 * green);
}

// Each selection frame wears the body colour of the ghosts of its colour index
// and leaves the ghost inside visible.
TEST_F(ShippedArt, SelectionFramesWearTheirGhostsColoursAndAreOpenInside)
{
    const Image ghosts("images/ghosts.bmp");
    const Image frames("images/ghost_controls.bmp");
    for (int colour = 0; colour < 4; ++colour) {
        std::map<int, int> counts;
        for (const int pixel : ghosts.Sprite(0, colour))
            counts[pixel] += pixel != Black;
        const int body = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                             return a.second < b.second;
                         })->first;
        const std::vector<int> frame = frames.Block(Pitch * colour, 0, Pitch, Pitch);
        EXPECT_NE(std::find(frame.begin(), frame.end(), body), frame.end()) << "colour " << colour;
        EXPECT_EQ(frames.InkIn(Pitch * colour + 4, 4, 10, 10), 0) << "colour " << colour;
    }
}

TEST_F(ShippedArt, PanelsAreOpaqueAndButtonsHoldAnIdleFrameAboveAPressedOne)
{
    const std::map<std::string, std::pair<int, int>> buttons{
        {"images/button_72_18.bmp", {72, 18}}, {"images/button_18_18.bmp", {18, 18}},
        {"images/button_12_12.bmp", {12, 12}}, {"images/menu_126_18.bmp", {126, 18}},
    };
    for (const auto& [path, size] : buttons) {
        const auto [w, h] = size;
        const Image button(path);
        ASSERT_EQ(button.Height(), 2 * h) << path;
        ExpectOpaqueBesideCorners(button, 0, w, h, path + " idle");
        ExpectOpaqueBesideCorners(button, h, w, h, path + " pressed");
        EXPECT_NE(button.Block(0, 0, w, h), button.Block(0, h, w, h)) << path;
    }
    for (const char* path : {"images/menu_90_126.bmp", "images/menu_144_180.bmp", "images/menu_432_342.bmp"}) {
        const Image panel(path);
        ASSERT_GT(panel.Width(), 0) << path;
        ExpectOpaqueBesideCorners(panel, 0, panel.Width(), panel.Height(), path);
    }
}

// 95 widths ending with a line break; the glyphs, packed side by side, fill
// the bitmap exactly; the space is blank, every other glyph has ink, and the
// last column holds at most the dark shadow, so letters never touch.
TEST_F(ShippedArt, FontGlyphsFillTheirBitmapsExactly)
{
    for (const char* name : {"data/font18", "data/font10"}) {
        const Image bitmap(std::string(name) + ".bmp");
        const std::vector<int> widths = ReadWidths(std::string(name) + "_chars_w.cfg");
        ASSERT_EQ(widths.size(), static_cast<size_t>(GlyphCount)) << name;
        std::ifstream in(ShippedDataDir() + "/" + name + "_chars_w.cfg", std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(content.back(), '\n') << name;
        int offset = 0;
        for (int glyph = 0; glyph < GlyphCount; ++glyph) {
            EXPECT_EQ(bitmap.InkIn(offset, 0, widths[glyph], bitmap.Height()) > 0, glyph > 0)
                << name << ": code " << glyph + FirstCode;
            for (int y = 0; y < bitmap.Height(); ++y)
                EXPECT_LT(Brightness(bitmap.At(offset + widths[glyph] - 1, y)), 128)
                    << name << ": code " << glyph + FirstCode;
            offset += widths[glyph];
        }
        EXPECT_EQ(offset, bitmap.Width()) << name;
    }
}

// Every label of every screen fits its box: buttons, banners, titles before
// the close button, row labels before the value beside them, the action
// names and every key name of the media library.
TEST_F(ShippedArt, EveryLabelFitsItsBox)
{
    const std::vector<int> large = ReadWidths("data/font18_chars_w.cfg");
    const std::vector<int> small = ReadWidths("data/font10_chars_w.cfg");
    ASSERT_EQ(large.size(), static_cast<size_t>(GlyphCount));
    ASSERT_EQ(small.size(), static_cast<size_t>(GlyphCount));
    auto width = [](const std::vector<int>& font, const std::string& text) {
        int total = 0;
        for (const char c : text)
            total += c >= FirstCode && c < FirstCode + GlyphCount ? font[c - FirstCode] : 0;
        return total;
    };
    auto valueStart = [&](int boxX, int boxWidth, const char* value) {
        return boxX + (boxWidth - width(large, value)) / 2;
    };
    const struct {
        const std::vector<int>& font;
        std::vector<std::string> texts;
        int left, right;  // where the text starts and must end by
    } boxes[] = {
        {large, {"Play", "Help", "Options", "Editor", "Exit", "Start!", "Change", "Controls",
                 "Default", "Cancel", "OK", "Save", "Reset", "Human", "AI", "5.0", "9:59"}, 0, 72},
        {large, {"+", "-"}, 0, 18},
        {large, {"x"}, 0, 12},
        {small, {"Def.Hotseat", "Tunnel", "Wall", "Corn", "Boost", "Gulper", "Ghosts"}, 0, 72},
        {small, {"Gulper's Campaign", "Ghosts' Campaign", "Custom Game"}, 0, 126},
        {large, {"GAME PAUSED", "GULPER WINS", "GHOSTS WIN", "YOU WIN!!!"}, 0, 126},
        {large, {"CUSTOM GAME"}, 9, 128},
        {large, {"Game Mode", "GULPER", "GHOSTS", "OPTIONS"}, 18, 128},
        {large, {"Controls configuration", "Gulpwise 1.5 help"}, 18, 416},
        {large, {"Level"}, 9, valueStart(45, 27, "88")},  // level indicator
        {large, {"Level", "Map #"}, 18, valueStart(63, 36, "99")},  // campaign menus, editor bar
        {large, {"Map #"}, 15, valueStart(63, 36, "99")},           // custom game
        {large, {"Gulper"}, 5, 63},
        {large, {"Ghosts"}, 9, 63},
        {large, {"Timer", "Music"}, 18, valueStart(63, 36, "600")},
        {large, {"FPS", "SFX", "Tiles"}, 18, 63},
        {small, {"Speed", "Number"}, 15, 63},
        {small, {"Move gulper right", "Move gulper left", "Move gulper down", "Stop Gulper",
                 "Move ghost right", "Select all ghosts", "Deselect ghosts", "Select next ghost",
                 "Select prev ghost", "Select ghost 8", "Group selection", "Keys help screen",
                 "Exit game"}, 0, 108},
    };
    for (const auto& box : boxes)
        for (const std::string& text : box.texts)
            EXPECT_LE(box.left + width(box.font, text), box.right) << text;
    for (int key = 0; key < 512; ++key) {
        const std::string name = SDL_GetKeyName(static_cast<SDLKey>(key));
        EXPECT_LE(width(small, name), 72) << "key " << key << " \"" << name << "\"";
    }
}

}  // namespace
