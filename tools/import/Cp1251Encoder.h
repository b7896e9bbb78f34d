#pragma once
// UTF-8 text into the system's cp1251 through iconv. Stress marks (U+0301,
// U+0300) are dropped, and е or и followed by a combining diaeresis or breve
// become ё or й. What else cp1251 lacks is, in lenient mode, transliterated
// where the C library knows how (é → e, œ → oe, ½ → 1/2) and dropped and
// counted where it does not.

#include <iconv.h>
#include <locale.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vellumar::import {

class Cp1251Encoder {
public:
    enum class Mode {
        Exact,    // any other character cp1251 lacks fails the text
        Lenient,  // transliterated or dropped
    };
    enum class Result { Converted, Invalid, Unconvertible };

    Cp1251Encoder();
    ~Cp1251Encoder();
    Cp1251Encoder(const Cp1251Encoder&) = delete;
    Cp1251Encoder& operator=(const Cp1251Encoder&) = delete;

    // Appends the cp1251 form of `utf8` to `out`. Invalid: bytes that are not
    // UTF-8, or U+FFFD, which the decoders put where theirs were not valid.
    // Unconvertible (exact mode only): a character cp1251 lacks. On failure
    // `out` holds what was converted before it.
    Result Append(std::string_view utf8, std::string& out, Mode mode);

    // Characters dropped in lenient mode since construction.
    std::size_t Dropped() const { return dropped_; }

private:
    // Handles the character at `pos` that the strict conversion stopped at;
    // returns its length, 0 when the text fails there.
    std::size_t AppendSpecial(std::string_view utf8, std::size_t pos, std::string& out, Mode mode, Result& failure);
    struct Transliteration {
        std::string text;
        bool dropped = false;  // the C library knows none
    };
    const Transliteration& Transliterate(char32_t code, std::string_view utf8);

    iconv_t strict_;
    iconv_t translit_;
    // Transliteration follows the C library's UTF-8 locale, set for the calling thread only.
    locale_t translitLocale_;
    std::unordered_map<char32_t, Transliteration> translitCache_;
    std::size_t dropped_ = 0;
};

}  // namespace vellumar::import
