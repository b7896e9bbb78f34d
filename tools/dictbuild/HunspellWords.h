#pragma once
// The general dictionary's words from a hunspell word list (UTF-8): a count line,
// then one stem per line with its affix flags after a "/".

#include "tools/dictbuild/SourceStats.h"
#include "tools/pack/DictionaryPacker.h"

#include <string_view>

namespace vellumar::dictbuild {

// Every stem of 2..22 Russian letters, lower-cased; all-capital abbreviations are
// left out, proper names kept.
void CollectHunspellWords(std::string_view utf8Text, pack::DictionaryCollector& collector, SourceStats& stats);

}  // namespace vellumar::dictbuild
