// The compile-time UTF-8 to cp1251 conversion against iconv.

#include <gtest/gtest.h>

#include <string>

#include "engine/Cp1251Literal.h"
#include "tests/common/Cp1251.h"

namespace vellumar {
namespace {

std::string Utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

TEST(Cp1251Literal, EveryCoveredCharacterAgreesWithIconv) {
    int covered = 0;
    for (char32_t c = 1; c < 0x2200; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const int byte = Cp1251Byte(c);
        if (byte < 0) continue;
        ++covered;
        EXPECT_EQ(test::W(Utf8Of(c)), std::string(1, static_cast<char>(byte))) << "U+" << std::hex << unsigned(c);
    }
    // ASCII without the zero byte, 66 letters and at least the signs texts need.
    EXPECT_GE(covered, 127 + 66 + 4);
    for (char32_t needed : {U'«', U'»', U'№', U'·', U'Ё', U'ё', U'А', U'я'}) EXPECT_GE(Cp1251Byte(needed), 0);
    EXPECT_EQ(Cp1251Byte(U'€'), -1);   // in cp1251, but no text of ours needs it
}

TEST(Cp1251Literal, LiteralsEqualTheRunTimeConversion) {
    constexpr std::string_view letters =
        Cp1251<"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя">;
    EXPECT_EQ(letters, test::W("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"));
    constexpr std::string_view mixed = Cp1251<"«Кот» №5 · Notes.txt\r\n">;
    EXPECT_EQ(mixed, test::W("«Кот» №5 · Notes.txt\r\n"));
    EXPECT_EQ(mixed.data()[mixed.size()], '\0');   // usable as a C string
}

}  // namespace
}  // namespace vellumar
