// The engine's per-line work over one million generated dictionary lines:
// normalising, and a whole SearchDictionary pass with a five-letter mask.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "engine/Letters.h"
#include "engine/Search.h"

namespace {

using namespace vellumar;

constexpr std::size_t kLines = 1'000'000;

// Lower-case letters, each with how often it comes roughly in Russian text.
constexpr std::string_view kPoolLetters = Cp1251<"оеаинтсрвлкмдпуяыьгзбчйхжшюцщэфъё">;
constexpr int kPoolWeights[] = {11, 8, 8, 7, 7, 6, 5, 5, 4, 4, 3, 3, 3, 3, 3, 2, 2,
                                2,  2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
static_assert(std::size(kPoolWeights) == kPoolLetters.size());

// The letters with repeats by their weights.
const std::string& LetterPool() {
    static const std::string pool = [] {
        std::string p;
        for (std::size_t i = 0; i < kPoolLetters.size(); ++i)
            p.append(static_cast<std::size_t>(kPoolWeights[i]), kPoolLetters[i]);
        return p;
    }();
    return pool;
}

std::string RandomWord(std::mt19937& rng, std::size_t length) {
    const std::string& pool = LetterPool();
    std::string word(length, ' ');
    for (char& c : word) c = pool[rng() % pool.size()];
    return word;
}

// A word and a definition of a few words. Most lines are stored in dictionary
// form; one in five is in the messy form a user types: upper-case word, a
// blank before the definition, blanks around signs, doubled blanks.
std::string RandomLine(std::mt19937& rng, std::size_t wordLength) {
    const bool messy = rng() % 5 == 0;
    std::string word = RandomWord(rng, wordLength);
    std::string line = messy ? UpperString(word) + " " : word;
    const int words = 2 + static_cast<int>(rng() % 5);
    for (int i = 0; i < words; ++i) {
        std::string w = RandomWord(rng, 2 + rng() % 9);
        if (i == 0) w[0] = UpperChar(w[0]);
        line += w;
        if (i + 1 == words) break;
        const unsigned sign = rng() % 8;
        if (sign == 0) line += messy ? " , " : ",";
        else if (sign == 1 && messy) line += "  ";
        else line += ' ';
    }
    if (rng() % 6 == 0) {
        line.append(messy ? " ( " : "(");
        line.append(RandomWord(rng, 5));
        line.append(messy ? " )" : ")");
    }
    return line;
}

// Lines of every length from 3 to 12 letters, or only of five letters as in
// the member that a five-letter search actually loads.
const std::vector<std::string>& Dictionary(bool fiveLettersOnly) {
    static const auto build = [](bool five) {
        std::mt19937 rng(20240601);
        std::vector<std::string> lines;
        lines.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i) lines.push_back(RandomLine(rng, five ? 5 : 3 + rng() % 10));
        return lines;
    };
    static const std::vector<std::string> mixed = build(false);
    static const std::vector<std::string> five = build(true);
    return fiveLettersOnly ? five : mixed;
}

std::int64_t TotalBytes(const std::vector<std::string>& lines) {
    std::int64_t bytes = 0;
    for (const auto& line : lines) bytes += static_cast<std::int64_t>(line.size());
    return bytes;
}

void BM_NormaliseLine(benchmark::State& state) {
    const auto& lines = Dictionary(false);
    for (auto _ : state) {
        for (const auto& line : lines) benchmark::DoNotOptimize(NormaliseLine(line));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.SetBytesProcessed(state.iterations() * TotalBytes(lines));
}
BENCHMARK(BM_NormaliseLine)->Unit(benchmark::kMillisecond);

// Lines already in dictionary form, normalised in place: the cost of the check alone.
void BM_NormaliseLineInPlace_DictionaryForm(benchmark::State& state) {
    std::vector<std::string> lines = Dictionary(false);
    for (auto& line : lines) NormaliseLineInPlace(line);
    for (auto _ : state) {
        for (auto& line : lines) NormaliseLineInPlace(line);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.SetBytesProcessed(state.iterations() * TotalBytes(lines));
}
BENCHMARK(BM_NormaliseLineInPlace_DictionaryForm)->Unit(benchmark::kMillisecond);

// The whole pass: each line taken out of the list, normalised, matched, and
// the hits counted. Refilling the list is not timed.
void SearchPass(benchmark::State& state, bool fiveLettersOnly) {
    const auto& source = Dictionary(fiveLettersOnly);
    const std::string mask(Cp1251<"К   А">);   // five letters, two known
    const SearchSettings settings;
    std::size_t hits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> lines = source;
        hits = 0;
        state.ResumeTiming();
        SearchDictionary(mask, false, lines, settings, [&hits](std::string_view) { ++hits; });
        state.PauseTiming();
        lines = {};
        state.ResumeTiming();
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(source.size()));
}

void BM_SearchDictionary_AllLengths(benchmark::State& state) { SearchPass(state, false); }
void BM_SearchDictionary_FiveLetterMember(benchmark::State& state) { SearchPass(state, true); }
BENCHMARK(BM_SearchDictionary_AllLengths)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SearchDictionary_FiveLetterMember)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same pass over the expanded member as one text, as a search runs it.
void BM_SearchDictionaryText_FiveLetterMember(benchmark::State& state) {
    std::string text;
    for (const std::string& line : Dictionary(true)) text += line + "\r\n";
    const std::string mask(Cp1251<"К   А">);
    const SearchSettings settings;
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = 0;
        SearchDictionaryText(mask, false, text, settings, [&hits](std::string_view) { ++hits; });
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLines));
}
BENCHMARK(BM_SearchDictionaryText_FiveLetterMember)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
