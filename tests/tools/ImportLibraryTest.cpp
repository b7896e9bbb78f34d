// The import library as the window drives it: progress, cancelling, and the
// bound on what a compressed source may expand to.

#include "tests/tools/PackSupport.h"
#include "tools/import/ByteSource.h"
#include "tools/import/EntryBuilder.h"
#include "tools/import/ImportDictionary.h"
#include "tools/import/ImportErrors.h"

#include <chrono>

namespace vellumar {
namespace {

using namespace packtest;

std::string ManyCards(int count) {
    std::string dsl = "#NAME \"Много\"\n";
    for (int i = 0; i < count; ++i) {
        dsl += "слово";
        for (int k = 0; k <= i % 15; ++k) dsl += "а";
        dsl += "\n\tопределение\n";
    }
    return dsl;
}

TEST(ImportLibrary, ProgressRisesToTheEndAndTheSummaryAddsUp) {
    TempDir dir;
    WriteFile(dir.File("m.dsl"), ManyCards(20000));
    import::ImportOptions options;
    options.source = dir.File("m.dsl");
    options.output = dir.File("m.dic");
    std::vector<double> shares;
    options.progress = [&shares](double done) { shares.push_back(done); };
    const import::ImportSummary summary = import::ImportDictionary(options);
    EXPECT_EQ(summary.format, import::SourceFormat::Dsl);
    EXPECT_EQ(summary.title, W("Много"));
    EXPECT_EQ(summary.read, 20000u);
    EXPECT_EQ(summary.written, 15u);  // the same fifteen words again and again
    EXPECT_EQ(summary.written + summary.Skipped(), summary.read);
    // Reading (more than one chunk of the file) and packing both report.
    ASSERT_GE(shares.size(), 3u);
    EXPECT_GT(shares.front(), 0.0);
    EXPECT_LT(shares.front(), 0.5);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_DOUBLE_EQ(shares.back(), 1.0);
}

TEST(ImportLibrary, CancellingLeavesTheFormerFileAsItWas) {
    TempDir dir;
    WriteFile(dir.File("m.dsl"), ManyCards(20000));
    WriteFile(dir.File("m.dic"), "former");
    for (double stopAt : {0.0, 0.5, 1.0}) {  // cancelled at once, once the reading is done, and at the end
        SCOPED_TRACE(stopAt);
        import::ImportOptions options;
        options.source = dir.File("m.dsl");
        options.output = dir.File("m.dic");
        double reached = 0;
        options.progress = [&reached](double done) { reached = done; };
        options.cancelled = [&reached, stopAt] { return reached >= stopAt; };
        EXPECT_THROW(import::ImportDictionary(options), import::EImportCancelled);
        EXPECT_EQ(reached, stopAt);
        EXPECT_EQ(ReadFile(dir.File("m.dic")), "former");
        EXPECT_FALSE(std::filesystem::exists(dir.File("m.dic.part")));
    }
}

// Thousands of headwords sharing one dictd entry, whose text repeats them in
// another order: each is matched to its line without comparing every pair.
TEST(ImportLibrary, DictdEntryWithManyHeadwordsIsReadInTime) {
    constexpr int kWords = 30000;
    const std::string letters = "бвгдклмнпрстфхцчшщжзаеиоуыэюяйьъ";  // two bytes each
    const auto word = [&letters](int i) {
        std::string w = "ко";
        for (int k = 0; k < 3; ++k, i /= 32) w += letters.substr(2 * (i % 32), 2);
        return w;
    };
    const auto number = [](std::size_t value) {  // dictd's base 64
        const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string out;
        do out.insert(out.begin(), digits[value % 64]); while (value /= 64);
        return out;
    };
    std::string text;
    for (int i = kWords - 1; i >= 0; --i) text += word(i) + "\n";
    text += "общее определение\n";
    std::string index;
    for (int i = 0; i < kWords; ++i) index += word(i) + "\tA\t" + number(text.size()) + "\n";
    TempDir dir;
    WriteFile(dir.File("d.index"), index);
    WriteFile(dir.File("d.dict"), text);
    import::ImportOptions options;
    options.source = dir.File("d.index");
    options.output = dir.File("d.dic");
    options.method = MethodNON;
    const auto start = std::chrono::steady_clock::now();
    const import::ImportSummary summary = import::ImportDictionary(options);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(summary.written, static_cast<std::size_t>(kWords));
    const std::string first = W("коаааОбщее определение\r\n");
    EXPECT_EQ(ExpandFromFile(dir.File("d.dic"), "5.dic").substr(0, first.size()), first);
}

// Cards that list one headword a million times over take no more than one line each.
TEST(ImportLibrary, HeadwordRepeatedInACardGivesOneLine) {
    std::string card;
    while (card.size() < (1u << 20) - 8) card += "кот\n";
    card += "\t" + std::string(1000, 'x') + "\n";
    TempDir dir;
    WriteFile(dir.File("r.dsl"), "#NAME \"Повторы\"\n" + card + card);
    import::ImportOptions options;
    options.source = dir.File("r.dsl");
    options.output = dir.File("r.dic");
    const import::ImportSummary summary = import::ImportDictionary(options);
    EXPECT_EQ(summary.written, 1u);
    EXPECT_EQ(summary.written + summary.duplicates, summary.read);
}

// The separator before a line counts towards the bound on a definition's text.
TEST(ImportLibrary, DefinitionTextStaysWithinItsBound) {
    import::DefinitionLines lines;
    lines.Add(std::string(import::kMaxDefinitionSourceBytes - 1, 'a'));
    lines.Add(std::string(1 << 20, 'b'));
    EXPECT_LE(lines.Text().size(), import::kMaxDefinitionSourceBytes);
}

TEST(ImportLibrary, CompressedDataStopsAtTheBound) {
    TempDir dir;
    ASSERT_EQ(RunCommand("head -c 5000000 /dev/zero | gzip > " + Quote(dir.File("bomb.gz"))), 0);
    import::ByteSource source(dir.File("bomb.gz"), 1 << 20);
    EXPECT_TRUE(source.Compressed());
    EXPECT_THROW(source.ReadAll(), import::EImportError);
}

}  // namespace
}  // namespace vellumar
