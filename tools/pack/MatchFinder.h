#pragma once
// LZSS match search over a sliding window with hash chains on three bytes.
// Positions are inserted in order; a search looks at the positions inserted so far.

#include <cstdint>
#include <string_view>
#include <vector>

namespace vellumar::pack {

struct Match {
    int length = 0;    // 0 when there is no match of at least three bytes
    int distance = 0;  // how far back the copy starts: 1 is the byte just before
};

struct MatchLimits {
    int window = 8192;     // largest distance
    int maxLength = 256;   // longest match
    int maxChain = 256;    // candidates looked at per search
    int niceLength = 256;  // a match this long ends the search at once
};

class MatchFinder {
public:
    MatchFinder(std::string_view data, const MatchLimits& limits);

    // Every match at `pos` that is longer than all nearer ones, nearest first (so
    // lengths rise); at most `room` of them go to `out`, the last always being the
    // longest found. Returns how many. Call before inserting `pos`.
    int FindAll(std::size_t pos, Match* out, int room) const;
    // Inserts every position below `end` not inserted yet.
    void InsertUpTo(std::size_t end);

private:
    std::uint32_t Hash(std::size_t pos) const;

    std::string_view data_;
    MatchLimits limits_;
    std::vector<std::int32_t> head_;
    std::vector<std::int32_t> prev_;  // twice the window, so a live entry is never overwritten
    std::size_t prevMask_;
    std::size_t inserted_ = 0;
};

}  // namespace vellumar::pack
