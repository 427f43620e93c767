// The custom game screen: who plays each side, their speeds, the ghost count,
// the custom maze and the time limit, and the start of the game.
#include <memory>

#include "actors/GhostSquad.h"
#include "platform/Config.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"
#include "gui/Steppers.h"

namespace {

// The panel, in the lower-left corner; it ends at the window's bottom.
constexpr int PanelX = 0;
constexpr int PanelY = 198;

constexpr int ValueColumn = 63;  // the value buttons and the numbers
constexpr int PlusColumn = 99;
constexpr int MinusColumn = 117;

// Speeds climb in steps of 0.1 and wrap back to 1.0 half a step above their
// top value (5.0 for the gulper, 4.0 for the ghosts), so that a sum that has
// drifted a little below the top still wraps on the next click.
constexpr double SpeedStep = 0.1;
constexpr double SlowestSpeed = 1.0;
constexpr double GulperSpeedWrap = 5.05;
constexpr double GhostSpeedWrap = 4.05;

constexpr int FewestGhosts = 1;

void AddValueButton(Panel& panel, const Gui& gui, int y, int id,
                    std::unique_ptr<TextWidget> label)
{
    panel.AddButton(ValueColumn, y, WideButtonWidth, RowHeight, gui.images[Button72x18], id,
                    std::move(label));
}

// A "+" and "-" pair on one row.
void AddSteppers(Panel& panel, const Gui& gui, int y, int plusId, int minusId)
{
    panel.AddButton(PlusColumn, y, StepperSize, StepperSize, gui.images[Button18x18], plusId,
                    gui.Label("+", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
    panel.AddButton(MinusColumn, y, StepperSize, StepperSize, gui.images[Button18x18], minusId,
                    gui.Label("-", LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
}

// The name of a side's controller ("?" for a number without one): its number looked up.
class ControllerWidget : public LookupWidget {
public:
    ControllerWidget(const Gui& gui, const Controller* controller)
        : LookupWidget(*gui.largeFont, &number, &gui.controllerNames, 0, 0, WideButtonWidth,
                       RowHeight, AlignCentre, AlignMiddle),
          controller(controller)
    {
    }
    void Draw(int ox, int oy) const override
    {
        number = static_cast<int>(*controller);
        LookupWidget::Draw(ox, oy);
    }

private:
    const Controller* controller;
    mutable int number = 0;  // the controller's number, which the lookup shows when drawn
};

std::unique_ptr<TextWidget> SpeedLabel(const Gui& gui, const double* speed)
{
    return std::make_unique<DoubleWidget>(*gui.largeFont, speed, 0, 0, WideButtonWidth,
                                          RowHeight, AlignCentre, AlignMiddle);
}

// A row label, always aligned left.
std::unique_ptr<TextWidget> Caption(const BitmapFont& font, const char* text, int x, int y,
                                    int w, int valign)
{
    return std::make_unique<TextWidget>(font, text, x, y, w, RowHeight, AlignLeft, valign);
}

std::unique_ptr<TextWidget> Number(const Gui& gui, const int* value, int y)
{
    return std::make_unique<IntWidget>(*gui.largeFont, value, ValueColumn, y, ValueWidth,
                                       RowHeight, AlignCentre, AlignMiddle);
}

void ToggleController(Controller& controller)
{
    controller = controller == Human ? Computer : Human;
}

void RaiseSpeed(double& speed, double wrap)
{
    speed += SpeedStep;
    if (speed >= wrap)
        speed = SlowestSpeed;
}

}  // namespace

std::unique_ptr<Panel> BuildCustomGameMenu(const Gui& gui)
{
    Config& config = *TheConfig;
    const BitmapFont& large = *gui.largeFont;
    const BitmapFont& small = *gui.smallFont;
    auto panel = std::make_unique<Panel>(PanelX, PanelY, SmallPanelWidth, SmallPanelHeight,
                                         gui.images[Menu144x180]);

    panel->AddButton(128, 4, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                     gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    AddValueButton(*panel, gui, 27, GulperSideButton,
                   std::make_unique<ControllerWidget>(gui, &config.gulperController));
    AddValueButton(*panel, gui, 45, GulperSpeedButton, SpeedLabel(gui, &config.gulperSpeed));
    AddValueButton(*panel, gui, 63, GhostsSideButton,
                   std::make_unique<ControllerWidget>(gui, &config.ghostsController));
    AddValueButton(*panel, gui, 81, GhostSpeedButton, SpeedLabel(gui, &config.ghostSpeed));
    AddSteppers(*panel, gui, 99, GhostCountUpButton, GhostCountDownButton);
    AddSteppers(*panel, gui, 117, PlusButton, MinusButton);
    AddSteppers(*panel, gui, 135, TimeLimitUpButton, TimeLimitDownButton);
    panel->AddButton(36, 155, WideButtonWidth, RowHeight, gui.images[Button72x18], StartButton,
                     gui.Label("Start!", LargeFont, WideButtonWidth, RowHeight, AlignCentre,
                               AlignTop));

    panel->AddWidget(Caption(large, "CUSTOM GAME", 9, 5, WideButtonWidth, AlignTop));
    panel->AddWidget(Caption(large, "Gulper", 5, 27, WideButtonWidth, AlignMiddle));
    panel->AddWidget(Caption(small, "Speed", 15, 45, WideButtonWidth, AlignMiddle));
    panel->AddWidget(Caption(large, "Ghosts", 9, 63, WideButtonWidth, AlignTop));
    panel->AddWidget(Caption(small, "Speed", 15, 81, WideButtonWidth, AlignMiddle));
    panel->AddWidget(Caption(small, "Number", 15, 99, 27, AlignMiddle));
    panel->AddWidget(Number(gui, &config.ghostCount, 99));
    panel->AddWidget(Caption(large, "Map #", 15, 117, WideButtonWidth, AlignTop));
    panel->AddWidget(Number(gui, &config.mapNumber, 117));
    panel->AddWidget(Caption(large, "Timer", 18, 135, WideButtonWidth, AlignTop));
    panel->AddWidget(Number(gui, &gui.timer->limit, 135));
    return panel;
}

bool OnCustomGameRelease(int id)
{
    Config& config = *TheConfig;
    switch (id) {
    case GulperSideButton:
        ToggleController(config.gulperController);
        break;
    case GhostsSideButton:
        ToggleController(config.ghostsController);
        break;
    case GulperSpeedButton:
        RaiseSpeed(config.gulperSpeed, GulperSpeedWrap);
        break;
    case GhostSpeedButton:
        RaiseSpeed(config.ghostSpeed, GhostSpeedWrap);
        break;
    case GhostCountUpButton:
        if (config.ghostCount < MaxGhosts)
            ++config.ghostCount;
        break;
    case GhostCountDownButton:
        if (config.ghostCount > FewestGhosts)
            --config.ghostCount;
        break;
    case PlusButton:
        StepMapForward();
        break;
    case MinusButton:
        StepMapBackward();
        break;
    case TimeLimitUpButton:
        RaiseTimeLimit();
        break;
    case TimeLimitDownButton:
        LowerTimeLimit();
        break;
    case StartButton:
        // The maze is read from its file again, so every game starts on it fresh.
        ReloadCustomMaze(true);
        TheGui->request = GuiRequest::StartLevel;
        break;
    case CloseButton:
        GameState = MainMenu;
        break;
    default:
        break;
    }
    return false;
}
