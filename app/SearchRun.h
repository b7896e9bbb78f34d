#pragma once
// A search over the checked dictionaries of the catalogue, from the query to
// the final result list, shared by the window and the command-line tool.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Catalogue.h"
#include "engine/Match.h"

namespace vellumar {

enum class QueryKind {
    Mask,      // the letter grid: a mask made by MaskFromCells
    Word,      // the word lookup: upper-case letters and blanks
    Anagram,   // the anagram query: upper-case letters only
};

// One byte per cell: an empty cell or a cell that does not start with a
// Russian letter gives a blank, any other cell its first byte.
std::string MaskFromCells(const std::vector<std::string>& cells);

// The position of the first byte that a query of `kind` may not hold (after
// UpperString), or nothing when every byte passes. Masks are never rejected.
std::optional<std::size_t> FindInvalidQueryByte(QueryKind kind, std::string_view upperQuery);

// Told after each searched dictionary: how many are done of how many.
using SearchProgress = std::function<void(std::size_t done, std::size_t total)>;

struct SearchOutcome {
    enum class Status { Done, Rejected, OutOfMemory };
    Status status = Status::Done;
    std::string query;               // the mask or the upper-cased query searched for
    std::optional<std::size_t> rejectedAt;   // the offending byte of a rejected query
    bool noDictionaries = false;     // the catalogue was empty
    bool unreadableFile = false;     // the text file searched instead could not be read
    std::size_t searched = 0;        // dictionaries searched
    // The result list: alphabetical and merged when Done; what was found
    // until memory ran out when OutOfMemory; empty when Rejected.
    std::vector<std::string> entries;
};

// Runs a search. A Word or Anagram `text` is upper-cased and checked first; a
// rejected query is reported with its two-line message. Each checked entry is
// loaded (unreadable ones are reported and skipped) and searched in catalogue
// order. "Nothing found" is left to the caller, which shows it in its own
// place (texts::NothingFound). Throws EConvertError when the weight filter's
// value is no number.
SearchOutcome RunSearch(const DictionaryCatalogue& catalogue, QueryKind kind, std::string_view text,
                        const SearchSettings& settings, const SearchProgress& progress = {});

// RunSearch over ScanDictionaries(directory) with every entry checked, for a
// caller that shows no titles: each file is taken for an archive or for plain
// text as ScanDictionaries takes it, but with no title kept, and an archive is
// opened once for that and for its member.
SearchOutcome RunSearchInDirectory(const std::string& directory, QueryKind kind, std::string_view text,
                                   const SearchSettings& settings);
// The same over the union of several directories (ScanDictionaries).
SearchOutcome RunSearchInDirectories(const std::vector<std::string>& directories, QueryKind kind,
                                     std::string_view text, const SearchSettings& settings);

// The mask searched for in the text file at `path` instead of the dictionaries,
// under the settings' mask part and weight filter (the place to search in is
// the file): each distinct fitting word once, lower-cased, as an entry without
// definition, in alphabetical order. The file is read as UTF-8 or cp1251 as
// TextFileDecoder tells. An unreadable file is reported and gives nothing.
SearchOutcome RunFileSearch(std::string_view mask, const std::string& path, const SearchSettings& settings);

}  // namespace vellumar
