// The help page (data/help_text.cfg): plain text, one paragraph per line,
// shown word-wrapped on the help panel, which has room for 22 lines.
#pragma once

#include <string>
#include <vector>

#include "tools/levels/FontWidths.h"

constexpr int HelpWrapWidth = 396;  // pixels a help line may not reach
constexpr int HelpPanelLines = 22;  // wrapped lines that fit on the panel

// Wraps the paragraphs as the help screen does: each word followed by one
// blank; a word that would make the line reach maxWidth starts a new line.
std::vector<std::string> WrapHelpLines(const std::vector<std::string>& paragraphs, int maxWidth,
                                       const FontWidths& font);

// The paragraphs of a help file (the lines the game reads: every line that
// ends with a line feed).
std::vector<std::string> HelpParagraphs(const std::string& text);

// What is wrong with a help file; empty when nothing is:
// - only characters 32 to 126 and line feeds;
// - not empty, and ending with a line feed;
// - at most HelpPanelLines lines once wrapped.
std::vector<std::string> CheckHelpText(const std::string& text, const FontWidths& font);
