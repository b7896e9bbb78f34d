#include "app/TextFileEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "engine/Cp1251Literal.h"

namespace vellumar {

namespace {

// The length of the valid UTF-8 sequence at the start of `s` (RFC 3629: no
// overlong forms, no surrogates, nothing above U+10FFFF); 0 when it is invalid,
// and -1 when `s` ends before a sequence that is valid so far is complete.
int SequenceLength(std::string_view s) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF;   // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) >= s.size()) return -1;
        const unsigned char c = at(static_cast<std::size_t>(i));
        if (i == 1 ? (c < low || c > high) : (c < 0x80 || c > 0xBF)) return 0;
    }
    return length;
}

// Checks `bytes`; returns how many of its last bytes begin a sequence that the
// next piece must complete, or -1 when it holds an invalid sequence. Counts
// bytes above 0x7F in `high`.
int CheckPiece(std::string_view bytes, bool& high) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII eight bytes at a time: most text files are mostly ASCII.
        if (bytes.size() - i >= 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const int length = SequenceLength(bytes.substr(i));
        if (length == 0) return -1;
        if (length < 0) return static_cast<int>(bytes.size() - i);
        if (length > 1) high = true;
        i += static_cast<std::size_t>(length);
    }
    return 0;
}

// Letters written in two parts, a base letter and a combining mark, as some
// systems store them: е or Е with the diaeresis, и or И with the breve.
struct Composition {
    std::string_view mark;
    char base;
    char composed;
};
constexpr Composition kCompositions[] = {
    {"\xCC\x88", Cp1251<"е">[0], Cp1251<"ё">[0]},
    {"\xCC\x88", Cp1251<"Е">[0], Cp1251<"Ё">[0]},
    {"\xCC\x86", Cp1251<"и">[0], Cp1251<"й">[0]},
    {"\xCC\x86", Cp1251<"И">[0], Cp1251<"Й">[0]},
};

// One iconv conversion from UTF-8 to cp1251 for the life of a decoder.
class Utf8ToCp1251 {
public:
    Utf8ToCp1251() : cd_(iconv_open("CP1251", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert UTF-8 to CP1251");
    }
    ~Utf8ToCp1251() { iconv_close(cd_); }
    Utf8ToCp1251(const Utf8ToCp1251&) = delete;
    Utf8ToCp1251& operator=(const Utf8ToCp1251&) = delete;

    void Decode(std::string_view bytes, bool last, std::string& out) {
        carry_.append(bytes);
        std::string_view in = carry_;
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            const std::size_t start = out.size();
            out.resize(start + srcLeft);   // a cp1251 character is never longer than its UTF-8
            char* dst = out.data() + start;
            std::size_t dstLeft = srcLeft;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.resize(static_cast<std::size_t>(dst - out.data()));
            in.remove_prefix(in.size() - srcLeft);
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == EINVAL && !last) break;   // cut off: the rest waits for the next piece
            in.remove_prefix(Unconvertible(in, out));
        }
        carry_.erase(0, carry_.size() - in.size());
    }

private:
    // What stands in for the character at the start of `in` that iconv refused;
    // returns its length.
    static std::size_t Unconvertible(std::string_view in, std::string& out) {
        const int length = SequenceLength(in);
        if (length <= 0) {
            out += '?';
            return 1;
        }
        const std::string_view character = in.substr(0, static_cast<std::size_t>(length));
        if (character == "\xCC\x80" || character == "\xCC\x81" || character == Utf8ByteOrderMark)
            return static_cast<std::size_t>(length);
        for (const Composition& c : kCompositions) {
            if (character == c.mark && !out.empty() && out.back() == c.base) {
                out.back() = c.composed;
                return static_cast<std::size_t>(length);
            }
        }
        out += '?';
        return static_cast<std::size_t>(length);
    }

    iconv_t cd_;
    std::string carry_;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    bool high = false;
    return CheckPiece(bytes, high) == 0;
}

TextDecoder Utf8ToCp1251Decoder() {
    auto converter = std::make_shared<Utf8ToCp1251>();
    return [converter](std::string_view bytes, bool last, std::string& out) { converter->Decode(bytes, last, out); };
}

TextDecoder TextFileDecoder() {
    struct Choice {
        TextDecoder decoder;   // empty until the encoding is known
        std::string held;      // the start of a sequence cut off at the end of the ASCII so far
    };
    auto choice = std::make_shared<Choice>();
    return [choice](std::string_view bytes, bool last, std::string& out) {
        if (!choice->decoder) {
            std::string piece = std::move(choice->held);
            piece.append(bytes);
            bool high = false;
            const int waiting = CheckPiece(piece, high);
            if (waiting >= 0 && !high && !last) {
                // ASCII so far: the same in both encodings.
                out.append(piece, 0, piece.size() - static_cast<std::size_t>(waiting));
                choice->held = piece.substr(piece.size() - static_cast<std::size_t>(waiting));
                return;
            }
            if (waiting >= 0 && high) {
                choice->decoder = Utf8ToCp1251Decoder();
            } else {
                choice->decoder = [](std::string_view cp1251, bool, std::string& text) { text.append(cp1251); };
            }
            choice->decoder(piece, last, out);
            return;
        }
        choice->decoder(bytes, last, out);
    };
}

}  // namespace vellumar
