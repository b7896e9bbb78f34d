#include "tools/pack/CompressLzh.h"

#include "archive/LzhTree.h"
#include "tools/pack/BitWriter.h"
#include "tools/pack/CheapestParse.h"
#include "tools/pack/MatchFinder.h"

#include <array>
#include <memory>

namespace vellumar::pack {

namespace {

class LzhEncoder {
public:
    explicit LzhEncoder(std::size_t inputSize) {
        tree_.Start();
        out_.Reserve(inputSize / 2 + 64);
    }

    void Literal(unsigned char c) { Symbol(c); }

    void Copy(int length, int distance) {
        Symbol(length + lzh::MatchSymbolOffset);
        const unsigned p = static_cast<unsigned>(distance - 1);
        const unsigned upper = p >> 6;
        const int codeLength = PositionCodeLength[upper];
        out_.Put(PositionCode[upper] >> (8 - codeLength), codeLength);
        out_.Put(p & 63u, 6);
    }

    // The adaptive code runs on across segments.
    void EndSegment() {}

    std::string Finish() { return out_.Finish(); }

private:
    // The code of a symbol is its path from the root; the tree knows it leaf first.
    void Symbol(int symbol) {
        int depth = 0;
        for (int node = tree_.LeafOf(symbol); node != LzhTree::Root; node = tree_.Parent(node))
            path_[depth++] = tree_.IsSecondChild(node) ? 1 : 0;
        while (depth > 0) out_.Put(path_[--depth], 1);
        tree_.Update(symbol);
    }

    LzhTree tree_;
    BitWriter out_;
    std::array<unsigned char, LzhTree::NumNodes> path_{};
};

// Prices for the next parse: the adaptive code gives a symbol about the bits its
// share of the counts says (every symbol starts counted once); a position costs its
// fixed prefix code and six plain bits.
ParsePrices PricesOf(std::string_view segment, const std::vector<Token>& tokens) {
    std::vector<std::uint32_t> count(LzhTree::NumSymbols, 1);
    std::uint32_t total = LzhTree::NumSymbols;
    std::size_t at = 0;
    for (const Token& t : tokens) {
        ++count[t.distance == 0 ? static_cast<unsigned char>(segment[at]) : t.length + lzh::MatchSymbolOffset];
        ++total;
        at += t.length;
    }
    ParsePrices prices;
    prices.literal.resize(256);
    for (int c = 0; c < 256; ++c) prices.literal[c] = EntropyPrice(count[c], total);
    prices.length.assign(lzh::MaxMatch + 1, 0);
    for (int length = lzh::MinMatch; length <= lzh::MaxMatch; ++length)
        prices.length[length] = EntropyPrice(count[length + lzh::MatchSymbolOffset], total);
    prices.distance.assign(lzh::RingSize, 0);
    for (int distance = 1; distance < lzh::RingSize; ++distance)
        prices.distance[distance] = PriceUnit * (PositionCodeLength[(distance - 1) >> 6] + 6u);
    return prices;
}

}  // namespace

std::string CompressLzh(std::string_view data) {
    if (data.empty()) return {};
    MatchLimits limits;
    // One short of the ring, so a copy never reads the slot it is about to write.
    limits.window = lzh::RingSize - 1;
    limits.maxLength = lzh::MaxMatch;
    limits.maxChain = 16;
    limits.niceLength = lzh::MaxMatch;
    auto encoder = std::make_unique<LzhEncoder>(data.size());
    ParseBySegments(data, limits, PricesOf, *encoder);
    return encoder->Finish();
}

}  // namespace vellumar::pack
