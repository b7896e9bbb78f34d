#include "engine/Match.h"

#include "engine/Convert.h"
#include "engine/Cp1251Literal.h"
#include "engine/MaskMatcher.h"

namespace vellumar {

using letters::Byte;
using letters::kTables;

MaskMatcher::MaskMatcher(std::string_view mask, const SearchSettings& settings)
    : mask_(mask), settings_(settings), part_(settings.part), fold_(FoldTable(settings.equivalences)) {
    if (part_ != MaskPart::Whole && part_ != MaskPart::Begin) return;
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        const std::uint8_t m = fold_[Byte(mask_[i])];
        if (m == ' ') continue;
        keyPosition_ = i;
        for (int b = 0; b < 256; ++b) keyAccepts_[b] = kTables.upper[fold_[b]] == m;
        break;
    }
}

std::optional<MaskMatcher::LineKey> MaskMatcher::KeyAt(std::size_t position) const {
    const std::uint8_t m = fold_[Byte(mask_[position])];
    LineKey key;
    key.position = position;
    for (int b = 0; b < 256; ++b) {
        if (kTables.upper[fold_[b]] != m) continue;
        if (key.count == key.bytes.size()) return std::nullopt;
        key.bytes[key.count++] = static_cast<char>(b);
    }
    if (key.count == 0) return std::nullopt;
    return key;
}

std::optional<MaskMatcher::LineKey> MaskMatcher::KeyForLines() const {
    if (keyPosition_ == kNoKey) return std::nullopt;
    return KeyAt(keyPosition_);
}

std::optional<MaskMatcher::LineKey> MaskMatcher::KeyForRuns() const {
    // Russian letters from the rarest in running text to the most common.
    static constexpr std::string_view kRarestFirst = Cp1251<"ЪЁФЭЩЦЮШЖХЙЧЬЫБГЗЯУПДМКВЛРСТНИАЕО">;
    std::size_t best = kNoKey, bestRank = kRarestFirst.size();
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        const char m = static_cast<char>(fold_[Byte(mask_[i])]);
        const std::size_t rank = kRarestFirst.find(m);
        if (rank < bestRank) best = i, bestRank = rank;
    }
    if (best == kNoKey) return std::nullopt;
    return KeyAt(best);
}

bool MaskMatcher::MayFitRunAt(std::string_view text, std::size_t start) const {
    const std::size_t n = mask_.size();
    if (start > text.size() || text.size() - start < n) return false;
    // For a whole word or its start the run starts here: after a byte that is
    // no letter, or where a definition in dictionary form starts with a
    // capital right after its word.
    if ((part_ == MaskPart::Whole || part_ == MaskPart::Begin) && start > 0) {
        const std::uint8_t before = Byte(text[start - 1]);
        if (letters::IsRussianByte(before) &&
            !(letters::IsLowerRussianByte(before) && IsUpperRussian(text[start])))
            return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t b = Byte(text[start + i]);
        if (!letters::IsRussianByte(b)) return false;
        const std::uint8_t m = fold_[Byte(mask_[i])];
        if (m != ' ' && m != kTables.upper[fold_[b]]) return false;
    }
    const std::size_t end = start + n;
    const bool mustEndHere = part_ == MaskPart::Whole || part_ == MaskPart::End;
    if (!mustEndHere || end == text.size() || !letters::IsRussianByte(Byte(text[end]))) return true;
    // DefinitionPart cuts a definition after MaxDefinitionLength bytes, which
    // may end a run early; normalising only ever removes bytes, so that can
    // happen only that far or farther from the start of the line.
    for (std::size_t back = 1; back <= MaxDefinitionLength; ++back) {
        if (back > end) return false;
        const char c = text[end - back];
        if (c == '\r' || c == '\n') return false;
    }
    return true;
}

bool MaskMatcher::LettersFit(std::string_view word) const {
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::uint8_t m = fold_[Byte(mask_[i])];
        if (m != ' ' && m != kTables.upper[fold_[Byte(word[i])]]) return false;
    }
    return true;
}

bool MaskMatcher::PartFits(std::string_view word) const {
    const std::size_t n = mask_.size();
    switch (part_) {
        case MaskPart::Whole:
            return word.size() == n && LettersFit(word);
        case MaskPart::Begin:
            return LettersFit(word.substr(0, n));
        case MaskPart::End:
            return LettersFit(word.substr(word.size() - n));
        case MaskPart::Any:
            for (std::size_t at = 0; at + n <= word.size(); ++at)
                if (LettersFit(word.substr(at, n))) return true;
            return false;
    }
    return false;
}

bool MaskMatcher::Match(std::string_view word) const {
    if (mask_.empty() || word.size() < mask_.size()) return false;
    if (!PartFits(word)) return false;
    return !settings_.weight.enabled || PassesWeight(word);
}

bool MaskMatcher::MatchLineWord(std::string_view line) const {
    if (part_ != MaskPart::Whole) return Match(WordPart(line));
    const std::size_t n = mask_.size();
    // The word has the mask's length only if the byte after those n bytes does
    // not carry it on; whether it stops earlier is asked only of lines that fit.
    if (n == 0 || line.size() < n || (line.size() > n && letters::IsLowerRussianByte(Byte(line[n]))))
        return false;
    const std::string_view word = line.substr(0, n);
    if (!LettersFit(word)) return false;
    for (char c : word)
        if (!letters::IsLowerRussianByte(Byte(c))) return false;
    return !settings_.weight.enabled || PassesWeight(word);
}

bool MaskMatcher::PassesWeight(std::string_view word) const {
    // The value is read only once a word has passed the letter test, so a bad
    // value fails there and a search without such a word ends normally.
    if (!weightValue_) weightValue_ = StrToInt(settings_.weight.value);
    const long long value = *weightValue_;
    long long weight = 0;
    for (char c : word) weight += kTables.position[fold_[Byte(c)]];
    const std::string& cmp = settings_.weight.comparison;
    if (cmp == "=") return weight == value;
    if (cmp == "<=") return weight <= value;
    if (cmp == "=>") return weight >= value;
    return true;
}

bool MatchMask(std::string_view mask, std::string_view word, const SearchSettings& s) {
    return MaskMatcher(mask, s).Match(word);
}

bool MatchDefinition(std::string_view mask, std::string_view definition, const SearchSettings& s) {
    return MaskMatcher(mask, s).ForEachFittingRun(definition, [](std::string_view) { return false; });
}

std::vector<TextRun> FittingRuns(std::string_view mask, std::string_view text, const SearchSettings& s) {
    std::vector<TextRun> runs;
    MaskMatcher(mask, s).ForEachFittingRun(text, [&](std::string_view run) {
        runs.push_back({static_cast<std::size_t>(run.data() - text.data()), run.size()});
        return true;
    });
    return runs;
}

}  // namespace vellumar
