// Putting lines into dictionary form, and spacing definitions for display.

#include "engine/Letters.h"

namespace vellumar {

using letters::Byte;
using letters::kTables;

namespace {

bool IsSpacingSign(std::uint8_t b) { return kTables.cls[b] & letters::kSpacingSign; }

// True when the spacing rules would change the line: a separator byte, or a
// blank beside another blank or beside one of the signs.
bool NeedsSpacing(const std::string& line) {
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t b = Byte(line[i]);
        if (!(kTables.cls[b] & letters::kSpacing)) continue;
        if (b != ' ') return true;
        if (i > 0 && (kTables.cls[Byte(line[i - 1])] & (letters::kBlank | letters::kSpacingSign))) return true;
        if (i + 1 < n && (kTables.cls[Byte(line[i + 1])] & (letters::kBlank | letters::kSpacingSign))) return true;
    }
    return false;
}

// The spacing rules applied row by row reduce to one pass: every run of blanks
// shrinks to one blank, and that blank goes when the byte before the run or
// the byte after it is one of the signs (removing it never brings two blanks
// or a blank and a new sign together). The separator byte becomes "*".
void ApplySpacing(std::string& line) {
    const std::size_t n = line.size();
    std::size_t out = 0;
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t b = Byte(line[i]);
        if (b != ' ') {
            line[out++] = b == 0xB7 ? '*' : line[i];
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < n && line[end] == ' ') ++end;
        const bool signBefore = i > 0 && IsSpacingSign(Byte(line[i - 1]));
        const bool signAfter = end < n && IsSpacingSign(Byte(line[end]));
        if (!signBefore && !signAfter) line[out++] = ' ';
        i = end;
    }
    line.resize(out);
}

}  // namespace

void NormaliseLineInPlace(std::string& line) {
    if (NeedsSpacing(line)) ApplySpacing(line);
    const std::size_t n = line.size();
    if (n == 0) return;

    // Lower-case the leading run of upper-case Russian letters.
    for (std::size_t i = 0; i < n && (kTables.cls[Byte(line[i])] & letters::kUpperRussian); ++i)
        line[i] = LowerChar(line[i]);

    // A blank between the word and the definition goes, and the definition's
    // first byte is capitalised; a blank that ends the line stays.
    std::size_t end = 0;
    while (end < n - 1 && letters::IsLowerRussianByte(Byte(line[end]))) ++end;
    if (line[end] == ' ' && end != n - 1) {
        line.erase(end, 1);
        line[end] = UpperChar(line[end]);
    }
}

std::string NormaliseLine(std::string_view line) {
    std::string result(line);
    NormaliseLineInPlace(result);
    return result;
}

std::string SpaceDefinition(std::string_view definition) {
    const std::size_t n = definition.size();
    if (n < 2) return std::string(definition);
    std::string out;
    out.reserve(n + n / 4 + 2);
    // Every byte but the last is looked at: signs get a blank after them, "(" a blank before.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const char c = definition[i];
        switch (c) {
            case '.': case ',': case ';': case ':': case '-': case ')': case '!': case '?':
                out += c;
                out += ' ';
                break;
            case '(':
                out += ' ';
                out += c;
                break;
            default:
                out += c;
        }
    }
    out += definition[n - 1];
    return out;
}

}  // namespace vellumar
