#include "app/SearchRun.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <unordered_set>

#include "app/AppMessages.h"
#include "app/ArchiveMembers.h"
#include "app/LineBatches.h"
#include "app/ResultOrder.h"
#include "app/TextFileEncoding.h"
#include "app/Utf8.h"
#include "archive/Stream.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "engine/Search.h"

namespace vellumar {

std::string MaskFromCells(const std::vector<std::string>& cells) {
    std::string mask;
    mask.reserve(cells.size());
    for (const std::string& cell : cells)
        mask += (!cell.empty() && IsRussianLetter(cell.front())) ? cell.front() : ' ';
    return mask;
}

std::optional<std::size_t> FindInvalidQueryByte(QueryKind kind, std::string_view upperQuery) {
    if (kind == QueryKind::Mask) return std::nullopt;
    for (std::size_t i = 0; i < upperQuery.size(); ++i) {
        const char c = upperQuery[i];
        if (IsUpperRussian(c)) continue;
        if (kind == QueryKind::Word && c == ' ') continue;
        return i;
    }
    return std::nullopt;
}

namespace {

using TextSearch = std::function<void(std::string_view)>;
using MemberNames = std::vector<std::string>;

void SearchPlainText(const std::string& path, const TextSearch& search) {
    if (!ForEachFileTextChunk(path, true, search)) ShowMessage(texts::CannotReadPlainText);
}

void SearchArchive(const std::string& path, const MemberNames& names, const TextSearch& search, TStream* open) {
    if (LoadArchiveMembers(path, names, open, search).failed) ShowMessage(texts::CannotReadArchive);
}

// The word-length members that hold every word the search can find: the
// mask's length for a whole word; that length and longer when the mask is a
// part of a word; every length when definitions are searched, since a word of
// a definition says nothing of the length of the entry's word.
MemberNames MembersToRead(std::size_t maskLength, const SearchSettings& s) {
    std::size_t first = maskLength, last = maskLength;
    if (s.mode != SearchMode::Words) {
        first = MinMemberWordLength;
        last = MaxMemberWordLength;
    } else if (s.part != MaskPart::Whole) {
        last = std::max(maskLength, MaxMemberWordLength);
    }
    MemberNames names;
    for (std::size_t length = first; length <= last; ++length) names.push_back(LengthMemberName(length));
    return names;
}

// A search around the reading of its dictionaries: the query check, the message
// when there are none, the merge and the stop when memory runs out. `readAll`
// hands the text of each dictionary to search to `search`, given the names of
// the members to read from an archive, and counts each in `searched`.
template <class ReadAll>
SearchOutcome Run(QueryKind kind, std::string_view text, SearchSettings settings, bool haveDictionaries,
                  ReadAll readAll) {
    SearchOutcome outcome;
    outcome.query = kind == QueryKind::Mask ? std::string(text) : UpperString(text);
    if (const auto bad = FindInvalidQueryByte(kind, outcome.query)) {
        outcome.status = SearchOutcome::Status::Rejected;
        outcome.rejectedAt = bad;
        ShowMessage(kind == QueryKind::Anagram ? texts::BadAnagramQuery : texts::BadWordQuery);
        return outcome;
    }
    const bool anagram = kind == QueryKind::Anagram;
    // The word lookup and the anagrams look for whole words.
    if (kind != QueryKind::Mask) {
        settings.mode = SearchMode::Words;
        settings.part = MaskPart::Whole;
    }

    if (!haveDictionaries) {
        outcome.noDictionaries = true;
        ShowMessage(texts::NoDictionaries);
        return outcome;
    }

    std::vector<std::string>& hits = outcome.entries;
    try {
        const HitSink sink = [&hits](std::string_view line) { hits.emplace_back(line); };
        const TextSearch search = [&](std::string_view text) {
            SearchDictionaryText(outcome.query, anagram, text, settings, sink);
        };
        readAll(MembersToRead(outcome.query.size(), settings), search, outcome.searched);
        SortAlphabetical(hits);
        MergeDuplicateWords(hits);
    } catch (const std::bad_alloc&) {
        outcome.status = SearchOutcome::Status::OutOfMemory;
        SortAlphabetical(hits);
        ShowMessage(texts::OutOfMemory);
    }
    return outcome;
}

}  // namespace

SearchOutcome RunSearch(const DictionaryCatalogue& catalogue, QueryKind kind, std::string_view text,
                        const SearchSettings& settings, const SearchProgress& progress) {
    const auto readAll = [&](const MemberNames& names, const TextSearch& search, std::size_t& searched) {
        const std::size_t total =
            static_cast<std::size_t>(std::count_if(catalogue.begin(), catalogue.end(),
                                                   [](const DictionaryEntry& e) { return e.checked; }));
        for (const DictionaryEntry& entry : catalogue) {
            if (!entry.checked) continue;
            if (entry.IsArchive()) {
                SearchArchive(entry.FilePath(), names, search, nullptr);
            } else {
                SearchPlainText(entry.FilePath(), search);
            }
            ++searched;
            if (progress) progress(searched, total);
        }
    };
    return Run(kind, text, settings, !catalogue.empty(), readAll);
}

namespace {

// A path as the user reads it: the file system's names are UTF-8, messages cp1251.
std::string PathForMessage(const std::string& path) {
    if (!IsValidUtf8(path)) return path;
    std::string text;
    Utf8ToCp1251Decoder()(path, true, text);
    return text;
}

}  // namespace

SearchOutcome RunFileSearch(std::string_view mask, const std::string& path, const SearchSettings& settings) {
    SearchOutcome outcome;
    outcome.query = std::string(mask);
    // Looked up by the view of each word found, so that a repeat costs no copy.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view word) const { return std::hash<std::string_view>{}(word); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> words;
    // The words found so far become the result list, alphabetical.
    const auto take = [&] {
        for (auto it = words.begin(); it != words.end();) outcome.entries.push_back(std::move(words.extract(it++).value()));
        SortAlphabetical(outcome.entries);
    };
    try {
        const WordSink keep = [&words](std::string_view word) {
            if (words.find(word) == words.end()) words.emplace(word);
        };
        outcome.unreadableFile = !SearchFile(outcome.query, path, settings, keep, TextFileDecoder());
        outcome.searched = outcome.unreadableFile ? 0 : 1;
        if (outcome.unreadableFile) ShowMessage(std::string(CannotReadFileMessage()) + PathForMessage(path));
        take();
    } catch (const std::bad_alloc&) {
        outcome.status = SearchOutcome::Status::OutOfMemory;
        take();
        ShowMessage(texts::OutOfMemory);
    }
    return outcome;
}

SearchOutcome RunSearchInDirectory(const std::string& directory, QueryKind kind, std::string_view text,
                                   const SearchSettings& settings) {
    return RunSearchInDirectories({directory}, kind, text, settings);
}

SearchOutcome RunSearchInDirectories(const std::vector<std::string>& directories, QueryKind kind,
                                     std::string_view text, const SearchSettings& settings) {
    const std::vector<std::string> paths = DictionaryFilePaths(directories);
    const auto readAll = [&](const MemberNames& names, const TextSearch& search, std::size_t& searched) {
        for (const std::string& path : paths) {
            if (const std::unique_ptr<TStream> archive = OpenTitledArchive(path)) {
                SearchArchive(path, names, search, archive.get());
            } else {
                SearchPlainText(path, search);
            }
            ++searched;
        }
    };
    return Run(kind, text, settings, !paths.empty(), readAll);
}

}  // namespace vellumar
