#pragma once
// The few UTF-8 steps the readers need: one character's code and length, a
// code written out, and where a text may be cut without splitting a character.

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumar::import {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character at `pos`: its length in bytes (1..4) with its code in `code`,
// or 0 for bytes that are not UTF-8 (overlong forms and surrogates included)
// or a character cut off by the end of the text.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code);

void AppendUtf8(std::string& out, char32_t code);

// The largest length up to `limit` that does not end inside a character.
std::size_t Utf8CutPoint(std::string_view text, std::size_t limit);

// True when the text is UTF-8 throughout; a character cut off by the end counts as whole.
bool LooksLikeUtf8(std::string_view text);

}  // namespace vellumar::import
