#include "engine/AnagramMatcher.h"

namespace vellumar {

using letters::Byte;
using letters::kTables;

AnagramMatcher::AnagramMatcher(std::string_view query, const LetterEquivalences& eq)
    : fold_(FoldTable(eq)), length_(query.size()) {
    for (char c : query) ++counts_[fold_[Byte(c)]];
}

bool AnagramMatcher::Match(std::string_view line) {
    // Folding keeps a lower-case letter lower-case, so the word of the folded
    // line is the folded word of the line.
    const std::string_view word = WordPart(line);
    if (word.size() != length_) return false;
    // Each query letter takes one letter of the word: with equal lengths that
    // is the same letters with the same counts. The counts are borrowed and
    // given back so that the next line starts from the query again.
    std::size_t used = 0;
    bool fits = true;
    for (; used < word.size(); ++used) {
        std::size_t& count = counts_[kTables.upper[fold_[Byte(word[used])]]];
        if (count == 0) {
            fits = false;
            break;
        }
        --count;
    }
    for (std::size_t i = 0; i < used; ++i) ++counts_[kTables.upper[fold_[Byte(word[i])]]];
    return fits;
}

bool MatchAnagram(std::string_view query, std::string_view line, const LetterEquivalences& eq) {
    return AnagramMatcher(query, eq).Match(line);
}

}  // namespace vellumar
