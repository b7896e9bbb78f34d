#include <gtest/gtest.h>

#include <random>

#include "app/LineBatches.h"
#include "engine/TextLines.h"
#include "tests/app/TestSupport.h"

namespace vellumar {
namespace {

std::vector<std::string> Joined(std::string_view text) {
    std::vector<std::string> all;
    ForEachLineBatch(text, [&](std::vector<std::string>& batch) {
        EXPECT_FALSE(batch.empty());
        all.insert(all.end(), batch.begin(), batch.end());
    });
    return all;
}

TEST(LineBatchesTest, BatchesTogetherAreTheTextsLines) {
    std::mt19937 rng(99);
    // Mostly letters, with every kind of line break and now and then a zero byte.
    const std::string pieces[] = {"\r\n", "\r", "\n", "ab", "\xE0\xE1\xE2", "xyz", "q"};
    for (int trial = 0; trial < 60; ++trial) {
        std::string text;
        const std::size_t size = rng() % (LineBatchBytes * 5);
        while (text.size() < size) text += pieces[rng() % std::size(pieces)];
        if (trial % 10 == 9) text[rng() % text.size()] = '\0';
        ASSERT_EQ(Joined(text), SplitTextLines(text)) << "trial " << trial;
    }
    // Lines longer than a batch, and a text broken by CR alone.
    const std::string longLines = std::string(LineBatchBytes * 2, 'a') + "\r\n" + std::string(LineBatchBytes, 'b');
    EXPECT_EQ(Joined(longLines), SplitTextLines(longLines));
    std::string crOnly;
    for (int i = 0; i < 5000; ++i) crOnly += "line\r";
    EXPECT_EQ(Joined(crOnly), SplitTextLines(crOnly));
    EXPECT_TRUE(Joined("").empty());
}

TEST(LineBatchesTest, AfterFirstLineDropsTheTitle) {
    EXPECT_EQ(AfterFirstLine("Title\r\na\r\nb"), "a\r\nb");
    EXPECT_EQ(AfterFirstLine("Title\n\na"), "\na");
    EXPECT_EQ(AfterFirstLine("Title\r\ra"), "\ra");
    EXPECT_EQ(AfterFirstLine("Title only"), "");
    EXPECT_EQ(AfterFirstLine("Title\r\n"), "");
    EXPECT_EQ(AfterFirstLine(std::string_view("Ti\0tle\r\na", 9)), "");
}

}  // namespace
}  // namespace vellumar

namespace vellumar {
namespace {

TEST(LineBatchesTest, FilesReadBlockByBlockGiveTheSameLines) {
    test::ScratchDir dir;
    std::mt19937 rng(5);
    const std::string pieces[] = {"\r\n", "\r", "\n", "word", "\xE0\xE1", std::string(300, 'x')};
    for (int trial = 0; trial < 12; ++trial) {
        std::string text;
        const std::size_t size = trial < 4 ? rng() % 64 : 60 * 1024 + rng() % (200 * 1024);
        while (text.size() < size) text += pieces[rng() % std::size(pieces)];
        if (trial % 4 == 3 && !text.empty()) text[rng() % text.size()] = '\0';
        dir.Write("t.dic", text);
        for (const bool skip : {false, true}) {
            std::vector<std::string> all;
            ASSERT_TRUE(ForEachFileLineBatch(dir.File("t.dic"), skip, [&](std::vector<std::string>& batch) {
                all.insert(all.end(), batch.begin(), batch.end());
            }));
            const std::string_view expected = skip ? AfterFirstLine(text) : std::string_view(text);
            ASSERT_EQ(all, SplitTextLines(expected)) << "trial " << trial << " skip " << skip;
        }
    }
    EXPECT_FALSE(ForEachFileLineBatch(dir.File("missing.dic"), true, [](std::vector<std::string>&) {}));
    EXPECT_FALSE(ForEachFileLineBatch(dir.Dir(), true, [](std::vector<std::string>&) {}));
}

}  // namespace
}  // namespace vellumar
