#pragma once
// The stored method: the data itself.

#include <string>
#include <string_view>

namespace vellumar::pack {

inline std::string CompressNon(std::string_view data) { return std::string(data); }

}  // namespace vellumar::pack
