#include "app/LineBatches.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/FileIO.h"
#include "engine/TextLines.h"

namespace vellumar {

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

namespace {

// The length of the longest prefix of `text` that ends with a complete line
// break: an LF, or a CR whose next byte is known and is no LF.
std::size_t CompleteLinesLength(std::string_view text) {
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '\n') return i + 1;
        if (text[i] == '\r' && i + 1 < text.size()) return i + 1;  // text[i + 1] is no LF here
    }
    return 0;
}

}  // namespace

bool ForEachFileTextChunk(const std::string& path, bool skipFirstLine,
                          const std::function<void(std::string_view)>& use) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) return false;
    std::string carry;
    bool title = skipFirstLine;
    bool ended = false;
    const auto deliver = [&](std::size_t length) {
        std::string_view ready(carry.data(), length);
        if (title) {
            ready = AfterFirstLine(ready);
            title = false;
        }
        if (!ready.empty()) use(ready);
        carry.erase(0, length);
    };
    std::vector<char> block(64 * 1024);
    while (!ended) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), f.get());
        if (got == 0) break;
        std::string_view piece(block.data(), got);
        ended = CutAtZero(piece);
        carry.append(piece);
        if (!ended) {
            if (const std::size_t length = CompleteLinesLength(carry)) deliver(length);
        }
    }
    if (std::ferror(f.get())) return false;
    if (!carry.empty()) deliver(carry.size());
    return true;
}

bool ForEachFileLineBatch(const std::string& path, bool skipFirstLine,
                          const std::function<void(std::vector<std::string>&)>& use) {
    return ForEachFileTextChunk(path, skipFirstLine, [&use](std::string_view text) { ForEachLineBatch(text, use); });
}

}  // namespace vellumar
