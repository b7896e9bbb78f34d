#include "app/LineBatches.h"

#include <cstring>
#include <string>

#include "engine/TextLines.h"

namespace vellumar {

namespace {

std::string_view UpToZero(std::string_view text) {
    if (const void* zero = std::memchr(text.data(), '\0', text.size()))
        return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    return text;
}

}  // namespace

void ForEachLineBatch(std::string_view text, const std::function<void(std::vector<std::string>&)>& use) {
    text = UpToZero(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Cut right after an LF: it always ends a line, and a CR LF pair stays whole.
        std::size_t end = text.size();
        if (text.size() - pos > LineBatchBytes) {
            const std::size_t lf = text.find('\n', pos + LineBatchBytes - 1);
            if (lf != std::string_view::npos) end = lf + 1;
        }
        std::vector<std::string> batch = SplitTextLines(text.substr(pos, end - pos));
        use(batch);
        pos = end;
    }
}

std::string_view AfterFirstLine(std::string_view text) {
    text = UpToZero(text);
    const std::size_t br = text.find_first_of("\r\n");
    if (br == std::string_view::npos) return {};
    const std::size_t skip = (text[br] == '\r' && br + 1 < text.size() && text[br + 1] == '\n') ? 2 : 1;
    return text.substr(br + skip);
}

}  // namespace vellumar
