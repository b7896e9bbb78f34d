#include "engine/Letters.h"

#include <limits>

namespace vellumar {

using letters::Byte;
using letters::kTables;

namespace {
std::string MapBytes(std::string_view text, const std::uint8_t* table) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(table[Byte(text[i])]);
    return out;
}
}  // namespace

std::string LowerString(std::string_view text) { return MapBytes(text, kTables.lower.data()); }
std::string UpperString(std::string_view text) { return MapBytes(text, kTables.upper.data()); }

std::string_view WordPart(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && letters::IsLowerRussianByte(Byte(line[n]))) ++n;
    return line.substr(0, n);
}

std::string_view DefinitionPart(std::string_view line) {
    return line.substr(WordPart(line).size(), MaxDefinitionLength);
}

int WordWeight(std::string_view text) {
    // Wide sum: only a text of tens of megabytes could pass int, and then it saturates.
    long long weight = 0;
    for (char c : text) weight += kTables.position[Byte(c)];
    return weight > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(weight);
}

LetterEquivalences& ProgramEquivalences() {
    static LetterEquivalences flags;
    return flags;
}

std::string FoldLetters(std::string_view text, const LetterEquivalences& eq) {
    return MapBytes(text, FoldTable(eq));
}

}  // namespace vellumar
