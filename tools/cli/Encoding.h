#pragma once
// Conversion between the system's cp1251 text and the terminal's UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace vellumar::cli {

// cp1251 bytes to UTF-8. Every cp1251 byte that has a character maps; the one
// undefined byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);

// UTF-8 to cp1251; std::nullopt when the text holds a character cp1251 lacks or
// is not valid UTF-8. `badOffset`, when given, receives the byte offset of the
// first offending character.
std::optional<std::string> Utf8ToCp1251(const std::string& text, std::size_t* badOffset = nullptr);

}  // namespace vellumar::cli
