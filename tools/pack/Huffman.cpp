#include "tools/pack/Huffman.h"

#include <algorithm>
#include <numeric>

namespace vellumar::pack {

int UsedSymbols(const std::vector<std::uint32_t>& frequencies, int* last) {
    int used = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        if (frequencies[i] == 0) continue;
        ++used;
        if (last) *last = static_cast<int>(i);
    }
    return used;
}

std::vector<std::uint8_t> CodeLengths(const std::vector<std::uint32_t>& frequencies, int maxLength) {
    std::vector<std::uint8_t> lengths(frequencies.size(), 0);
    std::vector<int> leaves;
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        if (frequencies[i] > 0) leaves.push_back(static_cast<int>(i));
    const int n = static_cast<int>(leaves.size());
    if (n < 2) return lengths;

    // Rarest first; ties keep symbol order so the result is deterministic.
    std::stable_sort(leaves.begin(), leaves.end(),
                     [&](int a, int b) { return frequencies[a] < frequencies[b]; });

    // Two-queue Huffman construction: leaves in order, internal nodes as they are made
    // (they come out in non-decreasing weight). Nodes 0..n-1 are leaves, n.. internal.
    std::vector<std::uint64_t> weight(2 * n - 1);
    std::vector<int> parent(2 * n - 1, -1);
    for (int i = 0; i < n; ++i) weight[i] = frequencies[leaves[i]];
    int nextLeaf = 0, nextInternal = n, made = n;
    auto takeSmallest = [&]() {
        if (nextLeaf < n && (nextInternal >= made || weight[nextLeaf] <= weight[nextInternal]))
            return nextLeaf++;
        return nextInternal++;
    };
    while (made < 2 * n - 1) {
        int a = takeSmallest();
        int b = takeSmallest();
        weight[made] = weight[a] + weight[b];
        parent[a] = parent[b] = made;
        ++made;
    }
    // Depths, root first (parents always have higher indices).
    std::vector<int> depth(2 * n - 1, 0);
    for (int i = 2 * n - 3; i >= 0; --i) depth[i] = depth[parent[i]] + 1;

    // Count codes per length, clamping the over-long ones, then restore the Kraft
    // sum by lengthening a shorter code for each excess code at the limit.
    std::vector<int> count(maxLength + 1, 0);
    for (int i = 0; i < n; ++i) ++count[std::min(depth[i], maxLength)];
    std::uint64_t kraft = 0;
    for (int len = 1; len <= maxLength; ++len) kraft += std::uint64_t(count[len]) << (maxLength - len);
    const std::uint64_t full = std::uint64_t{1} << maxLength;
    while (kraft > full) {
        --count[maxLength];
        for (int len = maxLength - 1; len > 0; --len) {
            if (count[len] != 0) {
                --count[len];
                count[len + 1] += 2;
                break;
            }
        }
        --kraft;
    }

    // The rarest symbols get the longest codes.
    int next = 0;
    for (int len = maxLength; len > 0; --len)
        for (int k = 0; k < count[len]; ++k) lengths[leaves[next++]] = static_cast<std::uint8_t>(len);
    return lengths;
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
    int maxLength = 0;
    for (std::uint8_t len : lengths) maxLength = std::max<int>(maxLength, len);
    std::vector<std::uint32_t> count(maxLength + 2, 0), start(maxLength + 2, 0);
    for (std::uint8_t len : lengths)
        if (len) ++count[len];
    for (int len = 1; len <= maxLength; ++len) start[len + 1] = (start[len] + count[len]) << 1;
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    for (std::size_t i = 0; i < lengths.size(); ++i)
        if (lengths[i]) codes[i] = static_cast<std::uint16_t>(start[lengths[i]]++);
    return codes;
}

}  // namespace vellumar::pack
