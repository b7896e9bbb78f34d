#include "app/SearchRun.h"

#include <algorithm>
#include <new>

#include "app/AppMessages.h"
#include "app/LineBatches.h"
#include "app/ResultOrder.h"
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

SearchOutcome RunSearch(const DictionaryCatalogue& catalogue, QueryKind kind, std::string_view text,
                        const SearchSettings& settings, const SearchProgress& progress) {
    SearchOutcome outcome;
    outcome.query = kind == QueryKind::Mask ? std::string(text) : UpperString(text);
    if (const auto bad = FindInvalidQueryByte(kind, outcome.query)) {
        outcome.status = SearchOutcome::Status::Rejected;
        outcome.rejectedAt = bad;
        ShowMessage(kind == QueryKind::Anagram ? texts::BadAnagramQuery : texts::BadWordQuery);
        return outcome;
    }
    const bool anagram = kind == QueryKind::Anagram;

    if (catalogue.empty()) {
        outcome.noDictionaries = true;
        ShowMessage(texts::NoDictionaries);
        return outcome;
    }

    std::vector<std::string>& hits = outcome.entries;
    try {
        const std::size_t total =
            static_cast<std::size_t>(std::count_if(catalogue.begin(), catalogue.end(),
                                                   [](const DictionaryEntry& e) { return e.checked; }));
        const HitSink sink = [&hits](std::string_view line) { hits.emplace_back(line); };
        for (const DictionaryEntry& entry : catalogue) {
            if (!entry.checked) continue;
            const auto search = [&](std::string_view text) {
                SearchDictionaryText(outcome.query, anagram, text, settings, sink);
            };
            if (entry.IsArchive()) {
                search(LoadArchiveMemberText(entry, outcome.query.size()));
            } else if (!ForEachFileTextChunk(entry.FilePath(), true, search)) {
                ShowMessage(texts::CannotReadPlainText);
            }
            ++outcome.searched;
            if (progress) progress(outcome.searched, total);
        }
        SortAlphabetical(hits);
        MergeDuplicateWords(hits);
    } catch (const std::bad_alloc&) {
        outcome.status = SearchOutcome::Status::OutOfMemory;
        SortAlphabetical(hits);
        ShowMessage(texts::OutOfMemory);
    }
    return outcome;
}

}  // namespace vellumar
