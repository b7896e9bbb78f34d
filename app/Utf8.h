#pragma once
// The few UTF-8 steps the system needs where it meets other programs' text:
// one character's code and length, a code written out, where a text may be
// cut without splitting a character, and whether a text is UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumar {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character at `pos`: its length in bytes (1..4) with its code in `code`,
// or 0 for bytes that are not UTF-8 (overlong forms and surrogates included)
// or a character cut off by the end of the text.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code);

void AppendUtf8(std::string& out, char32_t code);

// The largest length up to `limit` that does not end inside a character.
std::size_t Utf8CutPoint(std::string_view text, std::size_t limit);

// Checks a piece of UTF-8 text: how many of its last bytes begin a character
// that the next piece must complete (0 when none), or -1 when it holds bytes
// that are no UTF-8. `nonAscii` is set when it holds a whole character above
// U+007F.
int CheckUtf8Piece(std::string_view text, bool& nonAscii);

// True when the text is UTF-8 throughout, its last character whole.
inline bool IsValidUtf8(std::string_view text) {
    bool nonAscii = false;
    return CheckUtf8Piece(text, nonAscii) == 0;
}

// True when the text is UTF-8 throughout; a character cut off by the end counts as whole.
inline bool LooksLikeUtf8(std::string_view text) {
    bool nonAscii = false;
    return CheckUtf8Piece(text, nonAscii) >= 0;
}

}  // namespace vellumar
