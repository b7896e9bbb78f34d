#pragma once
// The synonyms dictionary's lines from a thesaurus in the .dat form (UTF-8): an
// encoding line, then per headword "word|n" and n sense lines "(kind)|syn|syn...".

#include "tools/dictbuild/SourceStats.h"
#include "tools/pack/DictionaryPacker.h"

#include <string_view>

namespace vellumar::dictbuild {

// One line per synonym sense of every single-word headword of 2..22 Russian
// letters: the headword, a blank, then its synonyms joined by ", " (cut after a
// whole synonym so that the stored definition fits 1024 bytes). Antonym and
// related-term senses are left out.
void CollectThesaurusSenses(std::string_view utf8Text, pack::DictionaryCollector& collector, SourceStats& stats);

}  // namespace vellumar::dictbuild
