#include <gtest/gtest.h>

#include <filesystem>

#include "app/AppMessages.h"
#include "app/Catalogue.h"
#include "app/SearchRun.h"
#include "engine/Exception.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

using test::MessageRecorder;
using test::ScratchDir;
using test::W;

// A plain-text dictionary: title, then one line per entry, CR LF.
std::string PlainDictionary(const std::string& titleUtf8, std::initializer_list<const char*> lines) {
    std::string text = W(titleUtf8) + "\r\n";
    for (const char* line : lines) text += W(line) + "\r\n";
    return text;
}

DictionaryEntry Plain(const ScratchDir& dir, const std::string& name, bool checked = true) {
    DictionaryEntry e;
    e.path = dir.File(name);
    e.checked = checked;
    return e;
}

TEST(CatalogueTest, ListsDicFilesInReverseNameOrderWithTitles) {
    ScratchDir dir;
    dir.Write("a.dic", PlainDictionary("Первый", {}));
    dir.Write("b.DIC", "Second\nline");
    dir.Write("c.dic", "");
    dir.Write("notes.txt", "not a dictionary");
    dir.Write("d.dict", "not a dictionary either");
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Path().string());
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[0].path, dir.File("c.dic"));
    EXPECT_EQ(catalogue[0].caption, "");
    EXPECT_EQ(catalogue[1].path, dir.File("b.DIC"));
    EXPECT_EQ(catalogue[1].caption, "Second");
    EXPECT_EQ(catalogue[2].path, dir.File("a.dic"));
    EXPECT_EQ(catalogue[2].caption, W("Первый"));
    for (const DictionaryEntry& e : catalogue) {
        EXPECT_TRUE(e.checked);
        EXPECT_FALSE(e.IsArchive());
    }
}

TEST(CatalogueTest, UserDictionaryDirectoriesAndBadArchives) {
    ScratchDir dir;
    MessageRecorder recorder;
    dir.Write("user's.dic", PlainDictionary("Пользовательский словарь", {"котЗверь"}));
    std::filesystem::create_directory(dir.Path() / "old.dic");
    // The archive magic followed by nothing sensible.
    dir.Write("damaged.dic", std::string("SPIS\x1A", 5) + "\x01\x02garbage\r\nmore");
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Dir());
    ASSERT_EQ(catalogue.size(), 3u);
    EXPECT_EQ(catalogue[0].path, dir.File("user's.dic"));
    EXPECT_EQ(catalogue[0].caption, W("Пользовательский словарь"));
    EXPECT_EQ(catalogue[1].path, dir.File("old.dic"));
    EXPECT_EQ(catalogue[1].caption, "");
    EXPECT_FALSE(catalogue[2].IsArchive());
    EXPECT_EQ(catalogue[2].caption, std::string("SPIS\x1A", 5) + "\x01\x02garbage");
    EXPECT_TRUE(recorder.messages.empty());

    EXPECT_TRUE(ScanDictionaries(dir.File("missing")).empty());
}

// More names than one read of the directory returns.
TEST(CatalogueTest, ListsEveryDicFileOfALargeDirectory) {
    ScratchDir dir;
    for (int i = 0; i < 300; ++i) dir.Write("dictionary-with-a-long-name-" + std::to_string(1000 + i) + ".dic", "");
    const std::vector<std::string> paths = DictionaryFilePaths(dir.Dir());
    ASSERT_EQ(paths.size(), 300u);
    EXPECT_EQ(paths.front(), dir.File("dictionary-with-a-long-name-1299.dic"));
    EXPECT_EQ(paths.back(), dir.File("dictionary-with-a-long-name-1000.dic"));
}

TEST(CatalogueTest, TitleOfAHugeFirstLineIsBounded) {
    ScratchDir dir;
    dir.Write("big.dic", std::string(MaxPlainTitleLength * 3, 'x'));
    const DictionaryCatalogue catalogue = ScanDictionaries(dir.Dir());
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].caption.size(), MaxPlainTitleLength);
}

TEST(SearchRunTest, MaskFromGridCells) {
    const std::vector<std::string> cells{W("К"), "", W("Т"), " ", "1"};
    EXPECT_EQ(MaskFromCells(cells), W("К Т  "));
    EXPECT_EQ(MaskFromCells({W("Ё"), W("ж")}), W("Ёж"));
}

TEST(SearchRunTest, QueriesAreUpperCasedAndChecked) {
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Anagram, W("КОТ")), std::nullopt);
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Anagram, W("КОТ1")), 3u);
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Anagram, W("К Т")), 1u);
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Word, W("К Т")), std::nullopt);
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Word, W("КОT")), 2u);  // Latin T
    EXPECT_EQ(FindInvalidQueryByte(QueryKind::Mask, "??"), std::nullopt);

    ScratchDir dir;
    dir.Write("a.dic", PlainDictionary("A", {"кот", "ток", "кит"}));
    const DictionaryCatalogue catalogue{Plain(dir, "a.dic")};
    MessageRecorder recorder;

    const SearchOutcome anagram = RunSearch(catalogue, QueryKind::Anagram, W("кот"), SearchSettings{});
    EXPECT_EQ(anagram.status, SearchOutcome::Status::Done);
    EXPECT_EQ(anagram.query, W("КОТ"));
    EXPECT_EQ(anagram.entries, (std::vector<std::string>{W("кот"), W("ток")}));

    const SearchOutcome rejected = RunSearch(catalogue, QueryKind::Anagram, W("кот1"), SearchSettings{});
    EXPECT_EQ(rejected.status, SearchOutcome::Status::Rejected);
    EXPECT_EQ(rejected.rejectedAt, 3u);
    EXPECT_TRUE(rejected.entries.empty());
    EXPECT_EQ(rejected.searched, 0u);

    const SearchOutcome word = RunSearch(catalogue, QueryKind::Word, W("к т"), SearchSettings{});
    EXPECT_EQ(word.entries, (std::vector<std::string>{W("кит"), W("кот")}));
    const SearchOutcome badWord = RunSearch(catalogue, QueryKind::Word, W("к.т"), SearchSettings{});
    EXPECT_EQ(badWord.rejectedAt, 1u);

    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0], W("Неправильно задана маска для поиска анаграмм\r\nДопустимы только русские буквы"));
    EXPECT_EQ(recorder.messages[1], W("Неправильно задана маска для слова\r\nДопустимы только русские буквы и пробелы"));
}

TEST(SearchRunTest, MergesAcrossDictionariesInAlphabeticalOrder) {
    ScratchDir dir;
    dir.Write("1.dic", PlainDictionary("One", {"кот Рыжий", "сом", "коты"}));
    dir.Write("2.dic", PlainDictionary("Two", {"КОТ  домашний", "кит"}));
    dir.Write("3.dic", PlainDictionary("Three", {"кот - Зверь", "кот"}));
    const DictionaryCatalogue catalogue{Plain(dir, "1.dic"), Plain(dir, "2.dic"), Plain(dir, "3.dic")};
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    MessageRecorder recorder;
    const SearchOutcome outcome =
        RunSearch(catalogue, QueryKind::Mask, W("К Т"), SearchSettings{},
                  [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); });
    EXPECT_EQ(outcome.status, SearchOutcome::Status::Done);
    // «кот» without definition sorts first and takes the others without a separator.
    EXPECT_EQ(outcome.entries, (std::vector<std::string>{W("кит"), W("кот-Зверь·Домашний·Рыжий")}));
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(SearchRunTest, UnreadableDictionariesAreReportedAndSkipped) {
    ScratchDir dir;
    dir.Write("good.dic", PlainDictionary("Good", {"котЗверь"}));
    std::filesystem::create_directory(dir.Path() / "old.dic");
    DictionaryEntry fakeArchive = Plain(dir, "missing.dic");
    fakeArchive.path.insert(fakeArchive.path.begin(), ' ');
    const DictionaryCatalogue catalogue{Plain(dir, "old.dic"), fakeArchive, Plain(dir, "gone.dic"),
                                        Plain(dir, "good.dic")};
    MessageRecorder recorder;
    const SearchOutcome outcome = RunSearch(catalogue, QueryKind::Mask, W("   "), SearchSettings{});
    EXPECT_EQ(outcome.entries, (std::vector<std::string>{W("котЗверь")}));
    EXPECT_EQ(outcome.searched, 4u);
    EXPECT_EQ(recorder.messages,
              (std::vector<std::string>{W("Не могу прочитать пользовательский словарь"),
                                        W("Не могу прочитать архивный словарь"),
                                        W("Не могу прочитать пользовательский словарь")}));
}

TEST(SearchRunTest, EmptyOrUncheckedCatalogues) {
    MessageRecorder recorder;
    const SearchOutcome none = RunSearch({}, QueryKind::Mask, W("КОТ"), SearchSettings{});
    EXPECT_TRUE(none.noDictionaries);
    EXPECT_TRUE(none.entries.empty());
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], W("Словари не найдены"));

    ScratchDir dir;
    dir.Write("a.dic", PlainDictionary("A", {"кот"}));
    std::size_t calls = 0;
    const SearchOutcome unchecked = RunSearch({Plain(dir, "a.dic", false)}, QueryKind::Mask, W("КОТ"),
                                              SearchSettings{}, [&](std::size_t, std::size_t) { ++calls; });
    EXPECT_FALSE(unchecked.noDictionaries);
    EXPECT_TRUE(unchecked.entries.empty());
    EXPECT_EQ(unchecked.searched, 0u);
    EXPECT_EQ(calls, 0u);

    // A user dictionary with its title alone adds nothing and says nothing.
    dir.Write("user's.dic", PlainDictionary("Пользовательский словарь", {}));
    recorder.messages.clear();
    EXPECT_TRUE(RunSearch({Plain(dir, "user's.dic")}, QueryKind::Mask, W("КОТ"), SearchSettings{}).entries.empty());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(SearchRunTest, WeightFilterAppliesToWordLookupNotAnagrams) {
    ScratchDir dir;
    dir.Write("a.dic", PlainDictionary("A", {"кот", "кит", "ток"}));
    const DictionaryCatalogue catalogue{Plain(dir, "a.dic")};
    SearchSettings s;
    s.weight.enabled = true;
    s.weight.comparison = "=";
    s.weight.value = "42";
    EXPECT_EQ(RunSearch(catalogue, QueryKind::Word, W("к т"), s).entries, std::vector<std::string>{W("кит")});
    EXPECT_EQ(RunSearch(catalogue, QueryKind::Anagram, W("кот"), s).entries,
              (std::vector<std::string>{W("кот"), W("ток")}));
    s.weight.value = "1a";
    EXPECT_THROW(RunSearch(catalogue, QueryKind::Mask, W("К Т"), s), EConvertError);
}

TEST(SearchRunTest, LinesAppendedBetweenRunsAreFound) {
    ScratchDir dir;
    dir.Write("user's.dic", PlainDictionary("U", {"кот"}));
    const DictionaryCatalogue catalogue{Plain(dir, "user's.dic")};
    EXPECT_EQ(RunSearch(catalogue, QueryKind::Mask, W("   "), SearchSettings{}).entries.size(), 1u);
    dir.Write("user's.dic", PlainDictionary("U", {"кот", "сом"}));
    EXPECT_EQ(RunSearch(catalogue, QueryKind::Mask, W("   "), SearchSettings{}).entries.size(), 2u);
}

}  // namespace
}  // namespace vellumar
