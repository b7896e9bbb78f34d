#pragma once
// The system's fixed Russian texts are written once, in Russian, as UTF-8
// string literals, and turned into cp1251 bytes while compiling:
//
//     constexpr std::string_view kTitle = Cp1251<"Словарь синонимов">;
//
// A character that the conversion can't hold stops the build, so a slip never
// becomes a '?' on the user's screen. The bytes live in static storage with a
// terminating zero after them, so `.data()` is also a C string.
//
// A variable template rather than a string literal operator: clang 14 crashes
// when a diagnostic prints a literal operator call with a class template
// argument.

#include <array>
#include <cstddef>
#include <string_view>

namespace vellumar {

// The cp1251 byte of a Unicode character, or -1 when it is not covered: ASCII,
// the Russian letters with Ё and ё, and the few signs of the upper half that
// texts use.
constexpr int Cp1251Byte(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c >= U'А' && c <= U'я') return static_cast<int>(c - U'А') + 0xC0;
    switch (c) {
        case U'Ё': return 0xA8;
        case U'ё': return 0xB8;
        case U'\u00A0': return 0xA0;   // no-break space
        case U'§': return 0xA7;
        case U'«': return 0xAB;
        case U'°': return 0xB0;
        case U'·': return 0xB7;        // joins the definitions of one word
        case U'№': return 0xB9;
        case U'»': return 0xBB;
        case U'„': return 0x84;
        case U'…': return 0x85;
        case U'“': return 0x93;
        case U'”': return 0x94;
        case U'–': return 0x96;
        case U'—': return 0x97;
        default: return -1;
    }
}

namespace cp1251_literal {

// A string literal as a template argument.
template <std::size_t N>
struct Utf8 {
    char text[N]{};
    consteval Utf8(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

// Decodes the UTF-8 character at `i` and moves `i` past it. These helpers run
// only inside constant evaluation (kBytes below), where a throw is no constant
// expression and so fails the build.
constexpr char32_t NextCharacter(const char* s, std::size_t n, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0) throw "malformed UTF-8 in a cp1251 literal";
    char32_t c = lead & (0x3F >> more);
    for (; more > 0; --more) {
        if (i >= n || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            throw "malformed UTF-8 in a cp1251 literal";
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

template <Utf8 S>
constexpr std::size_t Length() {
    constexpr std::size_t n = sizeof(S.text) - 1;   // without the terminator
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++count) NextCharacter(S.text, n, i);
    return count;
}

template <Utf8 S>
constexpr std::array<char, Length<S>() + 1> Convert() {
    constexpr std::size_t n = sizeof(S.text) - 1;
    std::array<char, Length<S>() + 1> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i < n;) {
        const int byte = Cp1251Byte(NextCharacter(S.text, n, i));
        if (byte < 0) throw "a character that cp1251 (as covered here) can't hold";
        out[o++] = static_cast<char>(byte);
    }
    return out;
}

template <Utf8 S>
inline constexpr auto kBytes = Convert<S>();

}  // namespace cp1251_literal

// The cp1251 bytes of the UTF-8 literal S.
template <cp1251_literal::Utf8 S>
inline constexpr std::string_view Cp1251{cp1251_literal::kBytes<S>.data(), cp1251_literal::kBytes<S>.size() - 1};

// Byte sequences that are not Russian text but are met at the edges.
inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view Utf8ReplacementCharacter = "\xEF\xBF\xBD";   // U+FFFD

}  // namespace vellumar
