#pragma once
// Chooses the literals and matches of an LZSS stream by price: the matches of a
// segment are found once, then the cheapest path through the segment is taken
// under a price model (bits per literal, per match length and per distance).

#include "tools/pack/MatchFinder.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vellumar::pack {

struct Token {
    std::uint16_t length;    // 1 for a literal
    std::uint16_t distance;  // 0 for a literal
};

// Prices in 1/16 bits, so that adaptive models can price fractions of a bit.
inline constexpr std::uint32_t PriceUnit = 16;

struct ParsePrices {
    std::vector<std::uint32_t> literal;   // by byte value, 256 entries
    std::vector<std::uint32_t> length;    // by match length, up to the longest match
    std::vector<std::uint32_t> distance;  // by distance (1..window)
};

class SegmentParser {
public:
    // longMatch: a match this long is taken at once, and the positions it covers
    // are neither searched nor parsed.
    SegmentParser(int maxLength, int longMatch) : maxLength_(maxLength), longMatch_(longMatch) {}

    // Finds the matches of data[begin, end), none reaching past `end`. Inserts the
    // segment's positions into `finder`.
    void Collect(MatchFinder& finder, std::size_t begin, std::size_t end);

    // The longest match at each step, or a literal.
    std::vector<Token> Greedy() const;
    // The cheapest sequence of literals and matches; `segment` is data[begin, end).
    std::vector<Token> Cheapest(std::string_view segment, const ParsePrices& prices);

private:
    std::size_t Size() const { return offsets_.size() - 1; }
    const Token* First(std::size_t i) const { return matches_.data() + offsets_[i]; }
    const Token* Last(std::size_t i) const { return matches_.data() + offsets_[i + 1]; }
    void Relax(std::size_t from, int length, int distance, std::uint32_t cost);

    int maxLength_;
    int longMatch_;
    std::vector<std::uint32_t> offsets_;  // where each position's matches start in matches_
    std::vector<Token> matches_;          // per position: longer with each, nearest first
    std::vector<std::uint32_t> cost_;
    std::vector<Token> step_;             // the step that reaches each position most cheaply
};

// The price of a symbol of frequency `count` out of `total` under an ideal code,
// in PriceUnit; an unseen symbol is priced as rarer than any seen one.
std::uint32_t EntropyPrice(std::uint32_t count, std::uint32_t total);

}  // namespace vellumar::pack
