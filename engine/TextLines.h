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

// Cuts `text` at its first zero byte, which ends a text; true when it had one.
inline bool CutAtZero(std::string_view& text) {
    const void* zero = text.empty() ? nullptr : std::memchr(text.data(), '\0', text.size());
    if (zero) text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    return zero != nullptr;
}

// `text` up to its first zero byte.
inline std::string_view UpToZero(std::string_view text) {
    CutAtZero(text);
    return text;
}

// What follows the first line and its line break (a plain-text dictionary
// without its title); empty when the text has no second line. A zero byte
// ends the text.
std::string_view AfterFirstLine(std::string_view text);

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

#if defined(__SSE2__)
// For the 64 bytes from p: bit i set where `hit`, given them 16 at a time, marks
// byte i (with 0xFF).
template <typename Hit>
std::uint64_t Bits64(const char* p, Hit hit) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        bits |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(hit(v)))} << (16 * k);
    }
    return bits;
}
#else
// For the 64 bytes from p: bit i set where `hit` holds for byte i.
template <typename Hit>
std::uint64_t Bits64(const char* p, Hit hit) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i) bits |= std::uint64_t{hit(static_cast<unsigned char>(p[i]))} << i;
    return bits;
}
#endif

// The line ends among the 64 bytes from p: bit i set where p[i] is an LF, or
// a CR that the next of these bytes does not follow with an LF. The CR of a
// CR LF pair is left to the reader to drop from its line.
inline std::uint64_t LineEndBits64(const char* p) {
#if defined(__SSE2__)
    const __m128i cr16 = _mm_set1_epi8('\r');
    const __m128i lf16 = _mm_set1_epi8('\n');
    const std::uint64_t cr = Bits64(p, [&](__m128i v) { return _mm_cmpeq_epi8(v, cr16); });
    const std::uint64_t lf = Bits64(p, [&](__m128i v) { return _mm_cmpeq_epi8(v, lf16); });
#else
    const std::uint64_t cr = Bits64(p, [](unsigned char c) { return c == '\r'; });
    const std::uint64_t lf = Bits64(p, [](unsigned char c) { return c == '\n'; });
#endif
    return lf | (cr & ~(lf >> 1));
}

// Finds the bytes of a set of one to four, 64 at a time.
class ByteSetFinder {
public:
    ByteSetFinder(const char* set, std::size_t count) : count_(count) {
        for (std::size_t j = 0; j < count; ++j) {
#if defined(__SSE2__)
            wanted_[j] = _mm_set1_epi8(set[j]);
#else
            wanted_[j] = static_cast<unsigned char>(set[j]);
#endif
        }
    }
    // Bit i set where p[i] is in the set.
    std::uint64_t Bits64(const char* p) const {
#if defined(__SSE2__)
        return detail::Bits64(p, [this](__m128i v) {
            __m128i hit = _mm_cmpeq_epi8(v, wanted_[0]);
            for (std::size_t j = 1; j < count_; ++j) hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, wanted_[j]));
            return hit;
        });
#else
        return detail::Bits64(p, [this](unsigned char c) {
            for (std::size_t j = 0; j < count_; ++j)
                if (c == wanted_[j]) return true;
            return false;
        });
#endif
    }

private:
    std::size_t count_;
#if defined(__SSE2__)
    __m128i wanted_[4] = {};
#else
    unsigned char wanted_[4] = {};
#endif
};

// Bit i set where p[i] is a capital Russian letter (cp1251 0xC0..0xDF or Ё).
inline std::uint64_t UpperRussianBits64(const char* p) {
#if defined(__SSE2__)
    const __m128i top3 = _mm_set1_epi8(static_cast<char>(0xE0));
    const __m128i capitals = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i yo = _mm_set1_epi8(static_cast<char>(0xA8));
    return Bits64(p, [&](__m128i v) {
        return _mm_or_si128(_mm_cmpeq_epi8(_mm_and_si128(v, top3), capitals), _mm_cmpeq_epi8(v, yo));
    });
#else
    return Bits64(p, [](unsigned char c) { return (c & 0xE0) == 0xC0 || c == 0xA8; });
#endif
}
}  // namespace detail

// Calls `use(line)` for each line of `text`, as a view into it. A final line
// without a line break counts; a break at the very end adds no empty line
// after it. Empty text gives no lines.
template <typename Use>
void ForEachTextLine(std::string_view text, Use use) {
    text = UpToZero(text);
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
    text = UpToZero(text);
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

// ForEachNonEmptyTextLine, but where 64 bytes at a time show that a line can
// neither start with a capital Russian letter nor hold one of the key's bytes
// at the key's position, the line is passed over unseen: most lines of a
// mask search are, so the pass costs little more than finding its line ends.
// `keyBytes` holds the key's `keyCount` bytes (one to four).
template <typename Use>
void ForEachLineWithKey(std::string_view text, std::size_t keyPosition, const char* keyBytes, std::size_t keyCount,
                        Use use) {
    text = UpToZero(text);
    const char* const p = text.data();
    const std::size_t n = text.size();
    std::size_t base = 0;
    std::uint64_t startsHere = 1;  // a line starts at `base`: after a line end, or at the text's start
    const detail::ByteSetFinder key(keyBytes, keyCount);
    for (; n >= keyPosition + 64 && n - keyPosition - 64 >= base; base += 64) {
        const std::uint64_t ends = detail::LineEndBits64(p + base);
        const std::uint64_t starts = ends << 1 | startsHere;
        startsHere = ends >> 63;
        std::uint64_t candidates =
            starts & (key.Bits64(p + base + keyPosition) | detail::UpperRussianBits64(p + base));
        for (; candidates != 0; candidates &= candidates - 1) {
            const std::size_t from = base + static_cast<std::size_t>(__builtin_ctzll(candidates));
            const std::size_t to = static_cast<std::size_t>(detail::FindLineBreak(p + from, p + n) - p);
            if (to > from) use(text.substr(from, to - from));
        }
    }
    // The rest the plain way, from the first line that starts at `base` or later.
    const std::string_view rest = startsHere ? text.substr(base) : AfterFirstLine(text.substr(base));
    if (!rest.empty()) ForEachNonEmptyTextLine(rest, use);
}

// Calls `use(line)` once for each non-empty line of `text` (as ForEachNonEmptyTextLine
// finds them) that holds a byte of the key's set at which `mayFit(at)` holds,
// `at` being its offset in `text`. Most lines of a long text hold no such
// byte, and those are passed over 64 bytes at a time. `keyBytes` holds the
// key's `keyCount` bytes (one to four), none of them a line break.
template <typename MayFit, typename Use>
void ForEachLineWithKeyByte(std::string_view text, const char* keyBytes, std::size_t keyCount, MayFit mayFit,
                            Use use) {
    text = UpToZero(text);
    const char* const p = text.data();
    const std::size_t n = text.size();
    std::size_t done = 0;   // lines before this offset have been handed out or passed over
    const auto candidate = [&](std::size_t at) {
        if (at < done || !mayFit(at)) return;
        std::size_t from = at;
        while (from > 0 && p[from - 1] != '\r' && p[from - 1] != '\n') --from;
        const std::size_t to = static_cast<std::size_t>(detail::FindLineBreak(p + at, p + n) - p);
        use(text.substr(from, to - from));
        done = to;
    };
    const detail::ByteSetFinder key(keyBytes, keyCount);
    std::size_t base = 0;
    for (; n - base >= 64; base += 64)
        for (std::uint64_t hits = key.Bits64(p + base); hits != 0; hits &= hits - 1)
            candidate(base + static_cast<std::size_t>(__builtin_ctzll(hits)));
    for (; base < n; ++base)
        for (std::size_t j = 0; j < keyCount; ++j)
            if (p[base] == keyBytes[j]) candidate(base);
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
    ended_ = CutAtZero(piece);
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
