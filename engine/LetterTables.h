#pragma once
// Byte tables behind the letter helpers: one lookup per byte instead of
// branches, so matching a dictionary line needs no allocation and no locale.

#include <array>
#include <cstdint>

namespace vellumar::letters {

// Bits of `Tables::cls`.
inline constexpr std::uint8_t kLowerRussian = 1;   // 0xE0..0xFF, 0xB8
inline constexpr std::uint8_t kUpperRussian = 2;   // 0xC0..0xDF, 0xA8
inline constexpr std::uint8_t kRussian = kLowerRussian | kUpperRussian;
inline constexpr std::uint8_t kBlank = 4;          // 0x20
inline constexpr std::uint8_t kSpacingSign = 8;    // , . ; : - = ( ) < >  (blanks beside them go)
inline constexpr std::uint8_t kSeparator = 16;     // 0xB7, never left in a dictionary line
inline constexpr std::uint8_t kSpacing = kBlank | kSeparator;

struct Tables {
    std::array<std::uint8_t, 256> lower{};
    std::array<std::uint8_t, 256> upper{};
    std::array<std::uint8_t, 256> cls{};
    std::array<std::uint8_t, 256> position{};      // 1..33 for Russian letters of either case
    std::array<std::array<std::uint8_t, 256>, 8> fold{};  // index: yo_ye | y_i << 1 | tz_mz << 2
};

constexpr Tables MakeTables() {
    Tables t;
    for (int b = 0; b < 256; ++b) {
        t.lower[b] = t.upper[b] = static_cast<std::uint8_t>(b);
        for (auto& f : t.fold) f[b] = static_cast<std::uint8_t>(b);
    }
    for (int b = 'A'; b <= 'Z'; ++b) {
        t.lower[b] = static_cast<std::uint8_t>(b + 0x20);
        t.upper[b + 0x20] = static_cast<std::uint8_t>(b);
    }
    for (int b = 0xC0; b <= 0xDF; ++b) {
        t.lower[b] = static_cast<std::uint8_t>(b + 0x20);
        t.upper[b + 0x20] = static_cast<std::uint8_t>(b);
        t.cls[b] = kUpperRussian;
        t.cls[b + 0x20] = kLowerRussian;
        // Ё stands between Е (0xC5) and Ж (0xC6) in the alphabet.
        const int pos = b - 0xC0 + 1 + (b >= 0xC6 ? 1 : 0);
        t.position[b] = t.position[b + 0x20] = static_cast<std::uint8_t>(pos);
    }
    t.lower[0xA8] = 0xB8;
    t.upper[0xB8] = 0xA8;
    t.cls[0xA8] = kUpperRussian;
    t.cls[0xB8] = kLowerRussian;
    t.position[0xA8] = t.position[0xB8] = 7;
    t.cls[' '] = kBlank;
    for (char c : {',', '.', ';', ':', '-', '=', '(', ')', '<', '>'})
        t.cls[static_cast<unsigned char>(c)] = kSpacingSign;
    t.cls[0xB7] = kSeparator;
    for (int flags = 0; flags < 8; ++flags) {
        auto& f = t.fold[flags];
        if (flags & 1) { f[0xA8] = 0xC5; f[0xB8] = 0xE5; }  // Ё -> Е
        if (flags & 2) { f[0xC9] = 0xC8; f[0xE9] = 0xE8; }  // Й -> И
        if (flags & 4) { f[0xDA] = 0xDC; f[0xFA] = 0xFC; }  // Ъ -> Ь
    }
    return t;
}

inline constexpr Tables kTables = MakeTables();

inline std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }
inline bool IsLowerRussianByte(std::uint8_t b) { return kTables.cls[b] & kLowerRussian; }
inline bool IsRussianByte(std::uint8_t b) { return kTables.cls[b] & kRussian; }

}  // namespace vellumar::letters
