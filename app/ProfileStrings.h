#pragma once
// Initialisation files read and written one value per call: sections in square
// brackets, "key=value" lines, section and key names matched without regard to
// case, cp1251 text. Writing changes only the line of the value it writes (or
// adds it) and keeps the rest of the file byte for byte.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vellumar {

// The most characters one read returns (a 1024-byte buffer with its terminator).
inline constexpr std::size_t MaxProfileValueLength = 1023;

// The value of `key` in the first section named `section`, or `defaultValue`
// (without its trailing blanks) when the file, the section or the key is
// missing. Blanks around names and values don't count; a value enclosed in a
// pair of equal quote characters (' or ") loses them. At most
// MaxProfileValueLength characters are returned.
std::string GetPrivateProfileString(const std::string& file, std::string_view section,
                                    std::string_view key, std::string_view defaultValue);

// The same value read from a file's `content` already in memory, for a reader
// of many keys; nothing when the section or the key is missing.
std::optional<std::string> ProfileValueIn(std::string_view content, std::string_view section,
                                          std::string_view key);

// Sets `key` in `section` to `value` (its leading blanks dropped), creating the
// file, the section and the key line as needed. A value is cut at its first
// line break, which would otherwise end the line and change the file's
// structure. False when the file can't be read or written.
bool WritePrivateProfileString(const std::string& file, std::string_view section,
                               std::string_view key, std::string_view value);

}  // namespace vellumar
