// Importing a large DSL dictionary: a generated UTF-16 text of 50 MB with
// 200 000 cards (headwords with stress marks, two body lines of markup with
// "~"), written to a temporary file at start and removed at the end.
//   bench_import_dsl [--dsl=FILE] [benchmark flags]
// With --dsl the generated text is written to (and kept in) FILE. Three runs
// tell the stages apart: reading and parsing alone, with the conversion of
// every entry to dictionary lines, and the whole import with packing (LH5).

#include "tools/import/Cp1251Encoder.h"
#include "tools/import/EntryBuilder.h"
#include "tools/import/ImportDictionary.h"
#include "tools/import/SourceReaders.h"
#include "tools/pack/DictionaryPacker.h"

#include <benchmark/benchmark.h>
#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

using namespace vellumar::import;

constexpr int kCards = 200000;

std::string& DslPath() {
    static std::string path;
    return path;
}

std::string OutputPath() { return "/tmp/vellumar-bench-import-" + std::to_string(::getpid()) + ".dic"; }

// Random Russian words; the letters' code points need no table.
class Words {
public:
    std::string Word(int minLetters, int maxLetters) {
        std::uniform_int_distribution<int> length(minLetters, maxLetters), letter(0, 31);
        std::string word;
        const int n = length(rng_);
        for (int i = 0; i < n; ++i) AppendLetter(word, 0x430 + letter(rng_));
        return word;
    }
    std::string Text(std::size_t bytes) {
        std::string text;
        while (text.size() < bytes) text += Word(2, 9) + (Chance(8) ? ", " : " ");
        text.pop_back();
        return text;
    }
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(rng_) == 0; }

private:
    static void AppendLetter(std::string& out, char32_t code) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    std::mt19937 rng_{2024};
};

// One card in UTF-8: about 125 characters, as UTF-16 about 250 bytes.
std::string Card(Words& words) {
    std::string headword = words.Word(3, 12);
    if (words.Chance(3)) headword.insert(2, "\xCC\x81");  // a stress mark after the first letter
    return headword + "\r\n\t[m1][b]1.[/b] [trn]" + words.Text(70) + "[/trn][/m]\r\n\t[m1][ex][i]~ " +
           words.Text(20) + "[/i][/ex][/m]\r\n";
}

bool WriteDsl(const std::string& path) {
    iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || cd == reinterpret_cast<iconv_t>(-1)) return false;
    Words words;
    std::string text = "\xEF\xBB\xBF#NAME \"Benchmark\"\r\n#INDEX_LANGUAGE \"Russian\"\r\n#CONTENTS_LANGUAGE \"Russian\"\r\n\r\n";
    std::fwrite("\xFF\xFE", 1, 2, file);
    text.erase(0, 3);
    std::string utf16;
    std::size_t written = 2;
    for (int card = 0; card < kCards; ++card) {
        text += Card(words);
        if (card + 1 < kCards && text.size() < (64 << 10)) continue;
        utf16.resize(text.size() * 2);
        char* src = text.data();
        char* dst = utf16.data();
        std::size_t srcLeft = text.size(), dstLeft = utf16.size();
        iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        written += utf16.size() - dstLeft;
        std::fwrite(utf16.data(), 1, utf16.size() - dstLeft, file);
        text.clear();
    }
    iconv_close(cd);
    std::fclose(file);
    std::printf("generated %s: %zu bytes, %d cards\n", path.c_str(), written, kCards);
    return true;
}

// Takes the entries and does nothing with them.
class NullSink : public EntrySink {
public:
    void Add(std::span<const std::string_view> headwords, std::string_view definition) override {
        entries += headwords.size();
        benchmark::DoNotOptimize(definition.data());
    }
    void Damaged(std::size_t) override {}
    std::optional<std::string> FoldedWord(std::string_view) override { return std::nullopt; }
    std::size_t entries = 0;
};

void Parse(benchmark::State& state) {
    for (auto _ : state) {
        NullSink sink;
        ReadContext context{sink, [](double) {}, {}};
        ReadDsl(DslPath(), context);
        state.counters["entries"] = static_cast<double>(sink.entries);
    }
}

void ParseAndConvert(benchmark::State& state) {
    for (auto _ : state) {
        ImportSummary summary;
        Cp1251Encoder encoder;
        vellumar::pack::DictionaryCollector collector;
        EntryBuilder builder(encoder, collector, summary);
        ReadContext context{builder, [](double) {}, {}};
        ReadDsl(DslPath(), context);
        collector.Finish();
        state.counters["lines"] = static_cast<double>(collector.Summary().packed);
    }
}

void WholeImport(benchmark::State& state) {
    ImportOptions options;
    options.source = DslPath();
    options.output = OutputPath();
    for (auto _ : state) {
        const ImportSummary summary = ImportDictionary(options);
        state.counters["written"] = static_cast<double>(summary.written);
    }
    std::remove(options.output.c_str());
}

BENCHMARK(Parse)->Name("DSL/parse")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ParseAndConvert)->Name("DSL/parse+convert")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WholeImport)->Name("DSL/import")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    bool keep = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--dsl=", 6) == 0) {
            DslPath() = argv[i] + 6;
            keep = true;
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (!keep) DslPath() = "/tmp/vellumar-bench-import-" + std::to_string(::getpid()) + ".dsl";
    if (!WriteDsl(DslPath())) {
        std::fprintf(stderr, "cannot write %s\n", DslPath().c_str());
        return 1;
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!keep) std::remove(DslPath().c_str());
    return 0;
}
