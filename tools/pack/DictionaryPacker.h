#pragma once
// Turns dictionary lines into the members of a dictionary archive: each line is
// normalised and filed under its word length ("2.dic" .. "22.dic"), the lines of a
// member are sorted in alphabet order and exact duplicates dropped, and "0.dic"
// holds the title.

#include "app/Catalogue.h"
#include "archive/Archive.h"
#include "archive/ArchiveFormat.h"
#include "tools/pack/ArchiveWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar::pack {

inline constexpr int MinWordLength = static_cast<int>(MinMemberWordLength);
inline constexpr int MaxWordLength = static_cast<int>(MaxMemberWordLength);
// Lines inside a member end with CR LF.
inline constexpr std::string_view MemberLineBreak = "\r\n";

using vellumar::LengthMemberName;
using vellumar::TitleMemberName;

// Alphabet order of two lines in dictionary form: words letter by letter by their
// place in Alphabet (so ё sorts between е and ж, which cp1251 byte order does not
// give), a word before its longer continuations, then the definitions byte by byte.
bool DictionaryLess(std::string_view a, std::string_view b);

struct PackSummary {
    std::size_t lines = 0;       // every line offered
    std::size_t empty = 0;       // nothing but blanks: ignored
    std::size_t noWord = 0;      // the line does not start with a Russian letter
    std::size_t tooShort = 0;    // word of one letter
    std::size_t tooLong = 0;     // word of more than MaxWordLength letters
    std::size_t duplicates = 0;  // the same line again (counted by Finish)
    std::size_t packed = 0;      // lines in the members (counted by Finish)
    std::array<std::size_t, MaxWordLength + 1> perLength{};  // packed lines by word length

    std::size_t Skipped() const { return noWord + tooShort + tooLong; }
};

// Bounds on the lines a collector holds, duplicates included until Finish
// drops them: a source of endless lines fails at the line that passes one.
struct CollectorLimits {
    // The bytes of one member, line breaks included: the reader refuses more.
    std::uint64_t memberBytes = static_cast<std::uint64_t>(DefaultMaxExpandedSize);
    // The memory of all lines, each counted with its string's own size.
    std::uint64_t heldBytes = std::uint64_t{1} << 30;
};

class DictionaryCollector {
public:
    enum class LineResult { Added, Empty, NoWord, TooShort, TooLong };

    explicit DictionaryCollector(CollectorLimits limits = {}) : limits_(limits) {}

    // Leading and trailing blanks and tabs are dropped, then the line is
    // normalised. Throws when the line would take a bound of the limits.
    LineResult Add(std::string_view line);

    // Sorts every length and drops duplicates; completes the summary's counts.
    void Finish();
    // The sorted lines of one word length (after Finish).
    const std::vector<std::string>& Lines(int length) const { return byLength_[length]; }
    // The bytes of the member of one word length, line breaks included.
    std::size_t MemberSize(int length) const;
    const PackSummary& Summary() const { return summary_; }

    // Called after each member with the bytes of lines packed so far and in all.
    using MemberProgress = std::function<void(std::size_t done, std::size_t total)>;

    // Adds "0.dic" with the title line, then one member per non-empty length;
    // a member that packing would not make smaller is stored.
    // Throws when the title holds a line break or a zero byte. Calls Finish if needed.
    void WriteTo(ArchiveWriter& writer, std::string_view title, const MemberProgress& progress = {});

private:
    std::array<std::vector<std::string>, MaxWordLength + 1> byLength_;
    CollectorLimits limits_;
    std::array<std::uint64_t, MaxWordLength + 1> memberBytes_{};
    std::uint64_t heldBytes_ = 0;
    PackSummary summary_;
    bool finished_ = false;
};

}  // namespace vellumar::pack
