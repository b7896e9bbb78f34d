// Compression speed of the LH5 and LZH encoders on Russian cp1251 text.
//   bench_pack_compress [--input=FILE] [benchmark flags]   speed (MB/s) and sizes
//   bench_pack_compress --sizes=FILE                       only the stored sizes, for bench/pack_jlha.sh
// Without --input the text is the system's Russian thesaurus and word list in
// cp1251, cut to 2 MiB.

#include "app/FileIO.h"
#include "tools/pack/CompressLh5.h"
#include "tools/pack/CompressLzh.h"

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// Empty when the file cannot be read: the benchmark then reports having no text.
std::string ReadFile(const std::string& path) { return vellumar::ReadWholeFile(path).value_or(std::string()); }

// UTF-8 to cp1251, dropping what cp1251 lacks.
std::string ToCp1251(const std::string& utf8) {
    iconv_t cd = iconv_open("CP1251", "UTF-8");
    std::string in = utf8, out(utf8.size(), '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t srcLeft = in.size(), dstLeft = out.size();
    while (srcLeft > 0 && iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        ++src;  // skip a byte of what cp1251 cannot hold
        --srcLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

std::string& Text() {
    static std::string text;
    return text;
}

void LoadDefaultText() {
    std::string text = ToCp1251(ReadFile("/usr/share/mythes/th_ru_RU_v2.dat")) +
                       ToCp1251(ReadFile("/usr/share/hunspell/ru_RU.dic"));
    text.resize(std::min<std::size_t>(text.size(), 2u << 20));
    Text() = std::move(text);
}

template <std::string (*Compress)(std::string_view)>
void Compression(benchmark::State& state) {
    const std::string& text = Text();
    if (text.empty()) {
        state.SkipWithError("no input text");
        return;
    }
    std::size_t size = 0;
    for (auto _ : state) {
        std::string packed = Compress(text);
        size = packed.size();
        benchmark::DoNotOptimize(packed.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["in_bytes"] = static_cast<double>(text.size());
    state.counters["out_bytes"] = static_cast<double>(size);
    state.counters["ratio_pct"] = 100.0 * static_cast<double>(size) / static_cast<double>(text.size());
}

BENCHMARK(Compression<vellumar::pack::CompressLh5>)->Name("LH5")->Unit(benchmark::kMillisecond);
BENCHMARK(Compression<vellumar::pack::CompressLzh>)->Name("LZH")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0) {
            const std::string text = ReadFile(argv[i] + 8);
            std::cout << "input " << text.size() << "\nLH5 " << vellumar::pack::CompressLh5(text).size() << "\nLZH "
                      << vellumar::pack::CompressLzh(text).size() << '\n';
            return 0;
        }
        if (std::strncmp(argv[i], "--input=", 8) == 0)
            Text() = ReadFile(argv[i] + 8);
        else
            rest.push_back(argv[i]);
    }
    if (Text().empty()) LoadDefaultText();
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
