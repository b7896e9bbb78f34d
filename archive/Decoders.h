#pragma once
// The decoders of the archive methods. Each takes stored bytes from `in` and
// hands the expanded bytes to `out`; they raise only ELZHBadDecodeTable (LH5)
// and what the sink raises.

#include "archive/DecoderFrame.h"

#include <cstdint>

namespace vellumar {

// Runs until the stored bytes are used up.
void ExpandRle(ByteSource& in, ByteSink& out);
// Produce at least `originalSize` bytes (a final match is written whole).
void ExpandLzh(ByteSource& in, ByteSink& out, std::int64_t originalSize);
void ExpandLh5(ByteSource& in, ByteSink& out, std::int64_t originalSize);

}  // namespace vellumar
