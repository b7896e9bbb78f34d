#include "tools/dictbuild/HunspellWords.h"

#include "engine/Cp1251Literal.h"
#include "engine/TextLines.h"
#include "tools/dictbuild/SingleWord.h"

#include <algorithm>
#include <utility>

namespace vellumar::dictbuild {

void CollectHunspellWords(std::string_view utf8Text, pack::DictionaryCollector& collector, SourceStats& stats) {
    if (utf8Text.starts_with(Utf8ByteOrderMark)) utf8Text.remove_prefix(Utf8ByteOrderMark.size());
    bool first = true;
    ForEachTextLine(utf8Text, [&](std::string_view line) {
        // The first line gives the number of entries.
        if (std::exchange(first, false) && !line.empty() &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return;
        // Flags follow a "/", morphological fields a tab or blank.
        line = line.substr(0, line.find_first_of("/\t "));
        if (line.empty()) return;
        ++stats.entries;
        if (auto word = SingleRussianWord(line, true, stats)) {
            collector.Add(*word);
            ++stats.taken;
        }
    });
}

}  // namespace vellumar::dictbuild
