#pragma once
// Small coders for the tests: a most-significant-bit-first bit writer, and an
// LZH coder on the shared adaptive tree, driven by explicit tokens.

#include "archive/LzhTree.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vellumar::test {

class BitWriter {
public:
    void Put(std::uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) PutBit((value >> i) & 1u);
    }
    void PutBit(unsigned bit) {
        if (count_ % 8 == 0) bytes_.push_back('\0');
        if (bit) bytes_.back() = static_cast<char>(bytes_.back() | (0x80 >> (count_ % 8)));
        ++count_;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::size_t count_ = 0;
};

// A literal (length 0) or a match of `length` bytes starting `back` bytes behind.
struct LzToken {
    int literal = 0;
    int length = 0;
    int back = 0;
};

inline std::string EncodeLzh(const std::vector<LzToken>& tokens) {
    LzhTree tree;
    tree.Start();
    BitWriter out;
    auto symbol = [&](int s) {
        std::vector<unsigned> bits;
        for (int node = tree.LeafOf(s); node != LzhTree::Root; node = tree.Parent(node))
            bits.push_back(tree.IsSecondChild(node) ? 1u : 0u);
        for (auto it = bits.rbegin(); it != bits.rend(); ++it) out.PutBit(*it);
        tree.Update(s);
    };
    for (const LzToken& t : tokens) {
        if (t.length == 0) {
            symbol(t.literal);
            continue;
        }
        symbol(t.length + lzh::MatchSymbolOffset);
        const unsigned p = static_cast<unsigned>(t.back - 1);
        out.Put(PositionCode[p >> 6] >> (8 - PositionCodeLength[p >> 6]), PositionCodeLength[p >> 6]);
        out.Put(p & 0x3F, 6);
    }
    return out.Bytes();
}

// Greedy tokens for `data`: the most recent earlier occurrence of the next three
// bytes within the ring, extended as far as it goes.
inline std::vector<LzToken> GreedyTokens(const std::string& data, int ring, int maxMatch) {
    std::vector<LzToken> tokens;
    std::unordered_map<std::uint32_t, std::size_t> last;
    auto key = [&](std::size_t i) {
        return std::uint32_t(std::uint8_t(data[i])) | std::uint32_t(std::uint8_t(data[i + 1])) << 8 |
               std::uint32_t(std::uint8_t(data[i + 2])) << 16;
    };
    std::size_t i = 0;
    while (i < data.size()) {
        LzToken t;
        t.literal = std::uint8_t(data[i]);
        if (i + 3 <= data.size()) {
            auto found = last.find(key(i));
            if (found != last.end() && i - found->second < static_cast<std::size_t>(ring - maxMatch)) {
                std::size_t len = 0;
                while (len < static_cast<std::size_t>(maxMatch) && i + len < data.size() &&
                       data[found->second + len] == data[i + len])
                    ++len;
                if (len >= 3) {
                    t.length = static_cast<int>(len);
                    t.back = static_cast<int>(i - found->second);
                }
            }
        }
        const std::size_t step = t.length ? t.length : 1;
        for (std::size_t k = i; k < i + step && k + 3 <= data.size(); ++k) last[key(k)] = k;
        tokens.push_back(t);
        i += step;
    }
    return tokens;
}

}  // namespace vellumar::test
