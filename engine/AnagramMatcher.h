#pragma once
// The anagram test with the query's letter counts worked out once.

#include <array>
#include <string_view>

#include "engine/Match.h"

namespace vellumar {

class AnagramMatcher {
public:
    AnagramMatcher(std::string_view query, const LetterEquivalences& eq);

    // MatchAnagram of the query and `line`.
    bool Match(std::string_view line);

private:
    const std::uint8_t* fold_;
    std::size_t length_;
    std::array<std::size_t, 256> counts_{};   // folded query bytes
};

}  // namespace vellumar
