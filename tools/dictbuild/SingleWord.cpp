#include "tools/dictbuild/SingleWord.h"

#include "engine/Letters.h"
#include "tools/cli/Encoding.h"
#include "tools/pack/DictionaryPacker.h"

#include <algorithm>

namespace vellumar::dictbuild {

std::optional<std::string> SingleRussianWord(std::string_view utf8, bool dropAbbreviations, SourceStats& stats) {
    std::optional<std::string> word = cli::Utf8ToCp1251(std::string(utf8));
    if (!word) {
        ++stats.unconvertible;
        return std::nullopt;
    }
    if (word->empty() || !std::all_of(word->begin(), word->end(), IsRussianLetter)) {
        ++stats.notRussian;
        return std::nullopt;
    }
    if (word->size() < static_cast<std::size_t>(pack::MinWordLength) ||
        word->size() > static_cast<std::size_t>(pack::MaxWordLength)) {
        ++stats.wrongLength;
        return std::nullopt;
    }
    if (dropAbbreviations && std::all_of(word->begin(), word->end(), IsUpperRussian)) {
        ++stats.abbreviations;
        return std::nullopt;
    }
    return LowerString(*word);
}

}  // namespace vellumar::dictbuild
