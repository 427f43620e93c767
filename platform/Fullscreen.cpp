// Switching between the window and full screen, and the window's scale. In
// full screen, and in a window enlarged by a scale above 1, the game draws
// into a picture of its own size, and each present copies it, each pixel a
// square of whole screen pixels, onto the middle of the whole screen or onto
// the whole window; the mouse is mapped back.
#include "platform/Fullscreen.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <cstdlib>

#include "platform/AtomicFile.h"
#include "platform/Screen.h"

namespace {

constexpr const char* FullscreenWord = "fullscreen";
constexpr const char* WindowWord = "window";
constexpr const char* ScaleWord = "scale";
// Four fifths of the desktop, as a fraction: what the window may take of it.
constexpr int WindowShareNumerator = 4;
constexpr int WindowShareDenominator = 5;
constexpr Uint32 BorderColour = 0;  // black
// The picture's pixel layout in full screen: the usual 32-bit one, 0x00RRGGBB.
constexpr Uint32 PictureRed = 0x00FF0000;
constexpr Uint32 PictureGreen = 0x0000FF00;
constexpr Uint32 PictureBlue = 0x000000FF;

bool IsAltEnter(const SDL_keysym& key)
{
    return key.sym == SDLK_RETURN && (key.mod & KMOD_ALT) != 0;
}

// Whether the enlarging copy can write a surface: four-byte pixels of the picture's layout.
bool HasPictureLayout(const SDL_Surface* shown)
{
    return shown && shown->format->BytesPerPixel == 4 && shown->format->Rmask == PictureRed &&
           shown->format->Gmask == PictureGreen && shown->format->Bmask == PictureBlue;
}

bool IsWindowScale(int scale)
{
    return scale >= 1 && scale <= MaxWindowScale;
}

}  // namespace


Letterbox FitPicture(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight)
{
    if (pictureWidth < 1 || pictureHeight < 1)
        return {};
    const int scale = std::max(1, std::min(screenWidth / pictureWidth, screenHeight / pictureHeight));
    return {scale, (screenWidth - pictureWidth * scale) / 2, (screenHeight - pictureHeight * scale) / 2};
}

int AutoWindowScale(int desktopWidth, int desktopHeight, int pictureWidth, int pictureHeight)
{
    if (pictureWidth < 1 || pictureHeight < 1)
        return 1;
    auto fits = [](int desktop, int picture) {
        return static_cast<int64_t>(desktop) * WindowShareNumerator /
               (static_cast<int64_t>(picture) * WindowShareDenominator);
    };
    const int64_t scale = std::min(fits(desktopWidth, pictureWidth), fits(desktopHeight, pictureHeight));
    return static_cast<int>(std::clamp<int64_t>(scale, 1, MaxWindowScale));
}

int NextWindowScale(int scale, int desktopWidth, int desktopHeight, int pictureWidth,
                    int pictureHeight)
{
    const int largest = std::min(
        FitPicture(desktopWidth, desktopHeight, pictureWidth, pictureHeight).scale, MaxWindowScale);
    return scale >= largest ? 1 : scale + 1;
}

DisplayChoice LoadDisplayChoice()
{
    DisplayChoice choice;
    std::ifstream in(DisplayChoicePath);
    std::string word;
    if (!(in >> word))
        return choice;
    choice.fullscreen = word == FullscreenWord;
    int scale = 0;
    while (in >> word) {
        if (word == ScaleWord && in >> scale && IsWindowScale(scale))
            choice.windowScale = scale;
    }
    return choice;
}

bool SaveDisplayChoice(const DisplayChoice& choice)
{
    std::string text = std::string(choice.fullscreen ? FullscreenWord : WindowWord) + "\n";
    if (IsWindowScale(choice.windowScale))
        text += std::string(ScaleWord) + " " + std::to_string(choice.windowScale) + "\n";
    return WriteFileAtomically(DisplayChoicePath, text);
}

bool RememberFullscreen(bool fullscreen)
{
    DisplayChoice choice = LoadDisplayChoice();
    choice.fullscreen = fullscreen;
    return SaveDisplayChoice(choice);
}

bool RememberWindowScale(int scale)
{
    DisplayChoice choice = LoadDisplayChoice();
    choice.windowScale = scale;
    return SaveDisplayChoice(choice);
}

bool StartsFullscreen(DisplayStart start)
{
    if (start == DisplayStart::Remembered)
        return LoadDisplayChoice().fullscreen;
    return start == DisplayStart::Fullscreen;
}

int StartWindowScale(int commandLineScale, int desktopWidth, int desktopHeight, int pictureWidth,
                     int pictureHeight)
{
    if (IsWindowScale(commandLineScale))
        return commandLineScale;
    const int remembered = LoadDisplayChoice().windowScale;
    if (IsWindowScale(remembered))
        return remembered;
    return AutoWindowScale(desktopWidth, desktopHeight, pictureWidth, pictureHeight);
}

SDL_Surface* Screen::OpenVideo(bool fullscreen) const
{
    if (fullscreen)
        return SDL_SetVideoMode(desktopWidth, desktopHeight, 32, SDL_FULLSCREEN);
    return SDL_SetVideoMode(width * windowScale, height * windowScale, 32, 0);
}

bool Screen::SetFullscreen(bool on)
{
    if (surface && on == !windowed)
        return true;
    if (surface)
        SDL_UnlockSurface(surface);
    const bool full = on && ShowFullscreen();
    if (on && !full)
        fprintf(stdout, "Unable to show the game full screen: %s\n", SDL_GetError());
    if (!full)
        ShowWindow();
    SDL_LockSurface(surface);
    Present();
    return full == on;
}

// What was drawn so far is carried over to the picture, so that nothing
// flickers until the next frame.
bool Screen::MakePicture()
{
    if (!picture)
        picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, PictureRed, PictureGreen,
                                       PictureBlue, 0);
    if (!picture)
        return false;
    if (surface && surface != picture)
        SDL_BlitSurface(surface, nullptr, picture, nullptr);
    return true;
}

bool Screen::ShowFullscreen()
{
    if (!MakePicture())
        return false;
    SDL_Surface* const shown = OpenVideo(true);
    if (!HasPictureLayout(shown))
        return false;
    display = shown;
    surface = picture;
    windowed = false;
    letterbox = FitPicture(display->w, display->h, width, height);
    SDL_FillRect(display, nullptr, BorderColour);
    return true;
}

// A window of scale 1 is the picture itself; a larger one shows the picture
// enlarged like full screen, unless its pixels are not laid out for the
// enlarging copy, when it goes back to scale 1.
void Screen::ShowWindow()
{
    if (windowScale > 1 && !MakePicture())
        windowScale = 1;
    display = OpenVideo(false);
    if (display && windowScale > 1 && !HasPictureLayout(display)) {
        windowScale = 1;
        display = OpenVideo(false);
    }
    if (!display) {
        fprintf(stdout, "Unable to set %d x %d video: %s\n", width * windowScale,
                height * windowScale, SDL_GetError());
        fflush(stdout);
        exit(1);
    }
    windowed = true;
    if (windowScale > 1) {
        surface = picture;
        letterbox = {windowScale, 0, 0};
        return;
    }
    if (picture) {
        SDL_BlitSurface(picture, nullptr, display, nullptr);
        SDL_FreeSurface(picture);
        picture = nullptr;
    }
    surface = display;
    letterbox = {};
}

void Screen::SetWindowScale(int scale)
{
    windowScale = std::clamp(scale, 1, MaxWindowScale);
    if (!windowed || !surface)
        return;  // full screen keeps its own scale; the window takes this one when it comes back
    SDL_UnlockSurface(surface);
    ShowWindow();
    SDL_LockSurface(surface);
    Present();
}

void Screen::CycleWindowScale()
{
    if (!windowed)
        return;
    SetWindowScale(NextWindowScale(windowScale, desktopWidth, desktopHeight, width, height));
    RememberWindowScale(windowScale);
}

void Screen::ToggleFullscreen()
{
    if (SetFullscreen(windowed))
        RememberFullscreen(!windowed);
}

bool Screen::TakeDisplayKey(const SDL_Event& event)
{
#ifdef __EMSCRIPTEN__
    (void)event;
    return false;  // in the browser the page scales the picture, and F11 is the browser's
#endif
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    const bool pressed = event.type == SDL_KEYDOWN;
    if (event.key.keysym.sym == WindowScaleKey) {
        if (pressed)
            CycleWindowScale();
        return true;
    }
    const bool displayKey = event.key.keysym.sym == SDLK_F11 || IsAltEnter(event.key.keysym);
    if (displayKey && pressed)
        ToggleFullscreen();
    return displayKey;
}

void Screen::ToGamePixels(SDL_Event& event) const
{
    if (surface == display)
        return;
    // The coordinates' type differs between implementations of the media library.
    auto map = [this](auto& x, auto& y) {
        using Coordinate = std::remove_reference_t<decltype(x)>;
        const int screenX = x, screenY = y;
        const int gameX = (screenX - letterbox.left) / letterbox.scale;
        const int gameY = (screenY - letterbox.top) / letterbox.scale;
        x = static_cast<Coordinate>(std::clamp(screenX < letterbox.left ? 0 : gameX, 0, width - 1));
        y = static_cast<Coordinate>(std::clamp(screenY < letterbox.top ? 0 : gameY, 0, height - 1));
    };
    if (event.type == SDL_MOUSEMOTION)
        map(event.motion.x, event.motion.y);
    else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
        map(event.button.x, event.button.y);
}

// Each picture pixel becomes a square of scale x scale screen pixels: the
// first row of a square is written pixel by pixel, the others are copies of it.
void Screen::PresentEnlarged()
{
    SDL_LockSurface(display);
    const int scale = letterbox.scale;
    // A screen smaller than the picture shows its middle part.
    const int firstColumn = std::max(-letterbox.left, 0) / scale;
    const int firstRow = std::max(-letterbox.top, 0) / scale;
    const int left = std::max(letterbox.left, 0);
    const int top = std::max(letterbox.top, 0);
    const int shownColumns = std::min(width, firstColumn + (display->w - left) / scale);
    const int shownRows = std::min(height, firstRow + (display->h - top) / scale);
    for (int row = firstRow; row < shownRows; ++row) {
        const Uint32* from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) +
                                                             static_cast<size_t>(row) * picture->pitch);
        Uint8* const target = static_cast<Uint8*>(display->pixels) +
                              static_cast<size_t>(top + (row - firstRow) * scale) * display->pitch;
        Uint32* to = reinterpret_cast<Uint32*>(target) + left;
        for (int column = firstColumn; column < shownColumns; ++column) {
            for (int repeat = 0; repeat < scale; ++repeat)
                *to++ = from[column];
        }
        const size_t rowBytes = reinterpret_cast<Uint8*>(to) - (target + left * 4);
        for (int repeat = 1; repeat < scale; ++repeat)
            std::memcpy(target + static_cast<size_t>(repeat) * display->pitch + left * 4,
                        target + left * 4, rowBytes);
    }
    SDL_UnlockSurface(display);
    SDL_UpdateRect(display, 0, 0, 0, 0);
}
