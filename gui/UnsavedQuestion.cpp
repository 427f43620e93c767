// The editor's question when its map is about to be left with painting not
// yet saved: "Map N has unsaved changes", answered with Save (then go on),
// Discard (drop the painting, then go on) or Cancel (back to the editor).
#include <memory>

#include "platform/Config.h"
#include "platform/GameState.h"
#include "platform/Globals.h"
#include "platform/Screen.h"
#include "gui/BitmapFont.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"
#include "maze/EditorBrush.h"

namespace {

// The panel, in the middle of the window; the question sits on its title
// band, the three buttons on one row under it.
constexpr int ButtonsY = 34;
constexpr int ButtonGap = 18;  // between the buttons and at the panel's sides
constexpr int QuestionY = 3;

constexpr int SaveKey = 's';
constexpr int DiscardKey = 'd';

// The question, with the map number of the moment.
class QuestionWidget : public TextWidget {
public:
    using TextWidget::TextWidget;
    void Draw(int ox, int oy) const override
    {
        text = "Map " + IntToText(TheConfig->mapNumber) + " has unsaved changes";
        TextWidget::Draw(ox, oy);
    }
};

}  // namespace

std::unique_ptr<Panel> BuildUnsavedQuestion(const Gui& gui)
{
    auto panel = std::make_unique<Panel>((TheScreen->width - QuestionWidth) / 2,
                                         (TheScreen->height - QuestionHeight) / 2, QuestionWidth,
                                         QuestionHeight, gui.images[Menu288x63]);
    struct Answer {
        int id;
        const char* label;
    };
    constexpr Answer answers[] = {
        {SaveMapButton, "Save"}, {DiscardButton, "Discard"}, {CancelButton, "Cancel"}};
    int x = ButtonGap;
    for (const Answer& answer : answers) {
        panel->AddButton(x, ButtonsY, WideButtonWidth, RowHeight, gui.images[Button72x18],
                         answer.id,
                         gui.Label(answer.label, LargeFont, WideButtonWidth, RowHeight, AlignCentre,
                                   AlignMiddle));
        x += WideButtonWidth + ButtonGap;
    }
    panel->AddWidget(std::make_unique<QuestionWidget>(*gui.largeFont, "", 0, QuestionY,
                                                      QuestionWidth, RowHeight, AlignCentre,
                                                      AlignTop));
    return panel;
}

void AskAboutUnsavedChanges(EditorStep step)
{
    TheGui->pendingEditorStep = step;
    GameState = EditorQuestion;
}

// A map that cannot be saved keeps its painting: the editor comes back with
// its Save button saying so, and nothing else happens.
bool OnUnsavedQuestionRelease(int id)
{
    switch (id) {
    case SaveMapButton:
        GameState = LevelEditor;
        if (SaveEditedMap())
            CarryOutEditorStep(TheGui->pendingEditorStep);
        break;
    case DiscardButton:
        GameState = LevelEditor;
        CarryOutEditorStep(TheGui->pendingEditorStep);
        break;
    case CancelButton:
        GameState = LevelEditor;
        break;
    default:
        break;
    }
    return false;
}

bool OnUnsavedQuestionKey(int key)
{
    const int answer = key == SaveKey ? SaveMapButton : key == DiscardKey ? DiscardButton : NoButton;
    if (answer == NoButton)
        return false;
    OnUnsavedQuestionRelease(answer);
    return true;
}
