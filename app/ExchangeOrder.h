#pragma once
// Where the pairwise exchange sort of the result list puts each entry.
//
// That sort runs, for i = 0..n-2 and j = i+1..n-1, "swap entries i and j when
// entry j is greater", which is quadratic. Every pass i moves the chain of
// increasing records of the suffix one record on and leaves the maximum at i.
// Restricted to the entries of one key K and those of greater keys, the K
// entries only ever move when the first of them leads: it then jumps over the
// K entries before the next greater one. So, per key, the K entries form a
// queue that turns by one place for every greater entry passed and takes in
// the K entries behind it; a balanced tree does each turn in O(log n).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vellumar {

// `ranks[k]` orders entry k: a higher rank is greater, equal ranks are ties.
// Returns the original indices in the order the exchange sort leaves them.
std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::uint32_t>& ranks);

}  // namespace vellumar
