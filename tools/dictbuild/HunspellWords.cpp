#include "tools/dictbuild/HunspellWords.h"

#include "engine/TextLines.h"
#include "tools/dictbuild/SingleWord.h"

#include <algorithm>

namespace vellumar::dictbuild {

void CollectHunspellWords(std::string_view utf8Text, pack::DictionaryCollector& collector, SourceStats& stats) {
    if (utf8Text.starts_with("\xEF\xBB\xBF")) utf8Text.remove_prefix(3);
    const std::vector<std::string> lines = SplitTextLines(utf8Text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        // The first line gives the number of entries.
        if (i == 0 && !line.empty() &&
            std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        // Flags follow a "/", morphological fields a tab or blank.
        line = line.substr(0, line.find_first_of("/\t "));
        if (line.empty()) continue;
        ++stats.entries;
        if (auto word = SingleRussianWord(line, true, stats)) {
            collector.Add(*word);
            ++stats.taken;
        }
    }
}

}  // namespace vellumar::dictbuild
