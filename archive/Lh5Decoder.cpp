// Expansion of the LH5 method: LZSS over an 8 KiB ring, with the literals and
// lengths, the positions and the code lengths each under a static canonical
// Huffman code sent at the head of every block.

#include "archive/BitReader.h"
#include "archive/Decoders.h"
#include "archive/Errors.h"
#include "archive/Lh5Format.h"
#include "archive/OutputWindow.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace vellumar {

namespace {

using namespace lh5;

constexpr int TreeSize = 2 * NC;  // nodes of the codes longer than their lookup width

// A lookup entry holds a symbol (or, for a code longer than the lookup width, the
// tree node to walk from) in its low bits and the code length in its high bits,
// so a short code needs no second look-up. Tree nodes and the lengths of
// single-symbol codes carry length 0.
constexpr unsigned EntrySymbolBits = 11;
constexpr unsigned EntrySymbolMask = (1u << EntrySymbolBits) - 1;
constexpr std::uint16_t Entry(unsigned symbol, unsigned length) {
    return static_cast<std::uint16_t>(symbol | length << EntrySymbolBits);
}

class Lh5Decoder {
public:
    Lh5Decoder(ByteSource& in, ByteSink& out) : bits_(in), window_(out, RingSize) {}

    void Run(std::int64_t originalSize);

private:
    void ReadBlockHead();
    void ReadPtLengths(int nn, int countBits, int special);
    void ReadCLengths();
    void MakeTable(int nchar, const std::uint8_t* lengths, int tableBits, std::uint16_t* table);
    unsigned DecodeC();
    unsigned DecodePosition();
    // Follows the tree below a lookup entry; `bit` is the window bit after the
    // lookup bits, `nchar` the alphabet size.
    unsigned Walk(unsigned j, std::uint64_t bit, unsigned nchar) const;

    BitReader bits_;
    OutputWindow window_;
    std::array<std::uint8_t, NC> cLen_{};
    std::array<std::uint16_t, 1 << LiteralTableBits> cTable_{};
    std::array<std::uint8_t, NT> ptLen_{};
    std::array<std::uint16_t, 1 << PositionTableBits> ptTable_{};
    std::array<std::uint16_t, TreeSize> left_{};
    std::array<std::uint16_t, TreeSize> right_{};
    std::uint16_t blockLeft_ = 0;
};

void Lh5Decoder::Run(std::int64_t originalSize) {
    std::memset(window_.History(), ' ', RingSize);
    std::int64_t count = 0;
    while (count < originalSize) {
        window_.MakeRoom();
        bits_.Refill();
        const unsigned c = DecodeC();
        if (c < 256) {
            window_.Literal(static_cast<unsigned char>(c));
            ++count;
            continue;
        }
        const unsigned length = c - MatchSymbolOffset;
        const unsigned distance = DecodePosition();
        window_.Copy(distance + 1, length);
        count += length;
    }
    window_.Finish();
}

unsigned Lh5Decoder::Walk(unsigned j, std::uint64_t bit, unsigned nchar) const {
    // A valid code needs at most 16 - lookup bits steps; walking past the 16-bit
    // window means the tree is broken.
    constexpr std::uint64_t lastBit = std::uint64_t{1} << (63 - 15);
    while (j >= nchar) {
        if (bit < lastBit || j >= static_cast<unsigned>(TreeSize)) throw ELZHBadDecodeTable();
        j = (bits_.Window() & bit) ? right_[j] : left_[j];
        bit >>= 1;
    }
    return j;
}

unsigned Lh5Decoder::DecodeC() {
    if (blockLeft_ == 0) {
        ReadBlockHead();
        bits_.Refill();
    }
    --blockLeft_;  // 16-bit: a size field of 0 runs for 65536 symbols
    const unsigned entry = cTable_[bits_.Peek(LiteralTableBits)];
    unsigned j = entry & EntrySymbolMask;
    unsigned length = entry >> EntrySymbolBits;
    if (j >= static_cast<unsigned>(NC)) {
        j = Walk(j, std::uint64_t{1} << (63 - LiteralTableBits), NC);
        length = cLen_[j];
    }
    bits_.Skip(length);
    return j;
}

unsigned Lh5Decoder::DecodePosition() {
    unsigned j = ptTable_[bits_.Peek(PositionTableBits)] & EntrySymbolMask;
    if (j >= static_cast<unsigned>(NP)) j = Walk(j, std::uint64_t{1} << (63 - PositionTableBits), NP);
    bits_.Skip(ptLen_[j]);
    if (j == 0) return 0;
    return (1u << (j - 1)) + bits_.Get(j - 1);
}

void Lh5Decoder::ReadBlockHead() {
    blockLeft_ = static_cast<std::uint16_t>(bits_.Get(BlockSizeBits));
    ReadPtLengths(NT, TBit, TSpecial);
    ReadCLengths();
    ReadPtLengths(NP, PBit, -1);
}

void Lh5Decoder::ReadPtLengths(int nn, int countBits, int special) {
    const int n = static_cast<int>(bits_.Get(countBits));
    if (n == 0) {
        // One symbol only: it costs no bits.
        const unsigned c = bits_.Get(countBits);
        if (c >= static_cast<unsigned>(nn)) throw ELZHBadDecodeTable();
        std::fill(ptLen_.begin(), ptLen_.end(), 0);
        std::fill(ptTable_.begin(), ptTable_.end(), static_cast<std::uint16_t>(c));
        return;
    }
    if (n > nn) throw ELZHBadDecodeTable();
    int i = 0;
    while (i < n) {
        bits_.Ensure(16);
        unsigned c = bits_.Peek(3);
        if (c == 7) {
            // Lengths of 7 and more: a run of 1 bits after the three, ended by a 0.
            std::uint64_t mask = std::uint64_t{1} << (63 - 3);
            const std::uint64_t stop = std::uint64_t{1} << (63 - 15);
            while (mask >= stop && (bits_.Window() & mask)) {
                mask >>= 1;
                ++c;
            }
            if (c > static_cast<unsigned>(MaxCodeLength)) throw ELZHBadDecodeTable();
        }
        bits_.Skip(c < 7 ? 3 : c - 3);
        ptLen_[i++] = static_cast<std::uint8_t>(c);
        if (i == special) {
            int zeros = static_cast<int>(bits_.Get(2));
            while (zeros-- > 0 && i < nn) ptLen_[i++] = 0;
        }
    }
    std::fill(ptLen_.begin() + i, ptLen_.end(), 0);
    MakeTable(nn, ptLen_.data(), PositionTableBits, ptTable_.data());
}

void Lh5Decoder::ReadCLengths() {
    const int n = static_cast<int>(bits_.Get(CBit));
    if (n == 0) {
        const unsigned c = bits_.Get(CBit);
        if (c >= static_cast<unsigned>(NC)) throw ELZHBadDecodeTable();
        std::fill(cLen_.begin(), cLen_.end(), 0);
        std::fill(cTable_.begin(), cTable_.end(), static_cast<std::uint16_t>(c));
        return;
    }
    if (n > NC) throw ELZHBadDecodeTable();
    int i = 0;
    while (i < n) {
        bits_.Ensure(32);
        unsigned c = ptTable_[bits_.Peek(PositionTableBits)] & EntrySymbolMask;
        if (c >= static_cast<unsigned>(NT)) c = Walk(c, std::uint64_t{1} << (63 - PositionTableBits), NT);
        bits_.Skip(ptLen_[c]);
        if (c <= 2) {
            int zeros = 1;
            if (c == 1) zeros = static_cast<int>(bits_.Get(4)) + 3;
            if (c == 2) zeros = static_cast<int>(bits_.Get(CBit)) + 20;
            if (i + zeros > NC) throw ELZHBadDecodeTable();
            std::fill(cLen_.begin() + i, cLen_.begin() + i + zeros, 0);
            i += zeros;
        } else {
            cLen_[i++] = static_cast<std::uint8_t>(c - 2);
        }
    }
    std::fill(cLen_.begin() + i, cLen_.end(), 0);
    MakeTable(NC, cLen_.data(), LiteralTableBits, cTable_.data());
}

void Lh5Decoder::MakeTable(int nchar, const std::uint8_t* lengths, int tableBits, std::uint16_t* table) {
    std::uint32_t count[17] = {};
    for (int i = 0; i < nchar; ++i) {
        if (lengths[i] > MaxCodeLength) throw ELZHBadDecodeTable();
        ++count[lengths[i]];
    }
    std::uint32_t start[18] = {};
    for (int len = 1; len <= 16; ++len) start[len + 1] = start[len] + (count[len] << (16 - len));
    const std::uint32_t tableSize = 1u << tableBits;
    if (start[17] == 0) {
        // Every length is 0: no symbol has a code. Give the table a defined content.
        std::fill(table, table + tableSize, 0);
        return;
    }
    // Exactly full, counted without 16-bit wrap-around: an over-full set would
    // otherwise pass and send table writes out of bounds.
    if (start[17] != 0x10000) throw ELZHBadDecodeTable();

    const int jut = 16 - tableBits;
    std::uint32_t weight[17] = {};
    for (int len = 1; len <= tableBits; ++len) {
        start[len] >>= jut;
        weight[len] = 1u << (tableBits - len);
    }
    for (int len = tableBits + 1; len <= 16; ++len) weight[len] = 1u << (16 - len);

    std::uint32_t i = start[tableBits + 1] >> jut;
    if (i < tableSize) std::fill(table + i, table + tableSize, 0);

    unsigned avail = static_cast<unsigned>(nchar);
    const std::uint32_t mask = 1u << (15 - tableBits);
    for (int ch = 0; ch < nchar; ++ch) {
        const int len = lengths[ch];
        if (len == 0) continue;
        std::uint32_t k = start[len];
        const std::uint32_t next = k + weight[len];
        if (len <= tableBits) {
            std::fill(table + k, table + next, Entry(static_cast<unsigned>(ch), static_cast<unsigned>(len)));
        } else {
            std::uint16_t* p = &table[k >> jut];
            for (int step = len - tableBits; step > 0; --step) {
                if (*p == 0) {
                    if (avail >= static_cast<unsigned>(TreeSize)) throw ELZHBadDecodeTable();
                    right_[avail] = left_[avail] = 0;
                    *p = static_cast<std::uint16_t>(avail++);
                }
                if (*p >= TreeSize) throw ELZHBadDecodeTable();
                p = (k & mask) ? &right_[*p] : &left_[*p];
                k <<= 1;
            }
            *p = static_cast<std::uint16_t>(ch);
        }
        start[len] = next;
    }
}

}  // namespace

void ExpandLh5(ByteSource& in, ByteSink& out, std::int64_t originalSize) {
    if (originalSize <= 0) return;
    auto decoder = std::make_unique<Lh5Decoder>(in, out);
    decoder->Run(originalSize);
}

}  // namespace vellumar
