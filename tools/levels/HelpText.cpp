#include "tools/levels/HelpText.h"

#include <sstream>

namespace {

constexpr int LowestPrintable = 32;   // the space
constexpr int HighestPrintable = 126; // the tilde

}  // namespace

std::vector<std::string> WrapHelpLines(const std::vector<std::string>& paragraphs, int maxWidth,
                                       const FontWidths& font)
{
    std::vector<std::string> lines;
    for (const std::string& paragraph : paragraphs) {
        lines.emplace_back();
        int width = 0;
        std::istringstream words(paragraph);
        std::string word;
        while (words >> word) {
            word += ' ';
            const int wordWidth = TextWidth(font, word);
            if (width + wordWidth >= maxWidth) {
                lines.push_back(word);
                width = wordWidth;
            } else {
                lines.back() += word;
                width += wordWidth;
            }
        }
    }
    return lines;
}

std::vector<std::string> HelpParagraphs(const std::string& text)
{
    std::vector<std::string> paragraphs;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         end = text.find('\n', start)) {
        paragraphs.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return paragraphs;
}

std::vector<std::string> CheckHelpText(const std::string& text, const FontWidths& font)
{
    std::vector<std::string> problems;
    if (text.empty() || text.back() != '\n')
        problems.push_back("the help text must end with a line feed");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int code = static_cast<unsigned char>(text[i]);
        if (text[i] != '\n' && (code < LowestPrintable || code > HighestPrintable)) {
            problems.push_back("character code " + std::to_string(code) + " at byte " +
                               std::to_string(i) + " is not printable ASCII");
            break;
        }
    }
    const auto lines = WrapHelpLines(HelpParagraphs(text), HelpWrapWidth, font);
    if (static_cast<int>(lines.size()) > HelpPanelLines)
        problems.push_back("wraps to " + std::to_string(lines.size()) + " lines; the panel shows " +
                           std::to_string(HelpPanelLines));
    return problems;
}
