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

// A lookup entry holds the code length in its low six bits, where the bit
// reader's SkipLow takes it unmasked, and above them a symbol (or, for a code
// longer than the lookup width, the tree node to walk from), so a short code
// needs no second look-up. Tree nodes and the lengths of single-symbol codes
// carry length 0.
constexpr unsigned EntryLengthBits = 6;
constexpr std::uint16_t Entry(unsigned symbol, unsigned length) {
    return static_cast<std::uint16_t>(symbol << EntryLengthBits | length);
}
constexpr unsigned EntrySymbol(unsigned entry) { return entry >> EntryLengthBits; }
// An entry of the position table holds, for a position code that fits in the
// lookup width, all a distance needs, so that near and far distances alike take
// one look-up and no branch: in the low bits the bits to take (the code and the
// extra bits after it), from bit 8 the right shift that brings the extra bits
// to the bottom of the bit window shifted right by one, from bit 16 their mask,
// and from bit 32 the distance back of the class's first (1..4097). A code
// longer than the lookup width gives its tree node from bit 32 with
// LongPositionCode set.
constexpr std::uint64_t LongPositionCode = 1u << 7;
constexpr std::uint64_t PositionEntry(unsigned positionClass, unsigned length) {
    const unsigned extra = positionClass > 1 ? positionClass - 1 : 0;
    const unsigned first = positionClass > 1 ? 1u << extra : positionClass;
    return std::uint64_t{first + 1} << 32 | std::uint64_t{(1u << extra) - 1} << 16 |
           std::uint64_t{63 - length - extra} << 8 | (length + extra);
}

[[noreturn, gnu::noinline, gnu::cold]] void ThrowBadTable() { throw ELZHBadDecodeTable(); }

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
    // Up to `count` symbols (at least 1), each after a quick refill, stopping
    // early once `out` reaches `stop`; returns how many it decoded. Out of line
    // and free of calls that return, so that its state fits in registers.
    __attribute__((noinline)) std::uint32_t DecodeQuickly(BitReader& reader, unsigned char*& cursor,
                                                          unsigned char* stop, std::uint32_t count);
    // One symbol, after a refill: that covers a literal/length code (at most 16
    // bits), a position code (16) and its extra bits (12).
    __attribute__((always_inline)) void DecodeOne(BitReader& bits, unsigned char*& out) const;
    // Fills positions_ from ptTable_.
    void MakePositions();
    // Follows the tree below a lookup entry; `window` holds the bits (the next in
    // the top position), `bit` is the one after the lookup bits, `nchar` the
    // alphabet size.
    __attribute__((always_inline)) unsigned Walk(unsigned j, std::uint64_t window, std::uint64_t bit,
                                                 unsigned nchar) const;

    BitReader bits_;
    OutputWindow window_;
    std::array<std::uint8_t, NC> cLen_{};
    std::array<std::uint16_t, 1 << LiteralTableBits> cTable_{};
    std::array<std::uint8_t, NT> ptLen_{};
    std::array<std::uint16_t, 1 << PositionTableBits> ptTable_{};
    std::array<std::uint64_t, 1 << PositionTableBits> positions_;  // filled at each block head
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
    std::uint32_t symbols = blockLeft_;
    while (symbols != 0 && out < stop) {
        // Runs of symbols whose refills need no test for the end of the source's block.
        const auto run = static_cast<std::uint32_t>(std::min<std::size_t>(symbols, bits.QuickRefills()));
        if (run == 0) {
            bits.Refill();
            DecodeOne(bits, out);
            bits.Settle();
            --symbols;
            continue;
        }
        symbols -= DecodeQuickly(bits, out, stop, run);
    }
    blockLeft_ = symbols;
    bits_ = bits;
    window_.SetCursor(out);
    return static_cast<std::size_t>(out - begin);
}

std::uint32_t Lh5Decoder::DecodeQuickly(BitReader& reader, unsigned char*& cursor, unsigned char* stop,
                                        std::uint32_t count) {
    BitReader bits = reader;
    unsigned char* out = cursor;
    std::uint32_t left = count;
    while (left != 0 && out < stop) {
        bits.RefillQuickly();
        const unsigned entry = cTable_[bits.Peek(LiteralTableBits)];
        if (entry < Entry(256, 0)) {
            // A literal of a looked-up code leaves bits enough for any symbol.
            bits.SkipLow(entry);
            *out++ = static_cast<unsigned char>(EntrySymbol(entry));
            if (--left == 0 || out >= stop) break;
        }
        DecodeOne(bits, out);
        --left;
    }
    bits.Settle();
    reader = bits;
    cursor = out;
    return count - left;
}

inline void Lh5Decoder::DecodeOne(BitReader& bits, unsigned char*& out) const {
    unsigned entry = cTable_[bits.Peek(LiteralTableBits)];
    if (entry >= Entry(NC, 0)) [[unlikely]] {
        const unsigned c = Walk(EntrySymbol(entry), bits.Window(), std::uint64_t{1} << (63 - LiteralTableBits), NC);
        entry = Entry(c, cLen_[c]);
    }
    bits.SkipLow(entry);
    if (entry < Entry(256, 0)) {
        *out++ = static_cast<unsigned char>(EntrySymbol(entry));
        return;
    }
    const unsigned matchLength = EntrySymbol(entry) - MatchSymbolOffset;
    std::uint64_t position = positions_[bits.Peek(PositionTableBits)];
    if (position & LongPositionCode) [[unlikely]] {
        const unsigned p = Walk(static_cast<unsigned>(position >> 32), bits.Window(),
                                std::uint64_t{1} << (63 - PositionTableBits), NP);
        position = PositionEntry(p, ptLen_[p]);
    }
    const std::uint64_t extraBits = bits.Window() >> 1 >> ((position >> 8) & 63) & ((position >> 16) & 0xFFFF);
    bits.SkipLow(static_cast<unsigned>(position));
    OutputWindow::CopyMatch(out, (position >> 32) + extraBits, matchLength);
    out += matchLength;
}

inline unsigned Lh5Decoder::Walk(unsigned j, std::uint64_t window, std::uint64_t bit, unsigned nchar) const {
    // A valid code needs at most 16 - lookup bits steps; walking past the 16-bit
    // window means the tree is broken.
    constexpr std::uint64_t lastBit = std::uint64_t{1} << (63 - 15);
    while (j >= nchar) {
        if (bit < lastBit || j >= static_cast<unsigned>(TreeSize)) ThrowBadTable();
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
    MakePositions();
}

void Lh5Decoder::MakePositions() {
    for (unsigned i = 0; i < (1u << PositionTableBits); ++i) {
        const unsigned entry = ptTable_[i];
        const unsigned p = EntrySymbol(entry);
        positions_[i] =
            p < static_cast<unsigned>(NP) ? PositionEntry(p, entry & 63) : (std::uint64_t{p} << 32 | LongPositionCode);
    }
}

void Lh5Decoder::ReadPtLengths(int nn, int countBits, int special) {
    const int n = static_cast<int>(bits_.Get(countBits));
    if (n == 0) {
        // One symbol only: it costs no bits.
        const unsigned c = bits_.Get(countBits);
        if (c >= static_cast<unsigned>(nn)) throw ELZHBadDecodeTable();
        std::fill(ptLen_.begin(), ptLen_.end(), 0);
        std::fill(ptTable_.begin(), ptTable_.end(), Entry(c, 0));
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
        std::fill(cTable_.begin(), cTable_.end(), Entry(c, 0));
        return;
    }
    if (n > NC) throw ELZHBadDecodeTable();
    int i = 0;
    while (i < n) {
        bits_.Ensure(32);
        unsigned c = EntrySymbol(ptTable_[bits_.Peek(PositionTableBits)]);
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
            // The lookup slot holds its tree's root as an entry, the nodes hold bare indices.
            auto newNode = [&] {
                if (avail >= static_cast<unsigned>(TreeSize)) throw ELZHBadDecodeTable();
                right_[avail] = left_[avail] = 0;
                return avail++;
            };
            std::uint16_t& slot = table[k >> jut];
            if (slot == 0) slot = Entry(newNode(), 0);
            unsigned node = EntrySymbol(slot);
            for (int step = len - tableBits;;) {
                if (node >= static_cast<unsigned>(TreeSize)) throw ELZHBadDecodeTable();
                std::uint16_t& child = (k & mask) ? right_[node] : left_[node];
                k <<= 1;
                if (--step == 0) {
                    child = static_cast<std::uint16_t>(ch);
                    break;
                }
                if (child == 0) child = static_cast<std::uint16_t>(newNode());
                node = child;
            }
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
