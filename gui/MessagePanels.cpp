// The in-game messages: one line of large text in a small panel over the maze.
#include <memory>

#include "gui/Gui.h"
#include "gui/Screens.h"

namespace {
constexpr int MessageX = 180, MessageY = 108;
constexpr int MessageW = 126, MessageH = 18;
}  // namespace

std::unique_ptr<Panel> BuildMessagePanel(const Gui& gui, const std::string& message)
{
    auto panel = std::make_unique<Panel>(MessageX, MessageY, MessageW, MessageH,
                                         gui.images[Menu126x18]);
    panel->AddWidget(std::make_unique<TextWidget>(*gui.largeFont, message, 0, 0, MessageW,
                                                  MessageH, AlignCentre, AlignTop));
    return panel;
}
