// The dictionary builder, run on small word lists and thesauri of the system's form.

#include "engine/Letters.h"
#include "tests/tools/PackSupport.h"
#include "tools/pack/DictionaryPacker.h"

namespace vellumar {
namespace {

using namespace packtest;

const std::string kBuilder = std::string(VELLUMAR_BIN_DIR) + "/../tools/vellumar-dictbuild";
const std::string kData = std::string(VELLUMAR_TEST_DATA_DIR) + "/tools/";

// Every line of members 2..22, in member order.
std::vector<std::string> AllLines(const std::string& archive) {
    std::vector<std::string> lines;
    for (int n = pack::MinWordLength; n <= pack::MaxWordLength; ++n) {
        TArchive reader;
        TMemoryStream stream;
        reader.ExpandMember(archive, stream, pack::LengthMemberName(n));
        stream.Rewind();
        for (std::string& line : stream.ReadLines()) lines.push_back(std::move(line));
    }
    return lines;
}

TEST(DictBuild, SpellingKeepsRussianWordsAndNamesButNoAbbreviations) {
    TempDir dir;
    const std::string out = dir.File("spelling.dic");
    std::string log;
    ASSERT_EQ(RunCommand(Quote(kBuilder) + " spelling " + Quote(kData + "mini_hunspell.dic") + " " + Quote(out), &log), 0);
    std::vector<std::string> expected;
    for (const char* w : {"ёж", "ель", "кот", "абзац", "госты", "чебоксары"}) expected.push_back(W(w));
    EXPECT_EQ(AllLines(out), expected) << log;
    EXPECT_EQ(ExpandFromFile(out, "0.dic"), W("Орфографический словарь\r\n"));
    TArchive reader;
    EXPECT_EQ(reader.ListMembers(out).methodId, "LH5");
}

TEST(DictBuild, SynonymsHoldOneLinePerSynonymSense) {
    TempDir dir;
    const std::string out = dir.File("synonyms.dic");
    ASSERT_EQ(RunCommand(Quote(kBuilder) + " synonyms " + Quote(kData + "mini_thesaurus.dat") + " " + Quote(out)), 0);
    std::vector<std::string> expected;
    for (const char* line : {"котКотяра", "сшаШтаты", "абзацОтступ", "аборигенАвтохтон,туземец"})
        expected.push_back(W(line));
    EXPECT_EQ(AllLines(out), expected);
    EXPECT_EQ(ExpandFromFile(out, "0.dic"), W("Словарь синонимов\r\n"));
    TArchive reader;
    EXPECT_EQ(reader.ListMembers(out).methodId, "LH5");
}

TEST(DictBuild, FailsOnMissingOrUselessSource) {
    TempDir dir;
    WriteFile(dir.File("empty.dic"), "0\n");
    EXPECT_NE(RunCommand(Quote(kBuilder) + " spelling " + Quote(dir.File("none.dic")) + " " + Quote(dir.File("o.dic")) +
                         " 2>/dev/null"),
              0);
    EXPECT_NE(RunCommand(Quote(kBuilder) + " spelling " + Quote(dir.File("empty.dic")) + " " +
                         Quote(dir.File("o.dic")) + " 2>/dev/null"),
              0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.dic")));
}

TEST(DictionaryCollector, SortsByAlphabetAndCountsWhatItSkips) {
    pack::DictionaryCollector collector;
    for (const char* line : {"ЁЖИК", "ежик", "ЕЛКА", "жаба", "ежик", "жаба Земноводное", "а", " ", "", "7 дней"})
        collector.Add(W(line));
    collector.Finish();
    const pack::PackSummary& s = collector.Summary();
    EXPECT_EQ(collector.Lines(4),
              (std::vector<std::string>{W("ежик"), W("елка"), W("ёжик"), W("жаба"),
                                        W("жабаЗемноводное")}));
    EXPECT_EQ(s.packed, 5u);
    EXPECT_EQ(s.perLength[4], 5u);
    EXPECT_EQ(s.duplicates, 1u);
    EXPECT_EQ(s.tooShort, 1u);
    EXPECT_EQ(s.empty, 2u);
    EXPECT_EQ(s.noWord, 1u);
    EXPECT_TRUE(pack::DictionaryLess(W("е"), W("ё")));
    EXPECT_TRUE(pack::DictionaryLess(W("ёж"), W("жа")));
    EXPECT_TRUE(pack::DictionaryLess(W("кот"), W("кота")));
}

// A collector fails at the line that passes a bound, duplicates counted until
// they are dropped, not once it holds everything.
TEST(DictionaryCollector, FailsAtTheLineThatPassesABound) {
    pack::DictionaryCollector member(pack::CollectorLimits{.memberBytes = 10});
    member.Add(W("кот"));
    member.Add(W("кот"));   // "кот\r\n" twice: the member's 10 bytes
    member.Add(W("слон"));  // another member
    EXPECT_THROW(member.Add(W("кит")), Exception);
    pack::DictionaryCollector held(pack::CollectorLimits{.heldBytes = 1000});
    EXPECT_THROW(for (int i = 0; i < 1000; ++i) held.Add(W("кот")), Exception);
}

}  // namespace
}  // namespace vellumar
