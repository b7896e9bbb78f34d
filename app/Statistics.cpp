#include "app/Statistics.h"

#include <new>

#include "app/AppMessages.h"
#include "engine/Letters.h"
#include "engine/Messages.h"

namespace vellumar {

std::int64_t Statistics::LengthTotal() const {
    std::int64_t total = 0;
    for (int n = MinCountedLength; n <= MaxCountedLength; ++n) total += lengthCounts[n];
    return total;
}

std::int64_t Statistics::LetterTotal() const {
    std::int64_t total = 0;
    for (int j = 1; j <= LetterCount; ++j) total += letterCounts[j];
    return total;
}

int Statistics::BoldLength() const {
    int place = MinCountedLength;
    std::int64_t largest = 0;
    for (int n = MinCountedLength; n <= MaxCountedLength; ++n)
        if (lengthCounts[n] >= largest) {
            largest = lengthCounts[n];
            place = n;
        }
    return place;
}

int Statistics::BoldLetter() const {
    int place = 1;
    std::int64_t largest = 0;
    for (int j = 1; j <= LetterCount; ++j)
        if (letterCounts[j] >= largest) {
            largest = letterCounts[j];
            place = j;
        }
    return place;
}

void CountLines(Statistics& stats, const std::vector<std::string>& lines, bool withProgress,
                const StatisticsProgress& progress) {
    if (withProgress && !lines.empty() && progress.innerRange)
        progress.innerRange(0, static_cast<long>(lines.size()) - 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t length = WordPart(line).size();
        if (length >= MinCountedLength && length <= MaxCountedLength) ++stats.lengthCounts[length];
        // AlphabetPosition ignores case, which is what upper-casing the line first gives.
        for (char c : line)
            if (const int position = AlphabetPosition(c)) ++stats.letterCounts[position];
        if (withProgress && progress.innerPosition) progress.innerPosition(static_cast<long>(i));
    }
}

void GatherStatistics(Statistics& stats, const DictionaryCatalogue& catalogue,
                      const StatisticsProgress& progress) {
    for (std::size_t index = 0; index < catalogue.size(); ++index) {
        const DictionaryEntry& entry = catalogue[index];
        if (entry.IsArchive()) {
            if (progress.innerRange) progress.innerRange(MinCountedLength, MaxCountedLength);
            for (int n = MinCountedLength; n <= MaxCountedLength; ++n) {
                std::vector<std::string> lines;
                try {
                    lines = ReadArchiveMemberLines(entry.FilePath(), LengthMemberName(static_cast<std::size_t>(n)));
                } catch (const std::bad_alloc&) {
                    throw;
                } catch (const std::exception&) {
                    lines.clear();
                    ShowMessage(texts::CannotReadArchive);
                }
                CountLines(stats, lines, false);
                if (progress.innerPosition) progress.innerPosition(n);
            }
        } else {
            std::vector<std::string> lines;
            if (ReadPlainTextLines(entry.FilePath(), lines))
                CountLines(stats, lines, true, progress);
            else
                ShowMessage(texts::CannotReadPlainText);
        }
        if (progress.dictionaryDone) progress.dictionaryDone(index);
    }
}

std::string FormatShare(std::int64_t count, std::int64_t total, char decimalSeparator) {
    if (total <= 0 || count <= 0) return "0";
    // Hundredths of a per cent, rounded half to even; 128 bits hold any product.
    using Wide = unsigned __int128;
    const Wide product = static_cast<Wide>(count) * 10000u;
    const Wide divisor = static_cast<Wide>(total);
    Wide quotient = product / divisor;
    const Wide remainder = product % divisor;
    if (remainder * 2 > divisor || (remainder * 2 == divisor && quotient % 2 == 1)) ++quotient;
    const auto hundredths = static_cast<std::uint64_t>(quotient);

    std::string text = std::to_string(hundredths / 100);
    const unsigned fraction = static_cast<unsigned>(hundredths % 100);
    if (fraction != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::string LengthCaption(int length) {
    if (length > MaxCountedLength) return std::string(Cp1251<"Всего">);
    std::string caption = std::to_string(length) + std::string(Cp1251<" букв">);
    if (length == 2 || length == 3 || length == 4 || length == 22) caption += Cp1251<"ы">;
    if (length == 21) caption += Cp1251<"а">;
    return caption;
}

std::string LengthLabel(const Statistics& stats, int length) {
    const std::int64_t count = length > MaxCountedLength ? stats.LengthTotal() : stats.lengthCounts[length];
    return LengthCaption(length) + " - " + std::to_string(count) + std::string(Cp1251<" шт.">);
}

std::string LetterLabel(const Statistics& stats, int position, char decimalSeparator) {
    std::string label(1, Alphabet[static_cast<std::size_t>(position - 1)]);
    label += " - ";
    label += FormatShare(stats.letterCounts[position], stats.LetterTotal(), decimalSeparator);
    label += " %";
    return label;
}

std::string DictionaryCountCaption(std::size_t dictionaries) {
    return std::string(Cp1251<"Количество словарей - ">) + std::to_string(dictionaries) + std::string(Cp1251<" шт.">);
}

}  // namespace vellumar
