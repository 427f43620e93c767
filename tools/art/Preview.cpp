#include "tools/art/Preview.h"

#include <array>
#include <sstream>
#include <vector>

#include "tools/art/BmpFile.h"
#include "tools/art/FixedRandom.h"
#include "tools/art/TileSets.h"
#include "tools/art/TileThemes.h"

namespace {

constexpr int WindowWidth = 504;
constexpr int WindowHeight = 378;
constexpr int Cell = TileSize;
constexpr int Pitch = 20;  // character sheet grid
constexpr int PreviewScale = 2;
constexpr int MazePreviewScale = 3;

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

// Draws text as the game's bitmap fonts do: one copy per glyph, black transparent.
class TextPainter {
public:
    TextPainter(const MadeFont& font) : bitmap(font.bitmap)
    {
        std::istringstream in(font.widths);
        int width = 0;
        int offset = 0;
        while (in >> width) {
            offsets.push_back(offset);
            widths.push_back(width);
            offset += width;
        }
    }

    int Width(const std::string& text) const
    {
        int total = 0;
        for (const char c : text)
            if (HasGlyph(c))
                total += widths[c - ' '];
        return total;
    }

    void Draw(Image& target, int x, int y, const std::string& text) const
    {
        for (const char c : text) {
            if (!HasGlyph(c))
                continue;
            const int glyph = c - ' ';
            target.Paste(bitmap.Crop(offsets[glyph], 0, widths[glyph], bitmap.height), x, y);
            x += widths[glyph];
        }
    }

    // As a text widget draws inside its box.
    void DrawIn(Image& target, int x, int y, int w, int h, const std::string& text, HAlign h_,
                VAlign v) const
    {
        const int dx = h_ == HAlign::Centre ? (w - Width(text)) / 2
                       : h_ == HAlign::Right ? w - Width(text)
                                             : 0;
        const int dy = v == VAlign::Centre ? (h - bitmap.height) / 2
                       : v == VAlign::Bottom ? h - bitmap.height
                                             : 0;
        Draw(target, x + dx, y + dy, text);
    }

private:
    bool HasGlyph(char c) const { return c >= ' ' && c - ' ' < static_cast<int>(widths.size()); }

    const Image& bitmap;
    std::vector<int> offsets;
    std::vector<int> widths;
};

// A mock window of the game with a maze behind whatever is put on it.
class MockScreen {
public:
    MockScreen(const ArtSet& art, int tileSet)
        : art(art), large(art.largeFont), small(art.smallFont), image(WindowWidth, WindowHeight)
    {
        DrawMaze(tileSet);
    }

    void Panel(const char* path, int x, int y, int w, int h)
    {
        image.Paste(art.Find(path).Crop(0, 0, w, h), x, y);
    }
    void Button(const char* path, int x, int y, int w, int h, bool pressed,
                const std::string& label, bool largeFont, HAlign ha, VAlign va)
    {
        image.Paste(art.Find(path).Crop(0, pressed ? h : 0, w, h), x, y);
        Text(x, y, w, h, label, largeFont, ha, va);
    }
    void Text(int x, int y, int w, int h, const std::string& text, bool largeFont, HAlign ha,
              VAlign va)
    {
        (largeFont ? large : small).DrawIn(image, x, y, w, h, text, ha, va);
    }
    void Sprite(const char* sheet, int column, int row, int cellX, int cellY)
    {
        image.Paste(art.Find(sheet).Crop(1 + Pitch * column, 1 + Pitch * row, Cell, Cell),
                    cellX * Cell, cellY * Cell);
    }
    void Marker(int colour, int cellX, int cellY)
    {
        image.Paste(art.Find("images/ghost_controls.bmp").Crop(Pitch * colour, 0, Pitch, Pitch),
                    cellX * Cell, cellY * Cell);
    }

    const ArtSet& art;
    TextPainter large;
    TextPainter small;
    Image image;

private:
    void DrawMaze(int tileSet);
};

// A mock level: '#' wall, 'C' corn, 'B' boost, 'P' gulper start, 'G' ghost start.
constexpr std::array<const char*, 20> MockLevel{
    "############################",
    "#C.C.C.C.C.C##C.C.C.C.C.C.B#",
    "#.####.#####.##.#####.####.#",
    "#B####C#####C##C#####C####C#",
    "#.C.C.C.C.C.C.C.C.C.C.C.C.C#",
    "#C####.##.########.##.####.#",
    "#.C.C.C##.C.C##C.C.##C.C.C.#",
    "######.#####.##.#####.######",
    "######C##..........##C######",
    "######.##.###..###.##.######",
    ".......C..#...G..#..C.......",
    "######.##.########.##.######",
    "######C##.....P....##C######",
    "######.##.########.##.######",
    "#C.C.C.C.C.C.##.C.C.C.C.C.C#",
    "#.####.#####.##.#####.####.#",
    "#B.C##.C.C.C.C.C.C.C.C##.CB#",
    "###.##.##.########.##.##.###",
    "#C.C.C.##.C.C##C.C.##.C.C.C#",
    "############################",
};
constexpr int MazeColumns = 28;

bool IsWallAt(int x, int y)
{
    if (x < 0 || y < 0 || y >= static_cast<int>(MockLevel.size()) || x >= MazeColumns)
        return false;  // outside the grid casts no shadow
    return MockLevel[y][x] == '#';
}

int ItemColumn(char cell)
{
    switch (cell) {
    case 'C': return 0;
    case 'B': return 1;
    case 'P': return 2;
    case 'G': return 3;
    default: return -1;
    }
}

void MockScreen::DrawMaze(int tileSet)
{
    const Image& sheet = art.Find("images/tiles" + std::to_string(tileSet) + ".bmp");
    FixedRandom random(tileSet + 1);
    for (int y = 0; y < static_cast<int>(MockLevel.size()); ++y)
        for (int x = 0; x < MazeColumns; ++x) {
            const char cell = MockLevel[y][x];
            if (cell == '#') {
                image.Paste(sheet.Crop(random.Below(WallVariantCount) * Cell, Cell, Cell, Cell),
                            x * Cell, y * Cell, false);
                continue;
            }
            const int mask = (IsWallAt(x - 1, y) ? WallToTheLeft : 0) |
                             (IsWallAt(x - 1, y - 1) ? WallUpAndLeft : 0) |
                             (IsWallAt(x, y - 1) ? WallAbove : 0);
            image.Paste(sheet.Crop(mask * Cell, 0, Cell, Cell), x * Cell, y * Cell, false);
            if (ItemColumn(cell) >= 0)
                image.Paste(sheet.Crop(ItemColumn(cell) * Cell, 2 * Cell, Cell, Cell), x * Cell,
                            y * Cell);
        }
}

void PutCharacters(MockScreen& screen)
{
    screen.Sprite("images/gulper.bmp", 3, 0, 16, 12);
    screen.Sprite("images/gulper.bmp", 1, 2, 3, 4);
    screen.Sprite("images/gulper.bmp", 5, 3, 24, 18);
    for (int colour = 0; colour < 4; ++colour)
        screen.Sprite("images/ghosts.bmp", colour + 4 * (colour % 2), colour, 11 + 2 * colour, 8);
    screen.Marker(0, 11, 8);
    screen.Marker(2, 15, 8);
    screen.Sprite("images/ghosts.bmp", 1, 4, 5, 4);
    screen.Sprite("images/ghosts.bmp", 6, 4, 9, 6);
    screen.Sprite("images/ghosts.bmp", 3, 5, 20, 14);
}

MockScreen MenuScreen(const ArtSet& art)
{
    MockScreen screen(art, 0);
    PutCharacters(screen);
    screen.Panel("images/menu_90_126.bmp", 0, 252, 90, 126);
    const char* labels[] = {"Play", "Help", "Options", "Editor", "Exit"};
    for (int i = 0; i < 5; ++i)
        screen.Button("images/button_72_18.bmp", 9, 252 + 9 + 22 * i, 72, 18, i == 2, labels[i],
                      true, HAlign::Centre, VAlign::Top);
    screen.Panel("images/menu_126_18.bmp", 180, 108, 126, 18);
    screen.Text(180, 108, 126, 18, "GAME PAUSED", true, HAlign::Centre, VAlign::Top);
    screen.Panel("images/button_72_18.bmp", 216, 360, 72, 18);
    screen.Text(216, 360, 72, 18, "1:30", true, HAlign::Centre, VAlign::Top);
    screen.Panel("images/button_72_18.bmp", 432, 360, 72, 18);
    screen.Text(432 + 9, 360, 63, 18, "Level", true, HAlign::Left, VAlign::Top);
    screen.Text(432 + 45, 360, 27, 18, "12", true, HAlign::Centre, VAlign::Bottom);
    screen.Panel("images/menu_144_180.bmp", 360, 100, 144, 180);
    screen.Button("images/button_12_12.bmp", 360 + 128, 104, 12, 12, false, "x", true,
                  HAlign::Centre, VAlign::Centre);
    screen.Text(360 + 18, 105, 72, 18, "Game Mode", true, HAlign::Left, VAlign::Top);
    const char* modes[] = {"Gulper's Campaign", "Ghosts' Campaign", "Custom Game"};
    for (int i = 0; i < 3; ++i)
        screen.Button("images/menu_126_18.bmp", 360 + 9, 100 + 27 + 22 * i, 126, 18, i == 1,
                      modes[i], false, HAlign::Centre, VAlign::Centre);
    return screen;
}

MockScreen CustomScreen(const ArtSet& art)
{
    MockScreen screen(art, 1);
    PutCharacters(screen);
    constexpr int X = 0;
    constexpr int Y = 198;
    screen.Panel("images/menu_144_180.bmp", X, Y, 144, 180);
    const auto button = [&](const char* path, int x, int y, int w, int h, const char* label,
                            bool largeFont, VAlign va, bool pressed = false) {
        screen.Button(path, X + x, Y + y, w, h, pressed, label, largeFont, HAlign::Centre, va);
    };
    button("images/button_12_12.bmp", 128, 4, 12, 12, "x", true, VAlign::Centre);
    button("images/button_72_18.bmp", 63, 27, 72, 18, "AI", true, VAlign::Centre);
    button("images/button_72_18.bmp", 63, 45, 72, 18, "3.4", true, VAlign::Centre);
    button("images/button_72_18.bmp", 63, 63, 72, 18, "Human", true, VAlign::Centre, true);
    button("images/button_72_18.bmp", 63, 81, 72, 18, "2.4", true, VAlign::Centre);
    for (int row = 0; row < 3; ++row) {
        button("images/button_18_18.bmp", 99, 99 + 18 * row, 18, 18, "+", true, VAlign::Top);
        button("images/button_18_18.bmp", 117, 99 + 18 * row, 18, 18, "-", true, VAlign::Top,
               row == 1);
    }
    button("images/button_72_18.bmp", 36, 155, 72, 18, "Start!", true, VAlign::Top);
    const auto text = [&](int x, int y, int w, const char* t, bool largeFont, HAlign ha,
                          VAlign va) { screen.Text(X + x, Y + y, w, 18, t, largeFont, ha, va); };
    text(9, 5, 72, "CUSTOM GAME", true, HAlign::Left, VAlign::Top);
    text(5, 27, 72, "Gulper", true, HAlign::Left, VAlign::Centre);
    text(15, 45, 72, "Speed", false, HAlign::Left, VAlign::Centre);
    text(9, 63, 72, "Ghosts", true, HAlign::Left, VAlign::Top);
    text(15, 81, 72, "Speed", false, HAlign::Left, VAlign::Centre);
    text(15, 99, 27, "Number", false, HAlign::Left, VAlign::Centre);
    text(63, 99, 36, "4", true, HAlign::Centre, VAlign::Centre);
    text(15, 117, 72, "Map #", true, HAlign::Left, VAlign::Top);
    text(63, 117, 36, "17", true, HAlign::Centre, VAlign::Centre);
    text(18, 135, 72, "Timer", true, HAlign::Left, VAlign::Top);
    text(63, 135, 36, "600", true, HAlign::Centre, VAlign::Centre);

    constexpr int OX = 360;
    constexpr int OY = 18;
    screen.Panel("images/menu_144_180.bmp", OX, OY, 144, 180);
    screen.Button("images/button_12_12.bmp", OX + 128, OY + 4, 12, 12, true, "x", true,
                  HAlign::Centre, VAlign::Centre);
    screen.Text(OX + 18, OY + 5, 72, 18, "OPTIONS", true, HAlign::Left, VAlign::Top);
    const char* rows[] = {"FPS", "Timer", "Music", "SFX"};
    const char* values[] = {"20", "90", "100", "70"};
    for (int i = 0; i < 4; ++i) {
        screen.Text(OX + 18, OY + 27 + 22 * i, 72, 18, rows[i], true, HAlign::Left, VAlign::Top);
        screen.Text(OX + 63, OY + 27 + 22 * i, 36, 18, values[i], true, HAlign::Centre,
                    VAlign::Centre);
        screen.Button("images/button_18_18.bmp", OX + 99, OY + 27 + 22 * i, 18, 18, false, "+",
                      true, HAlign::Centre, VAlign::Top);
        screen.Button("images/button_18_18.bmp", OX + 117, OY + 27 + 22 * i, 18, 18, false, "-",
                      true, HAlign::Centre, VAlign::Top);
    }
    screen.Text(OX + 18, OY + 115, 72, 18, "Tiles", true, HAlign::Left, VAlign::Top);
    screen.Button("images/button_72_18.bmp", OX + 63, OY + 115, 72, 18, false, "Change", true,
                  HAlign::Centre, VAlign::Top);
    screen.Button("images/button_72_18.bmp", OX + 36, OY + 146, 72, 18, false, "Controls", true,
                  HAlign::Centre, VAlign::Top);
    return screen;
}

MockScreen ControlsScreen(const ArtSet& art)
{
    MockScreen screen(art, 2);
    PutCharacters(screen);
    constexpr int X = 36;
    constexpr int Y = 18;
    screen.Panel("images/menu_432_342.bmp", X, Y, 432, 342);
    screen.Text(X + 18, Y + 4, 72, 18, "Controls configuration", true, HAlign::Left, VAlign::Top);
    screen.Button("images/button_12_12.bmp", X + 416, Y + 4, 12, 12, false, "x", true,
                  HAlign::Centre, VAlign::Centre);
    const char* actions[] = {
        "Move gulper right", "Move gulper left", "Move gulper up",    "Move gulper down",
        "Stop Gulper",       "Move ghost right", "Move ghost left",   "Move ghost up",
        "Move ghost down",   "Stop ghosts",      "Select all ghosts", "Deselect ghosts",
        "Select next ghost", "Select prev ghost", "Select ghost 1",   "Select ghost 2",
        "Select ghost 3",    "Select ghost 4",   "Select ghost 5",    "Select ghost 6",
        "Select ghost 7",    "Select ghost 8",   "Group selection",   "Pause",
        "Keys help screen",  "Exit game"};
    const char* keys[] = {"right",     "left",        "up",         "down",      "right ctrl",
                          "d",         "a",           "w",          "s",         "space",
                          "page down", "backspace",   "tab",        "?",         "1",
                          "2",         "3",           "4",          "5",         "6",
                          "7",         "8",           "left shift", "p",         "f1",
                          "escape"};
    for (int i = 0; i < 26; ++i) {
        const int c = i / 14;
        const int r = i % 14;
        screen.Button("images/button_72_18.bmp", X + 126 + 216 * c, Y + 27 + 18 * r, 72, 18,
                      i == 13, keys[i], false, HAlign::Centre, VAlign::Centre);
        screen.Text(X + 9 + 216 * c, Y + 27 + 18 * r, 108, 18, actions[i], false, HAlign::Centre,
                    VAlign::Centre);
    }
    const char* bottom[] = {"Default", "Def.Hotseat", "Cancel", "OK"};
    for (int i = 0; i < 4; ++i)
        screen.Button("images/button_72_18.bmp", X + 63 + 76 * i, Y + 315, 72, 18, false,
                      bottom[i], i != 1, HAlign::Centre, VAlign::Centre);
    return screen;
}

// The help page's word wrapping: a line breaks before a word that would reach the width.
std::vector<std::string> Wrapped(const TextPainter& font, const std::vector<std::string>& lines,
                                 int maxWidth)
{
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        out.emplace_back();
        int width = 0;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            word += ' ';
            const int ww = font.Width(word);
            if (width + ww >= maxWidth) {
                out.push_back(word);
                width = ww;
            } else {
                out.back() += word;
                width += ww;
            }
        }
    }
    return out;
}

MockScreen HelpScreen(const ArtSet& art)
{
    MockScreen screen(art, 0);
    constexpr int X = 36;
    constexpr int Y = 18;
    screen.Panel("images/menu_432_342.bmp", X, Y, 432, 342);
    screen.Text(X + 18, Y + 4, 72, 18, "Gulpwise 1.5 help", true, HAlign::Left, VAlign::Top);
    screen.Button("images/button_12_12.bmp", X + 416, Y + 4, 12, 12, false, "x", true,
                  HAlign::Centre, VAlign::Centre);
    const std::vector<std::string> text{
        "THE GAME",
        "The gulper eats the corn of the maze while a squad of ghosts hunts it. A boost "
        "(the big cob) makes the ghosts afraid for a while: then the gulper can eat them, "
        "and an eaten ghost goes home as a pair of eyes.",
        "",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789",
        "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ - Quick brown fox jumps over the lazy dog.",
        "Keys: right shift, left ctrl, backspace, page down, print screen, keypad enter.",
    };
    const std::vector<std::string> lines = Wrapped(screen.small, text, 396);
    for (int j = 0; j < static_cast<int>(lines.size()); ++j)
        screen.Text(X + 14, Y + 27 + 14 * j, 72, 18, lines[j], false, HAlign::Left, VAlign::Top);
    const char* largeSamples[] = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz",
                                  "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
                                  "Gulper's Campaign - Quick brown fox jumps"};
    for (int j = 0; j < 4; ++j)
        screen.Text(X + 14, Y + 140 + 20 * j, 72, 18, largeSamples[j], true, HAlign::Left,
                    VAlign::Top);
    // The editor's bar under the dialog.
    constexpr int BarX = 36;
    constexpr int BarY = 360;
    screen.Panel("images/menu_432_342.bmp", BarX, BarY, 432, 18);
    screen.Text(BarX + 18, BarY, 72, 18, "Map #", true, HAlign::Left, VAlign::Top);
    screen.Text(BarX + 63, BarY, 36, 18, "42", true, HAlign::Centre, VAlign::Centre);
    screen.Button("images/button_18_18.bmp", BarX + 99, BarY, 18, 18, false, "+", true,
                  HAlign::Centre, VAlign::Top);
    screen.Button("images/button_18_18.bmp", BarX + 117, BarY, 18, 18, false, "-", true,
                  HAlign::Centre, VAlign::Top);
    screen.Button("images/button_12_12.bmp", BarX + 416, BarY + 4, 12, 12, false, "x", true,
                  HAlign::Centre, VAlign::Centre);
    screen.Button("images/button_72_18.bmp", BarX + 139, BarY, 72, 18, false, "Ghosts", false,
                  HAlign::Centre, VAlign::Centre);
    screen.Button("images/button_72_18.bmp", BarX + 230, BarY, 72, 18, true, "Save", true,
                  HAlign::Centre, VAlign::Centre);
    screen.Button("images/button_72_18.bmp", BarX + 304, BarY, 72, 18, false, "Reset", true,
                  HAlign::Centre, VAlign::Centre);
    return screen;
}

}  // namespace

bool WritePreviews(const ArtSet& art, const std::string& folder)
{
    bool written = true;
    for (int set = 0; set < TileSetCount; ++set) {
        MockScreen screen(art, set);
        PutCharacters(screen);
        written = WriteBmp(folder + "/maze" + std::to_string(set) + ".bmp",
                           Enlarged(screen.image, MazePreviewScale)) && written;
    }
    const std::pair<const char*, MockScreen> screens[] = {
        {"screen_menu", MenuScreen(art)},
        {"screen_custom", CustomScreen(art)},
        {"screen_controls", ControlsScreen(art)},
        {"screen_help", HelpScreen(art)},
    };
    for (const auto& [name, screen] : screens) {
        written = WriteBmp(folder + "/" + name + ".bmp", Enlarged(screen.image, PreviewScale)) &&
                  written;
        written = WriteBmp(folder + "/" + name + "_1x.bmp", screen.image) && written;
    }
    return written;
}
