#pragma once
// Whether a word, or a word inside a definition, fits a mask; whether a line's
// word is an anagram of a query.

#include <string>
#include <string_view>
#include <vector>

#include "engine/Letters.h"

namespace vellumar {

enum class SearchMode { Words, Definitions, WordsAndDefinitions };

// Which letters of a word the mask stands for: the whole word, its start, its
// end, or any run of consecutive letters in it.
enum class MaskPart { Whole, Begin, End, Any };

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
    MaskPart part = MaskPart::Whole;
    WeightFilter weight;
    LetterEquivalences equivalences;
};

// A blank in the mask stands for any one letter. Under MaskPart::Whole the word
// must be as long as the mask; under the other parts the mask must fit the
// word's start, its end or any of its runs of mask length. The weight filter
// weighs the whole word. Case of the word does not matter. Throws
// EConvertError when the weight filter is on, the letters fit and the
// filter's value is no number.
bool MatchMask(std::string_view mask, std::string_view word, const SearchSettings& s);

// True when some run of Russian letters of the definition fits the mask (as
// MatchMask fits a word, under the settings' mask part).
bool MatchDefinition(std::string_view mask, std::string_view definition, const SearchSettings& s);

// Where the runs of Russian letters of `text` that fit the mask lie (as
// MatchDefinition tests them), in order: their offsets and lengths.
struct TextRun {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool operator==(const TextRun&) const = default;
};
std::vector<TextRun> FittingRuns(std::string_view mask, std::string_view text, const SearchSettings& s);

// True when the line's word holds exactly the letters of the query, in any order.
bool MatchAnagram(std::string_view query, std::string_view line, const LetterEquivalences& eq);

}  // namespace vellumar
