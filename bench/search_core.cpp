// The search core over the bundled dictionaries in the program folder, and the
// result list's length and weight orders on 20 000 entries.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/ArchiveMembers.h"
#include "app/Catalogue.h"
#include "app/ResultOrder.h"
#include "app/SearchRun.h"
#include "engine/Letters.h"
#include "engine/Messages.h"

namespace {

using namespace vellumar;

const DictionaryCatalogue& Bundled() {
    static const DictionaryCatalogue catalogue = [] {
        DictionaryCatalogue c = ScanDictionaries(VELLUMAR_BIN_DIR);
        // Only the two bundled archives, whatever else lies in the folder.
        c.erase(std::remove_if(c.begin(), c.end(), [](const DictionaryEntry& e) { return !e.IsArchive(); }),
                c.end());
        return c;
    }();
    return catalogue;
}

// The spelling dictionary alone: the words the grep comparison searches.
const DictionaryCatalogue& SpellingOnly() {
    static const DictionaryCatalogue catalogue = [] {
        DictionaryCatalogue c = Bundled();
        c.erase(std::remove_if(c.begin(), c.end(),
                               [](const DictionaryEntry& e) {
                                   return e.FilePath().size() < 12 ||
                                          e.FilePath().compare(e.FilePath().size() - 12, 12, "spelling.dic") != 0;
                               }),
                c.end());
        return c;
    }();
    return catalogue;
}

// A search as the command-line tool makes it, every member expanded afresh
// (`cold`), or as the window repeats it, from the expanded members it keeps.
void Search(benchmark::State& state, QueryKind kind, std::string_view text,
            const DictionaryCatalogue& catalogue = Bundled(), const SearchSettings& settings = {},
            bool cold = true) {
    if (catalogue.empty()) {
        state.SkipWithError("no bundled dictionaries in " VELLUMAR_BIN_DIR);
        return;
    }
    SetMessageHandler([](const std::string&) {});
    std::size_t found = 0;
    MemberCache().Clear();
    for (auto _ : state) {
        if (cold) MemberCache().Clear();
        const SearchOutcome outcome = RunSearch(catalogue, kind, text, settings);
        found = outcome.entries.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    state.counters["dictionaries"] = static_cast<double>(catalogue.size());
}

// Five letters, two known.
void BM_FiveLetterMask(benchmark::State& state) { Search(state, QueryKind::Mask, Cp1251<"К  Т ">); }
void BM_FiveLetterMaskSpellingOnly(benchmark::State& state) {
    Search(state, QueryKind::Mask, Cp1251<"К  Т ">, SpellingOnly());
}
// Only expanding the member that mask reads, for comparison with the whole search.
void BM_ExpandSpellingFiveLetterMember(benchmark::State& state) {
    if (SpellingOnly().empty()) {
        state.SkipWithError("no spelling.dic");
        return;
    }
    for (auto _ : state) {
        MemberCache().Clear();
        const LoadedMembers members = LoadArchiveMembers(SpellingOnly().front().FilePath(), {LengthMemberName(5)});
        benchmark::DoNotOptimize(members.texts.front()->data());
    }
}
// Every member of both dictionaries: words whose definitions hold a word that
// fits, and words that hold the mask anywhere.
SearchSettings With(SearchMode mode, MaskPart part) {
    SearchSettings s;
    s.mode = mode;
    s.part = part;
    return s;
}
void BM_DefinitionsMask(benchmark::State& state) {
    Search(state, QueryKind::Mask, Cp1251<"К  Т ">, Bundled(), With(SearchMode::Definitions, MaskPart::Whole),
           state.range(0) != 0);
}
void BM_AnyPartMask(benchmark::State& state) {
    Search(state, QueryKind::Mask, Cp1251<"К Т">, Bundled(), With(SearchMode::Words, MaskPart::Any),
           state.range(0) != 0);
}
// Seven open cells: every seven-letter word.
void BM_SevenBlankMask(benchmark::State& state) { Search(state, QueryKind::Mask, "       "); }
// An eight-letter anagram.
void BM_EightLetterAnagram(benchmark::State& state) {
    Search(state, QueryKind::Anagram, Cp1251<"апельсин">);
}

// 20 000 real entries of several lengths in alphabetical order, as a search leaves them.
const std::vector<std::string>& SortInput() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> all;
        for (const DictionaryEntry& e : Bundled())
            for (int length = 4; length <= 12; ++length) {
                std::vector<std::string> lines;
                try {
                    lines = ReadArchiveMemberLines(e.FilePath(), LengthMemberName(static_cast<std::size_t>(length)));
                } catch (const std::exception&) {
                }
                for (std::string& line : lines) all.push_back(NormaliseLine(line));
            }
        std::mt19937 rng(42);
        std::shuffle(all.begin(), all.end(), rng);
        if (all.size() > 25000) all.resize(25000);
        SortAlphabetical(all);
        MergeDuplicateWords(all);
        if (all.size() > 20000) all.resize(20000);
        return all;
    }();
    return entries;
}

template <void (*Sort)(std::vector<std::string>&)>
void SortBench(benchmark::State& state) {
    if (SortInput().size() < 20000) {
        state.SkipWithError("too few entries in the bundled dictionaries");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> entries = SortInput();
        state.ResumeTiming();
        Sort(entries);
        benchmark::DoNotOptimize(entries.data());
    }
    state.counters["entries"] = static_cast<double>(SortInput().size());
}

void BM_SortByLength20000(benchmark::State& state) { SortBench<SortByLength>(state); }
void BM_SortByWeight20000(benchmark::State& state) { SortBench<SortByWeight>(state); }

}  // namespace

BENCHMARK(BM_FiveLetterMask)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiveLetterMaskSpellingOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandSpellingFiveLetterMember)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SevenBlankMask)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EightLetterAnagram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefinitionsMask)->ArgName("cold")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnyPartMask)->ArgName("cold")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByLength20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByWeight20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
