// A large dictionary and a large text, generated here (not kept in the
// repository): a 50 MB archive with long definitions, searched in its
// definitions for the first time and again, and a 100 MB UTF-8 text searched
// instead of the dictionaries. The generated files stay in the build folder
// for the next run.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/ArchiveMembers.h"
#include "app/Catalogue.h"
#include "app/SearchRun.h"
#include "engine/Cp1251Literal.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "engine/TextLines.h"
#include "tools/cli/Encoding.h"
#include "tools/pack/DictionaryPacker.h"

namespace {

using namespace vellumar;

constexpr std::int64_t kArchiveBytes = std::int64_t{50} << 20;
constexpr std::int64_t kTextBytes = std::int64_t{100} << 20;
const std::filesystem::path kFolder = std::filesystem::path(VELLUMAR_BIN_DIR) / ".." / "bench" / "generated";

// The words of the bundled spelling dictionary.
const std::vector<std::string>& Vocabulary() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> all;
        std::vector<std::string> names;
        for (std::size_t n = MinMemberWordLength; n <= MaxMemberWordLength; ++n) names.push_back(LengthMemberName(n));
        const LoadedMembers members = LoadArchiveMembers(std::string(VELLUMAR_BIN_DIR) + "/spelling.dic", names);
        for (const MemberText& text : members.texts)
            if (text)
                for (const std::string& line : SplitTextLines(*text)) all.emplace_back(WordPart(line));
        MemberCache().Clear();
        return all;
    }();
    return words;
}

// A definition of 30 to 120 words in sentences, as explanatory dictionaries write them.
std::string Definition(std::mt19937& rng) {
    const std::vector<std::string>& words = Vocabulary();
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1), count(30, 120), sign(0, 9);
    std::string text;
    bool capital = true;
    for (std::size_t i = 0, n = count(rng); i < n; ++i) {
        std::string word = words[pick(rng)];
        if (capital) word.front() = UpperChar(word.front());
        capital = false;
        text += word;
        const std::size_t s = sign(rng);
        text += s == 0 ? ". " : s == 1 ? ", " : s == 2 ? "; " : " ";
        capital = s == 0;
    }
    return text;
}

std::string Generated(const char* name) { return (kFolder / name).string(); }

// The archive, made once: lines of a random word and its definition, packed
// with LH5 as the dictionary builder packs, until the archive is 50 MB.
const std::string& LargeArchive() {
    static const std::string path = [] {
        const std::string file = Generated("definitions-50mb.dic");
        if (std::filesystem::exists(file) && std::filesystem::file_size(file) >= kArchiveBytes) return file;
        std::filesystem::create_directories(kFolder);
        // How much text makes 50 MB: packed from a sample first.
        std::mt19937 rng(2026);
        const std::vector<std::string>& words = Vocabulary();
        std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
        const auto fill = [&](pack::DictionaryCollector& collector, std::int64_t bytes) {
            for (std::int64_t made = 0; made < bytes;) {
                const std::string line = words[pick(rng)] + Definition(rng);
                made += static_cast<std::int64_t>(line.size()) + 2;
                collector.Add(line);
            }
        };
        pack::DictionaryCollector sample;
        fill(sample, std::int64_t{2} << 20);
        pack::ArchiveWriter sampleWriter(MethodLH5);
        sample.WriteTo(sampleWriter, "sample");
        const double ratio = static_cast<double>(sampleWriter.Bytes().size()) / static_cast<double>(2 << 20);
        pack::DictionaryCollector collector;
        fill(collector, static_cast<std::int64_t>(static_cast<double>(kArchiveBytes) / ratio * 1.02));
        pack::ArchiveWriter writer(MethodLH5);
        collector.WriteTo(writer, Cp1251<"Большой толковый словарь">);
        writer.WriteFile(file);
        return file;
    }();
    return path;
}

// The text, made once: sentences of the vocabulary in UTF-8 with every kind of line end.
const std::string& LargeText() {
    static const std::string path = [] {
        const std::string file = Generated("text-100mb-utf8.txt");
        if (std::filesystem::exists(file) && std::filesystem::file_size(file) >= kTextBytes) return file;
        std::filesystem::create_directories(kFolder);
        std::ofstream out(file, std::ios::binary);
        out << "\xEF\xBB\xBF";
        std::mt19937 rng(7);
        const char* breaks[] = {"\r\n", "\n", "\r"};
        for (std::int64_t made = 0; made < kTextBytes;) {
            const std::string line = cli::Cp1251ToUtf8(Definition(rng)) + breaks[rng() % 3];
            out << line;
            made += static_cast<std::int64_t>(line.size());
        }
        return file;
    }();
    return path;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

SearchSettings InDefinitions() {
    SearchSettings s;
    s.mode = SearchMode::Definitions;
    return s;
}

// The first search expands every member; the next ones find them kept.
void DefinitionsSearch(benchmark::State& state, bool first) {
    DictionaryCatalogue catalogue(1);
    catalogue[0].path = " " + LargeArchive();
    SetMessageHandler([](const std::string&) {});
    MemberCache().Clear();
    if (!first) RunSearch(catalogue, QueryKind::Mask, Cp1251<"К  Т ">, InDefinitions());
    std::size_t found = 0;
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            MemberCache().Clear();
            state.ResumeTiming();
        }
        found = RunSearch(catalogue, QueryKind::Mask, Cp1251<"К  Т ">, InDefinitions()).entries.size();
    }
    state.counters["found"] = static_cast<double>(found);
    state.counters["archive_MB"] = static_cast<double>(std::filesystem::file_size(LargeArchive())) / (1 << 20);
    state.counters["text_MB"] = static_cast<double>(MemberCache().Bytes()) / (1 << 20);
}

void BM_LargeDefinitionsFirstSearch(benchmark::State& state) { DefinitionsSearch(state, true); }
void BM_LargeDefinitionsSearchAgain(benchmark::State& state) { DefinitionsSearch(state, false); }

// Memory is read as the growth of the process's peak over the search alone
// (the text is written out as it is made, never held).
void BM_LargeTextFileSearch(benchmark::State& state) {
    const std::string& file = LargeText();
    SetMessageHandler([](const std::string&) {});
    SearchSettings any;
    any.part = MaskPart::Any;
    const long before = PeakKilobytes();
    std::size_t found = 0;
    for (auto _ : state) found = RunFileSearch(Cp1251<"К Т">, file, any).entries.size();
    state.counters["found"] = static_cast<double>(found);
    state.counters["text_MB"] = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKilobytes() - before) / 1024;
}

// The text first, while the process's peak is still low.
BENCHMARK(BM_LargeTextFileSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_LargeDefinitionsFirstSearch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_LargeDefinitionsSearchAgain)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
