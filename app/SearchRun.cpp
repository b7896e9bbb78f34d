#include "app/SearchRun.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <new>

#include "app/AppMessages.h"
#include "app/LineBatches.h"
#include "app/ResultOrder.h"
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

void SearchPlainText(const std::string& path, const TextSearch& search) {
    if (!ForEachFileTextChunk(path, true, search)) ShowMessage(texts::CannotReadPlainText);
}

// A search around the reading of its dictionaries: the query check, the message
// when there are none, the merge and the stop when memory runs out. `readAll`
// hands the text of each dictionary to search to `search`, given the length of
// the member that holds the query's words, and counts each in `searched`.
template <class ReadAll>
SearchOutcome Run(QueryKind kind, std::string_view text, const SearchSettings& settings, bool haveDictionaries,
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
        readAll(outcome.query.size(), search, outcome.searched);
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
    const auto readAll = [&](std::size_t length, const TextSearch& search, std::size_t& searched) {
        const std::size_t total =
            static_cast<std::size_t>(std::count_if(catalogue.begin(), catalogue.end(),
                                                   [](const DictionaryEntry& e) { return e.checked; }));
        for (const DictionaryEntry& entry : catalogue) {
            if (!entry.checked) continue;
            if (entry.IsArchive()) {
                search(LoadArchiveMemberText(entry, length));
            } else {
                SearchPlainText(entry.FilePath(), search);
            }
            ++searched;
            if (progress) progress(searched, total);
        }
    };
    return Run(kind, text, settings, !catalogue.empty(), readAll);
}

SearchOutcome RunSearchInDirectory(const std::string& directory, QueryKind kind, std::string_view text,
                                   const SearchSettings& settings) {
    return RunSearchInDirectories({directory}, kind, text, settings);
}

SearchOutcome RunSearchInDirectories(const std::vector<std::string>& directories, QueryKind kind,
                                     std::string_view text, const SearchSettings& settings) {
    const std::vector<std::string> paths = DictionaryFilePaths(directories);
    const auto readAll = [&](std::size_t length, const TextSearch& search, std::size_t& searched) {
        for (const std::string& path : paths) {
            if (const std::unique_ptr<TStream> archive = OpenTitledArchive(path)) {
                search(LoadArchiveMemberText(*archive, length));
            } else {
                SearchPlainText(path, search);
            }
            ++searched;
        }
    };
    return Run(kind, text, settings, !paths.empty(), readAll);
}

}  // namespace vellumar
