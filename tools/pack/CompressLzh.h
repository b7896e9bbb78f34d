#pragma once
// The LZH method: LZSS over a 4096-byte ring (matches of 3..60 bytes) with the
// adaptive Huffman model that the reader updates in step. The output starts with
// the first code; its length comes from the member header.

#include <string>
#include <string_view>

namespace vellumar::pack {

std::string CompressLzh(std::string_view data);

}  // namespace vellumar::pack
