#pragma once
// The adaptive Huffman model of the LZH method and its fixed position code.
// Decoder and encoder must evolve the very same tree, so both use this class.
//
// How an encoder uses it:
//   LzhTree tree; tree.Start();
//   for each symbol s (literal byte 0..255, or match length L as L + 253):
//       walk from tree.LeafOf(s) up to the root: at each node k, the code bit is
//       tree.IsSecondChild(k) ? 1 : 0; go on with tree.Parent(k) until it is
//       LzhTree::Root. The bits come leaf first: emit them in reverse order
//       (root first). Then call tree.Update(s), exactly as the decoder does.
//   for a match position p (0..4095): emit the PositionCodeLength[p >> 6] top bits
//       of PositionCode[p >> 6] (left-aligned in a byte), then the low 6 bits of p.
// The decoder walks root to leaf with DecodeSymbol, which calls Update itself.

#include <array>
#include <cstdint>

namespace vellumar {

class LzhTree {
public:
    static constexpr int NumSymbols = 314;              // 256 literals + match lengths 3..60
    static constexpr int NumNodes = 2 * NumSymbols - 1;  // 627; entries >= NumNodes in Child() are leaves
    static constexpr int Root = NumNodes - 1;            // 626
    static constexpr unsigned RebuildFrequency = 0x8000;

    // The starting tree: every symbol with frequency 1.
    void Start();
    // Counts one more occurrence of `symbol`, rebuilding first when the root's
    // frequency has reached RebuildFrequency.
    void Update(int symbol);

    // For an internal node, its first child (the second is Child(node) + 1);
    // for a leaf, NumNodes + its symbol.
    int Child(int node) const { return child_[node]; }
    int Parent(int node) const { return parent_[node]; }
    int LeafOf(int symbol) const { return parent_[NumNodes + symbol]; }
    bool IsSecondChild(int node) const { return node != static_cast<int>(child_[parent_[node]]); }
    unsigned Frequency(int node) const { return freq_[node]; }

    // Walks from the root, taking one bit (0 or 1) from nextBit() per level, then
    // updates the model for the symbol found.
    template <class NextBit>
    int DecodeSymbol(NextBit&& nextBit) {
        unsigned node = child_[Root];
        while (node < static_cast<unsigned>(NumNodes)) node = child_[node + nextBit()];
        const int symbol = static_cast<int>(node) - NumNodes;
        Update(symbol);
        return symbol;
    }

private:
    void Rebuild();

    std::array<std::uint32_t, NumNodes + 1> freq_{};  // the extra last entry is a 0xFFFF sentinel
    std::array<std::uint32_t, NumNodes> child_{};
    std::array<std::uint32_t, NumNodes + NumSymbols> parent_{};
};

// The fixed prefix code of a position's upper 6 bits: part 0 has a 3-bit code,
// 1..3 4 bits, 4..11 5 bits, 12..23 6 bits, 24..47 7 bits, 48..63 8 bits, given
// out consecutively from zero. Codes are left-aligned in a byte.
namespace lzhpos {

struct Tables {
    std::array<std::uint8_t, 64> code{};      // encoder: code of each upper part
    std::array<std::uint8_t, 64> length{};    // encoder: its length in bits (3..8)
    std::array<std::uint8_t, 256> upper{};    // decoder: upper part of a first byte
    std::array<std::uint8_t, 256> byteLength{};  // decoder: code length of a first byte
};

constexpr Tables MakeTables() {
    Tables t;
    constexpr int counts[6] = {1, 3, 8, 12, 24, 16};
    int part = 0;
    unsigned code = 0;
    for (int group = 0; group < 6; ++group) {
        const int len = group + 3;
        for (int n = 0; n < counts[group]; ++n, ++part) {
            t.code[part] = static_cast<std::uint8_t>(code);
            t.length[part] = static_cast<std::uint8_t>(len);
            const unsigned span = 1u << (8 - len);
            for (unsigned b = code; b < code + span; ++b) {
                t.upper[b] = static_cast<std::uint8_t>(part);
                t.byteLength[b] = static_cast<std::uint8_t>(len);
            }
            code += span;
        }
    }
    return t;
}

inline constexpr Tables Table = MakeTables();

}  // namespace lzhpos

inline constexpr const std::array<std::uint8_t, 64>& PositionCode = lzhpos::Table.code;
inline constexpr const std::array<std::uint8_t, 64>& PositionCodeLength = lzhpos::Table.length;
inline constexpr const std::array<std::uint8_t, 256>& PositionUpperOfByte = lzhpos::Table.upper;
inline constexpr const std::array<std::uint8_t, 256>& PositionLengthOfByte = lzhpos::Table.byteLength;

// LZH stream parameters shared by decoder and encoder.
namespace lzh {
inline constexpr int RingSize = 4096;
inline constexpr int MaxMatch = 60;
inline constexpr int MinMatch = 3;
inline constexpr int FirstMatchSymbol = 256;  // symbol = length + MatchSymbolOffset
inline constexpr int MatchSymbolOffset = 253;
inline constexpr int RingStart = RingSize - MaxMatch;  // 4036: positions below hold spaces at start
}  // namespace lzh

}  // namespace vellumar
