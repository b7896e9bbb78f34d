#pragma once
// Entries' data taken from a dictionary's data file in one pass from front to
// back, in the order of their offsets, holding in memory only what the entry
// at hand needs (the data may be gzip, which can't be read at random).

#include "tools/import/ByteSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vellumar::import {

class SliceReader {
public:
    explicit SliceReader(ByteSource& source) : source_(source) {}

    // The `size` bytes at `offset`, which must not be smaller than the last
    // offset asked for; false when the data ends before them. Valid until the
    // next call.
    bool Slice(std::uint64_t offset, std::uint32_t size, std::string_view& bytes);

private:
    // Reads more behind the buffer; false at the data's end.
    bool ReadMore();

    ByteSource& source_;
    std::unique_ptr<char[]> chunk_;  // what one read brings
    std::string buffer_;
    std::uint64_t base_ = 0;    // the data offset of buffer_[0]
    std::size_t start_ = 0;     // where the entry at hand begins in buffer_
    bool ended_ = false;
};

}  // namespace vellumar::import
