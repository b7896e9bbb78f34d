#pragma once
// cp1251 letters and the dictionary line model: a lower-case Russian word
// immediately followed by its definition. Case changes and letter tests never
// use the locale; they work on single cp1251 bytes.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Cp1251Literal.h"
#include "engine/LetterTables.h"

namespace vellumar {

// The letters in alphabet order; a letter's weight is its 1-based position here.
inline constexpr std::string_view Alphabet = Cp1251<"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ">;

// Joins several definitions of one word in a result line.
inline constexpr char DefinitionSeparator = Cp1251<"·">[0];

// The longest definition DefinitionPart hands out.
inline constexpr std::size_t MaxDefinitionLength = 1024;

// Latin and Russian letters change case; every other byte is returned unchanged.
inline char LowerChar(char c) { return static_cast<char>(letters::kTables.lower[letters::Byte(c)]); }
inline char UpperChar(char c) { return static_cast<char>(letters::kTables.upper[letters::Byte(c)]); }
std::string LowerString(std::string_view text);
std::string UpperString(std::string_view text);

inline bool IsLowerRussian(char c) { return letters::kTables.cls[letters::Byte(c)] & letters::kLowerRussian; }
inline bool IsUpperRussian(char c) { return letters::kTables.cls[letters::Byte(c)] & letters::kUpperRussian; }
inline bool IsRussianLetter(char c) { return letters::kTables.cls[letters::Byte(c)] & letters::kRussian; }

// 1..33 for a Russian letter of either case, else 0.
inline int AlphabetPosition(char c) { return letters::kTables.position[letters::Byte(c)]; }

// The leading run of lower-case Russian letters (may be empty).
std::string_view WordPart(std::string_view line);
// What follows the word, cut to MaxDefinitionLength bytes.
std::string_view DefinitionPart(std::string_view line);

// Sum of the alphabet positions of the letters; other bytes count 0.
int WordWeight(std::string_view text);

struct LetterEquivalences {
    bool yo_ye = true;   // Ё counts as Е
    bool y_i = true;     // Й counts as И
    bool tz_mz = true;   // Ъ counts as Ь
};

// The program-wide flags: read at start, set by the settings dialog; every
// search copies them into its settings.
LetterEquivalences& ProgramEquivalences();

// The 256-byte replacement table for the flags that are on.
inline const std::uint8_t* FoldTable(const LetterEquivalences& eq) {
    return letters::kTables.fold[(eq.yo_ye ? 1 : 0) | (eq.y_i ? 2 : 0) | (eq.tz_mz ? 4 : 0)].data();
}

// Replaces the letters of every flag that is on by their partners; same length and case.
std::string FoldLetters(std::string_view text, const LetterEquivalences& eq);

// Puts a line as stored or typed into dictionary form.
std::string NormaliseLine(std::string_view line);
// The same, in place; a line already in dictionary form is only read once.
void NormaliseLineInPlace(std::string& line);
// True when NormaliseLine would give `line` back unchanged: one pass, no copy.
bool IsDictionaryForm(std::string_view line);

// Puts blanks back after signs and before "(" for display.
std::string SpaceDefinition(std::string_view definition);

}  // namespace vellumar
