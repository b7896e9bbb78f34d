#include "tools/pack/CheapestParse.h"

#include <algorithm>

namespace vellumar::pack {

namespace {
constexpr int kMaxMatchesPerPosition = 16;
constexpr int kMinMatch = 3;
}  // namespace

void SegmentParser::Collect(MatchFinder& finder, std::size_t begin, std::size_t end) {
    const std::size_t n = end - begin;
    offsets_.assign(n + 1, 0);
    matches_.clear();
    Match found[kMaxMatchesPerPosition];
    std::size_t skipUntil = 0;
    for (std::size_t i = 0; i < n; ++i) {
        offsets_[i] = static_cast<std::uint32_t>(matches_.size());
        if (i < skipUntil) continue;
        const int count = finder.FindAll(begin + i, found, kMaxMatchesPerPosition);
        finder.InsertUpTo(begin + i + 1);
        const int room = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(maxLength_), n - i));
        int previous = 0;
        for (int k = 0; k < count; ++k) {
            const int length = std::min(found[k].length, room);
            if (length <= previous) break;  // cut at the segment end: the rest is no longer
            matches_.push_back({static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(found[k].distance)});
            previous = length;
        }
        if (previous >= longMatch_) {
            skipUntil = i + static_cast<std::size_t>(previous);
            finder.InsertUpTo(begin + skipUntil);
        }
    }
    offsets_[n] = static_cast<std::uint32_t>(matches_.size());
    finder.InsertUpTo(end);
}

std::vector<Token> SegmentParser::Greedy() const {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < Size();) {
        Token t{1, 0};
        if (Last(i) != First(i)) t = Last(i)[-1];
        tokens.push_back(t);
        i += t.length;
    }
    return tokens;
}

void SegmentParser::Relax(std::size_t from, int length, int distance, std::uint32_t cost) {
    const std::size_t to = from + static_cast<std::size_t>(length);
    if (cost < cost_[to]) {
        cost_[to] = cost;
        step_[to] = Token{static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(distance)};
    }
}

std::vector<Token> SegmentParser::Cheapest(std::string_view segment, const ParsePrices& prices) {
    const std::size_t n = Size();
    constexpr std::uint32_t kUnreached = 0xFFFFFFFFu;
    cost_.assign(n + 1, kUnreached);
    step_.assign(n + 1, Token{0, 0});
    cost_[0] = 0;
    std::size_t skipUntil = 0;
    for (std::size_t i = 0; i < n; ++i) {
        // Positions inside a long match are never expanded, so no path leaves them.
        if (i < skipUntil || cost_[i] == kUnreached) continue;
        const std::uint32_t base = cost_[i];
        const std::uint32_t literal = base + prices.literal[static_cast<unsigned char>(segment[i])];
        if (literal < cost_[i + 1]) {
            cost_[i + 1] = literal;
            step_[i + 1] = Token{1, 0};
        }
        if (First(i) == Last(i)) continue;
        const Token longest = Last(i)[-1];
        if (longest.length >= longMatch_) {
            Relax(i, longest.length, longest.distance,
                  base + prices.length[longest.length] + prices.distance[longest.distance]);
            skipUntil = i + longest.length;
            continue;
        }
        int length = kMinMatch;
        for (const Token* m = First(i); m != Last(i); ++m) {
            const std::uint32_t withDistance = base + prices.distance[m->distance];
            for (; length <= m->length; ++length) Relax(i, length, m->distance, withDistance + prices.length[length]);
        }
    }
    std::vector<Token> tokens;
    for (std::size_t at = n; at > 0; at -= step_[at].length) tokens.push_back(step_[at]);
    std::reverse(tokens.begin(), tokens.end());
    return tokens;
}

namespace {

// PriceUnit times log2(y), rounded down, for y of 1 and more: the whole bits by
// halving, the four bits of the fraction by squaring. Without the maths
// library, which vellumar-cli would otherwise load at every start.
std::uint32_t PriceOfRatio(double y) {
    static_assert(PriceUnit == 1u << 4);
    std::uint32_t whole = 0;
    while (y >= 2) {
        y /= 2;
        ++whole;
    }
    std::uint32_t fraction = 0;
    for (int bit = 0; bit < 4; ++bit) {
        y *= y;
        fraction <<= 1;
        if (y >= 2) {
            y /= 2;
            fraction |= 1;
        }
    }
    return whole * PriceUnit + fraction;
}

}  // namespace

std::uint32_t EntropyPrice(std::uint32_t count, std::uint32_t total) {
    const std::uint32_t price = count > 0 ? PriceOfRatio(static_cast<double>(total) / count)
                                          : PriceOfRatio(static_cast<double>(total) + 1) + 2 * PriceUnit;
    return std::max<std::uint32_t>(1, price);
}

}  // namespace vellumar::pack
