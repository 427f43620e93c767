// The options screen: frame rate, time limit, volumes, tile set and the way
// to the key bindings.
#include <memory>

#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "platform/SoundBank.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"
#include "gui/Steppers.h"
#include "maze/Maze.h"

namespace {

// The panel, in the lower-left corner; it ends at the window's bottom.
constexpr int PanelX = 0;
constexpr int PanelY = 198;

constexpr int CaptionColumn = 18;
constexpr int ValueColumn = 63;
constexpr int PlusColumn = 99;
constexpr int MinusColumn = 117;

// The rows of the four steppers, and of the tile set's "Change".
constexpr int FrameRateRow = 27;
constexpr int TimeLimitRow = 49;
constexpr int MusicRow = 71;
constexpr int EffectsRow = 93;
constexpr int TilesRow = 115;

// The tests come before the step, so values on the grid stay on it; a value
// set off the grid elsewhere may pass a bound by less than one step.
constexpr int FrameRateStep = 5;
constexpr int FastestFrameRate = 60;  // "+" acts only below this
constexpr int SlowestFrameRate = 5;   // "-" acts only above this
constexpr int VolumeStep = 10;
constexpr int LoudestVolume = 100;    // the mixer's scale
constexpr int SilentVolume = 0;

void AddSteppers(Panel& panel, const Gui& gui, int y, int plusId, int minusId)
{
    panel.AddButton(PlusColumn, y, StepperSize, StepperSize, gui.images[Button18x18], plusId,
                    gui.Label("+", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
    panel.AddButton(MinusColumn, y, StepperSize, StepperSize, gui.images[Button18x18], minusId,
                    gui.Label("-", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
}

void AddWideButton(Panel& panel, const Gui& gui, int x, int y, int id, const char* text)
{
    panel.AddButton(x, y, WideButtonWidth, RowHeight, gui.images[Button72x18], id,
                    gui.Label(text, LargeFont, WideButtonWidth, RowHeight, AlignCentre, AlignTop));
}

void AddCaption(Panel& panel, const Gui& gui, const char* text, int y)
{
    panel.AddWidget(std::make_unique<TextWidget>(*gui.largeFont, text, CaptionColumn, y,
                                                 WideButtonWidth, RowHeight, AlignLeft,
                                                 AlignTop));
}

void AddNumber(Panel& panel, const Gui& gui, const int* value, int y)
{
    panel.AddWidget(std::make_unique<IntWidget>(*gui.largeFont, value, ValueColumn, y,
                                                ValueWidth, RowHeight, AlignCentre,
                                                AlignMiddle));
}

// Whether a value may take a step: "+" acts below the top, "-" above the bottom.
bool MayStep(int value, int step, int bottom, int top)
{
    return step > 0 ? value < top : value > bottom;
}

// The new frame rate is applied from the next frame on.
void ChangeFrameRate(int step)
{
    int& rate = TheConfig->framesPerSecond;
    if (!MayStep(rate, step, SlowestFrameRate, FastestFrameRate))
        return;
    rate += step;
    TheScreen->SetFramesPerSecond(rate);
}

// The music volume reaches the mixer at once, even when it could not step.
void ChangeMusicVolume(int step)
{
    int& volume = TheConfig->musicVolume;
    if (MayStep(volume, step, SilentVolume, LoudestVolume))
        volume += step;
    TheSounds->SetMusicVolume(volume);
}

// The effects volume is read by the next effect played.
void ChangeEffectsVolume(int step)
{
    int& volume = TheConfig->effectsVolume;
    if (MayStep(volume, step, SilentVolume, LoudestVolume))
        volume += step;
}

}  // namespace

std::unique_ptr<Panel> BuildOptionsMenu(const Gui& gui)
{
    const Config& config = *TheConfig;
    auto panel = std::make_unique<Panel>(PanelX, PanelY, SmallPanelWidth, SmallPanelHeight,
                                         gui.images[Menu144x180]);

    panel->AddButton(128, 4, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                     gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    AddSteppers(*panel, gui, FrameRateRow, FrameRateUpButton, FrameRateDownButton);
    AddSteppers(*panel, gui, TimeLimitRow, TimeLimitUpButton, TimeLimitDownButton);
    AddSteppers(*panel, gui, MusicRow, MusicUpButton, MusicDownButton);
    AddSteppers(*panel, gui, EffectsRow, EffectsUpButton, EffectsDownButton);
    AddWideButton(*panel, gui, 63, TilesRow, TileSetButton, "Change");
    AddWideButton(*panel, gui, 36, 146, ControlsButton, "Controls");

    AddCaption(*panel, gui, "OPTIONS", 5);
    AddCaption(*panel, gui, "FPS", FrameRateRow);
    AddNumber(*panel, gui, &config.framesPerSecond, FrameRateRow);
    AddCaption(*panel, gui, "Timer", TimeLimitRow);
    AddNumber(*panel, gui, &gui.timer->limit, TimeLimitRow);
    AddCaption(*panel, gui, "Music", MusicRow);
    AddNumber(*panel, gui, &config.musicVolume, MusicRow);
    AddCaption(*panel, gui, "SFX", EffectsRow);
    AddNumber(*panel, gui, &config.effectsVolume, EffectsRow);
    AddCaption(*panel, gui, "Tiles", TilesRow);
    return panel;
}

bool OnOptionsRelease(int id)
{
    switch (id) {
    case CloseButton:
        GameState = MainMenu;
        break;
    case ControlsButton:
        GameState = ControlsMenu;
        break;
    case FrameRateUpButton:
        ChangeFrameRate(FrameRateStep);
        break;
    case FrameRateDownButton:
        ChangeFrameRate(-FrameRateStep);
        break;
    case TimeLimitUpButton:
        RaiseTimeLimit();
        break;
    case TimeLimitDownButton:
        LowerTimeLimit();
        break;
    case MusicUpButton:
        ChangeMusicVolume(VolumeStep);
        break;
    case MusicDownButton:
        ChangeMusicVolume(-VolumeStep);
        break;
    case EffectsUpButton:
        ChangeEffectsVolume(VolumeStep);
        break;
    case EffectsDownButton:
        ChangeEffectsVolume(-VolumeStep);
        break;
    case TileSetButton:
        TheMaze->NextTileSet();
        break;
    default:
        break;
    }
    return false;
}
