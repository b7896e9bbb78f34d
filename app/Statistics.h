#pragma once
// Statistics over the dictionaries of the catalogue: how many words of each
// length from 2 to 22, and each letter's share of all letters.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/Catalogue.h"

namespace vellumar {

inline constexpr int MinCountedLength = 2;
inline constexpr int MaxCountedLength = 22;
inline constexpr int LetterCount = 33;

// 64-bit counters: a 32-bit one would overflow on a few gigabytes of text.
struct Statistics {
    std::array<std::int64_t, MaxCountedLength + 1> lengthCounts{};  // used: 2..22
    std::array<std::int64_t, LetterCount + 1> letterCounts{};       // used: 1..33, by alphabet position

    std::int64_t LengthTotal() const;
    std::int64_t LetterTotal() const;
    // The length whose label is bold: the largest count, the longer on ties (22 when all are 0).
    int BoldLength() const;
    // The letter position whose label is bold: the largest count, the later on ties.
    int BoldLetter() const;
};

// Progress of a gathering; every part may be left empty.
struct StatisticsProgress {
    std::function<void(std::size_t entryIndex)> dictionaryDone;
    std::function<void(long from, long to)> innerRange;   // within one dictionary
    std::function<void(long position)> innerPosition;
};

// Counts one list of lines: the word part's length when it is 2..22, and every
// letter of the whole upper-cased line. With `withProgress`, the inner range
// is 0..lines-1 and each line's index is reported.
void CountLines(Statistics& stats, const std::vector<std::string>& lines, bool withProgress,
                const StatisticsProgress& progress = {});

// Counts every entry of the catalogue, checked or not: archives member by
// member (2.dic .. 22.dic), plain-text files whole without their title line.
// Unreadable members and files are reported and count nothing.
void GatherStatistics(Statistics& stats, const DictionaryCatalogue& catalogue,
                      const StatisticsProgress& progress = {});

// count × 100 / total per cent, rounded to two decimals (an exact half to the
// even neighbour) and written as briefly as possible: "7,5", "12,34", "0".
// A total of 0 gives "0".
std::string FormatShare(std::int64_t count, std::int64_t total, char decimalSeparator = ',');

// The labels as the statistics window shows them after a gathering (cp1251).
std::string LengthCaption(int length);                      // "2 буквы", ..., 23: "Всего"
std::string LengthLabel(const Statistics& stats, int length);  // "... - N шт.", 23 for the total
std::string LetterLabel(const Statistics& stats, int position, char decimalSeparator = ',');  // "А - 7,5 %"
std::string DictionaryCountCaption(std::size_t dictionaries);  // "Количество словарей - N шт."

}  // namespace vellumar
