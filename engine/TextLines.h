#pragma once
// Splitting text into lines the way dictionaries, members and notes are read:
// CR LF, a lone CR or a lone LF each end a line, and a zero byte ends the text.

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <string>
#include <string_view>
#include <vector>

namespace vellumar {

namespace detail {
// The first CR or LF in [p, end), or end; sixteen or eight bytes at a time, as
// dictionary lines are short and most of a pass is spent finding where they end.
inline const char* FindLineBreak(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr16 = _mm_set1_epi8('\r');
    const __m128i lf16 = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int hit = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr16), _mm_cmpeq_epi8(v, lf16)));
        if (hit != 0) return p + __builtin_ctz(static_cast<unsigned>(hit));
        p += 16;
    }
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    while (end - p >= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        const std::uint64_t cr = v ^ (kOnes * '\r');
        const std::uint64_t lf = v ^ (kOnes * '\n');
        // Exact test for a zero byte in either word (no false hits).
        const std::uint64_t zeroCr = ~(((cr & ~kHigh) + ~kHigh) | cr | ~kHigh);
        const std::uint64_t zeroLf = ~(((lf & ~kHigh) + ~kHigh) | lf | ~kHigh);
        if (const std::uint64_t hit = zeroCr | zeroLf) return p + (__builtin_ctzll(hit) >> 3);
        p += 8;
    }
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return p;
}

// The line ends among the 64 bytes from p: bit i set where p[i] is an LF, or
// a CR that the next of these bytes does not follow with an LF. The CR of a
// CR LF pair is left to the reader to drop from its line.
inline std::uint64_t LineEndBits64(const char* p) {
    std::uint64_t cr = 0;
    std::uint64_t lf = 0;
#if defined(__SSE2__)
    const __m128i cr16 = _mm_set1_epi8('\r');
    const __m128i lf16 = _mm_set1_epi8('\n');
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        cr |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr16)))} << (16 * k);
        lf |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf16)))} << (16 * k);
    }
#else
    for (int i = 0; i < 64; ++i) {
        cr |= std::uint64_t{p[i] == '\r'} << i;
        lf |= std::uint64_t{p[i] == '\n'} << i;
    }
#endif
    return lf | (cr & ~(lf >> 1));
}
}  // namespace detail

// Calls `use(line)` for each line of `text`, as a view into it. A final line
// without a line break counts; a break at the very end adds no empty line
// after it. Empty text gives no lines.
template <typename Use>
void ForEachTextLine(std::string_view text, Use use) {
    if (const void* zero = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end =
            static_cast<std::size_t>(detail::FindLineBreak(text.data() + start, text.data() + n) - text.data());
        use(text.substr(start, end - start));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
}

// ForEachTextLine without its empty lines, for a pass that skips them anyway.
// The line ends of 64 bytes are found at once, so that a line costs a few
// instructions; a CR at the end of those bytes ends its line even when an LF
// follows, which then ends an empty one.
template <typename Use>
void ForEachNonEmptyTextLine(std::string_view text, Use use) {
    if (const void* zero = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    const std::size_t n = text.size();
    std::size_t start = 0;
    std::size_t base = 0;
    for (; n - base >= 64; base += 64) {
        for (std::uint64_t ends = detail::LineEndBits64(text.data() + base); ends != 0; ends &= ends - 1) {
            const std::size_t at = base + static_cast<std::size_t>(__builtin_ctzll(ends));
            // Only the CR of a CR LF pair can stand right before a line end inside its line.
            const std::size_t end = at > start && text[at - 1] == '\r' ? at - 1 : at;
            if (end > start) use(text.substr(start, end - start));
            start = at + 1;
        }
    }
    for (; base < n; ++base) {
        if (text[base] != '\r' && text[base] != '\n') continue;
        if (base > start) use(text.substr(start, base - start));
        start = base + 1;
    }
    if (start < n) use(text.substr(start));
}

// The lines of `text` as ForEachTextLine finds them.
std::vector<std::string> SplitTextLines(std::string_view text);

// The same lines for a text that arrives in pieces (a stream of any size):
// feeding the pieces in turn and then finishing gives what ForEachTextLine
// gives for the whole text.
class TextLineStream {
public:
    // Calls `use(line)` for each line the piece ends; false once a zero byte
    // has ended the text, after which further pieces are ignored.
    template <typename Use>
    bool Feed(std::string_view piece, Use use);

    // Calls `use(line)` for a last line that no line break ended.
    template <typename Use>
    void Finish(Use use) {
        if (!partial_.empty()) use(std::string_view(partial_));
        partial_.clear();
    }

private:
    std::string partial_;   // the bytes of a line whose end has not arrived yet
    bool afterCr_ = false;  // the last piece ended in CR: an LF next ends no line
    bool ended_ = false;
};

template <typename Use>
bool TextLineStream::Feed(std::string_view piece, Use use) {
    if (ended_) return false;
    if (const void* zero = std::memchr(piece.data(), '\0', piece.size())) {
        piece = piece.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - piece.data()));
        ended_ = true;
    }
    const char* p = piece.data();
    const char* const end = p + piece.size();
    if (afterCr_ && p < end) {
        if (*p == '\n') ++p;
        afterCr_ = false;
    }
    while (p < end) {
        const char* brk = detail::FindLineBreak(p, end);
        if (brk == end) {
            partial_.append(p, end);
            break;
        }
        if (partial_.empty()) {
            use(std::string_view(p, static_cast<std::size_t>(brk - p)));
        } else {
            partial_.append(p, brk);
            use(std::string_view(partial_));
            partial_.clear();
        }
        p = brk + 1;
        if (*brk == '\r') {
            if (p == end) afterCr_ = true;
            else if (*p == '\n') ++p;
        }
    }
    return !ended_;
}

}  // namespace vellumar
