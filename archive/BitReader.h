#pragma once
// Most-significant-bit-first reading of a member's stored bytes for the LZH and
// LH5 decoders. Past the last stored byte the stream goes on with zero bits.

#include "archive/DecoderFrame.h"

#include <cstdint>
#include <cstring>

namespace vellumar {

class BitReader {
public:
    explicit BitReader(ByteSource& source) : source_(source) {}

    // Makes at least 57 bits available.
    void Refill() {
        if (count_ > 56) return;
        if (source_.Available() >= 8) {
            std::uint64_t v;
            std::memcpy(&v, source_.Current(), 8);
            v = __builtin_bswap64(v);
            buffer_ |= v >> count_;
            const unsigned bytes = (63 - count_) >> 3;
            source_.Advance(bytes);
            count_ += bytes * 8;
            return;
        }
        while (count_ <= 56) {
            buffer_ |= std::uint64_t{source_.GetByte()} << (56 - count_);
            count_ += 8;
        }
    }

    // The next n bits (1..32) without taking them; needs n available bits.
    std::uint32_t Peek(unsigned n) const { return static_cast<std::uint32_t>(buffer_ >> (64 - n)); }
    void Skip(unsigned n) {
        buffer_ <<= n;
        count_ -= n;
    }
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
    ByteSource& source_;
    std::uint64_t buffer_ = 0;
    unsigned count_ = 0;
};

}  // namespace vellumar
