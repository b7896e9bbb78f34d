#include "app/ResultOrder.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "app/ExchangeOrder.h"
#include "engine/Letters.h"

namespace vellumar {

namespace {

// Sort weight of each byte: signs and digits by their code, then Latin letters
// without case, then Russian letters in alphabet order without case.
const std::array<std::uint16_t, 256>& CollationWeights() {
    static const std::array<std::uint16_t, 256> table = [] {
        std::array<std::uint16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            const char upper = UpperChar(c);
            if (const int position = AlphabetPosition(c); position > 0)
                t[b] = static_cast<std::uint16_t>(512 + position);
            else if (upper >= 'A' && upper <= 'Z')
                t[b] = static_cast<std::uint16_t>(256 + (upper - 'A'));
            else
                t[b] = static_cast<std::uint16_t>(b);
        }
        return t;
    }();
    return table;
}

int CompareCollated(std::string_view a, std::string_view b) {
    const auto& w = CollationWeights();
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int wa = w[static_cast<unsigned char>(a[i])];
        const int wb = w[static_cast<unsigned char>(b[i])];
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b);  // char_traits<char>::compare orders bytes as unsigned
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Ranks of the entries under `less` (a strict order on their keys); equal keys share a rank.
template <typename Key, typename Less>
std::vector<std::uint32_t> Ranks(const std::vector<Key>& keys, Less less) {
    std::vector<std::size_t> idx(keys.size());
    std::iota(idx.begin(), idx.end(), std::size_t{0});
    std::sort(idx.begin(), idx.end(), [&](std::size_t x, std::size_t y) { return less(keys[x], keys[y]); });
    std::vector<std::uint32_t> ranks(keys.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < idx.size(); ++i) {
        if (i > 0 && less(keys[idx[i - 1]], keys[idx[i]])) ++rank;
        ranks[idx[i]] = rank;
    }
    return ranks;
}

void Reorder(std::vector<std::string>& entries, const std::vector<std::uint32_t>& ranks) {
    const std::vector<std::size_t> order = ExchangeSortOrder(ranks);
    std::vector<std::string> sorted;
    sorted.reserve(entries.size());
    for (std::size_t k : order) sorted.push_back(std::move(entries[k]));
    entries = std::move(sorted);
}

// Shorter words are smaller; equal lengths compare by byte codes.
bool WordLess(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a.compare(b) < 0;
}

}  // namespace

int CompareAlphabetical(std::string_view a, std::string_view b) {
    if (const int byWord = CompareCollated(WordPart(a), WordPart(b))) return byWord;
    if (const int byText = CompareCollated(a, b)) return byText;
    return CompareBytes(a, b);
}

void SortAlphabetical(std::vector<std::string>& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const std::string& a, const std::string& b) { return CompareAlphabetical(a, b) < 0; });
}

void SortByLength(std::vector<std::string>& entries) {
    std::vector<std::string_view> words;
    words.reserve(entries.size());
    for (const std::string& e : entries) words.push_back(WordPart(e));
    Reorder(entries, Ranks(words, WordLess));
}

void SortByWeight(std::vector<std::string>& entries) {
    struct Key {
        int weight;
        std::string_view word;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (const std::string& e : entries) {
        const std::string_view word = WordPart(e);
        keys.push_back({WordWeight(word), word});
    }
    Reorder(entries, Ranks(keys, [](const Key& a, const Key& b) {
                return a.weight != b.weight ? a.weight < b.weight : WordLess(a.word, b.word);
            }));
}

void MergeDuplicateWords(std::vector<std::string>& entries) {
    std::vector<std::string> merged;
    merged.reserve(entries.size());
    std::size_t start = 0;
    while (start < entries.size()) {
        const std::string_view word = WordPart(entries[start]);
        std::size_t end = start + 1;
        while (end < entries.size() && WordPart(entries[end]) == word) ++end;
        // Fold the run from its end backwards, as the list is walked.
        std::string folded = std::move(entries[end - 1]);
        for (std::size_t i = end - 1; i-- > start;) {
            std::string& e = entries[i];
            if (!DefinitionPart(e).empty()) e += DefinitionSeparator;
            e += DefinitionPart(folded);
            folded = std::move(e);
        }
        merged.push_back(std::move(folded));
        start = end;
    }
    entries = std::move(merged);
}

}  // namespace vellumar
