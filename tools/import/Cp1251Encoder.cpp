#include "tools/import/Cp1251Encoder.h"

#include "engine/Cp1251Literal.h"
#include "tools/import/IconvRun.h"
#include "tools/import/ImportErrors.h"
#include "app/Utf8.h"

namespace vellumar::import {

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
// A text of ever new characters must not grow the cache without end.
constexpr std::size_t kMaxCachedCharacters = 1 << 16;

bool IsStressMark(char32_t code) { return code == 0x0301 || code == 0x0300; }

// The letter that a base letter and a combining mark make, or 0.
char Composed(char base, char32_t mark) {
    if (mark == 0x0308) {
        if (base == Cp1251<"е">[0]) return Cp1251<"ё">[0];
        if (base == Cp1251<"Е">[0]) return Cp1251<"Ё">[0];
    } else if (mark == 0x0306) {
        if (base == Cp1251<"и">[0]) return Cp1251<"й">[0];
        if (base == Cp1251<"И">[0]) return Cp1251<"Й">[0];
    }
    return 0;
}

}  // namespace

Cp1251Encoder::Cp1251Encoder()
    : strict_(iconv_open("CP1251", "UTF-8")),
      translit_(iconv_open("CP1251//TRANSLIT", "UTF-8")),
      translitLocale_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
    if (strict_ == kNoDescriptor || translit_ == kNoDescriptor) {
        if (strict_ != kNoDescriptor) iconv_close(strict_);
        if (translit_ != kNoDescriptor) iconv_close(translit_);
        if (translitLocale_) freelocale(translitLocale_);
        throw EImportError("iconv cannot convert UTF-8 to CP1251");
    }
}

Cp1251Encoder::~Cp1251Encoder() {
    iconv_close(strict_);
    iconv_close(translit_);
    if (translitLocale_) freelocale(translitLocale_);
}

Cp1251Encoder::Result Cp1251Encoder::Append(std::string_view utf8, std::string& out, Mode mode) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        pos += IconvRun(strict_, utf8.substr(pos), out);
        if (pos == utf8.size()) break;
        Result failure = Result::Converted;
        const std::size_t length = AppendSpecial(utf8, pos, out, mode, failure);
        if (length == 0) return failure;
        pos += length;
    }
    return Result::Converted;
}

std::size_t Cp1251Encoder::AppendSpecial(std::string_view utf8, std::size_t pos, std::string& out, Mode mode,
                                         Result& failure) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8(utf8, pos, code);
    if (length == 0 || code == kReplacementCharacter) {
        failure = Result::Invalid;
        return 0;
    }
    if (IsStressMark(code)) return length;
    if (!out.empty()) {
        if (const char letter = Composed(out.back(), code)) {
            out.back() = letter;
            return length;
        }
    }
    if (mode == Mode::Exact) {
        failure = Result::Unconvertible;
        return 0;
    }
    const Transliteration& replacement = Transliterate(code, utf8.substr(pos, length));
    if (replacement.dropped) ++dropped_;
    out += replacement.text;
    return length;
}

// The C library marks a character it can't transliterate with "?". A
// character it transliterates to nothing (a zero-width joiner, a combining
// accent) carries nothing to lose and is not counted as dropped.
const Cp1251Encoder::Transliteration& Cp1251Encoder::Transliterate(char32_t code, std::string_view utf8) {
    if (auto found = translitCache_.find(code); found != translitCache_.end()) return found->second;
    if (translitCache_.size() >= kMaxCachedCharacters) translitCache_.clear();
    Transliteration result;
    const locale_t previous = translitLocale_ ? uselocale(translitLocale_) : static_cast<locale_t>(nullptr);
    const std::size_t taken = IconvRun(translit_, utf8, result.text);
    if (translitLocale_) uselocale(previous);
    if (taken != utf8.size() || result.text == "?") {
        result.text.clear();
        result.dropped = true;
    }
    return translitCache_.emplace(code, std::move(result)).first->second;
}

}  // namespace vellumar::import
