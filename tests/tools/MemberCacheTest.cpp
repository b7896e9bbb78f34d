// Expanded members kept between searches: served again while the archive is
// unchanged, read afresh once it changed, and dropped beyond the budget.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ArchiveMembers.h"
#include "app/Catalogue.h"
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
