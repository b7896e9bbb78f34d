#include "tools/import/SliceReader.h"

namespace vellumar::import {

namespace {
constexpr std::size_t kReadChunk = 64 << 10;
}  // namespace

// Bytes before start_ are no longer needed; they are dropped only when more
// is read, so that entries close together cost no moves.
bool SliceReader::ReadMore() {
    if (ended_) return false;
    buffer_.erase(0, start_);
    base_ += start_;
    start_ = 0;
    if (!chunk_) chunk_ = std::make_unique_for_overwrite<char[]>(kReadChunk);
    const std::size_t got = source_.Read(chunk_.get(), kReadChunk);
    buffer_.append(chunk_.get(), got);
    ended_ = got == 0;
    return !ended_;
}

bool SliceReader::Slice(std::uint64_t offset, std::uint32_t size, std::string_view& bytes) {
    for (;;) {
        const std::uint64_t end = base_ + buffer_.size();
        if (offset <= end) {
            start_ = static_cast<std::size_t>(offset - base_);
            break;
        }
        // The whole buffer lies before the offset.
        start_ = buffer_.size();
        if (!ReadMore()) return false;
    }
    while (buffer_.size() - start_ < size)
        if (!ReadMore()) return false;
    bytes = std::string_view(buffer_).substr(start_, size);
    return true;
}

}  // namespace vellumar::import
