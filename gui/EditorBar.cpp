// The level editor's bar: map number (starred while the map holds unsaved
// painting), brush, save (saying for a while after a save what became of it)
// and reset, with painting by the mouse where no button is hit; leaving the
// map with painting unsaved asks first.
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/Config.h"
#include "rules/Campaign.h"
#include "rules/Tick.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/BitmapFont.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"
#include "gui/Steppers.h"
#include "maze/EditorBrush.h"
#include "maze/Maze.h"

namespace {

// The bar lies over the window's bottom strip, grid row 20; its background is
// the top of the large dialog image.
constexpr int BarX = 36;
constexpr int BarY = 360;
constexpr int BarWidth = 432;
constexpr int BarHeight = 18;

const std::string UnsavedMark = "*";  // after the map number while its painting is unsaved
constexpr int SaveNoticeSeconds = 2;  // how long the Save button says what a save did
// The Save button's label by SaveNotice.
const std::vector<std::string> SaveLabels = {"Save", "Saved!", "Failed!"};

// The map number, starred while the map holds painting not yet saved.
class MapNumberWidget : public TextWidget {
public:
    using TextWidget::TextWidget;
    void Draw(int ox, int oy) const override
    {
        text = IntToText(TheConfig->mapNumber) + (TheBrush->unsavedChanges ? UnsavedMark : "");
        TextWidget::Draw(ox, oy);
    }
};

// How many frames the Save button says what a save did; a frame rate from a
// configuration at the extremes of its numbers cannot make it overflow.
int SaveNoticeFrames()
{
    const int rate = TheScreen->framesPerSecond;
    return rate > std::numeric_limits<int>::max() / SaveNoticeSeconds ? std::numeric_limits<int>::max()
                                                                      : SaveNoticeSeconds * rate;
}

void AddStepper(Panel& panel, const Gui& gui, int x, int id, const char* text)
{
    panel.AddButton(x, 0, StepperSize, StepperSize, gui.images[Button18x18], id,
                    gui.Label(text, LargeFont, StepperSize, StepperSize, AlignCentre, AlignTop));
}

void AddWideButton(Panel& panel, const Gui& gui, int x, int id,
                   std::unique_ptr<TextWidget> label)
{
    panel.AddButton(x, 0, WideButtonWidth, RowHeight, gui.images[Button72x18], id,
                    std::move(label));
}

// Reads the map again from its file, dropping unsaved painting (and saying so).
void ReloadMap()
{
    TheBrush->DropUnsavedChanges();
    ReloadCustomMaze(true);
}

}  // namespace

std::unique_ptr<Panel> BuildEditorBar(const Gui& gui)
{
    auto bar = std::make_unique<Panel>(BarX, BarY, BarWidth, BarHeight, gui.images[Menu432x342]);

    AddStepper(*bar, gui, 99, PlusButton, "+");
    AddStepper(*bar, gui, 117, MinusButton, "-");
    bar->AddButton(416, 4, CloseSize, CloseSize, gui.images[Button12x12], CloseButton,
                   gui.Label("x", LargeFont, CloseSize, CloseSize, AlignCentre, AlignMiddle));
    AddWideButton(*bar, gui, 139, BrushButton,
                  std::make_unique<LookupWidget>(*gui.smallFont, &TheBrush->brush,
                                                 &TheBrush->elementNames, 0, 0, WideButtonWidth,
                                                 RowHeight, AlignCentre, AlignMiddle));
    AddWideButton(*bar, gui, 230, SaveMapButton,
                  std::make_unique<LookupWidget>(*gui.largeFont, &TheBrush->saveNotice, &SaveLabels,
                                              0, 0, WideButtonWidth, RowHeight, AlignCentre,
                                              AlignMiddle));
    AddWideButton(*bar, gui, 304, ResetMapButton,
                  gui.Label("Reset", LargeFont, WideButtonWidth, RowHeight, AlignCentre,
                            AlignMiddle));

    bar->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, "Map #", 18, 0, WideButtonWidth,
                                                RowHeight, AlignLeft, AlignTop));
    bar->AddWidget(std::make_unique<MapNumberWidget>(*gui.largeFont, "", 63, 0, ValueWidth,
                                                     RowHeight, AlignCentre, AlignMiddle));
    return bar;
}

// A press that hits no button of the bar paints, inside the bar or not; the
// brush itself keeps the bottom row unpainted.
void OnEditorPress(int buttonIndex, int x, int y)
{
    if (buttonIndex == NoHit)
        TheBrush->PaintAt(x, y);
}

void CarryOutEditorStep(EditorStep step)
{
    switch (step) {
    case EditorStep::Leave:
        ReloadMap();
        GameState = MainMenu;
        break;
    case EditorStep::NextMap:
        TheBrush->DropUnsavedChanges();
        StepMapForward();
        break;
    case EditorStep::PreviousMap:
        TheBrush->DropUnsavedChanges();
        StepMapBackward();
        break;
    }
}

void TakeEditorStep(EditorStep step)
{
    if (TheBrush->unsavedChanges)
        AskAboutUnsavedChanges(step);
    else
        CarryOutEditorStep(step);
}

// The repair before writing may add start cells or corn: they are drawn with
// their floor at once. A map that cannot be written keeps its painting, still
// unsaved. The Save button says which it was.
bool SaveEditedMap()
{
    const bool saved = TheMaze->Save(TheConfig->mapNumber);
    TheBrush->NoteSave(saved, SaveNoticeFrames());
    TheMaze->RefreshTileVariants();
    return saved;
}

bool OnEditorRelease(int id)
{
    switch (id) {
    case PlusButton:
        if (CanStepMapForward())
            TakeEditorStep(EditorStep::NextMap);
        break;
    case MinusButton:
        if (CanStepMapBackward())
            TakeEditorStep(EditorStep::PreviousMap);
        break;
    case CloseButton:
        TakeEditorStep(EditorStep::Leave);
        break;
    case BrushButton:
        TheBrush->NextElement();
        break;
    case SaveMapButton:
        SaveEditedMap();
        break;
    case ResetMapButton:
        ReloadMap();
        break;
    default:
        break;
    }
    return false;
}
