#pragma once
// Most-significant-bit-first reading of a member's stored bytes for the LZH and
// LH5 decoders. Past the last stored byte the stream goes on with zero bits.
//
// The reader is a small value: a hot loop copies it into a local, so that its
// state stays in registers while the loop stores output bytes (which the
// compiler must otherwise assume may overwrite it), and copies it back after.

#include "archive/DecoderFrame.h"

#include <cstdint>
#include <cstring>

namespace vellumar {

class BitReader {
public:
    explicit BitReader(ByteSource& source)
        : source_(&source), next_(source.Current()), limit_(next_ + source.Available()) {}

    // Makes at least 56 bits available (and never more than 63).
    void Refill() {
        if (limit_ - next_ >= 8) {
            RefillQuickly();
            return;
        }
        RefillSlowly();
    }
    // How many Refill() calls in a row may be RefillQuickly() instead: each takes
    // at most 7 bytes and needs 8 in the block.
    std::size_t QuickRefills() const {
        const std::ptrdiff_t bytes = limit_ - next_;
        return bytes < 8 ? 0 : static_cast<std::size_t>(bytes - 8) / 7 + 1;
    }
    // Also right while the count carries junk (see SkipLow): only its low six
    // bits are read.
    void RefillQuickly() {
        std::uint64_t v;
        std::memcpy(&v, next_, 8);
        buffer_ |= __builtin_bswap64(v) >> (count_ & 63);
        next_ += (~count_ & 63) >> 3;  // whole bytes that fit: (63 - count) / 8
        count_ |= 56;  // count + 8 * whole bytes taken
    }

    // The next n bits (1..32) without taking them; needs n available bits.
    std::uint32_t Peek(unsigned n) const { return static_cast<std::uint32_t>(buffer_ >> (64 - n)); }
    void Skip(unsigned n) {
        buffer_ <<= n;
        count_ -= n;
    }
    // For a hot loop: takes as many bits as the low six bits of `entry` say,
    // whatever lies above them, so a table entry holding a code length there needs
    // no masking. The count (never above 63) then keeps junk above its own low six
    // bits until Settle(); meanwhile only RefillQuickly, Peek, Window, Skip and
    // SkipLow may be used.
    void SkipLow(unsigned entry) {
        buffer_ <<= (entry & 63);
        count_ -= entry;
    }
    void Settle() { count_ &= 63; }
    std::uint32_t Get(unsigned n) {
        if (n == 0) return 0;
        if (count_ < n) Refill();
        const std::uint32_t v = Peek(n);
        Skip(n);
        return v;
    }
    unsigned Bit() {
        if (count_ == 0) Refill();
        const unsigned b = static_cast<unsigned>(buffer_ >> 63);
        buffer_ <<= 1;
        --count_;
        return b;
    }
    void Ensure(unsigned n) {
        if (count_ < n) Refill();
    }
    // All buffered bits, the next one in the top position.
    std::uint64_t Window() const { return buffer_; }

private:
    // Near the end of the source's block: byte by byte, through the source, which
    // moves on to its next block. The bytes taken directly are handed back first.
    void RefillSlowly() {
        source_->Advance(static_cast<std::size_t>(next_ - source_->Current()));
        while (count_ < 56) {
            buffer_ |= std::uint64_t{source_->GetByte()} << (56 - count_);
            count_ += 8;
        }
        next_ = source_->Current();
        limit_ = next_ + source_->Available();
    }

    ByteSource* source_;
    // The unread part of the source's current block, taken without telling the source.
    const unsigned char* next_;
    const unsigned char* limit_;
    std::uint64_t buffer_ = 0;
    unsigned count_ = 0;
};

}  // namespace vellumar
