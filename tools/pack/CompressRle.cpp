#include "tools/pack/CompressRle.h"

#include <algorithm>

namespace vellumar::pack {

std::string CompressRle(std::string_view data) {
    constexpr std::size_t kLongestRun = 255;
    std::string out;
    out.reserve(data.size() + data.size() / 16);
    std::size_t i = 0;
    while (i < data.size()) {
        const char c = data[i];
        if (static_cast<unsigned char>(c) == RunMarker) {
            out.push_back(static_cast<char>(RunMarker));
            out.push_back('\0');
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (run < kLongestRun && i + run < data.size() && data[i + run] == c) ++run;
        if (run >= 3) {
            out.push_back(c);
            out.push_back(static_cast<char>(RunMarker));
            out.push_back(static_cast<char>(run));
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

}  // namespace vellumar::pack
