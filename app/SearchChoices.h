#pragma once
// The choices of the page "Поиск" that outlive the program: where to search,
// what the mask stands for, and the text file searched last. They live in the
// settings file, section "Search"; a file without them gives the defaults.

#include <string>

#include "engine/Match.h"

namespace vellumar {

enum class SearchPlace { Words, Definitions, WordsAndDefinitions, File };

struct SearchChoices {
    SearchPlace where = SearchPlace::Words;
    MaskPart part = MaskPart::Whole;
    std::string file;   // as the file system names it

    bool operator==(const SearchChoices&) const = default;
};

// Never fails: a missing or unknown value takes its default.
SearchChoices ReadSearchChoices();

// Throws EIniFileException "Unable to write to <path>" when a value can't be written.
void WriteSearchChoices(const SearchChoices& choices);

// The mode of a dictionary search for a place other than File.
SearchMode ModeFor(SearchPlace where);

// The words the settings file and the command line use for the choices:
// words, definitions, both, file; whole, begin, end, any. False for an unknown word.
const char* PlaceName(SearchPlace where);
bool PlaceFromName(const std::string& name, SearchPlace& where);
const char* PartName(MaskPart part);
bool PartFromName(const std::string& name, MaskPart& part);

}  // namespace vellumar
