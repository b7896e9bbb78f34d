#include "engine/TextLines.h"

namespace vellumar {

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachTextLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string_view AfterFirstLine(std::string_view text) {
    text = UpToZero(text);
    const std::size_t br = text.find_first_of("\r\n");
    if (br == std::string_view::npos) return {};
    const std::size_t skip = (text[br] == '\r' && br + 1 < text.size() && text[br + 1] == '\n') ? 2 : 1;
    return text.substr(br + skip);
}

}  // namespace vellumar
