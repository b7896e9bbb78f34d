#include "engine/Search.h"

#include "engine/AnagramMatcher.h"
#include "engine/MaskMatcher.h"

namespace vellumar {

void SearchDictionary(std::string_view maskOrQuery, bool anagram, std::vector<std::string>& lines,
                      const SearchSettings& s, const HitSink& sink) {
    if (anagram) {
        AnagramMatcher matcher(maskOrQuery, s.equivalences);
        for (std::string& slot : lines) {
            std::string line;
            line.swap(slot);   // the slot keeps no memory; `line` frees it after this pass
            if (line.empty()) continue;
            NormaliseLineInPlace(line);
            if (matcher.Match(line)) sink(line);
        }
        return;
    }

    const MaskMatcher matcher(maskOrQuery, s);
    const bool inWords = s.mode != SearchMode::Definitions;
    const bool inDefinitions = s.mode != SearchMode::Words;
    for (std::string& slot : lines) {
        std::string line;
        line.swap(slot);
        if (line.empty()) continue;
        NormaliseLineInPlace(line);
        if (inWords && matcher.Match(WordPart(line))) sink(line);
        if (inDefinitions &&
            matcher.ForEachFittingRun(DefinitionPart(line), [](std::string_view) { return false; }))
            sink(line);
    }
}

}  // namespace vellumar
