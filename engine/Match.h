#pragma once
// Whether a word, or a word inside a definition, fits a mask; whether a line's
// word is an anagram of a query.

#include <string>
#include <string_view>

#include "engine/Letters.h"

namespace vellumar {

enum class SearchMode { Words, Definitions, WordsAndDefinitions };

// The word passes when its weight compares to `value` as `comparison` says:
// "=", "<=" or "=>"; any other comparison sets no condition.
struct WeightFilter {
    bool enabled = false;
    std::string comparison = "=";
    std::string value = "10";   // read as a whole number each time a word passes the letter test
};

// The state of the search controls, taken when a search starts.
struct SearchSettings {
    SearchMode mode = SearchMode::Words;
    WeightFilter weight;
    LetterEquivalences equivalences;
};

// A blank in the mask stands for any one letter; the word must be as long as
// the mask. Case of the word does not matter. Throws EConvertError when the
// weight filter is on, the letters fit and the filter's value is no number.
bool MatchMask(std::string_view mask, std::string_view word, const SearchSettings& s);

// True when some run of Russian letters of the definition fits the mask.
bool MatchDefinition(std::string_view mask, std::string_view definition, const SearchSettings& s);

// True when the line's word holds exactly the letters of the query, in any order.
bool MatchAnagram(std::string_view query, std::string_view line, const LetterEquivalences& eq);

}  // namespace vellumar
