#include "tools/pack/MatchFinder.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vellumar::pack {

namespace {
constexpr int kHashBits = 15;
constexpr int kMinMatch = 3;

// Length of the common prefix of a and b, at most `limit` bytes.
inline int CommonLength(const unsigned char* a, const unsigned char* b, int limit) {
    int n = 0;
    while (n + 8 <= limit) {
        std::uint64_t x, y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) {
            std::uint64_t diff = x ^ y;
            if constexpr (std::endian::native == std::endian::little)
                return n + std::countr_zero(diff) / 8;
            else
                return n + std::countl_zero(diff) / 8;
        }
        n += 8;
    }
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}
}  // namespace

MatchFinder::MatchFinder(std::string_view data, const MatchLimits& limits)
    : data_(data), limits_(limits), head_(std::size_t{1} << kHashBits, -1) {
    std::size_t size = 1;
    while (size < 2 * static_cast<std::size_t>(limits.window)) size <<= 1;
    prev_.assign(size, -1);
    prevMask_ = size - 1;
}

std::uint32_t MatchFinder::Hash(std::size_t pos) const {
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data()) + pos;
    std::uint32_t v = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    return (v * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::InsertUpTo(std::size_t end) {
    end = std::min(end, data_.size() >= kMinMatch ? data_.size() - kMinMatch + 1 : 0);
    for (; inserted_ < end; ++inserted_) {
        std::uint32_t h = Hash(inserted_);
        prev_[inserted_ & prevMask_] = head_[h];
        head_[h] = static_cast<std::int32_t>(inserted_);
    }
}

int MatchFinder::FindAll(std::size_t pos, Match* out, int room) const {
    int found = 0;
    if (pos + kMinMatch > data_.size() || room <= 0) return found;
    const int limit = static_cast<int>(std::min<std::size_t>(limits_.maxLength, data_.size() - pos));
    const auto* base = reinterpret_cast<const unsigned char*>(data_.data());
    const unsigned char* here = base + pos;
    int bestLength = kMinMatch - 1;
    std::int32_t candidate = head_[Hash(pos)];
    for (int chain = limits_.maxChain; candidate >= 0 && chain > 0; --chain) {
        const std::size_t distance = pos - static_cast<std::size_t>(candidate);
        if (distance > static_cast<std::size_t>(limits_.window)) break;
        const unsigned char* there = base + candidate;
        if (there[bestLength] == here[bestLength] && there[0] == here[0] && there[1] == here[1]) {
            int length = CommonLength(there, here, limit);
            if (length > bestLength) {
                bestLength = length;
                // With no room left the last entry is replaced: the longest match always stays.
                Match& slot = out[found < room ? found++ : room - 1];
                slot.length = length;
                slot.distance = static_cast<int>(distance);
                if (length >= limits_.niceLength || length >= limit) break;
            }
        }
        std::int32_t next = prev_[static_cast<std::size_t>(candidate) & prevMask_];
        if (next >= candidate) break;
        candidate = next;
    }
    return found;
}

}  // namespace vellumar::pack
