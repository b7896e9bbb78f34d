#pragma once
// What a dictionary source gave and what was left out of it, for the build log.

#include <cstddef>
#include <ostream>

namespace vellumar::dictbuild {

struct SourceStats {
    std::size_t entries = 0;        // words of the word list, senses of the thesaurus
    std::size_t taken = 0;          // handed to the packer
    std::size_t notRussian = 0;     // hold something other than Russian letters (digits, hyphens, blanks...)
    std::size_t wrongLength = 0;    // outside 2..22 letters
    std::size_t abbreviations = 0;  // all capitals
    std::size_t unconvertible = 0;  // characters cp1251 cannot hold
    std::size_t otherSenses = 0;    // thesaurus senses that are not synonyms (antonyms, related terms)
};

inline std::ostream& operator<<(std::ostream& out, const SourceStats& s) {
    return out << s.entries << " entries, " << s.taken << " taken; left out: " << s.notRussian
               << " not only Russian letters, " << s.wrongLength << " of the wrong length, " << s.abbreviations
               << " abbreviations, " << s.unconvertible << " not in cp1251, " << s.otherSenses
               << " senses that are no synonyms";
}

}  // namespace vellumar::dictbuild
