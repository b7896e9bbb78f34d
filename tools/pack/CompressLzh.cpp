#include "tools/pack/CompressLzh.h"

#include "archive/LzhTree.h"
#include "tools/pack/BitWriter.h"
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

}  // namespace

std::string CompressLzh(std::string_view data) {
    if (data.empty()) return {};
    MatchLimits limits;
    // One short of the ring, so a copy never reads the slot it is about to write.
    limits.window = lzh::RingSize - 1;
    limits.maxLength = lzh::MaxMatch;
    limits.maxChain = 128;
    limits.niceLength = lzh::MaxMatch;
    MatchFinder finder(data, limits);
    auto encoder = std::make_unique<LzhEncoder>(data.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());

    // Lazy matching, as for LH5.
    std::size_t pos = 0;
    const std::size_t size = data.size();
    while (pos < size) {
        Match current = finder.Find(pos);
        finder.InsertUpTo(pos + 1);
        if (current.length < lzh::MinMatch) {
            encoder->Literal(bytes[pos++]);
            continue;
        }
        while (pos + 1 < size && current.length < lzh::MaxMatch) {
            Match next = finder.Find(pos + 1);
            finder.InsertUpTo(pos + 2);
            if (next.length <= current.length) break;
            encoder->Literal(bytes[pos++]);
            current = next;
        }
        encoder->Copy(current.length, current.distance);
        pos += static_cast<std::size_t>(current.length);
        finder.InsertUpTo(pos);
    }
    return encoder->Finish();
}

}  // namespace vellumar::pack
