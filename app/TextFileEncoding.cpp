#include "app/TextFileEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "app/Utf8.h"
#include "engine/Cp1251Literal.h"

namespace vellumar {

namespace {

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
        char32_t code;
        const std::size_t length = DecodeUtf8(in, 0, code);
        if (length == 0) {
            out += '?';
            return 1;
        }
        const std::string_view character = in.substr(0, length);
        if (character == "\xCC\x80" || character == "\xCC\x81" || character == Utf8ByteOrderMark)
            return length;
        for (const Composition& c : kCompositions) {
            if (character == c.mark && !out.empty() && out.back() == c.base) {
                out.back() = c.composed;
                return length;
            }
        }
        out += '?';
        return length;
    }

    iconv_t cd_;
    std::string carry_;
};

}  // namespace

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
            const int waiting = CheckUtf8Piece(piece, high);
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
