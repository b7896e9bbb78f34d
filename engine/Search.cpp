#include "engine/Search.h"

#include "engine/AnagramMatcher.h"
#include "engine/MaskMatcher.h"
#include "engine/TextLines.h"

#include <optional>

namespace vellumar {

namespace {

// One dictionary's pass, line by line: the matchers are set up once, and a
// line already in dictionary form is tested where it lies, without a copy.
class DictionaryPass {
public:
    DictionaryPass(std::string_view maskOrQuery, bool anagram, const SearchSettings& s, const HitSink& sink)
        : anagram_(anagram),
          inWords_(s.mode != SearchMode::Definitions),
          inDefinitions_(s.mode != SearchMode::Words),
          wordOnly_(anagram || !inDefinitions_),
          mask_(maskOrQuery, s),
          anagramMatcher_(maskOrQuery, s.equivalences),
          sink_(sink) {}

    // The mask's key, when only lines that hold it (or need normalising) can hit.
    std::optional<MaskMatcher::LineKey> LineKey() const {
        if (!wordOnly_ || anagram_) return std::nullopt;
        return mask_.KeyForLines();
    }

    // The key of a search in definitions alone, where only lines with a run
    // that may fit can hit.
    std::optional<MaskMatcher::LineKey> RunKey() const {
        if (anagram_ || inWords_) return std::nullopt;
        return mask_.KeyForRuns();
    }
    bool MayFitRunAt(std::string_view text, std::size_t start) const { return mask_.MayFitRunAt(text, start); }

    void Line(std::string_view line) {
        if (line.empty()) return;
        // Normalising leaves the word of a line alone unless the line starts
        // with a capital Russian letter, so a word-only test can reject such a
        // line before any normalising. Most lines of a pass end at the first
        // look, so that much stays small enough to inline into the line loop.
        if (wordOnly_ && !IsUpperRussian(line[0])) {
            if (anagram_ || mask_.MayMatchLineWord(line)) WordOnlyLine(line);
            return;
        }
        AnyLine(line);
    }

private:
    [[gnu::noinline]] void WordOnlyLine(std::string_view line) {
        if (anagram_ ? !anagramMatcher_.Match(line) : !mask_.MatchLineWord(line)) return;
        sink_(Normalised(line));
    }

    [[gnu::noinline]] void AnyLine(std::string_view line) {
        line = Normalised(line);
        if (anagram_) {
            if (anagramMatcher_.Match(line)) sink_(line);
            return;
        }
        // A line that fits both ways is one hit, not two.
        if ((inWords_ && mask_.Match(WordPart(line))) ||
            (inDefinitions_ && mask_.ForEachFittingRun(DefinitionPart(line), [](std::string_view) { return false; })))
            sink_(line);
    }

    std::string_view Normalised(std::string_view line) {
        if (IsDictionaryForm(line)) return line;
        scratch_.assign(line);
        NormaliseLineInPlace(scratch_);
        return scratch_;
    }

    const bool anagram_;
    const bool inWords_;
    const bool inDefinitions_;
    const bool wordOnly_;
    const MaskMatcher mask_;
    AnagramMatcher anagramMatcher_;
    const HitSink& sink_;
    std::string scratch_;
};

}  // namespace

void SearchDictionary(std::string_view maskOrQuery, bool anagram, std::vector<std::string>& lines,
                      const SearchSettings& s, const HitSink& sink) {
    DictionaryPass pass(maskOrQuery, anagram, s, sink);
    for (std::string& slot : lines) {
        std::string line;
        line.swap(slot);   // the slot keeps no memory; `line` frees it after this step
        pass.Line(line);
    }
}

void SearchDictionaryText(std::string_view maskOrQuery, bool anagram, std::string_view text,
                          const SearchSettings& s, const HitSink& sink) {
    DictionaryPass pass(maskOrQuery, anagram, s, sink);
    const auto line = [&pass](std::string_view l) { pass.Line(l); };
    if (const auto key = pass.RunKey()) {
        const auto mayFit = [&](std::size_t at) {
            return at >= key->position && pass.MayFitRunAt(text, at - key->position);
        };
        ForEachLineWithKeyByte(text, key->bytes.data(), key->count, mayFit, line);
    } else if (const auto key = pass.LineKey())
        ForEachLineWithKey(text, key->position, key->bytes.data(), key->count, line);
    else
        ForEachNonEmptyTextLine(text, line);
}

}  // namespace vellumar
