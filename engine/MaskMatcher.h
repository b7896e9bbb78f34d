#pragma once
// The mask test with everything that does not change from line to line worked
// out once: the fold table and, after its first use, the weight filter's value.

#include <array>
#include <optional>
#include <string_view>

#include "engine/Match.h"

namespace vellumar {

class MaskMatcher {
public:
    // `mask` and `settings` must outlive the matcher.
    MaskMatcher(std::string_view mask, const SearchSettings& settings);

    // MatchMask of this mask and `word`.
    bool Match(std::string_view word) const;

    // MatchMask of this mask and the word of a line in dictionary form (or of
    // any line whose word normalising leaves alone), without measuring the
    // word first: most lines fail on a letter long before its end.
    bool MatchLineWord(std::string_view line) const;

    // A first look for MatchLineWord, one table lookup: false only for lines
    // whose byte at the mask's first known letter can't fit there, which is
    // most lines of a member. Only where the mask's place in the word is
    // fixed (the whole word or its start) is there such a byte.
    bool MayMatchLineWord(std::string_view line) const {
        return keyPosition_ == kNoKey ||
               (line.size() > keyPosition_ && keyAccepts_[letters::Byte(line[keyPosition_])]);
    }

    // For a look over many lines at once: the position of the mask's first
    // known letter and the bytes that fit there (a line's first byte aside),
    // when there are at most four of them.
    struct LineKey {
        std::size_t position = 0;
        std::array<char, 4> bytes{};
        std::size_t count = 0;
    };
    std::optional<LineKey> KeyForLines() const;

    // For a look over a whole text for the runs that may fit: the position of
    // the mask's rarest known letter and the bytes that fit there.
    std::optional<LineKey> KeyForRuns() const;

    // A first look for a run of a definition in `text` placed at `start`,
    // which any such run that fits there passes: the mask's letters fit the
    // bytes from `start`, all of them Russian letters; for a whole word or its
    // start the run starts there, and for a whole word or its end it ends
    // after them, unless the definition limit may cut it there.
    bool MayFitRunAt(std::string_view text, std::size_t start) const;

    // Calls `fit(run)` for each run of Russian letters in `text` that fits, in
    // order, while `fit` returns true; returns whether any run fitted.
    template <typename Fit>
    bool ForEachFittingRun(std::string_view text, Fit fit) const;

private:
    // The bytes that fit the mask's letter at `position` (at most four).
    std::optional<LineKey> KeyAt(std::size_t position) const;
    // The letter test alone, for a word as long as the mask.
    bool LettersFit(std::string_view word) const;
    // The letter test at the places of a word of at least the mask's length
    // that the mask part allows.
    bool PartFits(std::string_view word) const;
    bool PassesWeight(std::string_view word) const;

    static constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);

    std::string_view mask_;
    const SearchSettings& settings_;
    const MaskPart part_;
    const std::uint8_t* fold_;
    mutable std::optional<int> weightValue_;
    std::size_t keyPosition_ = kNoKey;        // the mask's first byte that is no blank, when its place is fixed
    std::array<bool, 256> keyAccepts_{};      // the word bytes that fit there
};

template <typename Fit>
bool MaskMatcher::ForEachFittingRun(std::string_view text, Fit fit) const {
    bool any = false;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && !letters::IsRussianByte(letters::Byte(text[i]))) ++i;
        std::size_t end = i;
        while (end < n && letters::IsRussianByte(letters::Byte(text[end]))) ++end;
        // Only a run as long as the mask (or longer, for a part of a word) can
        // fit; skipping the others early matters on long texts.
        const std::size_t length = end - i;
        if ((length == mask_.size() || (length > mask_.size() && part_ != MaskPart::Whole)) &&
            Match(text.substr(i, length))) {
            any = true;
            if (!fit(text.substr(i, end - i))) return true;
        }
        i = end;
    }
    return any;
}

}  // namespace vellumar
