// vellumar-dictbuild: makes the bundled dictionaries from the system's Russian word
// list and thesaurus during the build.
//   vellumar-dictbuild spelling HUNSPELL.dic OUT.dic   (LH5)
//   vellumar-dictbuild synonyms THESAURUS.dat OUT.dic  (LH5)

#include "engine/Cp1251Literal.h"
#include "engine/Exception.h"
#include "tools/dictbuild/HunspellWords.h"
#include "tools/dictbuild/ThesaurusSenses.h"
#include "tools/pack/ArchiveWriter.h"
#include "tools/pack/DictionaryPacker.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace vellumar;

constexpr std::string_view kSpellingTitle = Cp1251<"Орфографический словарь">;
constexpr std::string_view kSynonymsTitle = Cp1251<"Словарь синонимов">;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Exception("cannot read " + path);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return std::move(buffer).str();
}

void PrintCounts(const std::string& out, const dictbuild::SourceStats& stats, const pack::PackSummary& summary) {
    std::cout << out << ": " << summary.packed << " lines (" << summary.duplicates << " duplicates dropped) from "
              << stats << "\n  by word length:";
    for (int n = pack::MinWordLength; n <= pack::MaxWordLength; ++n) std::cout << ' ' << n << ':' << summary.perLength[n];
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::string(argv[1]) != "spelling" && std::string(argv[1]) != "synonyms")) {
        std::cerr << "usage: vellumar-dictbuild spelling|synonyms SOURCE OUT.dic\n";
        return 2;
    }
    const std::string kind = argv[1], source = argv[2], out = argv[3];
    try {
        const std::string text = ReadFile(source);
        pack::DictionaryCollector collector;
        dictbuild::SourceStats stats;
        const bool spelling = kind == "spelling";
        if (spelling)
            dictbuild::CollectHunspellWords(text, collector, stats);
        else
            dictbuild::CollectThesaurusSenses(text, collector, stats);
        if (stats.taken == 0) throw Exception("no usable entries in " + source);
        pack::ArchiveWriter writer(MethodLH5);
        collector.WriteTo(writer, spelling ? kSpellingTitle : kSynonymsTitle);
        writer.WriteFile(out);
        PrintCounts(out, stats, collector.Summary());
    } catch (const std::exception& e) {
        std::cerr << "vellumar-dictbuild: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
