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
    // Decodes symbols of the current block into the window until the block, the
    // window's room or `wanted` bytes run out; returns the bytes written.
    std::size_t DecodeSymbols(std::size_t wanted);
    // Follows the tree below a lookup entry; `window` holds the bits (the next in
    // the top position), `bit` is the one after the lookup bits, `nchar` the
    // alphabet size.
    unsigned Walk(unsigned j, std::uint64_t window, std::uint64_t bit, unsigned nchar) const;

    BitReader bits_;
    OutputWindow window_;
    std::array<std::uint8_t, NC> cLen_{};
    std::array<std::uint16_t, 1 << LiteralTableBits> cTable_{};
    std::array<std::uint8_t, NT> ptLen_{};
    std::array<std::uint16_t, 1 << PositionTableBits> ptTable_{};
    std::array<std::uint16_t, TreeSize> left_{};
    std::array<std::uint16_t, TreeSize> right_{};
    std::uint32_t blockLeft_ = 0;  // symbols; the head is read when it reaches 0
};

void Lh5Decoder::Run(std::int64_t originalSize) {
    std::memset(window_.History(), ' ', RingSize);
    std::int64_t left = originalSize;
    while (left > 0) {
        window_.MakeRoom();
        if (blockLeft_ == 0) ReadBlockHead();
        const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(window_.Room())));
        // A final match may run past the size, making this negative: that ends it.
        left -= static_cast<std::int64_t>(DecodeSymbols(wanted));
    }
    window_.Finish();
}

std::size_t Lh5Decoder::DecodeSymbols(std::size_t wanted) {
    // The hot state lives in locals: the output stores could alias members.
    BitReader bits = bits_;
    unsigned char* const begin = window_.Cursor();
    unsigned char* const stop = begin + wanted;
    unsigned char* out = begin;
    // One symbol, after a refill: that covers a literal/length code (at most 16
    // bits), a position code (16) and its extra bits (12).
    auto symbol = [&]() __attribute__((always_inline)) {
        const unsigned entry = cTable_[bits.Peek(LiteralTableBits)];
        unsigned c = entry & EntrySymbolMask;
        unsigned length = entry >> EntrySymbolBits;
        if (c >= static_cast<unsigned>(NC)) [[unlikely]] {
            c = Walk(c, bits.Window(), std::uint64_t{1} << (63 - LiteralTableBits), NC);
            length = cLen_[c];
        }
        bits.Skip(length);
        if (c < 256) {
            *out++ = static_cast<unsigned char>(c);
            return;
        }
        const unsigned matchLength = c - MatchSymbolOffset;
        const unsigned pentry = ptTable_[bits.Peek(PositionTableBits)];
        unsigned p = pentry & EntrySymbolMask;
        unsigned plength = pentry >> EntrySymbolBits;
        if (p >= static_cast<unsigned>(NP)) [[unlikely]] {
            p = Walk(p, bits.Window(), std::uint64_t{1} << (63 - PositionTableBits), NP);
            plength = ptLen_[p];
        }
        bits.Skip(plength);
        unsigned distance = p;  // classes 0 and 1 carry no extra bits
        if (p > 1) {
            distance = (1u << (p - 1)) | bits.Peek(p - 1);
            bits.Skip(p - 1);
        }
        OutputWindow::CopyMatch(out, distance + 1, matchLength);
        out += matchLength;
    };
    std::uint32_t symbols = blockLeft_;
    while (symbols != 0 && out < stop) {
        // Runs of symbols whose refills need no test for the end of the source's block.
        const auto run = static_cast<std::uint32_t>(std::min<std::size_t>(symbols, bits.QuickRefills()));
        if (run == 0) {
            bits.Refill();
            symbol();
            --symbols;
            continue;
        }
        std::uint32_t k = run;
        while (k != 0 && out < stop) {
            --k;
            bits.RefillQuickly();
            symbol();
        }
        symbols -= run - k;
    }
    blockLeft_ = symbols;
    bits_ = bits;
    window_.SetCursor(out);
    return static_cast<std::size_t>(out - begin);
}

unsigned Lh5Decoder::Walk(unsigned j, std::uint64_t window, std::uint64_t bit, unsigned nchar) const {
    // A valid code needs at most 16 - lookup bits steps; walking past the 16-bit
    // window means the tree is broken.
    constexpr std::uint64_t lastBit = std::uint64_t{1} << (63 - 15);
    while (j >= nchar) {
        if (bit < lastBit || j >= static_cast<unsigned>(TreeSize)) throw ELZHBadDecodeTable();
        j = (window & bit) ? right_[j] : left_[j];
        bit >>= 1;
    }
    return j;
}

void Lh5Decoder::ReadBlockHead() {
    const std::uint32_t size = bits_.Get(BlockSizeBits);
    blockLeft_ = size == 0 ? 1u << BlockSizeBits : size;  // 0 stands for 65536
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
        if (c >= static_cast<unsigned>(NT)) c = Walk(c, bits_.Window(), std::uint64_t{1} << (63 - PositionTableBits), NT);
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
            const std::uint16_t entry = Entry(static_cast<unsigned>(ch), static_cast<unsigned>(len));
            if (next - k >= 4) {
                // Runs of 4 and more start on a multiple of 4: fill by words.
                const std::uint64_t four = entry * 0x0001000100010001ull;
                for (std::uint32_t at = k; at < next; at += 4) std::memcpy(table + at, &four, 8);
            } else {
                std::fill(table + k, table + next, entry);
            }
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
