// Fuzzes the reader of the font width files, then measures and draws texts
// with the glyph table it read: plain words, every byte value (those of 128
// and above included), and the input itself.
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/Globals.h"
#include "platform/Screen.h"
#include "fuzz/FuzzGame.h"
#include "gui/BitmapFont.h"

namespace {

constexpr int LargeFontHeight = 18;
constexpr int FirstChar = 32;
constexpr int ByteValues = 256;

// Every byte value once, from 0 to 255.
std::string AllBytes()
{
    std::string text;
    for (int c = 0; c < ByteValues; ++c)
        text.push_back(static_cast<char>(c));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StartFuzzGame(GameParts::ScreenAndConfig);
    static BitmapFont font("data/font18.bmp", "data/font18_chars_w.cfg", LargeFontHeight,
                           FirstChar);
    static const std::string allBytes = AllBytes();

    const std::string input = InputText(data, size);
    std::istringstream in(input);
    font.ReadWidths(in);
    Require(font.offsets.size() == font.widths.size(), "an offset for every width");
    for (size_t i = 0; i < font.widths.size(); ++i) {
        Require(font.widths[i] >= 0, "no glyph is narrower than nothing");
        Require(font.offsets[i] == (i == 0 ? 0 : font.offsets[i - 1] + font.widths[i - 1]),
                "the glyphs are packed left to right");
    }

    const std::string texts[] = {"", "M:", "Gulpwise 1.5 help", "\x80\xff\xe9t\xc3\xa9", allBytes,
                                 input};
    for (const std::string& text : texts) {
        Require(font.TextWidth(text) >= 0, "a text is never narrower than nothing");
        font.DrawText(0, 0, text);
        font.DrawText(-40, TheScreen->height - 5, text);
        font.DrawText(TheScreen->width - 3, -7, text);
    }
    return 0;
}
