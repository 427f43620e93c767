// The window, the audio device and the frame clock, with the drawing
// primitives every other module uses: loading an image, copying part of an
// image onto the window with clipping, and drawing a rectangle, outlined or filled.
#pragma once

#include <SDL/SDL.h>

#include "platform/Fullscreen.h"

// Chooses the media library's dummy video and audio drivers, unless the
// environment chose others: a window that is never shown, and silence.
void UseHeadlessDrivers();

// What the frame loop's event routing hands input to: the interface, which
// lives above the platform. Each handler returns true when the program is to end.
class InputHandler {
public:
    virtual ~InputHandler() = default;
    virtual bool OnKeyDown(int key) = 0;
    virtual bool OnKeyUp(int key) = 0;
    virtual bool OnLeftDown(int x, int y) = 0;
    virtual bool OnLeftUp(int x, int y) = 0;
    virtual bool OnLeftDrag(int x, int y) = 0;
    virtual bool OnRightDown(int x, int y) = 0;
    virtual bool OnMouseIgnored(int x, int y) = 0;
    // A joystick's axis, d-pad or button event.
    virtual bool OnPadEvent(const SDL_Event&) { return false; }
};

class Screen {
public:
    // Opens the media library, the audio device and the window (at the
    // scale StartWindowScale gives), then goes full screen unless
    // startWindowed; a failure of the library or of the window's video mode
    // ends the program.
    // commandLineScale: the window's scale the command line chose (--scale N),
    // remembered once the window opens; 0 when it chose none.
    Screen(int framesPerSecond, bool startWindowed, int width, int height,
           int commandLineScale = 0);
    // The window surface belongs to the media library; it is only handed back unlocked.
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // Routes every queued input event to the handler, in queue order; returns
    // true as soon as the handler or the window asks the program to end.
    bool ProcessEvents(InputHandler& input);
    // Sets the frame rate and the period (1000 / rate, integer division).
    void SetFramesPerSecond(int rate);

    // Loads a BMP in the window's pixel format with (red, green, blue) as the
    // transparent colour; null (with a message) when it cannot be loaded.
    SDL_Surface* LoadImage(const char* path, int red, int green, int blue) const;
    // Copies the rectangle (sx, sy, w, h) of an image to (dx, dy), clipped to the window.
    void Blit(SDL_Surface* image, int dx, int dy, int sx, int sy, int w, int h);
    // Draws a one-pixel outline of colour 0xRRGGBB straight into the window's pixels.
    void DrawRectOutline(int x, int y, int w, int h, int colour);
    // Fills a rectangle with colour 0xRRGGBB, clipped to the window.
    void FillRect(int x, int y, int w, int h, int colour);
    // Shows the whole window, or the enlarged picture in full screen.
    void Present();

    // Full screen on or off (platform/Fullscreen.cpp). The picture the game
    // draws keeps its size. Outside a blit the drawing surface stays locked,
    // so its pixels may be written directly. False when full screen was
    // asked for and could not be shown: the game goes on in the window.
    bool SetFullscreen(bool on);
    // Switches, and remembers the choice for the next run.
    void ToggleFullscreen();
    // The window's scale (1 to MaxWindowScale): a window shown now is opened
    // again at its new size with the picture kept.
    void SetWindowScale(int scale);
    // The next scale, remembered for the next run; nothing in full screen.
    void CycleWindowScale();
    // F11 and Alt+Enter switch at any moment, WindowScaleKey steps through
    // the window's scales: true for their presses and releases, which go no further.
    bool TakeDisplayKey(const SDL_Event& event);
    // Turns a mouse event's screen position into the picture's pixels.
    void ToGamePixels(SDL_Event& event) const;

    int width;            // window width in pixels
    int height;           // window height in pixels
    int framePeriod;      // milliseconds per frame: 1000 / framesPerSecond
    int framesPerSecond;  // frame rate of the loop
    int nextFrameTime;    // tick count at which the current frame is due to be shown
    SDL_Surface* surface; // where the game draws: the window, or the picture when it is enlarged
    bool windowed;        // true: a window; false: full screen
    int windowScale;      // screen pixels per picture pixel along each side of the window
    SDL_Surface* display; // what the media library shows: the window itself, or the whole screen
    SDL_Surface* picture; // in full screen or an enlarged window, the picture the game draws into; owned
    int desktopWidth;     // the screen's size when the program started
    int desktopHeight;
    Letterbox letterbox;  // where the picture lies on the whole screen or the enlarged window

    bool audioOpen;       // false when the audio device could not be opened: the game is silent
    // Where input events come from: the media library's queue, or a scripted
    // source in tests and in the simulator's monkey player.
    int (*pollEvent)(SDL_Event* event);

private:
    SDL_Surface* OpenVideo(bool fullscreen) const;
    bool MakePicture();     // false when the picture cannot be made
    bool ShowFullscreen();  // false when the whole screen cannot show the picture
    void ShowWindow();      // ends the program when not even the window can be opened
    void PresentEnlarged();
};
