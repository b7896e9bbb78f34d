#pragma once
// The sliding window of the LZ decoders, kept as one linear buffer: the last
// `history` bytes (the ring's content in ring order) followed by fresh output.
// Match sources are then plain offsets back from the write position, with no
// wrap-around per byte; the buffer slides when it fills, handing output to the sink.

#include "archive/DecoderFrame.h"

#include <cstring>
#include <memory>

namespace vellumar {

class OutputWindow {
public:
    static constexpr std::size_t Chunk = 64 * 1024;
    static constexpr std::size_t Slack = 512;  // longest match plus over-copy

    OutputWindow(ByteSink& sink, std::size_t history)
        : sink_(sink), history_(history), buffer_(new unsigned char[history + Chunk + Slack]),
          write_(history), limit_(history + Chunk) {}

    // The history part, to be given its starting content by the decoder.
    unsigned char* History() { return buffer_.get(); }

    // Call before each symbol: keeps room for one literal or match.
    void MakeRoom() {
        if (write_ >= limit_) Slide();
    }
    void Literal(unsigned char c) { buffer_[write_++] = c; }
    // Copies `length` bytes starting `back` bytes behind the write position
    // (1 <= back <= history), byte by byte in effect, so it may overlap itself.
    void Copy(std::size_t back, std::size_t length) {
        unsigned char* dst = buffer_.get() + write_;
        const unsigned char* src = dst - back;
        if (back >= 8) {
            for (std::size_t i = 0; i < length; i += 8) std::memcpy(dst + i, src + i, 8);
        } else {
            for (std::size_t i = 0; i < length; ++i) dst[i] = src[i];
        }
        write_ += length;
    }
    // Hands the rest of the output to the sink.
    void Finish() {
        sink_.PutBytes(buffer_.get() + history_, write_ - history_);
        write_ = history_;
    }

private:
    void Slide() {
        sink_.PutBytes(buffer_.get() + history_, write_ - history_);
        std::memmove(buffer_.get(), buffer_.get() + write_ - history_, history_);
        write_ = history_;
    }

    ByteSink& sink_;
    std::size_t history_;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t write_;
    std::size_t limit_;
};

}  // namespace vellumar
