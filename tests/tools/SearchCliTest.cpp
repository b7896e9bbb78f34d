// The search core over archives, and vellumar-cli search end to end.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/Catalogue.h"
#include "app/SearchRun.h"
#include "engine/Cp1251Literal.h"
#include "tests/app/CliSupport.h"

namespace vellumar {
namespace {

using test::CliResult;
using test::MessageRecorder;
using test::RunCli;
using test::ScratchDir;
using test::W;
using test::Ws;

// Three dictionaries: two archives with different methods and a user's.dic.
class SearchDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("animals.dic", test::MakeArchive(MethodLH5, W("Звери"),
            {{2, Ws({"ёжЖивотное"})},
             {3, Ws({"китМорской зверь", "котДомашнее животное", "сомРыба", "токЭлектричество"})},
             {4, Ws({"ёлкаДерево", "щукаРыба хищная"})},
             {5, Ws({"зебраЛошадь"})},
             {7, Ws({"котёнокМаленький кот"})}}));
        dir.Write("words.dic", test::MakeArchive(MethodLZH, W("Слова"),
            {{2, Ws({"еж"})}, {3, Ws({"кот(зверь),мяукает", "кат"})}, {4, Ws({"елкаДерево"})}}));
        dir.Write("user's.dic", W("Пользовательский словарь\r\nкотРыжий\r\nкто\r\n"));
    }
    // The entries as stored (--raw), read as UTF-8 for the expectations.
    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"search", "--raw", "--dir", dir.Dir()});
        CliResult r = RunCli(dir, args);
        r.out = test::U(r.out);
        return r;
    }
    ScratchDir dir;
};

TEST_F(SearchDirTest, CatalogueMarksArchivesAndReversesTheListing) {
    MessageRecorder recorder;
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Dir());
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[0].path, std::string(" ").append(dir.File("words.dic")));
    EXPECT_EQ(catalogue[0].caption, W("Слова"));
    EXPECT_EQ(catalogue[1].path, dir.File("user's.dic"));
    EXPECT_EQ(catalogue[1].caption, W("Пользовательский словарь"));
    EXPECT_EQ(catalogue[2].path, std::string(" ").append(dir.File("animals.dic")));
    EXPECT_TRUE(catalogue[2].IsArchive());
    EXPECT_EQ(catalogue[2].FilePath(), dir.File("animals.dic"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SearchDirTest, RunMergesArchiveAndPlainHits) {
    MessageRecorder recorder;
    const SearchOutcome outcome =
        RunSearch(ScanDictionaries(dir.Dir()), QueryKind::Mask, W("К Т"), SearchSettings{});
    EXPECT_EQ(outcome.entries,
              Ws({"кат", "китМорской зверь", "кот(зверь),мяукает·Домашнее животное·Рыжий"}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SearchDirTest, DamagedOrMissingArchivesAreReportedAndTheRunGoesOn) {
    std::string bytes = test::MakeArchive(MethodRLE, "T", {{3, Ws({"котЗверь"})}});
    bytes.back() ^= 0x01;  // the last byte of the 3-letter member's stored data
    dir.Write("broken.dic", bytes);
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Dir());
    ASSERT_EQ(catalogue.size(), 4u);
    ASSERT_EQ(catalogue[2].FilePath(), dir.File("broken.dic"));
    ASSERT_TRUE(catalogue[2].IsArchive());  // the title still reads

    MessageRecorder recorder;
    const SearchOutcome outcome = RunSearch(catalogue, QueryKind::Mask, W("СОМ"), SearchSettings{});
    EXPECT_EQ(outcome.entries, Ws({"сомРыба"}));
    EXPECT_EQ(recorder.messages, Ws({"Не могу прочитать архивный словарь"}));

    // An archive without a member of the mask's length adds nothing and says nothing.
    recorder.messages.clear();
    std::filesystem::remove(dir.Path() / "broken.dic");
    EXPECT_TRUE(RunSearch(ScanDictionaries(dir.Dir()), QueryKind::Mask, W("ЖЖЖЖЖЖ"), SearchSettings{})
                    .entries.empty());
    EXPECT_TRUE(recorder.messages.empty());
}

// The command line's search, which reads no titles and opens each archive once,
// finds and reports what the window's search over the catalogue does.
TEST_F(SearchDirTest, SearchInDirectoryMatchesTheCatalogueSearch) {
    std::string broken = test::MakeArchive(MethodRLE, "T", {{3, Ws({"котЗверь"})}});
    broken.back() ^= 0x01;
    dir.Write("broken.dic", broken);
    pack::ArchiveWriter untitled(MethodNON);  // no member "0.dic": searched as plain text
    untitled.AddMember("3.dic", W("кутБез заглавия\r\n"));
    dir.Write("untitled.dic", untitled.Bytes());
    std::filesystem::create_directory(dir.Path() / "old.dic");

    const auto expectSame = [](const std::string& directory, QueryKind kind, const std::string& text) {
        SCOPED_TRACE(text);
        MessageRecorder byCatalogue;
        const SearchOutcome a = RunSearch(ScanDictionaries(directory), kind, text, SearchSettings{});
        const std::vector<std::string> catalogueMessages = byCatalogue.messages;
        byCatalogue.messages.clear();
        const SearchOutcome b = RunSearchInDirectory(directory, kind, text, SearchSettings{});
        EXPECT_EQ(b.status, a.status);
        EXPECT_EQ(b.noDictionaries, a.noDictionaries);
        EXPECT_EQ(b.searched, a.searched);
        EXPECT_EQ(b.entries, a.entries);
        EXPECT_EQ(byCatalogue.messages, catalogueMessages);
        return a;
    };
    const SearchOutcome found = expectSame(dir.Dir(), QueryKind::Mask, W("К Т"));
    EXPECT_EQ(found.searched, 6u);
    EXPECT_EQ(std::find(found.entries.begin(), found.entries.end(), W("кутБез заглавия")), found.entries.end());
    expectSame(dir.Dir(), QueryKind::Word, W("с м"));
    expectSame(dir.Dir(), QueryKind::Anagram, W("ток"));
    expectSame(dir.Dir(), QueryKind::Anagram, W("то к"));
    expectSame(dir.File("old.dic"), QueryKind::Mask, W("КОТ"));
}

TEST_F(SearchDirTest, CliPrintsWordTabAndSpacedDefinitionsOrRawEntries) {
    const CliResult r = RunCli(dir, {"search", "--dir", dir.Dir(), "к?т"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "кат\nкит\tМорской зверь\nкот\t(зверь) , мяукает · Домашнее животное · Рыжий\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(RunCli(dir, {"search", "--dir", dir.Dir(), "К.Т"}).out, r.out);
    EXPECT_EQ(RunCli(dir, {"search", "--raw", "--dir", dir.Dir(), "СОМ"}).out, W("сомРыба") + "\n");
    // No blank left over from spacing around the joins.
    ScratchDir other;
    other.Write("a.dic", W("Т\r\nкотЗверь.\r\nкотРыжий\r\n"));
    EXPECT_EQ(RunCli(other, {"search", "--dir", other.Dir(), "КОТ"}).out, "кот\tЗверь. · Рыжий\n");
}

TEST_F(SearchDirTest, CliWordAnagramAndNothingFound) {
    EXPECT_EQ(Run({"--word", "е ка"}).out, "елкаДерево\nёлкаДерево\n");
    EXPECT_EQ(Run({"--anagram", "кот"}).out, "кот(зверь),мяукает·Домашнее животное·Рыжий\nкто\nтокЭлектричество\n");

    const CliResult none = Run({"ЩЩЩ"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "Не удалось найти подходящих слов\nПопробуйте изменить запрос\n");
}

TEST_F(SearchDirTest, CliRejectedQueriesExitTwoWithTheMessage) {
    const CliResult anagram = Run({"--anagram", "к т"});
    EXPECT_EQ(anagram.exitCode, 2);
    EXPECT_EQ(anagram.out, "");
    EXPECT_EQ(anagram.err, "Неправильно задана маска для поиска анаграмм\nДопустимы только русские буквы\n");
    const CliResult word = Run({"--word", "кот1"});
    EXPECT_EQ(word.exitCode, 2);
    EXPECT_EQ(word.err, "Неправильно задана маска для слова\nДопустимы только русские буквы и пробелы\n");
}

TEST_F(SearchDirTest, CliOptionsReachTheSearch) {
    // Equivalences: ё = е unless switched off.
    EXPECT_EQ(Run({"ЕЖ"}).out, "еж\nёжЖивотное\n");
    EXPECT_EQ(Run({"--no-yo-ye", "ЕЖ"}).out, "еж\n");
    // Weight: К 12 + И 10 + Т 20 = 42.
    EXPECT_EQ(Run({"--weight", "=", "42", "К?Т"}).out, "китМорской зверь\n");
    EXPECT_EQ(Run({"--weight", "=>", "43", "К?Т"}).out,
              "кот(зверь),мяукает·Домашнее животное·Рыжий\n");
    // Definitions: the run «Рыба» in the definitions of «сом» and «щука»,
    // whatever the length of their words.
    EXPECT_EQ(Run({"--where", "definitions", "РЫБА"}).out, "сомРыба\nщукаРыба хищная\n");
    EXPECT_EQ(Run({"--where", "words", "РЫБА"}).exitCode, 1);
    // Orders: heaviest first (сом 49), equal weights by descending codes (ток, кто, кот: 48).
    EXPECT_EQ(Run({"--sort", "weight", "--word", "  "}).out, "ёжЖивотное\nеж\n");
    EXPECT_EQ(Run({"--sort", "weight", "???"}).out,
              "сомРыба\nтокЭлектричество\nкто\nкот(зверь),мяукает·Домашнее животное·Рыжий\n"
              "китМорской зверь\nкат\n");
    EXPECT_EQ(Run({"--sort", "length", "--word", "   "}).out,
              "токЭлектричество\nсомРыба\nкто\nкот(зверь),мяукает·Домашнее животное·Рыжий\n"
              "китМорской зверь\nкат\n");
    EXPECT_EQ(Run({"--sort", "length", "--where", "both", "--no-yo-ye", "ЕЛКА"}).out, "елкаДерево\n");
}

// A three-letter clue inside the definition of a seven-letter word; an entry
// that fits both ways is listed once.
TEST_F(SearchDirTest, CliWhereAndPartChooseWhatTheMaskIsTestedAgainst) {
    EXPECT_EQ(Run({"КОТ"}).out, "кот(зверь),мяукает·Домашнее животное·Рыжий\n");
    EXPECT_EQ(Run({"--where", "definitions", "КОТ"}).out, "котёнокМаленький кот\n");
    EXPECT_EQ(Run({"--where", "both", "КОТ"}).out,
              "кот(зверь),мяукает·Домашнее животное·Рыжий\nкотёнокМаленький кот\n");
    EXPECT_EQ(Run({"--where", "both", "КОТЁНОК"}).out, "котёнокМаленький кот\n");
    // Parts of words, ё = е applying inside them as anywhere.
    EXPECT_EQ(Run({"--part", "begin", "КОТ"}).out,
              "кот(зверь),мяукает·Домашнее животное·Рыжий\nкотёнокМаленький кот\n");
    EXPECT_EQ(Run({"--part", "end", "ОК"}).out, "котёнокМаленький кот\nтокЭлектричество\n");
    EXPECT_EQ(Run({"--part", "any", "ТЕН"}).out, "котёнокМаленький кот\n");
    EXPECT_EQ(Run({"--part", "any", "--no-yo-ye", "ТЕН"}).exitCode, 1);
    // The weight filter weighs the whole word that fits: котёнок under ё = е
    // is К12 О16 Т20 Е6 Н15 О16 К12 = 97.
    EXPECT_EQ(Run({"--part", "begin", "--weight", "=", "97", "КОТ"}).out, "котёнокМаленький кот\n");
    EXPECT_EQ(Run({"--part", "begin", "--weight", "=", "48", "КОТ"}).out,
              "кот(зверь),мяукает·Домашнее животное·Рыжий\n");
    EXPECT_EQ(Run({"--where", "definitions", "--part", "end", "КОЙ"}).out, "китМорской зверь\n");
}

// Text files of either encoding and any line ends: each distinct word once, in
// alphabetical order, without definition.
TEST(SearchCliTest, FileSearchReadsUtf8AndCp1251TextsInPieces) {
    ScratchDir dir;
    const std::string text = "Кот и кот,\rКОТ! кит-ка\xCC\x81т\r\nкотёнок\nкит";   // a stress mark in «ка́т»
    dir.Write("bom.txt", std::string(Utf8ByteOrderMark) + text);
    dir.Write("plain.txt", text);
    dir.Write("old.txt", W("Кот и кот,\rКОТ! кит-кат\r\nкотёнок\nкит"));
    // A long ASCII start: the encoding is known only from what follows it,
    // here also where a cp1251 letter ends the first piece read like the
    // start of a UTF-8 sequence.
    dir.Write("late.txt", std::string(200000, 'x') + " " + text);
    dir.Write("edge.txt", std::string(65534, 'x') + " " + W("кот и кот,\rКОТ! кит-кат\r\nкотёнок\nкит"));
    for (const char* name : {"bom.txt", "plain.txt", "old.txt", "late.txt", "edge.txt"}) {
        SCOPED_TRACE(name);
        const CliResult r = RunCli(dir, {"search", "--file", dir.File(name), "К?Т"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, "кат\nкит\nкот\n");
        EXPECT_EQ(RunCli(dir, {"search", "--file", dir.File(name), "--part", "begin", "КОТ"}).out, "кот\nкотёнок\n");
    }
    // Letters written in two parts: е with the diaeresis, и with the breve.
    dir.Write("two-part.txt", "е\xCC\x88лка и\xCC\x86од");
    EXPECT_EQ(RunCli(dir, {"search", "--no-yo-ye", "--file", dir.File("two-part.txt"), "ЁЛКА"}).out, "ёлка\n");
    EXPECT_EQ(RunCli(dir, {"search", "--no-y-i", "--file", dir.File("two-part.txt"), "ЙОД"}).out, "йод\n");

    const CliResult missing = RunCli(dir, {"search", "--file", dir.File("нет.txt"), "КОТ"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Не могу прочитать файл " + dir.File("нет.txt") + "\n");
}

TEST_F(SearchDirTest, CliUnreadableDictionaryGoesToStderrAndTheSearchGoesOn) {
    std::filesystem::create_directory(dir.Path() / "old.dic");
    const CliResult r = Run({"СОМ"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "сомРыба\n");
    EXPECT_EQ(r.err, "Не могу прочитать пользовательский словарь\n");
}

TEST_F(SearchDirTest, CliUsageErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"--sort", "size", "КОТ"}, {"--weight", "<", "3", "КОТ"},
                                               {"--weight", "=", "x", "КОТ"}, {"К"}, {"КОТ1"},
                                               {"--anagram", "--word", "КОТ"}, {"--where"}, {"КОТ", "КИТ"},
                                               {"--bogus", "КОТ"}, {std::string(23, '?')}}) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: vellumar-cli search"), std::string::npos);
    }
}

TEST(SearchCliTest, EmptyDirectoryHasNoDictionaries) {
    ScratchDir dir;
    const CliResult r = RunCli(dir, {"search", "--dir", dir.Dir(), "КОТ"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Словари не найдены\nНе удалось найти подходящих слов\nПопробуйте изменить запрос\n");
}

TEST(SearchCliTest, ADirThatIsNoFolderIsRefused) {
    ScratchDir dir;
    dir.Write("a.dic", W("Словарь\r\nкот\r\n"));
    for (const std::string& path : {dir.File("missing"), dir.File("a.dic")}) {
        const CliResult r = RunCli(dir, {"search", "--dir", path, "КОТ"});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vellumar-cli: " + path + ": no such folder\n");
    }
}

}  // namespace
}  // namespace vellumar
