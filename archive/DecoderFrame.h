#pragma once
// The frame every decoder runs in: stored bytes come in through ByteSource,
// expanded bytes go out through ByteSink, both in 8192-byte blocks. The sink
// keeps the running checksum (the 32-bit sum of the expanded bytes).

#include "archive/Archive.h"
#include "archive/Stream.h"

#include <array>
#include <cstdint>

namespace vellumar {

inline constexpr std::size_t FrameBlockSize = 8192;

class ByteSource {
public:
    // Reads at most `compressedSize` bytes of `in`, from its current position.
    // `progress` may be null or empty.
    ByteSource(TStream& in, std::int64_t compressedSize, const TShowProgressEvent* progress);

    // The next stored byte; once they are used up, 0 with End() set.
    unsigned GetByte() {
        if (pos_ < end_) return block_[pos_++];
        return NextBlock();
    }
    bool End() const { return endFlag_; }

    // Direct access to the unread part of the current block, for bit readers.
    std::size_t Available() const { return end_ - pos_; }
    const unsigned char* Current() const { return block_.data() + pos_; }
    void Advance(std::size_t n) { pos_ += n; }

private:
    unsigned NextBlock();

    TStream& in_;
    const TShowProgressEvent* progress_;
    std::array<unsigned char, FrameBlockSize> block_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::int64_t unread_;
    bool endFlag_ = false;
    std::int64_t readSoFar_ = 0;
};

class ByteSink {
public:
    // Fails with EMemberTooLarge once more than `budget` bytes would reach `out`.
    ByteSink(TStream& out, std::int64_t budget, std::int64_t limitForMessage);

    void PutByte(unsigned char b) {
        if (pos_ == FrameBlockSize) Flush();
        block_[pos_++] = b;
        checksum_ += b;
    }
    // The same as PutByte for each of the n bytes, in bulk.
    void PutBytes(const unsigned char* data, std::size_t n);
    // Writes the filled part of the block; call once after the decoder completes.
    void Finish();

    std::uint32_t Checksum() const { return checksum_; }
    std::int64_t Written() const { return written_; }

private:
    void Flush();
    void WriteBlock(std::size_t n);
    void WriteFrom(const unsigned char* data, std::size_t n);

    TStream& out_;
    std::int64_t budget_;
    std::int64_t limitForMessage_;
    std::array<unsigned char, FrameBlockSize> block_;
    std::size_t pos_ = 0;
    std::uint32_t checksum_ = 0;
    std::int64_t written_ = 0;
};

}  // namespace vellumar
