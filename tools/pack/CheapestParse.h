#pragma once
// Chooses the literals and matches of an LZSS stream by price: the matches of a
// segment are found once, then the cheapest path through the segment is taken
// under a price model (bits per literal, per match length and per distance).

#include "tools/pack/MatchFinder.h"

#include <algorithm>
#include <cstdint>
#include <optional>
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

// The prices a coder would charge for a segment coded as `tokens`.
using PriceModel = ParsePrices (*)(std::string_view segment, const std::vector<Token>& tokens);

// Parses `data` a segment at a time at the lowest price and hands the tokens to
// `encoder` (Literal(byte), Copy(length, distance), EndSegment() after each
// segment). Each segment is priced by the model of the one before it; the first,
// having none, by its own greedy parse and then by a parse under those prices.
template <class Encoder>
void ParseBySegments(std::string_view data, const MatchLimits& limits, PriceModel pricesOf, Encoder& encoder) {
    constexpr std::size_t kSegment = std::size_t{1} << 17;
    constexpr int kLongMatch = 32;
    MatchFinder finder(data, limits);
    SegmentParser parser(limits.maxLength, kLongMatch);
    std::optional<ParsePrices> carried;

    for (std::size_t begin = 0; begin < data.size();) {
        const std::size_t end = std::min(data.size(), begin + kSegment);
        const std::string_view segment = data.substr(begin, end - begin);
        parser.Collect(finder, begin, end);
        std::vector<Token> tokens;
        if (carried) {
            tokens = parser.Cheapest(segment, *carried);
        } else {
            tokens = parser.Cheapest(segment, pricesOf(segment, parser.Greedy()));
            tokens = parser.Cheapest(segment, pricesOf(segment, tokens));
        }
        std::size_t at = 0;
        for (const Token& t : tokens) {
            if (t.distance == 0)
                encoder.Literal(static_cast<unsigned char>(segment[at]));
            else
                encoder.Copy(t.length, t.distance);
            at += t.length;
        }
        encoder.EndSegment();
        carried = pricesOf(segment, tokens);
        begin = end;
    }
}

}  // namespace vellumar::pack
