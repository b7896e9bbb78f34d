#pragma once
// The RLE method: a literal byte followed by the marker 0x94 and a count n codes a
// run of n bytes (3..255; longer runs start again with a new literal). The marker
// byte itself is never run-coded: each occurrence is sent as 0x94 0x00.

#include <string>
#include <string_view>

namespace vellumar::pack {

inline constexpr unsigned char RunMarker = 0x94;

std::string CompressRle(std::string_view data);

}  // namespace vellumar::pack
