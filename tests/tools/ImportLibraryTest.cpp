// The import library as the window drives it: progress, cancelling, and the
// bound on what a compressed source may expand to.

#include "tests/tools/PackSupport.h"
#include "tools/import/ByteSource.h"
#include "tools/import/ImportDictionary.h"
#include "tools/import/ImportErrors.h"

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
    for (double stopAt : {0.0, 0.5}) {  // cancelled at once, and once the reading is done
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

TEST(ImportLibrary, CompressedDataStopsAtTheBound) {
    TempDir dir;
    ASSERT_EQ(RunCommand("head -c 5000000 /dev/zero | gzip > " + Quote(dir.File("bomb.gz"))), 0);
    import::ByteSource source(dir.File("bomb.gz"), 1 << 20);
    EXPECT_TRUE(source.Compressed());
    EXPECT_THROW(source.ReadAll(), import::EImportError);
}

}  // namespace
}  // namespace vellumar
