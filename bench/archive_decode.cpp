// Decode throughput of whole ExpandMember calls, in bytes of output per second,
// on about 30 MB of cp1251 dictionary text (hunspell's Russian words with
// synthetic definitions; generated words when the list is missing).

#include <benchmark/benchmark.h>

#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "archive/Archive.h"
#include "archive/ArchiveFormat.h"
#include "archive/MemoryStream.h"
#include "engine/Letters.h"
#include "tools/pack/CompressLh5.h"
#include "tools/pack/CompressLzh.h"
#include "tools/pack/CompressRle.h"

namespace {

using namespace vellumar;

constexpr std::size_t kTextSize = 30u << 20;

std::vector<std::string> Words() {
    std::vector<std::string> words;
    std::ifstream in("/usr/share/hunspell/ru_RU.dic", std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(in)), {});
    iconv_t cd = iconv_open("CP1251", "UTF-8");
    std::size_t start = utf8.find('\n');
    while (cd != reinterpret_cast<iconv_t>(-1) && start != std::string::npos) {
        const std::size_t end = utf8.find('\n', start + 1);
        std::string line = utf8.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
        line = line.substr(0, line.find('/'));
        std::string out(line.size(), '\0');
        char* src = line.data();
        char* dst = out.data();
        std::size_t srcLeft = line.size(), dstLeft = out.size();
        if (!line.empty() && iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) {
            out.resize(out.size() - dstLeft);
            out = LowerString(out);
            bool russian = true;
            for (char c : out) russian = russian && IsLowerRussian(c);
            if (russian) words.push_back(out);
        }
        start = end;
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    std::mt19937 rng(3);
    while (words.size() < 1000) {  // no word list: made-up words
        std::string w;
        for (int n = 3 + static_cast<int>(rng() % 8); n > 0; --n) w += static_cast<char>(0xE0 + rng() % 32);
        words.push_back(w);
    }
    return words;
}

const std::string& Text() {
    static const std::string text = [] {
        const std::vector<std::string> words = Words();
        std::mt19937 rng(7);
        std::string t;
        t.reserve(kTextSize + 256);
        while (t.size() < kTextSize) {
            for (const std::string& w : words) {
                t += w;
                for (int n = 2 + static_cast<int>(rng() % 6); n > 0; --n) t += ' ' + words[rng() % words.size()];
                t += "\r\n";
                if (t.size() >= kTextSize) break;
            }
        }
        return t;
    }();
    return text;
}

// An archive file holding the text as member "5.dic" under `method`.
std::string MakeArchive(MethodIndex method, const std::string& stored) {
    const std::string& text = Text();
    ArchiveHeader h;
    h.methodId = std::string(MethodIds[method]);
    h.totalSize = static_cast<std::int32_t>(text.size());
    MemberHeader m;
    m.nameLength = 5;
    m.originalSize = static_cast<std::int32_t>(text.size());
    m.compressedSize = static_cast<std::int32_t>(stored.size());
    m.method = method;
    m.checksum = ByteSum(text);
    const std::string path = "/tmp/vellumar_bench_" + std::to_string(::getpid()) + "_" + h.methodId + ".dic";
    std::ofstream(path, std::ios::binary) << EncodeArchiveHeader(h) << EncodeMemberHeader(m) << "5.dic" << stored;
    return path;
}

void Expand(benchmark::State& state, MethodIndex method, std::string (*compress)(std::string_view)) {
    const std::string stored = compress(Text());
    const std::string path = MakeArchive(method, stored);
    for (auto _ : state) {
        TMemoryStream out;
        TArchive archive;
        archive.ExpandMember(path, out, "5.dic");
        if (out.Data().size() != Text().size()) state.SkipWithError("wrong output size");
        benchmark::DoNotOptimize(out.Data().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
    state.counters["ratio"] = static_cast<double>(stored.size()) / static_cast<double>(Text().size());
    std::remove(path.c_str());
}

void BM_ExpandLh5(benchmark::State& state) { Expand(state, MethodLH5, pack::CompressLh5); }
void BM_ExpandLzh(benchmark::State& state) { Expand(state, MethodLZH, pack::CompressLzh); }
void BM_ExpandRle(benchmark::State& state) { Expand(state, MethodRLE, pack::CompressRle); }

BENCHMARK(BM_ExpandLh5)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExpandLzh)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExpandRle)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
