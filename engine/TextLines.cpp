#include "engine/TextLines.h"

#include <cstring>

namespace vellumar {

std::vector<std::string> SplitTextLines(std::string_view text) {
    if (const void* zero = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, static_cast<const char*>(zero) - text.data());

    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
        lines.emplace_back(text.substr(start, end - start));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace vellumar
