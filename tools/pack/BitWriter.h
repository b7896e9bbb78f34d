#pragma once
// Writes bit fields most significant bit first, the order both the LZH and the
// LH5 decoders read them in.

#include <cstdint>
#include <string>

namespace vellumar::pack {

class BitWriter {
public:
    // Appends the low `count` bits of `value` (count 0..32).
    void Put(std::uint32_t value, int count) {
        if (count == 0) return;
        accumulator_ = (accumulator_ << count) | (value & (count == 32 ? 0xFFFFFFFFu : ((1u << count) - 1)));
        pending_ += count;
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.push_back(static_cast<char>(accumulator_ >> pending_));
        }
    }

    // Pads the last byte with zero bits and hands out everything written.
    std::string Finish() {
        if (pending_ > 0) Put(0, 8 - pending_);
        std::string result;
        result.swap(out_);
        accumulator_ = 0;
        pending_ = 0;
        return result;
    }

    void Reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    std::string out_;
    std::uint64_t accumulator_ = 0;  // only the low `pending_` bits are still unwritten
    int pending_ = 0;
};

}  // namespace vellumar::pack
