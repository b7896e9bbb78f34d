#pragma once
// The LH5 encoder: LZSS over an 8 KiB window, coded in blocks of at most 65535
// symbols, each with its own static Huffman codes. The output carries no length
// of its own; the reader learns it from the member header.

#include <string>
#include <string_view>

namespace vellumar::pack {

std::string CompressLh5(std::string_view data);

}  // namespace vellumar::pack
