#include "app/Utf8.h"

#include <cstdint>
#include <cstring>

namespace vellumar {

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length;
    char32_t min;
    if (lead >= 0xC2 && lead < 0xE0) length = 2, min = 0x80, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead < 0xF0) length = 3, min = 0x800, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead < 0xF5) length = 4, min = 0x10000, code = lead & 0x07;
    else return 0;
    if (text.size() - pos < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return 0;
    return length;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::size_t Utf8CutPoint(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    std::size_t cut = limit;
    // Back over continuation bytes to the start of the character that the limit splits.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80 && limit - cut < 3) --cut;
    return cut;
}

namespace {

// A lead byte followed only by continuation bytes, fewer than it announces.
bool IsCutOffCharacter(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    const std::size_t length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || rest.size() >= length) return false;
    for (std::size_t k = 1; k < rest.size(); ++k)
        if ((static_cast<unsigned char>(rest[k]) & 0xC0) != 0x80) return false;
    return true;
}

}  // namespace

int CheckUtf8Piece(std::string_view text, bool& nonAscii) {
    std::size_t pos = 0;
    char32_t code;
    while (pos < text.size()) {
        // Plain ASCII eight bytes at a time: most texts are mostly ASCII.
        if (text.size() - pos >= 8) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + pos, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                pos += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = DecodeUtf8(text, pos, code);
        if (length == 0) return IsCutOffCharacter(text.substr(pos)) ? static_cast<int>(text.size() - pos) : -1;
        nonAscii = true;
        pos += length;
    }
    return 0;
}

}  // namespace vellumar
