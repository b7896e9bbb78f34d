// Putting lines into dictionary form, and spacing definitions for display.

#include "engine/Letters.h"

#include <array>

namespace vellumar {

using letters::Byte;
using letters::kTables;

namespace {

bool IsSpacingSign(std::uint8_t b) { return kTables.cls[b] & letters::kSpacingSign; }

// Codes whose pairwise sums tell the pairs that the spacing rules change:
// blank+blank 2, blank+sign 5; the separator alone makes 16 or more.
constexpr std::array<std::uint8_t, 256> MakePairCodes() {
    std::array<std::uint8_t, 256> codes{};
    for (int b = 0; b < 256; ++b) {
        const std::uint8_t cls = kTables.cls[b];
        codes[b] = cls & letters::kBlank ? 1 : cls & letters::kSpacingSign ? 4 : cls & letters::kSeparator ? 16 : 0;
    }
    return codes;
}
constexpr std::array<std::uint8_t, 256> kPairCodes = MakePairCodes();
constexpr std::array<bool, 33> MakeChangingSums() {
    std::array<bool, 33> sums{};
    sums[2] = sums[5] = true;
    for (int s = 16; s <= 32; ++s) sums[s] = true;
    return sums;
}
constexpr std::array<bool, 33> kChangingSums = MakeChangingSums();

// True when the spacing rules would change the line: a separator byte, or a
// blank beside another blank or beside one of the signs. Without branches per
// byte, as most lines need no change and this is all they cost.
bool NeedsSpacing(std::string_view line) {
    const std::size_t n = line.size();
    if (n == 0) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(line.data());
    unsigned previous = kPairCodes[p[0]];
    bool changes = previous == 16;   // a one-byte line can hold only the separator
    for (std::size_t i = 1; i < n; ++i) {
        const unsigned current = kPairCodes[p[i]];
        changes |= kChangingSums[previous + current];
        previous = current;
    }
    return changes;
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
            line[out++] = line[i] == DefinitionSeparator ? '*' : line[i];
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

// The position of the first byte after the word, not looking past the last
// byte: where a blank between word and definition would stand.
std::size_t WordEndBeforeLast(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() - 1 && letters::IsLowerRussianByte(Byte(line[end]))) ++end;
    return end;
}

}  // namespace

bool IsDictionaryForm(std::string_view line) {
    if (line.empty()) return true;
    if (kTables.cls[Byte(line[0])] & letters::kUpperRussian) return false;
    if (NeedsSpacing(line)) return false;
    const std::size_t end = WordEndBeforeLast(line);
    return !(line[end] == ' ' && end != line.size() - 1);
}

void NormaliseLineInPlace(std::string& line) {
    if (NeedsSpacing(line)) ApplySpacing(line);
    const std::size_t n = line.size();
    if (n == 0) return;

    // Lower-case the leading run of upper-case Russian letters.
    for (std::size_t i = 0; i < n && (kTables.cls[Byte(line[i])] & letters::kUpperRussian); ++i)
        line[i] = LowerChar(line[i]);

    // A blank between the word and the definition goes, and the definition's
    // first byte is capitalised; a blank that ends the line stays.
    const std::size_t end = WordEndBeforeLast(line);
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
