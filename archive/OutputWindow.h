#pragma once
// The sliding window of the LZ decoders, kept as one linear buffer: the last
// `history` bytes (the ring's content in ring order) followed by fresh output.
// Match sources are then plain offsets back from the write position, with no
// wrap-around per byte; the buffer slides when it fills, handing output to the sink.

#include "archive/DecoderFrame.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace vellumar {

class OutputWindow {
public:
    // Fresh output between slides. Small enough that the buffer stays in the
    // cache and a search's short member touches few new pages; sliding the
    // history more often costs less than that.
    static constexpr std::size_t Chunk = 16 * 1024;
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
        CopyMatch(buffer_.get() + write_, back, length);
        write_ += length;
    }

    // For decoders that keep the write position in a local while they run:
    // the position, the room before the next MakeRoom is due, and the way back.
    unsigned char* Cursor() { return buffer_.get() + write_; }
    std::size_t Room() const { return limit_ - write_; }
    void SetCursor(unsigned char* p) { write_ = static_cast<std::size_t>(p - buffer_.get()); }

    // Copy() on a bare pointer. It may write up to 7 bytes past the match, into
    // the slack.
    static void CopyMatch(unsigned char* dst, std::size_t back, std::size_t length) {
        const unsigned char* src = dst - back;
        if (length <= 8 && length <= back) {
            // Every byte comes from before `dst`: one move, whatever the distance.
            std::uint64_t v;
            std::memcpy(&v, src, 8);
            std::memcpy(dst, &v, 8);
            return;
        }
        if (back >= 8) {
            for (std::size_t i = 0; i < length; i += 8) std::memcpy(dst + i, src + i, 8);
            return;
        }
        // A period under 8. Each 8-byte move, loaded before it is stored, settles
        // one more period; once 8 bytes are settled the moves go 8 at a time from
        // a whole number of periods back that is at least 8 bytes.
        std::size_t i = 0;
        do {
            std::uint64_t v;
            std::memcpy(&v, dst + i - back, 8);
            std::memcpy(dst + i, &v, 8);
            i += back;
        } while (i < length && i < 8);
        static constexpr unsigned char stride[8] = {0, 8, 8, 9, 8, 10, 12, 14};
        const std::size_t step = stride[back];
        for (; i < length; i += 8) std::memcpy(dst + i, dst + i - step, 8);
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
