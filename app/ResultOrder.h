#pragma once
// The orders of the result list and the merging of entries of one word.
// Entries are result lines: a lower-case word followed by its definitions.

#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

// The alphabetical order: by word first, in the order of `Alphabet` (ё its own
// letter right after е), case ignored; entries of one word then by their whole
// text, case ignored, with Latin letters after all other signs and Russian
// letters after Latin ones; texts equal but for case finally by their bytes.
// Grouping by word keeps one word's entries together whatever their
// definitions. Negative, zero or positive like strcmp.
int CompareAlphabetical(std::string_view a, std::string_view b);
void SortAlphabetical(std::vector<std::string>& entries);

// Longest words first, equal lengths by descending byte codes; among entries
// of one word the order that the pairwise exchange sort of the result list
// leaves, computed in O(n log n).
void SortByLength(std::vector<std::string>& entries);

// Heaviest words first (WordWeight), then longer, then higher byte codes;
// among entries of one word the exchange sort's order, as for SortByLength.
void SortByWeight(std::vector<std::string>& entries);

// Folds every run of neighbouring entries with the same word into its first
// entry, joining the definitions by DefinitionSeparator (none after an empty
// definition). Each later entry contributes at most 1024 bytes of definition,
// counting what was already merged into it.
void MergeDuplicateWords(std::vector<std::string>& entries);

}  // namespace vellumar
