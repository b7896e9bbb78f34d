#include "archive/LzhTree.h"

#include <algorithm>

namespace vellumar {

void LzhTree::Start() {
    for (int s = 0; s < NumSymbols; ++s) {
        freq_[s] = 1;
        child_[s] = static_cast<std::uint32_t>(NumNodes + s);
        parent_[NumNodes + s] = static_cast<std::uint32_t>(s);
    }
    for (int i = NumSymbols, j = 0; i < NumNodes; ++i, j += 2) {
        freq_[i] = freq_[j] + freq_[j + 1];
        child_[i] = static_cast<std::uint32_t>(j);
        parent_[j] = parent_[j + 1] = static_cast<std::uint32_t>(i);
    }
    freq_[NumNodes] = 0xFFFF;
    parent_[Root] = 0;
}

void LzhTree::Update(int symbol) {
    if (freq_[Root] == RebuildFrequency) Rebuild();
    std::uint32_t* const freq = freq_.data();
    std::uint32_t* const child = child_.data();
    std::uint32_t* const parent = parent_.data();
    unsigned c = parent[NumNodes + symbol];
    do {
        const std::uint32_t k = ++freq[c];
        if (k > freq[c + 1]) {
            // Keep the frequencies ordered: swap c with the last node still below k.
            unsigned l = c + 1;
            while (k > freq[++l]) {
            }
            --l;
            freq[c] = freq[l];
            freq[l] = k;
            const std::uint32_t i = child[c];
            parent[i] = l;
            if (i < static_cast<unsigned>(NumNodes)) parent[i + 1] = l;
            const std::uint32_t j = child[l];
            child[l] = i;
            parent[j] = c;
            if (j < static_cast<unsigned>(NumNodes)) parent[j + 1] = c;
            child[c] = j;
            c = l;
        }
        c = parent[c];
    } while (c != 0);
}

void LzhTree::Rebuild() {
    // Gather the leaves at the bottom, halving their counts.
    int j = 0;
    for (int i = 0; i < NumNodes; ++i) {
        if (child_[i] >= static_cast<unsigned>(NumNodes)) {
            freq_[j] = (freq_[i] + 1) / 2;
            child_[j] = child_[i];
            ++j;
        }
    }
    // Join pairs into internal nodes, inserting each where the order keeps.
    for (int i = 0, node = NumSymbols; node < NumNodes; i += 2, ++node) {
        const std::uint32_t f = freq_[i] + freq_[i + 1];
        int k = node - 1;
        while (k >= 0 && f < freq_[k]) --k;
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + node, freq_.begin() + node + 1);
        std::copy_backward(child_.begin() + k, child_.begin() + node, child_.begin() + node + 1);
        freq_[k] = f;
        child_[k] = static_cast<std::uint32_t>(i);
    }
    for (int i = 0; i < NumNodes; ++i) {
        const std::uint32_t c = child_[i];
        parent_[c] = static_cast<std::uint32_t>(i);
        if (c < static_cast<unsigned>(NumNodes)) parent_[c + 1] = static_cast<std::uint32_t>(i);
    }
}

}  // namespace vellumar
