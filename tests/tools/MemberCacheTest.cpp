// Expanded members kept between searches: served again while the archive is
// unchanged, read afresh once it changed, and dropped beyond the budget.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ArchiveMembers.h"
#include "app/Catalogue.h"
#include "app/SearchRun.h"
#include "engine/Exception.h"
#include "tests/app/CliSupport.h"

namespace vellumar {
namespace {

using test::MakeArchive;
using test::ScratchDir;
using test::Ws;

TEST(MemberCacheTest, AnUnchangedArchiveIsServedKeptAndAChangedOneAfresh) {
    ScratchDir dir;
    const std::string path = dir.File("a.dic");
    dir.Write("a.dic", MakeArchive(MethodLH5, "T", {{3, Ws({"котЗверь"})}, {4, Ws({"кошкаЗверь"})}}));
    MemberCache().Clear();
    const std::vector<std::string> names{LengthMemberName(3), LengthMemberName(4), LengthMemberName(9)};
    const LoadedMembers first = LoadArchiveMembers(path, names);
    ASSERT_FALSE(first.failed);
    EXPECT_EQ(*first.texts[0], Ws({"котЗверь"}).front() + "\r\n");
    EXPECT_EQ(*first.texts[2], "");   // no such member
    const LoadedMembers again = LoadArchiveMembers(path, names);
    EXPECT_EQ(again.texts[0], first.texts[0]);   // the very text kept

    // Rewritten, whatever its size and time: the new words are found.
    dir.Write("a.dic", MakeArchive(MethodLH5, "T", {{3, Ws({"китЗверь"})}}));
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(1));
    const LoadedMembers fresh = LoadArchiveMembers(path, names);
    EXPECT_EQ(*fresh.texts[0], Ws({"китЗверь"}).front() + "\r\n");
    EXPECT_EQ(*fresh.texts[1], "");

    std::filesystem::remove(path);
    EXPECT_TRUE(LoadArchiveMembers(path, names).failed);
}

// An archive large enough to be expanded and searched on several threads finds
// what the same lines as a plain-text dictionary give, and a failure in a
// search on another thread reaches the caller.
TEST(MemberCacheTest, ALargeArchiveSearchedOnSeveralThreadsFindsWhatPlainTextFinds) {
    ScratchDir dir;
    std::vector<std::pair<int, std::vector<std::string>>> members;
    std::string plain = "T\r\n";
    for (int length = 2; length <= 22; ++length) {
        std::vector<std::string> lines;
        for (int i = 0; i < 2500; ++i) {
            std::string word(static_cast<std::size_t>(length), '\xE0' + static_cast<char>(i % 32));
            word[0] = i % 7 == 0 ? '\xEA' : '\xEB';
            lines.push_back(word + "\xC4\xEB\xE8\xED\xED\xEE\xE5 \xEE\xEF\xF0\xE5\xE4\xE5\xEB\xE5\xED\xE8\xE5 \xEA\xEE\xF2 " +
                            std::string(60, 'x') + std::to_string(i));
            plain += lines.back() + "\r\n";
        }
        members.emplace_back(length, std::move(lines));
    }
    dir.Write("big.dic", MakeArchive(MethodNON, "T", members));
    ASSERT_GE(std::filesystem::file_size(dir.File("big.dic")), 4u << 20);
    dir.Write("plain.txt", plain);

    DictionaryEntry archive, text;
    archive.path = " " + dir.File("big.dic");
    text.path = dir.File("plain.txt");
    SearchSettings s;
    s.mode = SearchMode::WordsAndDefinitions;
    s.part = MaskPart::Begin;
    MemberCache().Clear();
    const SearchOutcome fromArchive = RunSearch({archive}, QueryKind::Mask, "\xCA\xCE", s);
    const SearchOutcome fromText = RunSearch({text}, QueryKind::Mask, "\xCA\xCE", s);
    EXPECT_GT(fromArchive.entries.size(), 1000u);   // every line holds «кот»; lines of one word merged
    EXPECT_EQ(fromArchive.entries, fromText.entries);

    MemberCache().Clear();
    s.weight = {true, "=", "1a"};
    EXPECT_THROW(RunSearch({archive}, QueryKind::Mask, "\xCA\xCE", s), EConvertError);
}

TEST(MemberCacheTest, TheLeastRecentlyUsedGoBeyondTheBudget) {
    ExpandedMemberCache cache(100);
    const FileIdentity id{1, 2, 3, 4};
    const auto text = [](char c) { return std::make_shared<const std::string>(40, c); };
    cache.Keep("a", id, "3.dic", text('a'));
    cache.Keep("a", id, "4.dic", text('b'));
    ASSERT_TRUE(cache.Find("a", id, "3.dic"));   // now the most recently used
    cache.Keep("b", id, "3.dic", text('c'));
    EXPECT_TRUE(cache.Find("a", id, "3.dic"));
    EXPECT_FALSE(cache.Find("a", id, "4.dic"));
    EXPECT_EQ(cache.Bytes(), 80u);
    EXPECT_FALSE(cache.Find("b", FileIdentity{1, 2, 3, 5}, "3.dic"));
    cache.Keep("c", id, "3.dic", std::make_shared<const std::string>(101, 'x'));   // larger than the budget
    EXPECT_FALSE(cache.Find("c", id, "3.dic"));
    EXPECT_EQ(cache.Bytes(), 80u);
}

}  // namespace
}  // namespace vellumar
